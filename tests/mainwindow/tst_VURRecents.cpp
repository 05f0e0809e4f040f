#include "ModalDriver.h"
#include "VURLang.h"
#include "VURRecents.h"
#include "VURRegistry.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kRoot = QStringLiteral("Software\\VUR Software\\Quill::MIZ\\");

QStringList Captions(const QMenu &menu)
{
    QStringList captions;
    for (QAction *action : menu.actions())
        captions.append(action->isSeparator() ? QStringLiteral("-") : action->text().trimmed());
    return captions;
}

QStringList Names(const TVURRecents_Handler &recents)
{
    QStringList names;
    for (int i = 0; i < recents.List().Count(); ++i)
        names.append(QFileInfo(recents.List().At(i)->FileName()).fileName());
    return names;
}

} // namespace

class tst_VURRecents : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void closingOrder();
    void openFileLeavesTheMenu();
    void capacity();
    void sameFileKeepsOneEntry();
    void allOpen();
    void displayNames();
    void removeAll();
    void removeObsolete();
    void menuTexts_data();
    void menuTexts();
    void clickOpensTheFile();
    void settings();
    void storedListTakenAsItIs();

private:
    QString Make(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("begin\n");
        return path;
    }

    QTemporaryDir m_dir;
    // The current directory of most tests: not above the files.
    QTemporaryDir m_elsewhere;
    QString m_previousDir;
    TVURRecents_Handler m_recents;
};

void tst_VURRecents::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
    m_recents.ClearAll();
    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_elsewhere.path());
}

void tst_VURRecents::cleanup()
{
    QDir::setCurrent(m_previousDir);
}

void tst_VURRecents::closingOrder()
{
    for (const char *name : {"a.miz", "b.miz", "c.miz"})
        m_recents.NoteOpened(Make(QString::fromLatin1(name)));
    for (const char *name : {"b.miz", "a.miz", "c.miz"})
        m_recents.NoteClosed(m_dir.filePath(QString::fromLatin1(name)));
    QMenu menu;
    m_recents.BuildMenu(&menu, {});
    const QStringList captions = Captions(menu);
    QCOMPARE(captions.mid(0, 3), QStringList({"&A    " + m_dir.filePath("c.miz"), "&B    " + m_dir.filePath("a.miz"),
                                              "&C    " + m_dir.filePath("b.miz")}));
    QCOMPARE(captions.mid(3), QStringList({"-", "Remove obsolete...", "Remove all..."}));
}

void tst_VURRecents::openFileLeavesTheMenu()
{
    const QString a = Make(QStringLiteral("a.miz")), b = Make(QStringLiteral("b.miz"));
    m_recents.NoteClosed(a);
    m_recents.NoteClosed(b);
    m_recents.NoteOpened(a);
    QCOMPARE(Names(m_recents), QStringList({"a.miz", "b.miz"}));
    QMenu menu;
    m_recents.BuildMenu(&menu, {});
    QCOMPARE(Captions(menu).first(), "&A    " + b);
    m_recents.NoteClosed(a);
    m_recents.BuildMenu(&menu, {});
    QCOMPARE(Captions(menu).mid(0, 2), QStringList({"&A    " + a, "&B    " + b}));
}

void tst_VURRecents::capacity()
{
    const QString first = Make(QStringLiteral("f0.miz"));
    m_recents.NoteOpened(first);
    for (int i = 1; i <= 26; ++i)
        m_recents.NoteClosed(Make(QStringLiteral("f%1.miz").arg(i)));
    QCOMPARE(m_recents.List().Count(), 26);
    QCOMPARE(m_recents.List().IndexOf(first), -1);
    QCOMPARE(Names(m_recents).first(), QStringLiteral("f26.miz"));
    QMenu menu;
    m_recents.BuildMenu(&menu, {});
    QVERIFY(Captions(menu).at(25).startsWith(QStringLiteral("&Z    ")));
}

