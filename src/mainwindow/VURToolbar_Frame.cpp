#include "VURToolbar_Frame.h"

#include <QFrame>
#include <QVBoxLayout>

TVURToolbar_Frame::TVURToolbar_Frame(QWidget *parent)
    : TVURPaneForm(parent)
    , m_mainPanel(new QFrame(this))
    , m_innerPanel(new QWidget(m_mainPanel))
{
    setObjectName(QStringLiteral("Toolbar_Frame"));
    m_mainPanel->setObjectName(QStringLiteral("Main_Panel"));
    m_innerPanel->setObjectName(QStringLiteral("Inner_Panel"));
    m_mainPanel->setFrameShape(QFrame::Panel);
    m_mainPanel->setFrameShadow(QFrame::Sunken);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_mainPanel);
    auto *inner = new QVBoxLayout(m_mainPanel);
    inner->setContentsMargins(1, 1, 1, 1);
    inner->addWidget(m_innerPanel);
    setFixedHeight(36);
}
