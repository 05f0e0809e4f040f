#pragma once

// A Mizar installation for tests: the stand-in program under every name of
// the program table, and the project's own mizar.msg, in a temporary folder
// that MIZFILES points to while the object lives.

#include "VMIZPrograms.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

class StandInInstallation
{
public:
    StandInInstallation()
    {
        m_previous = qgetenv("MIZFILES");
        m_hadPrevious = qEnvironmentVariableIsSet("MIZFILES");
        for (const VMIZPrograms::TVMIZProgram &program : VMIZPrograms::Programs())
            QFile::link(QStringLiteral(QUILL_STANDIN_PATH), Dir() + program.name);
        QFile::copy(QStringLiteral(QUILL_TEST_DATA "/mizar/mizar.msg"), Dir() + QStringLiteral("mizar.msg"));
        qputenv("MIZFILES", m_dir.path().toLocal8Bit());
    }

    ~StandInInstallation()
    {
        if (m_hadPrevious)
            qputenv("MIZFILES", m_previous);
        else
            qunsetenv("MIZFILES");
    }

    StandInInstallation(const StandInInstallation &) = delete;
    StandInInstallation &operator=(const StandInInstallation &) = delete;

    bool IsValid() const { return m_dir.isValid(); }
    // The installation directory with its trailing "/".
    QString Dir() const { return m_dir.path() + QLatin1Char('/'); }
    QString Program(const QString &name) const { return Dir() + name; }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};

// A folder for articles, with helpers to write an article and the side file
// that tells the stand-in what to report.
class ArticleFolder
{
public:
    QString Path() const { return m_dir.path(); }
    QString File(const QString &name) const { return m_dir.filePath(name); }

    void Write(const QString &name, const QByteArray &data) const
    {
        QFile file(File(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(data);
    }

    QByteArray Read(const QString &name) const
    {
        QFile file(File(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // "verifier issue 3 5 4" lines for the article.
    void Script(const QString &article, const QByteArray &script) const
    {
        Write(article + QStringLiteral(".standin"), script);
    }

private:
    QTemporaryDir m_dir;
};
