#include "EventLoop.h"
#include "ModalDriver.h"
#include "TestChildHost.h"
#include "VMIZChildEdit.h"
#include "VMIZFiles.h"
#include "VMIZHelpContext.h"
#include "VMIZHighlighter.h"
#include "VURLang.h"
#include "VURSynEdit.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QDesktopServices>
#include <QDomDocument>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

int g_argc = 1;
char g_arg0[] = "tst_VMIZSyntaxHelp";
char *g_argv[] = {g_arg0, nullptr};

QString g_keywordFile;

// The article window with a keyword file of the test's own.
class Article : public TVMIZChildEditForm
{
public:
    using TVMIZChildEditForm::TVMIZChildEditForm;
    QString KeywordFileName() const override { return g_keywordFile; }
};

// Sees every address the program opens instead of a browser.
class Browser : public QObject
{
    Q_OBJECT

public:
    Browser()
    {
        for (const char *scheme : {"file", "http", "https"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
    }
    ~Browser() override
    {
        for (const char *scheme : {"file", "http", "https"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QStringList opened;

public Q_SLOTS:
    void Open(const QUrl &url) { opened.append(url.toString()); }
};

const char *const kKeywords = R"(<?xml version="1.0"?>
<words>
  <base addr="docs/"/>
  <reserved-word spelling="begin"><topic addr="ch2.html#begin"/></reserved-word>
  <reserved-word spelling="proof"><t addr="syn.html#a"/><t addr="syn.html#b"/></reserved-word>
  <reserved-word spelling="end"><topic addr="a.html"/><topic addr="b.html"/></reserved-word>
  <reserved-word spelling="ampersand"><topic addr="f.html#and"/><topic addr="g.html#and"/></reserved-word>
  <reserved-word spelling="thus"><topic addr=""/></reserved-word>
  <other spelling="let"><topic addr="no.html"/></other>
</words>
)";

} // namespace

class tst_VMIZSyntaxHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void reservedWords_data();
    void reservedWords();
    void topicsDialog_data();
    void topicsDialog();
    void ampersandNamesItself();
    void dialogTexts();
    void errorPages_data();
    void errorPages();
    void brokenKeywordFiles_data();
    void brokenKeywordFiles();
    void clickShowsTheMessage_data();
    void clickShowsTheMessage();
    void shippedKeywordFile();

private:
    Article *NewArticle(const QString &text, int line, int column)
    {
        auto *article = NewForm<Article>(m_host.get());
        article->SetText(text);
        article->SetModified(false);
        article->SynEdit()->setCursorPosition(line, column);
        return article;
    }
    QString Base() const { return QUrl::fromLocalFile(m_dir.path() + QStringLiteral("/docs/")).toString(); }
    void WriteKeywords(const QByteArray &text)
    {
        QFile file(g_keywordFile);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<TestChildHost> m_host;
    std::unique_ptr<TestHostApp> m_app;
    std::unique_ptr<Browser> m_browser;
};

void tst_VMIZSyntaxHelp::initTestCase()
{
    SetSharedHighlighter(std::make_unique<TVMIZHighlighter>());
    qputenv("MIZFILES", QUILL_TEST_DATA "/mizar");
    VMIZFiles::LoadMizarMessages();
    g_keywordFile = m_dir.filePath(QStringLiteral("QuMIZ-reserved-words.xml"));
}

void tst_VMIZSyntaxHelp::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
    WriteKeywords(kKeywords);
    m_host = std::make_unique<TestChildHost>();
    m_app = std::make_unique<TestHostApp>(g_argc, g_argv, m_host.get());
    m_host->show();
    m_browser = std::make_unique<Browser>();
}

void tst_VMIZSyntaxHelp::cleanup()
{
    m_browser.reset();
    m_app.reset();
    m_host.reset();
}

void tst_VMIZSyntaxHelp::reservedWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("opened"); // after the base; empty: nothing
    QTest::addColumn<bool>("shown");
    QTest::newRow("inside begin") << "  begin" << 4 << "ch2.html#begin" << true;
    QTest::newRow("just after begin") << "  begin" << 7 << "ch2.html#begin" << true;
    QTest::newRow("anchors of one page") << "proof" << 0 << "syn.html" << true;
    QTest::newRow("not in lower case") << "Begin" << 2 << "" << false;
    QTest::newRow("not a reserved word") << "A1: x in X" << 0 << "" << false;
    QTest::newRow("a reserved word without an entry") << "let x be set;" << 1 << "" << false;
    QTest::newRow("an entry with an empty address") << "thus x;" << 1 << "" << false;
    QTest::newRow("nothing at the caret") << "x   y" << 2 << "" << false;
}

void tst_VMIZSyntaxHelp::reservedWords()
{
    QFETCH(QString, text);
    QFETCH(int, column);
    QFETCH(QString, opened);
    QFETCH(bool, shown);
    Article *article = NewArticle(text, 0, column);
    QCOMPARE(article->ShowContextHelp(), shown);
    QCOMPARE(m_browser->opened, opened.isEmpty() ? QStringList() : QStringList{Base() + opened});
}

void tst_VMIZSyntaxHelp::topicsDialog_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("OK") << "ok" << QStringList{"a.html"};
    QTest::newRow("double click on the second") << "double" << QStringList{"b.html"};
    QTest::newRow("Cancel") << "cancel" << QStringList();
}

