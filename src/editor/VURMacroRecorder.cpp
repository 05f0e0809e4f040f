#include "VURMacroRecorder.h"

#include <Qsci/qsciscintilla.h>

#include <cstring>

namespace {

// Recorded messages whose lParam is a string to keep.
bool PassesText(unsigned int message)
{
    return message == QsciScintillaBase::SCI_REPLACESEL || message == QsciScintillaBase::SCI_ADDTEXT
           || message == QsciScintillaBase::SCI_INSERTTEXT || message == QsciScintillaBase::SCI_APPENDTEXT
           || message == QsciScintillaBase::SCI_SEARCHNEXT || message == QsciScintillaBase::SCI_SEARCHPREV;
}

} // namespace

TVURMacroRecorder::TVURMacroRecorder(QsciScintilla *editor)
    : QObject(editor)
    , m_editor(editor)
{
    setObjectName(QStringLiteral("SynMacroRecorder"));
    connect(editor, &QsciScintillaBase::SCN_MACRORECORD, this, &TVURMacroRecorder::OnMacroRecord);
}

// The recorder goes with its control, which is already being destroyed then:
// it must not be called any more.
TVURMacroRecorder::~TVURMacroRecorder() = default;

void TVURMacroRecorder::SetState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    Q_EMIT StateChanged();
}

void TVURMacroRecorder::RecordMacro()
{
    if (m_state != State::Stopped || !m_editor)
        return;
    m_steps.clear();
    m_editor->SendScintilla(QsciScintillaBase::SCI_STARTRECORD);
    SetState(State::Recording);
}

void TVURMacroRecorder::Stop()
{
    if (m_state != State::Recording && m_state != State::Paused)
        return;
    if (m_editor)
        m_editor->SendScintilla(QsciScintillaBase::SCI_STOPRECORD);
    SetState(State::Stopped);
}

void TVURMacroRecorder::Pause()
{
    if (m_state == State::Recording)
        SetState(State::Paused);
}

void TVURMacroRecorder::Resume()
{
    if (m_state == State::Paused)
        SetState(State::Recording);
}

void TVURMacroRecorder::OnMacroRecord(unsigned int message, unsigned long wParam, void *lParam)
{
    if (m_state != State::Recording)
        return;
    Step step{message, wParam, 0, QByteArray(), false};
    if (PassesText(message) && lParam) {
        step.text = QByteArray(static_cast<const char *>(lParam));
        step.hasText = true;
    } else {
        step.lParam = long(reinterpret_cast<quintptr>(lParam));
    }
    m_steps.append(step);
}

void TVURMacroRecorder::PlaybackMacro()
{
    if (m_state != State::Stopped || m_steps.isEmpty() || !m_editor)
        return;
    SetState(State::Playing);
    m_editor->beginUndoAction();
    for (const Step &step : std::as_const(m_steps)) {
        if (step.hasText)
            m_editor->SendScintilla(step.message, step.wParam, step.text.constData());
        else
            m_editor->SendScintilla(step.message, step.wParam, step.lParam);
    }
    m_editor->endUndoAction();
    SetState(State::Stopped);
}
