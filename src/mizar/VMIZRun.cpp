#include "VMIZRun.h"

#include "DosCommand.h"
#include "VURLang.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {

QFont OutputFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(8);
    font.setStyleHint(QFont::Monospace);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(8);
    }
    return font;
}

} // namespace

TVMIZRunForm::TVMIZRunForm(QWidget *owner)
    : TVURDialogForm(owner)
    , m_outputMemo(new QPlainTextEdit(MainPanel()))
    , m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("VMIZRunForm"));
    m_outputMemo->setObjectName(QStringLiteral("OutputMemo"));
    m_outputMemo->setReadOnly(true);
    m_outputMemo->setFocusPolicy(Qt::NoFocus);
    m_outputMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_outputMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_outputMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_outputMemo->setFont(OutputFont());
    QPalette colors = m_outputMemo->palette();
    colors.setColor(QPalette::Base, Qt::black);
    colors.setColor(QPalette::Text, Qt::cyan);
    m_outputMemo->setPalette(colors);
    MainPanel()->layout()->setContentsMargins(4, 8, 4, 4);
    MainPanel()->layout()->addWidget(m_outputMemo);

    // Only Cancel, at the right end of the row, answering Enter and Escape.
    AcceptAction()->setVisible(false);
    ButtonLayout()->removeWidget(CancelButton());
    delete ButtonLayout()->replaceWidget(HelpButton(), CancelButton());
    HelpButton()->hide();
    SetDefaultButton(CancelButton());
    CancelButton()->setFocus();

    resize(565, 405);
    m_timer->setObjectName(QStringLiteral("Timer"));
    m_timer->setInterval(200);
    connect(m_timer, &QTimer::timeout, this, &TVMIZRunForm::TimerTimer);
    m_timer->start();
}

TVMIZRunForm::~TVMIZRunForm()
{
    if (m_runner) {
        // Nothing of a run still going reaches this window any more.
        m_runner->SetOnNewLine(nullptr);
        m_runner->SetOnTerminated(nullptr);
        delete m_runner;
        m_runner = nullptr;
    }
}

QString TVMIZRunForm::ProgramPath() const
{
    if (QFileInfo(m_programFile).isAbsolute())
        return m_programFile;
    return m_mizarDir + m_programFile;
}

void TVMIZRunForm::TranslateTexts()
{
    TVURDialogForm::TranslateTexts();
    setWindowTitle(TranslateText(QStringLiteral("<PLK>Mizarzenie<ENU>Mizaring")));
}

void TVMIZRunForm::FirstIdle()
{
    TVURDialogForm::FirstIdle();
    QCoreApplication::processEvents();
    m_output = std::make_unique<TVMIZRunOutput>();
    m_outputMemo->clear();
    m_shownRevision = m_output->Revision();
    if (!m_runner)
        m_runner = new TDosCommand(this);
    m_runner->SetWorkDir(m_workingDirectory);
    m_runner->SetCommand(ProgramPath(), m_arguments);
    m_runner->SetOnNewLine([this](TDosCommand *, const QString &line, TOutputType type) {
        if (type == TOutputType::otEntireLine && m_output)
            m_output->AddLine(line);
    });
    m_runner->SetOnTerminated([this](TDosCommand *, quint32) {
        TimerTimer();
        done(m_cancelled ? mrCancel : mrOk);
    });
    m_runner->StartProcess();
}

void TVMIZRunForm::CancelActionExecute()
{
    if (!m_runner)
        return;
    m_cancelled = true;
    m_runner->StopProcess();
}

void TVMIZRunForm::TimerTimer()
{
    // Refreshed when something changed, so that a user who scrolled back is
    // left reading while the program is silent.
    if (!m_output || m_output->Revision() == m_shownRevision)
        return;
    m_shownRevision = m_output->Revision();
    m_outputMemo->setPlainText(m_output->DisplayText());
    m_outputMemo->moveCursor(QTextCursor::End);
    m_outputMemo->verticalScrollBar()->setValue(m_outputMemo->verticalScrollBar()->maximum());
    m_outputMemo->viewport()->repaint();
}
