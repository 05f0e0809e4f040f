#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The Mizar programs the workbench runs: the one place their names and
// arguments are spelled.
namespace VMIZPrograms {

enum class TVMIZArgument {
    ArticleWithExtension,        // "name.miz"
    ArticleName,                 // "name"
    ArticleWithExtensionAndBase, // "name.miz", then the message base
};

enum class TVMIZRunMode {
    RunWindow, // output shown in the run window
    Hidden,    // waited for without a window, output not read
};

struct TVMIZProgram
{
    QString name;
    TVMIZArgument argument;
    TVMIZRunMode mode;
    // Its ".err" lists environment errors: any line stops the chain.
    bool reportsEnvironment;
    // Its ".err" lists issues in the article.
    bool reportsIssues;
};

const QList<TVMIZProgram> &Programs();
// The entry of a program by name; null when the table has none.
const TVMIZProgram *Program(const QString &name);

// The arguments for an article given by its file name without directory
// ("ring_1.miz"); the message base is GetMizarDir() + "mizar".
QStringList Arguments(const TVMIZProgram &program, const QString &articleFileName);
// The article file name without its extension.
QString ArticleName(const QString &articleFileName);

// Names of the table's groups, in the order the chains use them.
QString RemFlags();
QString Accom();
QString MakeEnv();
QString Verifier();
QString ErrFlag();
QString AddFMsg();
// The eight detectors in their fixed order.
QStringList Detectors();

} // namespace VMIZPrograms
