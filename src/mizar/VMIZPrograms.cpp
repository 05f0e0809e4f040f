#include "VMIZPrograms.h"

#include "VMIZFiles.h"

#include <QFileInfo>

namespace VMIZPrograms {

namespace {

TVMIZProgram Shown(const char *name, TVMIZArgument argument, bool environment, bool issues)
{
    return TVMIZProgram{QString::fromLatin1(name), argument, TVMIZRunMode::RunWindow, environment, issues};
}

TVMIZProgram Detector(const char *name)
{
    return Shown(name, TVMIZArgument::ArticleName, false, true);
}

} // namespace

const QList<TVMIZProgram> &Programs()
{
    static const QList<TVMIZProgram> table = {
        Shown("remflags", TVMIZArgument::ArticleWithExtension, false, false),
        Shown("accom", TVMIZArgument::ArticleName, true, false),
        Shown("makeenv", TVMIZArgument::ArticleName, true, false),
        Shown("verifier", TVMIZArgument::ArticleName, false, true),
        // The detectors in the order a chain runs them.
        Detector("inacc"),
        Detector("relinfer"),
        Detector("reliters"),
        Detector("relprem"),
        Detector("trivdemo"),
        Detector("chklab"),
        Detector("irrvoc"),
        Detector("irrths"),
        TVMIZProgram{QStringLiteral("errflag"), TVMIZArgument::ArticleWithExtension, TVMIZRunMode::Hidden, false, false},
        TVMIZProgram{QStringLiteral("addfmsg"), TVMIZArgument::ArticleWithExtensionAndBase, TVMIZRunMode::Hidden,
                     false, false},
    };
    return table;
}

const TVMIZProgram *Program(const QString &name)
{
    for (const TVMIZProgram &program : Programs()) {
        if (program.name == name)
            return &program;
    }
    return nullptr;
}

QString ArticleName(const QString &articleFileName)
{
    const QString fileName = QFileInfo(articleFileName).fileName();
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

QStringList Arguments(const TVMIZProgram &program, const QString &articleFileName)
{
    const QString name = ArticleName(articleFileName);
    switch (program.argument) {
    case TVMIZArgument::ArticleName:
        return {name};
    case TVMIZArgument::ArticleWithExtension:
        return {name + QStringLiteral(".miz")};
    case TVMIZArgument::ArticleWithExtensionAndBase:
        return {name + QStringLiteral(".miz"), VMIZFiles::GetMizarDir() + QStringLiteral("mizar")};
    }
    return {};
}

QString RemFlags() { return Programs().at(0).name; }
QString Accom() { return Programs().at(1).name; }
QString MakeEnv() { return Programs().at(2).name; }
QString Verifier() { return Programs().at(3).name; }
QString ErrFlag() { return Programs().at(12).name; }
QString AddFMsg() { return Programs().at(13).name; }

QStringList Detectors()
{
    QStringList names;
    for (qsizetype i = 4; i < 12; ++i)
        names.append(Programs().at(i).name);
    return names;
}

} // namespace VMIZPrograms