void tst_VMIZSyntaxHelp::topicsDialog()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, opened);
    Article *article = NewArticle(QStringLiteral("end;"), 0, 1);
    QStringList listed;
    int selected = -2;
    bool okWithoutSelection = true;
    ModalDriver driver([&](QWidget *modal) {
        auto *dialog = qobject_cast<TVMIZHelpContextDialog *>(modal);
        if (!dialog)
            return false;
        for (int i = 0; i < dialog->TopicsListBox()->count(); ++i)
            listed.append(dialog->TopicsListBox()->item(i)->text());
        selected = dialog->TopicsListBox()->currentRow();
        dialog->TopicsListBox()->clearSelection();
        okWithoutSelection = dialog->AcceptButton()->isEnabled();
        dialog->TopicsListBox()->setCurrentRow(0);
        if (answer == QStringLiteral("ok"))
            dialog->AcceptButton()->click();
        else if (answer == QStringLiteral("double") && (dialog->TopicsListBox()->setCurrentRow(1), true))
            Q_EMIT dialog->TopicsListBox()->itemDoubleClicked(dialog->TopicsListBox()->item(1));
        else
            dialog->CancelButton()->click();
        return true;
    });
    article->Action("HelpContextAction")->trigger();
    QCOMPARE(listed, QStringList({"a.html", "b.html"}));
    QCOMPARE(selected, 0);
    QVERIFY(!okWithoutSelection);
    QStringList expected;
    for (const QString &page : opened)
        expected.append(Base() + page);
    QCOMPARE(m_browser->opened, expected);
    // Shown even when cancelled: no "not available" message.
    QVERIFY(m_host->statusText != QStringLiteral("Help is not available for this context."));
}

void tst_VMIZSyntaxHelp::ampersandNamesItself()
{
    Article *article = NewArticle(QStringLiteral("x in X & y in Y"), 0, 7);
    QString label;
    ModalDriver driver([&label](QWidget *modal) {
        auto *dialog = qobject_cast<TVMIZHelpContextDialog *>(modal);
        if (!dialog)
            return false;
        label = dialog->TopicsLabel()->text();
        dialog->AcceptButton()->click();
        return true;
    });
    QVERIFY(article->ShowContextHelp());
    QCOMPARE(label, QStringLiteral("&Topics for \"&&\""));
    QCOMPARE(m_browser->opened, QStringList{Base() + QStringLiteral("f.html#and")});
    // The character left of the caret counts when the one right of it is a blank.
    m_browser->opened.clear();
    article->SynEdit()->setCursorPosition(0, 8);
    ModalDriver again([](QWidget *modal) {
        auto *dialog = qobject_cast<TVMIZHelpContextDialog *>(modal);
        if (dialog)
            dialog->CancelButton()->click();
        return dialog != nullptr;
    });
    QVERIFY(article->ShowContextHelp());
    QVERIFY(again.Done());
}

