#include "EventLoop.h"
#include "FileDialogDriver.h"
#include "FileHelpers.h"
#include "ModalDriver.h"
#include "TestChildHost.h"
#include "VURChildFile.h"
#include "VURDialogs.h"
#include "VURFiles.h"
#include "VURKernel.h"
#include "VURLang.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

// A document whose text is a plain string; saving can be made to fail
// after part of the file was written.
class TextDocument : public TVURChildFileForm
{
public:
    using TVURChildFileForm::TVURChildFileForm;

    void LoadFromFile(const QString &fileName) override { text = VURTextFile::ReadTextFile(fileName).text; }
    void SaveToFile(const QString &fileName) override
    {
        if (failAfterBytes >= 0) {
            QFile file(fileName);
            if (file.open(QIODevice::WriteOnly))
                file.write(text.toUtf8().left(failAfterBytes));
            VURFiles::RaiseIOError(112);
        }
        VURTextFile::WriteTextFile(fileName, text, VURTextFile::TVUREncoding::Utf8);
    }
    void InsertFile(const QString &fileName, bool &) override
    {
        text += VURTextFile::ReadTextFile(fileName).text;
    }
    QString GetDefaultExt() const override { return QStringLiteral(".miz"); }
    QString GetFilter() const override { return QStringLiteral("Mizar files (*.miz;*.abs)|*.miz;*.abs"); }

    QString text;
    int failAfterBytes = -1;
};


// Answers the next message box with a standard button and keeps its text.
// Answers every message box that comes up: Yes where there is one, else OK,
// and keeps their texts in order.
class BoxAnswerer
{
public:
    BoxAnswerer()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || box == m_last)
                return;
            m_last = box;
            texts.append(box->text());
            QAbstractButton *button = box->button(QMessageBox::Yes);
            if (!button)
                button = box->button(QMessageBox::Ok);
            if (button)
                button->click();
        });
        m_timer.start(20);
    }
    QStringList texts;

private:
    QTimer m_timer;
    QPointer<QMessageBox> m_last;
};

} // namespace

class tst_VURChildFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void actionsAndRegistration();
    void untitledNumbering();
    void captionFollowsStateAndLanguage_data();
    void captionFollowsStateAndLanguage();
    void openAndReopen();
    void saveMakesBackup();
    void saveKeepsOlderBackupOfEmptyFile();
    void failedSaveKeepsPreviousContent();
    void saveIntoReadOnlyPlace();
    void saveWithoutWriteAccess_data();
    void saveWithoutWriteAccess();
    void saveKeepsPermissions();
    void openUnreadableFile();
    void saveAsRefusesAnotherOpenDocument();
    void saveAsNotesRecentFiles_data();
    void saveAsNotesRecentFiles();
    void saveAsOwnNameSavesInPlace();
    void changedOnDiskAsksFirst();
    void closeQuery_data();
    void closeQuery();
    void closeUntitledAfterEditCancelledSaveAs();
    void insertInDialogOrder();

private:
    TextDocument *NewDocument() { return NewForm<TextDocument>(m_host.get()); }
    std::unique_ptr<TestChildHost> m_host;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_VURChildFile::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
    m_dir = std::make_unique<QTemporaryDir>();
    VURDialogs::SetLastDir(m_dir->path());
    m_host = std::make_unique<TestChildHost>();
    m_host->show();
}

void tst_VURChildFile::cleanup()
{
    m_host.reset();
}

