#include "FileDialogDriver.h"
#include "VURDialogs.h"
#include "VURLang.h"
#include "VURRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace VURDialogs;

namespace {

void Touch(const QString &name)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// Types a name into the dialog's file-name field and accepts it.
void TypeAndAccept(QWidget *modal, const QString &text)
{
    auto *dialog = qobject_cast<QFileDialog *>(modal);
    QVERIFY(dialog);
    TypeIntoFileDialog(dialog, text);
}

} // namespace

class tst_VURDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void rememberDirectory();
    void defaultExtension_data();
    void defaultExtension();
    void nameFilters();
    void openCancelledChangesNothing();
    void openChoosesFile();
    void openSeveralFiles();
    void saveAddsDefaultExtension_data();
    void saveAddsDefaultExtension();
    void settings();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_VURDialogs::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
    m_dir = std::make_unique<QTemporaryDir>();
    SetLastDir(QString());
}

void tst_VURDialogs::rememberDirectory()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("x")));
    RememberDirectory(m_dir->filePath(QStringLiteral("x/a.miz")));
    QCOMPARE(LastDir(), m_dir->filePath(QStringLiteral("x")));
    RememberDirectory(m_dir->path());
    QCOMPARE(LastDir(), m_dir->path());
    RememberDirectory(QStringLiteral("/nonexistent/dir/a.miz"));
    QCOMPARE(LastDir(), m_dir->path());
}

void tst_VURDialogs::defaultExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no extension") << "/h/art1" << "/h/art1.miz";
    QTest::newRow("other extension") << "/h/art1.txt" << "/h/art1.txt";
    QTest::newRow("dot in folder") << "/h.d/art1" << "/h.d/art1.miz";
}

void tst_VURDialogs::defaultExtension()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(ApplyDefaultExtension(name, QStringLiteral(".miz")), expected);
    QCOMPARE(ApplyDefaultExtension(name, QString()), name);
}

void tst_VURDialogs::nameFilters()
{
    QCOMPARE(QtNameFilters(QStringLiteral("Mizar files (*.miz;*.abs)|*.miz;*.abs|All files (*.*)|*.*")),
             QStringLiteral("Mizar files (*.miz *.abs);;All files (*)"));
    QCOMPARE(QtNameFilters(QString()), QString());
}

void tst_VURDialogs::openCancelledChangesNothing()
{
    SetLastDir(m_dir->path());
    QString name = QStringLiteral("kept");
    auto list = std::make_unique<QStringList>();
    QString startedIn;
    ModalDriver driver([&startedIn](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        startedIn = dialog->directory().absolutePath();
        dialog->reject();
    });
    QVERIFY(!OpenFileDialog(QStringLiteral("<PLK>Otwórz<ENU>Open"), QStringLiteral("All files (*.*)|*.*"),
                            QStringLiteral(".miz"), QString(), &name, &list, ofAllowMultiSelect));
    QCOMPARE(startedIn, m_dir->path());
    QCOMPARE(name, QStringLiteral("kept"));
    QVERIFY(!list);
    QCOMPARE(LastDir(), m_dir->path());
}

void tst_VURDialogs::openChoosesFile()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("x")));
    const QString file = m_dir->filePath(QStringLiteral("x/a.miz"));
    Touch(file);
    QString name;
    QString title;
    ModalDriver driver([&](QWidget *modal) {
        title = modal->windowTitle();
        TypeAndAccept(modal, file);
    });
    QVERIFY(OpenFileDialog(QStringLiteral("<PLK>Otwórz<ENU>Open article"),
                           QStringLiteral("Mizar files (*.miz;*.abs)|*.miz;*.abs"), QStringLiteral(".miz"), QString(),
                           &name, nullptr, ofFileMustExist));
    QCOMPARE(title, QStringLiteral("Open article"));
    QCOMPARE(name, file);
    QCOMPARE(LastDir(), m_dir->filePath(QStringLiteral("x")));
}

void tst_VURDialogs::openSeveralFiles()
{
    Touch(m_dir->filePath(QStringLiteral("a.miz")));
    Touch(m_dir->filePath(QStringLiteral("b.miz")));
    SetLastDir(m_dir->path());
    std::unique_ptr<QStringList> list;
    ModalDriver driver([](QWidget *modal) { TypeAndAccept(modal, QStringLiteral("\"a.miz\" \"b.miz\"")); });
    QVERIFY(OpenFileDialog(QStringLiteral("Open"), QStringLiteral("All files (*.*)|*.*"), QString(), QString(),
                           nullptr, &list, ofAllowMultiSelect | ofFileMustExist));
    QVERIFY(list);
    QCOMPARE(*list, QStringList({m_dir->filePath(QStringLiteral("a.miz")), m_dir->filePath(QStringLiteral("b.miz"))}));
}

void tst_VURDialogs::saveAddsDefaultExtension_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("art1") << "art1" << "art1.miz";
    QTest::newRow("art1.txt") << "art1.txt" << "art1.txt";
}

void tst_VURDialogs::saveAddsDefaultExtension()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    SetLastDir(m_dir->path());
    QString name;
    const QString path = m_dir->filePath(typed);
    ModalDriver driver([&path](QWidget *modal) { TypeAndAccept(modal, path); });
    QVERIFY(SaveFileDialog(QStringLiteral("Save as"), QStringLiteral("Mizar files (*.miz;*.abs)|*.miz;*.abs"),
                           QStringLiteral(".miz"), QString(), &name));
    QCOMPARE(name, m_dir->filePath(expected));
}

void tst_VURDialogs::settings()
{
    const QString root = QStringLiteral("Software\\VUR Software\\Quill::MIZ\\");
    const QString store = m_dir->filePath(QStringLiteral("settings.json"));
    {
        TVURRegistry writer(store);
        SetLastDir(QStringLiteral("/home/ann/mizar"));
        SaveFilesSettings(writer, root);
    }
    SetLastDir(QString());
    TVURRegistry reader(store);
    LoadFilesSettings(reader, root);
    QCOMPARE(LastDir(), QStringLiteral("/home/ann/mizar"));
}

QTEST_MAIN(tst_VURDialogs)
#include "tst_VURDialogs.moc"
