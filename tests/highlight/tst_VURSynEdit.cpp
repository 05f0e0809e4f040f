#include "VMIZHighlighter.h"
#include "VURRegistry.h"
#include "VURSynEdit.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Style = TSynHighlighterAttributes::Style;
using VURColors::TVURColor;

namespace {

const QString kRoot = QStringLiteral("Software\\VUR Software\\Quill::MIZ\\");

} // namespace

class tst_VURSynEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void attributesSortedByName();
    void defaultsOfAttributes_data();
    void defaultsOfAttributes();
    void noSharedHighlighter();
    void missingColorsKeepDefaults();
    void partialSection_data();
    void partialSection();
    void colorsRoundTrip();
    void copyByName();
    void changesAnnounced();
    void expandSample_data();
    void expandSample();

private:
    QString Store() const { return m_dir->filePath(QStringLiteral("settings.json")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_VURSynEdit::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    SetSharedHighlighter(std::make_unique<TVMIZHighlighter>());
}

void tst_VURSynEdit::cleanup()
{
    ReleaseSharedHighlighter();
}

void tst_VURSynEdit::attributesSortedByName()
{
    TVMIZHighlighter highlighter;
    QStringList names;
    for (int i = 0; i < highlighter.AttrCount(); ++i)
        names.append(highlighter.Attribute(i)->Name());
    QCOMPARE(names, QStringList({"Comment", "Error", "Identifier", "Number", "Reserved Word", "Space", "Symbol"}));
    QCOMPARE(highlighter.Attribute(-1), nullptr);
    QCOMPARE(highlighter.Attribute(7), nullptr);
    QCOMPARE(highlighter.AttributeByName(QStringLiteral("reserved word")), highlighter.KeyAttri());
}

void tst_VURSynEdit::defaultsOfAttributes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<quint32>("foreground");
    QTest::addColumn<int>("style");
    QTest::newRow("Comment") << "Comment" << quint32(0x808080) << int(TSynHighlighterAttributes::Italic);
    QTest::newRow("Identifier") << "Identifier" << quint32(0xFF000008) << 0;
    QTest::newRow("Reserved Word") << "Reserved Word" << quint32(0xFF000008) << int(TSynHighlighterAttributes::Bold);
    QTest::newRow("Number") << "Number" << quint32(0x008000) << 0;
    QTest::newRow("Space") << "Space" << quint32(0xFF000008) << 0;
    QTest::newRow("Symbol") << "Symbol" << quint32(0xFF000008) << 0;
    QTest::newRow("Error") << "Error" << quint32(0x000080) << int(TSynHighlighterAttributes::Italic);
}

void tst_VURSynEdit::defaultsOfAttributes()
{
    QFETCH(QString, name);
    QFETCH(quint32, foreground);
    QFETCH(int, style);
    TVMIZHighlighter highlighter;
    const TSynHighlighterAttributes *attribute = highlighter.AttributeByName(name);
    QVERIFY(attribute);
    QCOMPARE(attribute->Foreground(), foreground);
    QCOMPARE(attribute->Background(), TVURColor(0xFF000005));
    QCOMPARE(int(attribute->FontStyle()), style);
}

void tst_VURSynEdit::noSharedHighlighter()
{
    ReleaseSharedHighlighter();
    TVURRegistry store(Store());
    ReadColors(store, kRoot);
    WriteColors(store, kRoot);
    QVERIFY(!store.SectionExists(kRoot + QStringLiteral("Colors")));
}

void tst_VURSynEdit::missingColorsKeepDefaults()
{
    TVURRegistry store(Store());
    ReadColors(store, kRoot);
    // Read without the create flag: nothing is made.
    QVERIFY(!store.SectionExists(kRoot + QStringLiteral("Colors")));
    QCOMPARE(SharedHighlighter()->AttributeByName(QStringLiteral("Comment"))->Foreground(), TVURColor(0x808080));
}

void tst_VURSynEdit::partialSection_data()
{
    QTest::addColumn<bool>("storeItalicFalse");
    QTest::addColumn<int>("style");
    QTest::newRow("only Bold") << false << int(TSynHighlighterAttributes::Bold | TSynHighlighterAttributes::Italic);
    QTest::newRow("Bold, Italic false") << true << int(TSynHighlighterAttributes::Bold);
}

