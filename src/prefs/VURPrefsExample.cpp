#include "VURPrefsExample.h"

#include "VUREditorSettings.h"
#include "VURMsgBar.h"

#include <Qsci/qsciscintilla.h>

#include <QHBoxLayout>

TVURPrefsExample::TVURPrefsExample(QWidget *parent)
    : QFrame(parent)
    , m_exampleSynEdit(new QsciScintilla(this))
    , m_msgBar(NewForm<TVURMsgBarPane>(this))
{
    setObjectName(QStringLiteral("ExamplePanel"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    m_exampleSynEdit->setObjectName(QStringLiteral("ExampleSynEdit"));
    m_exampleSynEdit->setFrameShape(QFrame::NoFrame);
    m_exampleSynEdit->setReadOnly(true);
    m_exampleSynEdit->setMinimumSize(200, 120);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(m_exampleSynEdit, 1);
    layout->addWidget(m_msgBar);
    m_msgBar->SetLines(m_exampleSynEdit);
}

void TVURPrefsExample::Apply(const TVUREditorSettings &settings, TVURHighlighter *highlighter, bool showBar)
{
    TVUREditorSettings shown = settings;
    shown.autoIndentMode = false;
    shown.smartTabs = false;
    shown.syntaxHighlighting = highlighter != nullptr;
    ApplyEditorSettings(m_exampleSynEdit, shown, highlighter);
    m_msgBar->setVisible(showBar);
}

void TVURPrefsExample::SetSample(const QString &text)
{
    m_exampleSynEdit->setReadOnly(false);
    m_exampleSynEdit->setText(text);
    m_exampleSynEdit->setReadOnly(true);
}

void TVURPrefsExample::SetBarHighlighter(TVURHighlighter *highlighter)
{
    m_msgBar->SetHighlighter(highlighter);
}
