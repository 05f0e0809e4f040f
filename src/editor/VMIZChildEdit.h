#pragma once

#include "ZOKChildEdit.h"

#include <QKeySequence>
#include <QStringList>

class QMouseEvent;
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

// What the keyword file says of a word: the base address of its pages and
// the topic addresses of each entry spelled so; parsed is false for a file
// that is not XML.
struct TVMIZKeywordTopics
{
    bool parsed = false;
    QString base;
    QList<QStringList> entries;
};
TVMIZKeywordTopics ReadKeywordTopics(const QByteArray &xml, const QString &word);

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

    // The syntax help: a reserved word's page, or the wiki page of the error
    // number on an issue line.
    bool ShowContextHelp() override;
    // Opens the Mizar wiki's explanation of an error number; false when the
    // text is not one.
    bool OpenErrorWikiPage(const QString &number);
    // A left click on a number shows its message from "mizar.msg".
    void SynEditMouseDown(QMouseEvent *event);
    // "QuMIZ-reserved-words.xml" beside the program, or in its data folder
    // when installed.
    virtual QString KeywordFileName() const;
    // Where the wiki lives; the page of error 4 is this, the path
    // "/cgi-bin/twiki/view/Mizar/ErrorNo" and "4".
    static QString MizarWikiServer();

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The lookup in the keyword file; false when nothing was shown.
    bool ShowReservedWordHelp(const QString &word);
    void WriteIssues(const QString &articlePath, const QString &articleName, const QStringList &issues);
    void ReloadKeepingView();
};
