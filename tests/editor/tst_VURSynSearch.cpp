#include "VURKernel.h"
#include "VURSynSearch.h"

#include <Qsci/qsciscintilla.h>

#include <QTest>

namespace {

using Engine = TVURSynSearch::Engine;
using Answer = TVURSynSearch::Answer;

// Selection as character offsets: (start, end).
QPair<int, int> Selection(QsciScintilla &editor)
{
    const auto chars = [&editor](long position) {
        return int(editor.SendScintilla(QsciScintilla::SCI_COUNTCHARACTERS, 0UL, position));
    };
    return {chars(editor.SendScintilla(QsciScintilla::SCI_GETSELECTIONSTART)),
            chars(editor.SendScintilla(QsciScintilla::SCI_GETSELECTIONEND))};
}

void Select(QsciScintilla &editor, int start, int end)
{
    const auto position = [&editor](int chars) {
        return editor.SendScintilla(QsciScintilla::SCI_POSITIONRELATIVE, 0UL, long(chars));
    };
    editor.SendScintilla(QsciScintilla::SCI_SETSEL, static_cast<unsigned long>(position(start)), position(end));
}

} // namespace

Q_DECLARE_METATYPE(TVURSynSearch::Engine)

class tst_VURSynSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void find_data();
    void find();
    void replaceAll_data();
    void replaceAll();
    void replaceAllIsOneUndoStep();
    void prompting_data();
    void prompting();
    void invalidPatternChangesNothing();
    void emptyMatchesAreSkipped();

private:
    std::unique_ptr<QsciScintilla> m_editor;
};

void tst_VURSynSearch::init()
{
    m_editor = std::make_unique<QsciScintilla>();
    m_editor->setUtf8(true);
}

void tst_VURSynSearch::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Engine>("engine");
    QTest::addColumn<QString>("search");
    QTest::addColumn<uint>("options");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionEnd");
    QTest::addColumn<int>("foundStart"); // -1: not found
    QTest::addColumn<int>("foundLength");

    const QString text = QStringLiteral("let x be set;\nthus X in A by A1;\nhence x in A;\n");
    const uint entire = TVURSynSearch::EntireScope;
    QTest::newRow("from the caret") << text << Engine::Plain << "in" << 0u << 20 << 20 << 21 << 2;
    QTest::newRow("after the selection") << text << Engine::Plain << "x" << 0u << 4 << 5 << 19 << 1;
    QTest::newRow("ignoring case") << text << Engine::Plain << "thus x" << entire << 30 << 30 << 14 << 6;
    QTest::newRow("matching case") << text << Engine::Plain << "thus x" << (entire | TVURSynSearch::MatchCase)
                                   << 0 << 0 << -1 << 0;
    QTest::newRow("whole words") << text << Engine::Plain << "A" << (entire | TVURSynSearch::WholeWord
                                                                     | TVURSynSearch::MatchCase)
                                 << 0 << 0 << 24 << 1;
    QTest::newRow("a word with a prime is one word")
        << QStringLiteral("x' = x;") << Engine::Plain << "x" << (entire | TVURSynSearch::WholeWord) << 0 << 0 << 5 << 1;
    QTest::newRow("backwards from the selection start")
        << text << Engine::Plain << "in" << uint(TVURSynSearch::Backwards) << 34 << 36 << 21 << 2;
    QTest::newRow("backwards through the whole text")
        << text << Engine::Plain << "in" << (entire | TVURSynSearch::Backwards) << 0 << 0 << 41 << 2;
    QTest::newRow("entire scope starts at the top") << text << Engine::Plain << "set" << entire << 30 << 30 << 9 << 3;
    QTest::newRow("not beyond the end") << text << Engine::Plain << "let" << 0u << 30 << 30 << -1 << 0;
    QTest::newRow("selected text only")
        << text << Engine::Plain << "A" << (entire | TVURSynSearch::SelectedOnly | TVURSynSearch::MatchCase)
        << 25 << 34 << 29 << 1;
    QTest::newRow("selected text only, none inside")
        << text << Engine::Plain << "set" << (entire | TVURSynSearch::SelectedOnly) << 14 << 30 << -1 << 0;
    QTest::newRow("wildcard star stays in its line")
        << text << Engine::Wildcard << "by*;" << entire << 0 << 0 << 26 << 6;
    QTest::newRow("wildcard star does not cross lines")
        << text << Engine::Wildcard << "set*thus" << entire << 0 << 0 << -1 << 0;
    QTest::newRow("wildcard question mark") << text << Engine::Wildcard << "A?;" << entire << 0 << 0 << 29 << 3;
    QTest::newRow("wildcards take other characters literally")
        << QStringLiteral("a+b (c)") << Engine::Wildcard << "(?)" << entire << 0 << 0 << 4 << 3;
    QTest::newRow("regular expression") << text << Engine::RegEx << "A[0-9]+" << entire << 0 << 0 << 29 << 2;
    QTest::newRow("line anchors") << text << Engine::RegEx << "^hence" << entire << 0 << 0 << 33 << 5;
    QTest::newRow("line end before CR LF")
        << QStringLiteral("a;\r\nb;\r\n") << Engine::RegEx << "b;$" << entire << 0 << 0 << 4 << 2;
    QTest::newRow("plain text is not a pattern") << QStringLiteral("a.b axb") << Engine::Plain << "x.b" << entire << 0
                                                 << 0 << -1 << 0;
    QTest::newRow("after letters of several bytes")
        << QStringLiteral("zbiór ćma żółw ćma") << Engine::Plain << "ćma" << 0u << 8 << 8 << 15 << 3;
    // Offsets here count code points, as the control does.
    QTest::newRow("after a character outside the basic plane")
        << QStringLiteral("\U0001D49C x; x") << Engine::Plain << "x" << entire << 0 << 0 << 2 << 1;
}