void tst_VMIZSyntaxHelp::dialogTexts()
{
    LangManager()->SetLanguage(QStringLiteral("plk"));
    auto dialog = MakeForm<TVMIZHelpContextDialog>(nullptr, QStringLiteral("end"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Pomoc syntaktyczna"));
    QCOMPARE(dialog->TopicsLabel()->text(), QStringLiteral("&Tematy dla \"end\""));
    QCOMPARE(dialog->TopicsLabel()->buddy(), dialog->TopicsListBox());
    QVERIFY(!dialog->HelpButton()->isVisibleTo(dialog.get()));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QCOMPARE(dialog->TopicsListBox()->mapTo(dialog.get(), QPoint(0, 0)), QPoint(4, 24));
    QCOMPARE(dialog->TopicsLabel()->mapTo(dialog.get(), QPoint(0, 0)).y(), 8);
}

void tst_VMIZSyntaxHelp::errorPages_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("number"); // empty: nothing opens
    const QString article = QStringLiteral("  hence x in A1 by A1;\n"
                                           "::>                *4,144\n"
                                           "end;\n"
                                           "::>\n"
                                           "::> 144: Unknown label\n"
                                           "::> -1: nothing\n");
    QTest::newRow("on the number") << article << 1 << 20 << "4";
    QTest::newRow("on the star, the number right of it") << article << 1 << 19 << "4";
    QTest::newRow("on the comma, the number left of it") << article << 1 << 21 << "4";
    QTest::newRow("on the second number") << article << 1 << 23 << "144";
    QTest::newRow("far left of the marks") << article << 1 << 2 << "4";
    QTest::newRow("explanation line, at its start") << article << 4 << 0 << "144";
    QTest::newRow("explanation line, at its end") << article << 4 << 20 << "144";
    QTest::newRow("minus one is no number") << article << 5 << 5 << "";
    QTest::newRow("the bare issue line") << article << 3 << 1 << "";
}

void tst_VMIZSyntaxHelp::errorPages()
{
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QString, number);
    Article *article = NewArticle(text, line, column);
    QCOMPARE(article->ShowContextHelp(), !number.isEmpty());
    QCOMPARE(m_browser->opened,
             number.isEmpty() ? QStringList()
                              : QStringList{QStringLiteral("http://wiki.mizar.org/cgi-bin/twiki/view/Mizar/ErrorNo") + number});
}

void tst_VMIZSyntaxHelp::brokenKeywordFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not XML") << QByteArray("begin: ch2.html\n");
    QTest::newRow("cut off") << QByteArray(kKeywords).left(120);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("an external entity")
        << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE w [<!ENTITY secret SYSTEM \"file:///etc/hostname\">]>\n"
                      "<w><base addr=\"&secret;\"/><reserved-word spelling=\"begin\"><t addr=\"x.html\"/>"
                      "</reserved-word></w>\n");
}

void tst_VMIZSyntaxHelp::brokenKeywordFiles()
{
    QFETCH(QByteArray, content);
    WriteKeywords(content);
    Article *article = NewArticle(QStringLiteral("begin"), 0, 1);
    const bool shown = article->ShowContextHelp();
    // Nothing from outside the file gets into an address.
    QFile hostname(QStringLiteral("/etc/hostname"));
    const QByteArray secret = hostname.open(QIODevice::ReadOnly) ? hostname.readAll().trimmed() : QByteArray();
    for (const QString &address : std::as_const(m_browser->opened))
        QVERIFY(secret.isEmpty() || !address.contains(QString::fromUtf8(secret)));
    if (!content.contains("ENTITY"))
        QVERIFY(!shown);
    QFile::remove(g_keywordFile);
    QVERIFY(!article->ShowContextHelp());
}