void tst_VURChildFile::actionsAndRegistration()
{
    TextDocument *document = NewDocument();
    QStringList names;
    for (QAction *action : document->ChildActionList())
        names.append(action->objectName());
    QCOMPARE(names, QStringList({"FileCloseAction", "FilePageSetupAction", "FilePrinterSetupAction",
                                 "FilePrintPreviewAction", "FilePrintAction", "FileInsertAction", "FileSaveAction",
                                 "FileSaveAsAction"}));
    QVERIFY(!document->ChildAction(QStringLiteral("FilePrintAction"))->isVisible());
    QVERIFY(!document->ChildAction(QStringLiteral("FilePrintAction"))->isEnabled());
    QCOMPARE(document->ChildAction(QStringLiteral("FileSaveAction"))->property("category").toString(), QStringLiteral("File"));
    // Registered, maximized as the first child, and its commands merged once active.
    QCOMPARE(m_host->calls.first(), QStringLiteral("RegisterChild"));
    QVERIFY(document->OpenMaximized());
    QVERIFY(RunEventLoopUntil([this] { return !m_host->merged.isEmpty(); }));
    QCOMPARE(m_host->merged, document->ChildActionList());

    document->InitUntitled(m_host->NextUntitledNumber());
    document->ChildAction(QStringLiteral("FileCloseAction"))->trigger();
    QVERIFY(RunEventLoopUntil([this] { return m_host->children.isEmpty(); }));
    QCOMPARE(m_host->calls.mid(m_host->calls.size() - 2),
             QStringList({QStringLiteral("UnmergeChildActions"), QStringLiteral("UnregisterChild")}));
    // An untitled document is not a recent file.
    QVERIFY(m_host->recent.isEmpty());
}

void tst_VURChildFile::untitledNumbering()
{
    TextDocument *first = NewDocument();
    first->InitUntitled(m_host->NextUntitledNumber());
    QCOMPARE(first->windowTitle(), QStringLiteral("NoName 1"));
    QVERIFY(first->GetUntitled());
    QVERIFY(!first->GetModified());
    first->close();
    TextDocument *second = NewDocument();
    second->InitUntitled(m_host->NextUntitledNumber());
    QCOMPARE(second->GetFileName(), QStringLiteral("NoName 2"));
    QCOMPARE(second->UntitledNumber(), 2);
}

void tst_VURChildFile::captionFollowsStateAndLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("untitled");
    QTest::addColumn<QString>("marker");
    QTest::newRow("English") << "enu" << "NoName 2" << " (modified)";
    QTest::newRow("Polish") << "plk" << "BezNazwy 2" << " (zmieniony)";
}

void tst_VURChildFile::captionFollowsStateAndLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, untitled);
    QFETCH(QString, marker);
    TextDocument *plain = NewDocument();
    plain->InitUntitled(2);
    TextDocument *named = NewDocument();
    const QString file = m_dir->filePath(QStringLiteral("a.miz"));
    WriteBytes(file, "begin\n");
    named->OpenFile(file);
    QCOMPARE(named->windowTitle(), file);
    named->SetModified(true);
    named->SetModified(true);
    QCOMPARE(named->windowTitle(), file + QStringLiteral(" (modified)"));

    LangManager()->SetLanguage(language);
    plain->LanguageChanged();
    named->LanguageChanged();
    QCOMPARE(plain->windowTitle(), untitled);
    QCOMPARE(named->windowTitle(), file + marker);
    named->SaveFile();
    QCOMPARE(named->windowTitle(), file);
}

void tst_VURChildFile::openAndReopen()
{
    const QString file = m_dir->filePath(QStringLiteral("a.miz"));
    WriteBytes(file, "one\n");
    TextDocument *document = NewDocument();
    document->OpenFile(file);
    QCOMPARE(document->text, QStringLiteral("one\n"));
    QVERIFY(!document->GetModified() && !document->GetUntitled());
    document->text = QStringLiteral("edited");
    document->SetModified(true);
    WriteBytes(file, "two\n");
    document->ReopenFile();
    QCOMPARE(document->text, QStringLiteral("two\n"));
    QVERIFY(!document->GetModified());

    // A file that cannot be loaded: the error reaches the caller, the name is not taken.
    TextDocument *other = NewDocument();
    other->InitUntitled(7);
    QVERIFY_THROWS_EXCEPTION(EVURException, other->OpenFile(m_dir->filePath(QStringLiteral("missing.miz"))));
    QCOMPARE(other->GetFileName(), QStringLiteral("NoName 7"));

    // Reopen of an untitled document does nothing.
    other->text = QStringLiteral("kept");
    other->ReopenFile();
    QCOMPARE(other->text, QStringLiteral("kept"));
}

void tst_VURChildFile::saveMakesBackup()
{
    const QString file = m_dir->filePath(QStringLiteral("a.miz"));
    WriteBytes(file, "previous\n");
    WriteBytes(m_dir->filePath(QStringLiteral("a.~miz")), "older\n");
    TextDocument *document = NewDocument();
    document->OpenFile(file);
    document->text = QStringLiteral("new\n");
    document->SetModified(true);
    document->SaveFile();
    QVERIFY(!document->GetModified());
    QCOMPARE(ReadBytes(file), QByteArray("new\n"));
    QCOMPARE(ReadBytes(m_dir->filePath(QStringLiteral("a.~miz"))), QByteArray("previous\n"));
}

