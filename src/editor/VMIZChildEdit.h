#pragma once

#include "ZOKChildEdit.h"

#include <QKeySequence>
#include <QStringList>

class TVMIZChildEditForm;

// One command of the Mizar menu: the programs it runs on the article.
struct TVMIZChainCommand
{
    const char *name;
    const char *caption;
    const char *hint;
    QKeySequence key;
    // Empty for the command that asks which detectors to run.
    QStringList programs;
    void (TVMIZChildEditForm::*handler)();
};

// The ten commands in the order of the Mizar menu.
const QList<TVMIZChainCommand> &MizarChainCommands();

// The article window of the Mizar layer: runs chains of Mizar programs on
// the saved article and brings the issues they find into its text.
class TVMIZChildEditForm : public TZOKChildEditForm
{
    Q_OBJECT

public:
    explicit TVMIZChildEditForm(QWidget *owner);

    void TranslateTexts() override;

    void RunMizarChain(const QStringList &programs);
    // One program of a chain; false when the chain must stop.
    bool RunMizarProgram(const QString &mizarDir, const QString &articlePath, QStringList &issues,
                         const QString &programFile, const QString &articleFileName);
    // Appends the lines of the article's ".err" file; raises EVURException
    // naming the file when it cannot be read.
    static void AddErrFileLines(const QString &articlePath, const QString &articleName, QStringList &issues);
    // The program list of "Run detectors" for the current choice; empty
    // when no detector is to run.
    static QStringList AllChecksPrograms();

    void MizarRunVerifierActionExecute();
    void MizarInaccActionExecute();
    void MizarRelInferActionExecute();
    void MizarRelItersActionExecute();
    void MizarRelPremActionExecute();
    void MizarTrivDemoActionExecute();
    void MizarChkLabActionExecute();
    void MizarIrrVocActionExecute();
    void MizarIrrThsActionExecute();
    void MizarRunAllChecksActionExecute();

private:
    void WriteIssues(const QString &articlePath, const QString &articleName, const QStringList &issues);
    void ReloadKeepingView();
};