void tst_VMIZSyntaxHelp::clickShowsTheMessage_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("message"); // empty: none
    QTest::newRow("a known number") << 17 << Qt::LeftButton << "#4: This inference is not accepted";
    QTest::newRow("a number without a message") << 20 << Qt::LeftButton << "#12: Unknown error code.";
    QTest::newRow("the right button") << 17 << Qt::RightButton << "";
    QTest::newRow("a word") << 3 << Qt::LeftButton << "";
}

void tst_VMIZSyntaxHelp::clickShowsTheMessage()
{
    QFETCH(int, column);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, message);
    Article *article = NewArticle(QStringLiteral("  hence x by A1, 4, 12;\nend;\n"), 1, 0);
    RunEventLoopFor(50);
    QsciScintilla *editor = article->SynEdit();
    const long position = editor->positionFromLineIndex(0, column);
    const QPoint point(int(editor->SendScintilla(QsciScintilla::SCI_POINTXFROMPOSITION, 0UL, position)) + 2,
                       int(editor->SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0UL, position)) + 4);
    m_host->statusMessages = 0;
    QTest::mousePress(editor->viewport(), button, {}, point);
    QTest::mouseRelease(editor->viewport(), button, {}, point);
    if (message.isEmpty()) {
        QCOMPARE(m_host->statusMessages, 0);
    } else {
        QCOMPARE(m_host->statusText, message);
        QVERIFY(m_host->statusHeld);
        QCOMPARE(m_host->statusColor, VURColors::clWindowText);
    }
    // The press reaches the editor: the caret moved there.
    if (button == Qt::LeftButton) {
        int line = -1, index = -1;
        editor->getCursorPosition(&line, &index);
        QCOMPARE(line, 0);
    }
}

void tst_VMIZSyntaxHelp::shippedKeywordFile()
{
    // Every reserved word of the highlighter, and "ampersand", has an entry
    // whose pages and anchors exist.
    const QString dataDir = QStringLiteral(QUILL_DATA_DIR);
    QFile file(dataDir + QStringLiteral("/QuMIZ-reserved-words.xml"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QDomDocument document;
    QVERIFY(document.setContent(&file));
    const QDomElement root = document.documentElement();
    const QString base = root.firstChildElement(QStringLiteral("base")).attribute(QStringLiteral("addr"));
    QVERIFY(!base.isEmpty());
    QMap<QString, QStringList> topics;
    for (QDomElement entry = root.firstChildElement(QStringLiteral("reserved-word")); !entry.isNull();
         entry = entry.nextSiblingElement(QStringLiteral("reserved-word"))) {
        for (QDomElement topic = entry.firstChildElement(); !topic.isNull(); topic = topic.nextSiblingElement())
            topics[entry.attribute(QStringLiteral("spelling"))].append(topic.attribute(QStringLiteral("addr")));
    }
    QStringList words = TVMIZHighlighter::MizarReservedWords();
    words.append(QStringLiteral("ampersand"));
    for (const QString &word : std::as_const(words)) {
        QVERIFY2(topics.contains(word), qPrintable(word));
        for (const QString &address : topics.value(word)) {
            QFile page(dataDir + QLatin1Char('/') + base + address.section(QLatin1Char('#'), 0, 0));
            QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(address));
            const QString anchor = address.section(QLatin1Char('#'), 1);
            QVERIFY2(anchor.isEmpty() || page.readAll().contains("id=\"" + anchor.toUtf8() + "\""), qPrintable(address));
        }
    }
}

QTEST_MAIN(tst_VMIZSyntaxHelp)
#include "tst_VMIZSyntaxHelp.moc"