void tst_VURChildFile::saveKeepsOlderBackupOfEmptyFile()
{
    const QString file = m_dir->filePath(QStringLiteral("a.miz"));
    WriteBytes(file, "");
    WriteBytes(m_dir->filePath(QStringLiteral("a.~miz")), "older\n");
    TextDocument *document = NewDocument();
    document->OpenFile(file);
    document->text = QStringLiteral("new\n");
    document->SaveFile();
    QCOMPARE(ReadBytes(file), QByteArray("new\n"));
    QCOMPARE(ReadBytes(m_dir->filePath(QStringLiteral("a.~miz"))), QByteArray("older\n"));
}

void tst_VURChildFile::failedSaveKeepsPreviousContent()
{
    const QString file = m_dir->filePath(QStringLiteral("a.miz"));
    WriteBytes(file, "previous content\n");
    TextDocument *document = NewDocument();
    document->OpenFile(file);
    document->text = QStringLiteral("a much longer new content\n");
    document->SetModified(true);
    document->failAfterBytes = 5;
    QString shown;
    const auto driver = AnswerBox(QMessageBox::Ok, &shown);
    document->SaveFile();
    QCOMPARE(shown, QStringLiteral("Error saving file:\n\"%1\".\n\nProbably disk out of space.").arg(file));
    QVERIFY(document->GetModified());
    QCOMPARE(ReadBytes(m_dir->filePath(QStringLiteral("a.~miz"))), QByteArray("previous content\n"));
}

void tst_VURChildFile::saveIntoReadOnlyPlace()
{
    // A folder that is a plain file: nobody, root included, can write below it.
    WriteBytes(m_dir->filePath(QStringLiteral("blocked")), "x");
    TextDocument *document = NewDocument();
    document->InitUntitled(1);
    document->text = QStringLiteral("text");
    document->SetModified(true);
    const QString target = m_dir->filePath(QStringLiteral("blocked/a.miz"));
    document->SetFileName(target);
    document->SetUntitled(false);
    QString shown;
    const auto driver = AnswerBox(QMessageBox::Ok, &shown);
    document->SaveFile();
    QCOMPARE(shown, QStringLiteral("Error saving file:\n\"%1\".\n\nPath not found.").arg(target));
    QVERIFY(document->GetModified());
}

void tst_VURChildFile::saveWithoutWriteAccess_data()
{
    QTest::addColumn<bool>("lockFolder");
    QTest::newRow("folder without write access") << true;
    QTest::newRow("write-protected file") << false;
}

void tst_VURChildFile::saveWithoutWriteAccess()
{
    QFETCH(bool, lockFolder);
    if (geteuid() == 0)
        QSKIP("permissions do not bind root (the unprivileged test entry runs this)");
    const QString folder = m_dir->filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkdir(folder));
    const QString file = folder + QStringLiteral("/a.miz");
    WriteBytes(file, "previous\n");
    TextDocument *document = NewDocument();
    document->OpenFile(file);
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadUser;
    QVERIFY(QFile::setPermissions(lockFolder ? folder : file, lockFolder ? readOnly | QFile::ExeOwner : readOnly));
    document->text = QStringLiteral("new\n");
    document->SetModified(true);
    QString shown;
    const auto driver = AnswerBox(QMessageBox::Ok, &shown);
    document->SaveFile();
    const QFile::Permissions after = QFile::permissions(file);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(shown, QStringLiteral("Error saving file:\n\"%1\".\n\nAccess denied.").arg(file));
    QVERIFY(document->GetModified());
    QCOMPARE(ReadBytes(file), QByteArray("previous\n"));
    // The protected file is neither moved to the backup nor made writable.
    QVERIFY(!QFile::exists(folder + QStringLiteral("/a.~miz")));
    if (!lockFolder)
        QCOMPARE(after & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther), QFile::Permissions());
}