void tst_VURRecents::sameFileKeepsOneEntry()
{
    // Two names of one file are one entry, under the name noted last.
    const QString target = Make(QStringLiteral("a.miz"));
    const QString link = m_dir.filePath(QStringLiteral("link.miz"));
    QVERIFY(QFile::link(target, link));
    m_recents.NoteClosed(target);
    m_recents.NoteClosed(Make(QStringLiteral("b.miz")));
    m_recents.NoteClosed(link);
    QCOMPARE(Names(m_recents), QStringList({"link.miz", "b.miz"}));
    m_recents.NoteClosed(m_dir.path() + QStringLiteral("/./sub/../a.miz"));
    QCOMPARE(Names(m_recents), QStringList({"a.miz", "b.miz"}));
    QCOMPARE(m_recents.List().At(0)->FileName(), target);
    // Names differing in letter case are different files here.
    m_recents.NoteClosed(Make(QStringLiteral("A.miz")));
    QCOMPARE(m_recents.List().Count(), 3);
}

void tst_VURRecents::allOpen()
{
    m_recents.NoteOpened(Make(QStringLiteral("a.miz")));
    m_recents.NoteOpened(Make(QStringLiteral("b.miz")));
    QMenu menu;
    m_recents.BuildMenu(&menu, {});
    QCOMPARE(Captions(menu), QStringList{QStringLiteral("[no files]")});
    QVERIFY(!menu.actions().first()->isEnabled());
    QCOMPARE(menu.actions().first()->statusTip(), QStringLiteral("There are no recently opened files"));
}

void tst_VURRecents::displayNames()
{
    const QString a = Make(QStringLiteral("a.miz"));
    m_recents.NoteClosed(a);
    QDir::setCurrent(m_dir.path());
    QCOMPARE(TVURRecents_Handler::DisplayName(*m_recents.List().At(0)), QStringLiteral("a.miz"));
    QDir::setCurrent(m_elsewhere.path());
    QCOMPARE(TVURRecents_Handler::DisplayName(*m_recents.List().At(0)), a);
    QCOMPARE(TVURRecents_Handler::EntryHint(*m_recents.List().At(0)), "Opens file " + a);
}

void tst_VURRecents::removeAll()
{
    const QString a = Make(QStringLiteral("a.miz"));
    m_recents.NoteOpened(a);
    m_recents.NoteClosed(Make(QStringLiteral("b.miz")));
    QMenu menu;
    m_recents.BuildMenu(&menu, {});
    QString question;
    {
        const auto no = AnswerBox(QMessageBox::No, &question);
        menu.actions().last()->trigger();
    }
    QCOMPARE(question, QStringLiteral("Remove all recent file entries?"));
    QCOMPARE(m_recents.List().Count(), 2);
    const auto yes = AnswerBox(QMessageBox::Yes, &question);
    menu.actions().last()->trigger();
    QCOMPARE(m_recents.List().Count(), 0);
    m_recents.NoteClosed(a);
    QCOMPARE(Names(m_recents), QStringList{"a.miz"});
}

void tst_VURRecents::removeObsolete()
{
    const QString gone = Make(QStringLiteral("gone.miz"));
    const QString kept = Make(QStringLiteral("kept.miz"));
    m_recents.NoteClosed(gone);
    m_recents.NoteClosed(kept);
    QFile::remove(gone);
    QMenu menu;
    m_recents.BuildMenu(&menu, {});
    QVERIFY(menu.actions().at(0)->isEnabled());
    QVERIFY(!menu.actions().at(1)->isEnabled());
    QString question;
    const auto yes = AnswerBox(QMessageBox::Yes, &question);
    menu.actions().at(3)->trigger();
    QCOMPARE(question, QStringLiteral("Remove obsolete recent file entries?"));
    QCOMPARE(Names(m_recents), QStringList{"kept.miz"});
}

