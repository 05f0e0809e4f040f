#include "DosCommand.h"
#include "EventLoop.h"
#include "ModalDriver.h"
#include "StandInInstallation.h"
#include "VMIZRun.h"
#include "VURLang.h"

#include <QDirIterator>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Processes whose program is the given path.
int ProcessesOf(const QString &program)
{
    int count = 0;
    QDirIterator it(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QString dir = it.next();
        QFile cmdline(dir + QStringLiteral("/cmdline"));
        if (!cmdline.open(QIODevice::ReadOnly))
            continue;
        const QByteArray argv0 = cmdline.readAll().split('\0').value(0);
        QFile status(dir + QStringLiteral("/stat"));
        const bool zombie = status.open(QIODevice::ReadOnly) && status.readAll().contains(") Z ");
        if (!zombie && QString::fromLocal8Bit(argv0) == program)
            ++count;
    }
    return count;
}

const QByteArray kArticle = "environ\n vocabularies XBOOLE_0;\nbegin\ntheorem\n  x in A1;\nend;\n";

std::unique_ptr<TVMIZRunForm> MakeRunForm(const QString &mizarDir, const QString &program, const QString &workDir,
                                          const QString &article)
{
    auto form = MakeForm<TVMIZRunForm>();
    form->SetMizarDir(mizarDir);
    form->SetProgramFile(program);
    form->SetWorkingDirectory(workDir);
    form->SetArguments({article});
    return form;
}

} // namespace

class tst_VMIZRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void output_data();
    void output();
    void captionAndButtons_data();
    void captionAndButtons();
    void progressShownInPlace();
    void bellsNotShown();
    void cancelEndsProgram();
    void closeBoxEndsProgram();
    void missingProgram();
};

void tst_VMIZRun::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
}

void tst_VMIZRun::output_data()
{
    QTest::addColumn<QStringList>("arrived");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("progress collapses by key")
        << QStringList{"Stage   [  10]", "Stage   [  20]", "Check   [  10]"}
        << QStringList{"Stage   [  20]", "Check   [  10]"};
    QTest::newRow("leading empty lines dropped") << QStringList{"", "", "Start"} << QStringList{"Start"};
    QTest::newRow("blank between lines dropped") << QStringList{"a", "", "b"} << QStringList{"a", "b"};
    QTest::newRow("final blank stays") << QStringList{"a", "", "b", ""} << QStringList{"a", "b", ""};
    QTest::newRow("label alone, then its counter") << QStringList{"Stage", "Stage [ 5]"} << QStringList{"Stage [ 5]"};
    QTest::newRow("keys compare with case") << QStringList{"Stage [ 1]", "stage [ 2]"}
                                            << QStringList{"Stage [ 1]", "stage [ 2]"};
    QTest::newRow("replacement kept untrimmed") << QStringList{"Parser  ", "Parser   [  10]  "}
                                                << QStringList{"Parser   [  10]  "};
    QTest::newRow("line without counter never replaced") << QStringList{"Stage [ 1]", "Stage"}
                                                         << QStringList{"Stage [ 1]", "Stage"};
    QTest::newRow("blank with control characters") << QStringList{"a", "\a\a\a", "**** 2 errors ****"}
                                                   << QStringList{"a", "**** 2 errors ****"};
}

void tst_VMIZRun::output()
{
    QFETCH(QStringList, arrived);
    QFETCH(QStringList, shown);
    TVMIZRunOutput output;
    for (const QString &line : arrived)
        output.AddLine(line);
    QCOMPARE(output.Lines(), shown);
}

void tst_VMIZRun::captionAndButtons_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("English") << "enu" << "Mizaring" << "Cancel";
    QTest::newRow("Polish") << "plk" << "Mizarzenie" << "Anuluj";
}