void tst_VURChildFile::saveKeepsPermissions()
{
    // A private article stays private after a save, although the save
    // writes a new file behind the backup.
    const QString file = m_dir->filePath(QStringLiteral("private.miz"));
    WriteBytes(file, "previous\n");
    const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    QVERIFY(QFile::setPermissions(file, owner));
    TextDocument *document = NewDocument();
    document->OpenFile(file);
    document->text = QStringLiteral("new\n");
    document->SetModified(true);
    document->SaveFile();
    QVERIFY(!document->GetModified());
    QCOMPARE(ReadBytes(file), QByteArray("new\n"));
    QCOMPARE(QFile::permissions(file), owner);
}

void tst_VURChildFile::openUnreadableFile()
{
    if (geteuid() == 0)
        QSKIP("permissions do not bind root (the unprivileged test entry runs this)");
    const QString file = m_dir->filePath(QStringLiteral("secret.miz"));
    WriteBytes(file, "hidden\n");
    QVERIFY(QFile::setPermissions(file, QFile::WriteOwner));
    TextDocument *document = NewDocument();
    document->InitUntitled(3);
    try {
        document->OpenFile(file);
        QFAIL("an unreadable file was opened");
    } catch (const EVURException &error) {
        QCOMPARE(error.Message(), QStringLiteral("Access denied."));
    }
    QCOMPARE(document->GetFileName(), QStringLiteral("NoName 3"));
    QVERIFY(document->text.isEmpty());
}

void tst_VURChildFile::saveAsRefusesAnotherOpenDocument()
{
    // The other window holds the name; the file is not on disk yet, so the
    // dialog itself asks nothing.
    const QString taken = m_dir->filePath(QStringLiteral("b.miz"));
    TextDocument *holder = NewDocument();
    holder->InitUntitled(1);
    holder->SetFileName(taken);
    holder->SetUntitled(false);
    TextDocument *document = NewDocument();
    document->InitUntitled(2);
    document->text = QStringLiteral("mine");
    document->SetModified(true);
    const auto dialog = ChooseFile(taken);
    QString shown;
    const auto box = AnswerBox(QMessageBox::Ok, &shown);
    document->SaveFileAs();
    QCOMPARE(shown, QStringLiteral("Cannot save to an opened file."));
    QVERIFY(document->GetUntitled());
    QCOMPARE(document->GetFileName(), QStringLiteral("NoName 2"));
    QVERIFY(!QFile::exists(taken));
}

void tst_VURChildFile::saveAsNotesRecentFiles_data()
{
    QTest::addColumn<bool>("fromUntitled");
    QTest::newRow("from a named document") << false;
    QTest::newRow("from an untitled document") << true;
}

void tst_VURChildFile::saveAsNotesRecentFiles()
{
    QFETCH(bool, fromUntitled);
    const QString old = m_dir->filePath(QStringLiteral("old.miz"));
    WriteBytes(old, "x\n");
    TextDocument *document = NewDocument();
    if (fromUntitled)
        document->InitUntitled(1);
    else
        document->OpenFile(old);
    document->text = QStringLiteral("saved\n");
    const auto dialog = ChooseFile(m_dir->filePath(QStringLiteral("art1")));
    document->SaveFileAs();
    const QString chosen = m_dir->filePath(QStringLiteral("art1.miz"));
    QCOMPARE(document->GetFileName(), chosen);
    QVERIFY(!document->GetUntitled() && !document->GetModified());
    QCOMPARE(ReadBytes(chosen), QByteArray("saved\n"));
    if (fromUntitled)
        QCOMPARE(m_host->recent, QStringList{QStringLiteral("opened ") + chosen});
    else
        QCOMPARE(m_host->recent, QStringList({QStringLiteral("closed ") + old, QStringLiteral("opened ") + chosen}));
}

void tst_VURChildFile::saveAsOwnNameSavesInPlace()
{
    const QString file = m_dir->filePath(QStringLiteral("a.miz"));
    WriteBytes(file, "x\n");
    TextDocument *document = NewDocument();
    document->OpenFile(file);
    document->text = QStringLiteral("y\n");
    const auto dialog = ChooseFile(file);
    // Qt's own dialog asks before overwriting.
    BoxAnswerer boxes;
    document->SaveFileAs();
    QCOMPARE(ReadBytes(file), QByteArray("y\n"));
    QVERIFY(!document->GetModified());
}