void tst_VURSynSearch::find()
{
    QFETCH(QString, text);
    QFETCH(Engine, engine);
    QFETCH(QString, search);
    QFETCH(uint, options);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionEnd);
    QFETCH(int, foundStart);
    QFETCH(int, foundLength);
    m_editor->setText(text);
    Select(*m_editor, selectionStart, selectionEnd);
    TVURSynSearch search_(m_editor.get());
    search_.SetEngine(engine);
    const int found = search_.SearchReplace(search, QString(), options);
    if (foundStart < 0) {
        QCOMPARE(found, 0);
        QCOMPARE(Selection(*m_editor), qMakePair(selectionStart, selectionEnd));
        return;
    }
    QCOMPARE(found, 1);
    QCOMPARE(Selection(*m_editor), qMakePair(foundStart, foundStart + foundLength));
    // The caret stands at the far end in the search direction.
    const long caret = m_editor->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
    const bool backwards = options & TVURSynSearch::Backwards;
    QCOMPARE(caret, m_editor->SendScintilla(backwards ? QsciScintilla::SCI_GETSELECTIONSTART
                                                      : QsciScintilla::SCI_GETSELECTIONEND));
}

void tst_VURSynSearch::replaceAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Engine>("engine");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replace");
    QTest::addColumn<uint>("options");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("count");

    const uint all = TVURSynSearch::Replace | TVURSynSearch::ReplaceAll | TVURSynSearch::EntireScope;
    QTest::newRow("plain") << "A1 by A1, A12;" << Engine::Plain << "A1" << "B2" << all << 0 << "B2 by B2, B22;" << 3;
    QTest::newRow("whole words") << "A1 by A1, A12;" << Engine::Plain << "A1" << "B2"
                                 << (all | TVURSynSearch::WholeWord) << 0 << "B2 by B2, A12;" << 2;
    QTest::newRow("groups") << "x in A1; y in B7;" << Engine::RegEx << "([a-z]) in ([A-Z])(\\d)" << "\\2\\3 has $1"
                            << all << 0 << "A1 has x; B7 has y;" << 2;
    QTest::newRow("a line break in the replacement") << "a; b;" << Engine::RegEx << "; " << ";\\n" << all << 0
                                                     << "a;\nb;" << 1;
    QTest::newRow("other engines take the replacement as it is")
        << "a; b;" << Engine::Plain << "; " << "\\n$1" << all << 0 << "a\\n$1b;" << 1;
    QTest::newRow("from the caret only") << "x x x x" << Engine::Plain << "x" << "yy"
                                         << uint(TVURSynSearch::Replace | TVURSynSearch::ReplaceAll) << 3
                                         << "x x yy yy" << 2;
    QTest::newRow("backwards from the caret") << "x x x x" << Engine::Plain << "x" << "yy"
                                              << uint(TVURSynSearch::Replace | TVURSynSearch::ReplaceAll
                                                      | TVURSynSearch::Backwards)
                                              << 3 << "yy yy x x" << 2;
    QTest::newRow("a replace takes the selected match in") << "x x x" << Engine::Plain << "x" << "y"
                                                           << uint(TVURSynSearch::Replace) << -2 << "x y x" << 1;
    QTest::newRow("single replace") << "x x x" << Engine::Plain << "x" << "ż"
                                    << uint(TVURSynSearch::Replace | TVURSynSearch::EntireScope) << 0 << "ż x x" << 1;
    QTest::newRow("letters of several bytes") << "żółw, ćma, żółw" << Engine::Plain << "żółw" << "ß" << all << 0
                                              << "ß, ćma, ß" << 2;
}

void tst_VURSynSearch::replaceAll()
{
    QFETCH(QString, text);
    QFETCH(Engine, engine);
    QFETCH(QString, search);
    QFETCH(QString, replace);
    QFETCH(uint, options);
    QFETCH(int, caret);
    QFETCH(QString, expected);
    QFETCH(int, count);
    m_editor->setText(text);
    // Below zero: the match at -caret is selected.
    if (caret >= 0)
        Select(*m_editor, caret, caret);
    else
        Select(*m_editor, -caret, -caret + int(search.size()));
    TVURSynSearch search_(m_editor.get());
    search_.SetEngine(engine);
    QCOMPARE(search_.SearchReplace(search, replace, options), count);
    QCOMPARE(m_editor->text(), expected);
}