void tst_VMIZRun::captionAndButtons()
{
    QFETCH(QString, language);
    QFETCH(QString, caption);
    QFETCH(QString, cancel);
    LangManager()->SetLanguage(language);
    const auto form = MakeForm<TVMIZRunForm>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(form->CancelButton()->text(), cancel);
    QVERIFY(form->CancelButton()->isDefault());
    QVERIFY(!form->AcceptButton()->isVisible());
    QVERIFY(!form->HelpButton()->isVisible());
    // Cancel sits at the right end of the row.
    QVERIFY(form->CancelButton()->geometry().right() > form->ButtonPanel()->width() - 20);
    QCOMPARE(form->OutputMemo()->palette().color(QPalette::Base), QColor(Qt::black));
    QCOMPARE(form->OutputMemo()->palette().color(QPalette::Text), QColor(Qt::cyan));
    QCOMPARE(form->OutputMemo()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // Cancel before the program started does nothing.
    form->CancelButton()->click();
    QVERIFY(form->isVisible());
    QVERIFY(!form->IsCancelled());
}

void tst_VMIZRun::progressShownInPlace()
{
    StandInInstallation mizar;
    ArticleFolder folder;
    folder.Write(QStringLiteral("ring_1.miz"), kArticle);
    const auto form = MakeRunForm(mizar.Dir(), QStringLiteral("verifier"), folder.Path() + QLatin1Char('/'), QStringLiteral("ring_1"));
    QCOMPARE(form->ShowModal(), 1);
    QCOMPARE(form->Output()->Lines(),
             QStringList({"Verifier based on More Strict Mizar Processor, Mizar Ver. 8.1.12 (Linux/FPC)",
                          "Copyright (c) 1990-2022 Association of Mizar Users", "Processing: ring_1.miz",
                          "Parser   [   6]   0:00", "MSM      [   6]   0:00", "Analyzer [   6]   0:00",
                          "Checker  [   6]   0:00", "Time of mizaring: 0:00"}));
    QVERIFY(form->OutputMemo()->toPlainText().contains(QLatin1String("Checker  [   6]   0:00\nTime of mizaring")));
    QCOMPARE(folder.Read(QStringLiteral("ring_1.standin.log")), QByteArray("verifier ring_1\n"));
}

void tst_VMIZRun::bellsNotShown()
{
    StandInInstallation mizar;
    ArticleFolder folder;
    folder.Write(QStringLiteral("ring_1.miz"), kArticle);
    folder.Script(QStringLiteral("ring_1"), "makeenv issue 2 24 801\n");
    const auto form = MakeRunForm(mizar.Dir(), QStringLiteral("makeenv"), folder.Path(), QStringLiteral("ring_1"));
    QCOMPARE(form->ShowModal(), 1);
    QCOMPARE(form->Output()->Lines().last(), QStringLiteral("**** 1 error detected"));
    const QString shown = form->OutputMemo()->toPlainText();
    QVERIFY(shown.contains(QLatin1String("-Theorems      [")));
    QVERIFY(!shown.contains(QLatin1Char('\a')));
}

void tst_VMIZRun::cancelEndsProgram()
{
    StandInInstallation mizar;
    ArticleFolder folder;
    folder.Write(QStringLiteral("long.miz"), kArticle);
    folder.Script(QStringLiteral("long"), "verifier wait\n");
    const auto form = MakeRunForm(mizar.Dir(), QStringLiteral("verifier"), folder.Path(), QStringLiteral("long"));
    const QString program = form->ProgramPath();
    int runningBeforeCancel = 0;
    QTimer canceller;
    connect(&canceller, &QTimer::timeout, [&] {
        if (!form->Output() || form->Output()->Lines().isEmpty() || !form->Output()->Lines().last().startsWith(QLatin1String("Parser")))
            return;
        canceller.stop();
        runningBeforeCancel = ProcessesOf(program);
        QTest::keyClick(form.get(), Qt::Key_Escape);
    });
    canceller.start(20);
    QCOMPARE(form->ShowModal(), 2);
    QVERIFY(form->IsCancelled());
    QCOMPARE(runningBeforeCancel, 1);
    QCOMPARE(ProcessesOf(program), 0);
    // What came before the cancel stays shown; nothing after it is read.
    QVERIFY(form->OutputMemo()->toPlainText().contains(QLatin1String("Processing: long.miz")));
    QVERIFY(!form->OutputMemo()->toPlainText().contains(QLatin1String("User break")));
}

void tst_VMIZRun::closeBoxEndsProgram()
{
    StandInInstallation mizar;
    ArticleFolder folder;
    folder.Write(QStringLiteral("long.miz"), kArticle);
    folder.Script(QStringLiteral("long"), "verifier wait\n");
    auto form = MakeRunForm(mizar.Dir(), QStringLiteral("verifier"), folder.Path(), QStringLiteral("long"));
    const QString program = form->ProgramPath();
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (ProcessesOf(program) == 1) {
            closer.stop();
            form->close();
        }
    });
    closer.start(20);
    QCOMPARE(form->ShowModal(), 2);
    QVERIFY(!form->IsCancelled());
    form.reset();
    QVERIFY(RunEventLoopUntil([&program] { return ProcessesOf(program) == 0; }));
}

void tst_VMIZRun::missingProgram()
{
    QTemporaryDir empty;
    const auto form = MakeRunForm(empty.path() + QLatin1Char('/'), QStringLiteral("verifier"), empty.path(), QStringLiteral("ring_1"));
    QString boxText;
    ModalDriver driver([&boxText](QWidget *) {
        // The run window itself is modal first; wait for the box on top of it.
        QTimer *poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [poll, &boxText] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                boxText = box->text();
                box->accept();
                poll->deleteLater();
            }
        });
        poll->start(20);
    });
    QCOMPARE(form->ShowModal(), 1);
    QVERIFY(RunEventLoopUntil([&boxText] { return !boxText.isEmpty(); }));
    QCOMPARE(boxText, empty.path() + QStringLiteral("/verifier ring_1 doesn't exist."));
}

QTEST_MAIN(tst_VMIZRun)
#include "tst_VMIZRun.moc"