void tst_VURChildFile::changedOnDiskAsksFirst()
{
    const QString file = m_dir->filePath(QStringLiteral("a.miz"));
    WriteBytes(file, "first\n");
    TextDocument *document = NewDocument();
    document->OpenFile(file);
    QTest::qWait(20);
    WriteBytes(file, "changed by another program, longer\n");
    document->text = QStringLiteral("mine\n");
    document->SetModified(true);
    {
        const auto driver = AnswerBox(QMessageBox::No);
        document->SaveFile();
    }
    QCOMPARE(ReadBytes(file), QByteArray("changed by another program, longer\n"));
    QVERIFY(document->GetModified());
    {
        QString shown;
        const auto driver = AnswerBox(QMessageBox::Yes, &shown);
        document->SaveFile();
        QVERIFY(shown.contains(QLatin1String("was changed by another program")));
    }
    QCOMPARE(ReadBytes(file), QByteArray("mine\n"));
    QVERIFY(!document->GetModified());
    // Reopening takes the file as it is now: no question next time.
    WriteBytes(file, "rewritten by the Mizar programs, longer\n");
    document->ReopenFile();
    document->text = QStringLiteral("after reopen\n");
    document->SaveFile();
    QCOMPARE(ReadBytes(file), QByteArray("after reopen\n"));
}

void tst_VURChildFile::closeQuery_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QByteArray>("onDisk");
    QTest::newRow("Yes saves and closes") << int(QMessageBox::Yes) << true << QByteArray("edited\n");
    QTest::newRow("No closes without saving") << int(QMessageBox::No) << true << QByteArray("x\n");
    QTest::newRow("Cancel keeps it open") << int(QMessageBox::Cancel) << false << QByteArray("x\n");
}

void tst_VURChildFile::closeQuery()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(QByteArray, onDisk);
    const QString file = m_dir->filePath(QStringLiteral("a.miz"));
    WriteBytes(file, "x\n");
    QPointer<TextDocument> document = NewDocument();
    document->OpenFile(file);
    document->text = QStringLiteral("edited\n");
    document->SetModified(true);
    QString shown;
    const auto driver = AnswerBox(QMessageBox::StandardButton(answer), &shown);
    document->FileCloseActionExecute();
    QCOMPARE(shown, QStringLiteral("Changes in file not saved:\n\"%1\".\n\nSave now?").arg(file));
    RunEventLoopFor(50);
    QCOMPARE(document.isNull(), closes);
    QCOMPARE(ReadBytes(file), onDisk);
    if (closes)
        QCOMPARE(m_host->recent, QStringList{QStringLiteral("closed ") + file});
}

void tst_VURChildFile::closeUntitledAfterEditCancelledSaveAs()
{
    QPointer<TextDocument> document = NewDocument();
    document->InitUntitled(1);
    // Never edited: closes without a question.
    document->FileCloseActionExecute();
    RunEventLoopFor(50);
    QVERIFY(document.isNull());

    document = NewDocument();
    document->InitUntitled(2);
    document->SetModified(true);
    const auto box = AnswerBox(QMessageBox::Yes);
    QTimer later;
    std::unique_ptr<ModalDriver> dialog;
    later.setSingleShot(true);
    connect(&later, &QTimer::timeout, [&] { dialog = ChooseFile(QString()); });
    later.start(300);
    document->FileCloseActionExecute();
    RunEventLoopFor(50);
    QVERIFY(!document.isNull());
    QVERIFY(document->GetModified() && document->GetUntitled());
}

void tst_VURChildFile::insertInDialogOrder()
{
    for (const char *name : {"one.miz", "two.miz", "three.miz"})
        WriteBytes(m_dir->filePath(QString::fromLatin1(name)), QByteArray(name) + "\n");
    TextDocument *document = NewDocument();
    document->InitUntitled(1);
    const auto dialog = ChooseFile(QStringLiteral("\"one.miz\" \"two.miz\" \"three.miz\""));
    document->FileInsertActionExecute();
    QCOMPARE(document->text, QStringLiteral("one.miz\ntwo.miz\nthree.miz\n"));
}

QTEST_MAIN(tst_VURChildFile)
#include "tst_VURChildFile.moc"
