#pragma once

#include "VMIZRunOutput.h"
#include "VURDialog.h"

#include <QStringList>

#include <memory>

class QPlainTextEdit;
class QTimer;
class TDosCommand;

// The modal window in which one Mizar program runs: its output appears as
// it arrives, progress lines change in place, and the window closes itself
// when the program ends (result 1) or after Cancel (result 2).
class TVMIZRunForm : public TVURDialogForm
{
    Q_OBJECT

public:
    explicit TVMIZRunForm(QWidget *owner = nullptr);
    ~TVMIZRunForm() override;

    // The program: the installation directory and the program file, unless
    // the program file is already a whole path.
    void SetMizarDir(const QString &dir) { m_mizarDir = dir; }
    void SetProgramFile(const QString &file) { m_programFile = file; }
    void SetWorkingDirectory(const QString &dir) { m_workingDirectory = dir; }
    void SetArguments(const QStringList &arguments) { m_arguments = arguments; }
    QString ProgramPath() const;

    void TranslateTexts() override;
    void FirstIdle() override;
    void CancelActionExecute() override;

    void TimerTimer();
    bool IsCancelled() const { return m_cancelled; }
    const TVMIZRunOutput *Output() const { return m_output.get(); }
    QPlainTextEdit *OutputMemo() const { return m_outputMemo; }
    TDosCommand *Runner() const { return m_runner; }

private:
    QString m_mizarDir;
    QString m_programFile;
    QString m_workingDirectory;
    QStringList m_arguments;
    QPlainTextEdit *m_outputMemo;
    QTimer *m_timer;
    std::unique_ptr<TVMIZRunOutput> m_output;
    TDosCommand *m_runner = nullptr;
    quint64 m_shownRevision = 0;
    bool m_cancelled = false;
};