void tst_VURRecents::menuTexts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("empty");
    QTest::newRow("English") << "enu" << QStringList{"Remove obsolete...", "Remove all..."} << "[no files]";
    QTest::newRow("Polish") << "plk" << QStringList{"Usuń nieaktualne...", "Usuń wszystkie..."} << "[brak plików]";
}

void tst_VURRecents::menuTexts()
{
    QFETCH(QString, language);
    QFETCH(QStringList, commands);
    QFETCH(QString, empty);
    LangManager()->SetLanguage(language);
    QMenu menu;
    m_recents.BuildMenu(&menu, {});
    QCOMPARE(Captions(menu), QStringList{empty});
    m_recents.NoteClosed(Make(QStringLiteral("a.miz")));
    m_recents.BuildMenu(&menu, {});
    QCOMPARE(Captions(menu).mid(2), commands);
    QVERIFY(menu.actions().first()->icon().isNull());
}

void tst_VURRecents::clickOpensTheFile()
{
    const QString a = Make(QStringLiteral("a.miz"));
    m_recents.NoteClosed(a);
    QMenu menu;
    QStringList clicked;
    m_recents.BuildMenu(&menu, [&clicked](const QString &name) { clicked.append(name); });
    menu.actions().first()->trigger();
    QCOMPARE(clicked, QStringList{a});
}

void tst_VURRecents::settings()
{
    const QString file = m_dir.filePath(QStringLiteral("settings.json"));
    const QString a = Make(QStringLiteral("a.miz")), b = Make(QStringLiteral("b.miz"));
    {
        TVURRegistry store(file);
        m_recents.LoadRecents(store, kRoot);
        QCOMPARE(m_recents.List().Count(), 0);
        m_recents.NoteOpened(a);
        m_recents.NoteClosed(b);
        m_recents.SaveRecents(store, kRoot);
    }
    TVURRegistry store(file);
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Recents"), false));
    QCOMPARE(store.ReadInteger(QStringLiteral("Count"), -1), 2);
    QCOMPARE(store.ReadString(QStringLiteral("File0"), QString()), b);
    QCOMPARE(store.ReadString(QStringLiteral("File1"), QString()), a);
    store.CloseSection();
    m_recents.LoadRecents(store, kRoot);
    QCOMPARE(Names(m_recents), QStringList({"b.miz", "a.miz"}));
    QVERIFY(!m_recents.List().At(1)->IsOpen());
    // A shorter list leaves no old keys behind.
    m_recents.ClearAll();
    m_recents.NoteClosed(a);
    m_recents.SaveRecents(store, kRoot);
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Recents"), false));
    QCOMPARE(store.ReadString(QStringLiteral("File1"), QStringLiteral("none")), QStringLiteral("none"));
    store.CloseSection();
}

void tst_VURRecents::storedListTakenAsItIs()
{
    TVURRegistry store(m_dir.filePath(QStringLiteral("stored.json")));
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Recents"), true));
    store.WriteInteger(QStringLiteral("Count"), 3);
    store.WriteString(QStringLiteral("File0"), QStringLiteral("/x/a.miz"));
    store.WriteString(QStringLiteral("File1"), QString());
    store.WriteString(QStringLiteral("File2"), QStringLiteral("/x/a.miz"));
    store.CloseSection();
    m_recents.LoadRecents(store, kRoot);
    QCOMPARE(m_recents.List().Count(), 3);
    QCOMPARE(m_recents.List().At(1)->FileName(), QString());
    QMenu menu;
    m_recents.BuildMenu(&menu, {});
    QVERIFY(!menu.actions().at(1)->isEnabled());

    for (const int count : {40, -3}) {
        QVERIFY(store.OpenSection(kRoot, QStringLiteral("Recents"), true));
        store.WriteInteger(QStringLiteral("Count"), count);
        store.CloseSection();
        m_recents.LoadRecents(store, kRoot);
        QCOMPARE(m_recents.List().Count(), count < 0 ? 0 : 26);
    }
}

QTEST_MAIN(tst_VURRecents)
#include "tst_VURRecents.moc"