void tst_VURSynEdit::partialSection()
{
    QFETCH(bool, storeItalicFalse);
    QFETCH(int, style);
    {
        TVURRegistry store(Store());
        QVERIFY(store.OpenSection(kRoot, QStringLiteral("Colors\\Comment"), true));
        store.WriteBool(QStringLiteral("Bold"), true);
        if (storeItalicFalse)
            store.WriteBool(QStringLiteral("Italic"), false);
        store.CloseSection();
    }
    TSynHighlighterAttributes *comment = SharedHighlighter()->AttributeByName(QStringLiteral("Comment"));
    comment->SetFontStyle(comment->FontStyle() | TSynHighlighterAttributes::StrikeOut);
    TVURRegistry store(Store());
    ReadColors(store, kRoot);
    QCOMPARE(int(comment->FontStyle()), style);
    QCOMPARE(comment->Foreground(), TVURColor(0x808080));
    QCOMPARE(comment->Background(), TVURColor(0xFF000005));
}

void tst_VURSynEdit::colorsRoundTrip()
{
    TSynHighlighterAttributes *word = SharedHighlighter()->AttributeByName(QStringLiteral("Reserved Word"));
    word->SetForeground(0x0000FF);
    word->SetBackground(0x00FFFF);
    word->SetFontStyle(TSynHighlighterAttributes::Underline | TSynHighlighterAttributes::Italic);
    {
        TVURRegistry store(Store());
        WriteColors(store, kRoot);
    }
    {
        TVURRegistry store(Store());
        QVERIFY(store.OpenSection(kRoot, QStringLiteral("Colors\\Reserved Word"), false));
        QCOMPARE(store.ReadInteger(QStringLiteral("Foreground"), 0), 0x0000FF);
        QCOMPARE(store.ReadBool(QStringLiteral("Bold"), true), false);
        QVERIFY(store.OpenSection(kRoot, QStringLiteral("Colors\\Comment"), false));
        // System colours are stored as they are.
        QCOMPARE(quint32(store.ReadInteger(QStringLiteral("Background"), 0)), 0xFF000005u);
    }
    SetSharedHighlighter(std::make_unique<TVMIZHighlighter>());
    TVURRegistry store(Store());
    ReadColors(store, kRoot);
    const TSynHighlighterAttributes *read = SharedHighlighter()->AttributeByName(QStringLiteral("Reserved Word"));
    QCOMPARE(read->Foreground(), TVURColor(0x0000FF));
    QCOMPARE(read->Background(), TVURColor(0x00FFFF));
    QCOMPARE(read->FontStyle(), Style(TSynHighlighterAttributes::Underline | TSynHighlighterAttributes::Italic));
}

void tst_VURSynEdit::copyByName()
{
    TVMIZHighlighter source;
    TVMIZHighlighter target;
    source.NumberAttri()->SetForeground(0x123456);
    source.ErrorAttri()->SetFontStyle(TSynHighlighterAttributes::Bold);
    CopyHighlighterSettings(source, target);
    QCOMPARE(target.NumberAttri()->Foreground(), TVURColor(0x123456));
    QCOMPARE(target.ErrorAttri()->FontStyle(), Style(TSynHighlighterAttributes::Bold));
    QCOMPARE(target.CommentAttri()->Foreground(), TVURColor(0x808080));
}

void tst_VURSynEdit::changesAnnounced()
{
    TVMIZHighlighter highlighter;
    QSignalSpy spy(&highlighter, &TVURHighlighter::AttributeChanged);
    highlighter.NumberAttri()->SetForeground(0x0000FF);
    highlighter.NumberAttri()->SetForeground(0x0000FF); // no change, no announcement
    highlighter.NumberAttri()->SetBackground(0xFFFFFF);
    highlighter.NumberAttri()->SetFontStyle(TSynHighlighterAttributes::Bold);
    QCOMPARE(spy.count(), 3);
}

void tst_VURSynEdit::expandSample_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two steps of two") << "~~x" << 2 << "    x";
    QTest::newRow("zero removes") << "~a~" << 0 << "a";
    QTest::newRow("no steps") << "abc" << 3 << "abc";
}

void tst_VURSynEdit::expandSample()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QCOMPARE(ExpandSample(text, width), expected);
}

QTEST_GUILESS_MAIN(tst_VURSynEdit)
#include "tst_VURSynEdit.moc"
