#include "VURAppInstances.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

// Reads the next line a probe prints, waiting up to 10 s.
QString NextLine(QProcess &probe)
{
    for (int i = 0; i < 100 && !probe.canReadLine(); ++i)
        probe.waitForReadyRead(100);
    return QString::fromUtf8(probe.readLine()).trimmed();
}

} // namespace

class tst_VURAppInstances : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void absoluteArguments();
    void secondStartHandsOver();
    void staleSocketIsReplaced();
    void socketIsTheUsersOnly();
};

void tst_VURAppInstances::absoluteArguments()
{
    const QString here = QDir::currentPath();
    QCOMPARE(TVURAppInstances::AbsoluteArguments({QStringLiteral("a.miz"), QStringLiteral("-lang:plk"),
                                                  QStringLiteral("../x/./b.miz"), QStringLiteral("/abs/c.miz")}),
             QStringList({here + QStringLiteral("/a.miz"), QStringLiteral("-lang:plk"),
                          QDir::cleanPath(here + QStringLiteral("/../x/b.miz")), QStringLiteral("/abs/c.miz")}));
}

void tst_VURAppInstances::secondStartHandsOver()
{
    QProcess first;
    first.start(QStringLiteral(QUILL_INSTANCE_PROBE_PATH), {});
    QVERIFY(first.waitForStarted());
    QCOMPARE(NextLine(first), QStringLiteral("first"));

    QTemporaryDir folder;
    QProcess second;
    second.setWorkingDirectory(folder.path());
    second.start(QStringLiteral(QUILL_INSTANCE_PROBE_PATH), {QStringLiteral("ring_1.miz"), QStringLiteral("sub dir/ż.miz")});
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(second.readAllStandardOutput()).trimmed(), QStringLiteral("handed"));
    QCOMPARE(NextLine(first), folder.path() + QStringLiteral("/ring_1.miz|") + folder.path() + QStringLiteral("/sub dir/ż.miz"));

    // A start without files hands over an empty command line.
    QProcess third;
    third.start(QStringLiteral(QUILL_INSTANCE_PROBE_PATH), {});
    QVERIFY(third.waitForFinished(10000));
    QCOMPARE(third.exitCode(), 0);
    QCOMPARE(NextLine(first), QString());

    QProcess quit;
    quit.start(QStringLiteral(QUILL_INSTANCE_PROBE_PATH), {QStringLiteral("-quit")});
    QVERIFY(quit.waitForFinished(10000));
    QVERIFY(first.waitForFinished(10000));
    QCOMPARE(first.exitCode(), 0);
}

void tst_VURAppInstances::staleSocketIsReplaced()
{
    QProcess crashed;
    crashed.start(QStringLiteral(QUILL_INSTANCE_PROBE_PATH), {});
    QVERIFY(crashed.waitForStarted());
    QCOMPARE(NextLine(crashed), QStringLiteral("first"));
    ::kill(pid_t(crashed.processId()), SIGKILL);
    QVERIFY(crashed.waitForFinished(10000));
    QVERIFY(QFile::exists(TVURAppInstances::ServerName()));

    QProcess next;
    next.start(QStringLiteral(QUILL_INSTANCE_PROBE_PATH), {});
    QVERIFY(next.waitForStarted());
    QCOMPARE(NextLine(next), QStringLiteral("first"));
    QProcess quit;
    quit.start(QStringLiteral(QUILL_INSTANCE_PROBE_PATH), {QStringLiteral("-quit")});
    QVERIFY(quit.waitForFinished(10000));
    QVERIFY(next.waitForFinished(10000));
}

void tst_VURAppInstances::socketIsTheUsersOnly()
{
    TVURAppInstances instances;
    QVERIFY(!instances.HandOverToRunningInstance({}));
    QVERIFY(instances.IsListening());
    const QFileInfo socket(TVURAppInstances::ServerName());
    QVERIFY(socket.exists());
    QVERIFY(!(socket.permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup)));
    QVERIFY(socket.absolutePath().startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR")));
}

QTEST_MAIN(tst_VURAppInstances)
#include "tst_VURAppInstances.moc"
