#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>

class QsciScintilla;

// A keystroke macro recorder over the editing control's macro
// notifications, which unlike QScintilla's own macro class can pause.
class TVURMacroRecorder : public QObject
{
    Q_OBJECT

public:
    enum class State { Stopped, Recording, Playing, Paused };

    explicit TVURMacroRecorder(QsciScintilla *editor);
    ~TVURMacroRecorder() override;

    State GetState() const { return m_state; }
    bool IsEmpty() const { return m_steps.isEmpty(); }
    int StepCount() const { return int(m_steps.size()); }

    void RecordMacro();
    void Stop();
    void Pause();
    void Resume();
    void PlaybackMacro();

Q_SIGNALS:
    void StateChanged();

private:
    struct Step
    {
        unsigned int message;
        unsigned long wParam;
        long lParam;
        QByteArray text; // for messages that pass a string
        bool hasText;
    };

    void OnMacroRecord(unsigned int message, unsigned long wParam, void *lParam);
    void SetState(State state);

    QPointer<QsciScintilla> m_editor;
    QList<Step> m_steps;
    State m_state = State::Stopped;
};