void tst_VURSynSearch::replaceAllIsOneUndoStep()
{
    m_editor->setText(QStringLiteral("a b a b a"));
    m_editor->SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
    TVURSynSearch search(m_editor.get());
    search.SearchReplace(QStringLiteral("a"), QStringLiteral("cc"),
                         TVURSynSearch::Replace | TVURSynSearch::ReplaceAll | TVURSynSearch::EntireScope);
    QCOMPARE(m_editor->text(), QStringLiteral("cc b cc b cc"));
    m_editor->undo();
    QCOMPARE(m_editor->text(), QStringLiteral("a b a b a"));
    QVERIFY(!m_editor->isUndoAvailable());
}

void tst_VURSynSearch::prompting_data()
{
    QTest::addColumn<bool>("all");
    QTest::addColumn<QList<int>>("answers"); // Answer values in order
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("asked");
    const int replace = int(Answer::Replace), skip = int(Answer::Skip), everything = int(Answer::All),
              cancel = int(Answer::Cancel);
    QTest::newRow("replace all, No skips and goes on") << true << QList<int>{skip, replace, replace} << "x, y, y"
                                                         << 3;
    QTest::newRow("replace all, All replaces the rest") << true << QList<int>{skip, everything} << "x, y, y" << 2;
    QTest::newRow("replace all, Cancel stops") << true << QList<int>{replace, cancel} << "y, x, x" << 2;
    QTest::newRow("single replace, No ends the run") << false << QList<int>{skip} << "x, x, x" << 1;
    QTest::newRow("single replace, Yes replaces one") << false << QList<int>{replace} << "y, x, x" << 1;
}

void tst_VURSynSearch::prompting()
{
    QFETCH(bool, all);
    QFETCH(QList<int>, answers);
    QFETCH(QString, expected);
    QFETCH(int, asked);
    m_editor->setText(QStringLiteral("x, x, x"));
    TVURSynSearch search(m_editor.get());
    QList<QPair<int, int>> places;
    QStringList selected;
    const auto confirm = [&](const QString &searchText, const QString &replaceText, int line, int column) {
        [&] { QCOMPARE(searchText, QStringLiteral("x")); QCOMPARE(replaceText, QStringLiteral("y")); }();
        places.append({line, column});
        selected.append(m_editor->selectedText());
        return Answer(answers.value(int(places.size()) - 1, int(Answer::Cancel)));
    };
    unsigned options = TVURSynSearch::Replace | TVURSynSearch::Prompt | TVURSynSearch::EntireScope;
    if (all)
        options |= TVURSynSearch::ReplaceAll;
    QCOMPARE(search.SearchReplace(QStringLiteral("x"), QStringLiteral("y"), options, confirm), all ? 3 : 1);
    QCOMPARE(m_editor->text(), expected);
    QCOMPARE(int(places.size()), asked);
    QCOMPARE(places.first(), qMakePair(0, 0));
    if (asked > 1)
        QCOMPARE(places.at(1), qMakePair(0, 3));
    // Each match is selected while the question is asked.
    QCOMPARE(selected, QStringList(asked, QStringLiteral("x")));
}

void tst_VURSynSearch::invalidPatternChangesNothing()
{
    m_editor->setText(QStringLiteral("a (b) c"));
    Select(*m_editor, 2, 3);
    TVURSynSearch search(m_editor.get());
    search.SetEngine(Engine::RegEx);
    QString message;
    try {
        search.SearchReplace(QStringLiteral("(b"), QStringLiteral("x"),
                             TVURSynSearch::Replace | TVURSynSearch::ReplaceAll | TVURSynSearch::EntireScope);
    } catch (const EVURException &error) {
        message = error.Message();
    }
    QVERIFY2(message.startsWith(QStringLiteral("Invalid regular expression:\r\n(b\r\n\r\n")), qPrintable(message));
    QVERIFY(message.endsWith(QStringLiteral("(at character 3).")));
    QCOMPARE(m_editor->text(), QStringLiteral("a (b) c"));
    QCOMPARE(Selection(*m_editor), qMakePair(2, 3));
}

void tst_VURSynSearch::emptyMatchesAreSkipped()
{
    m_editor->setText(QStringLiteral("ab aab"));
    TVURSynSearch search(m_editor.get());
    search.SetEngine(Engine::RegEx);
    QCOMPARE(search.SearchReplace(QStringLiteral("a*b"), QStringLiteral("-"),
                                  TVURSynSearch::Replace | TVURSynSearch::ReplaceAll | TVURSynSearch::EntireScope),
             2);
    QCOMPARE(m_editor->text(), QStringLiteral("- -"));
    QCOMPARE(search.SearchReplace(QStringLiteral("x*"), QString(), TVURSynSearch::EntireScope), 0);
}

QTEST_MAIN(tst_VURSynSearch)
#include "tst_VURSynSearch.moc"
