#include "VUREditorSettings.h"
#include "VURRegistry.h"

#include <QTemporaryDir>
#include <QTest>

class tst_VUREditorSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultsWithoutSettings();
    void roundTripWithKeys();
    void missingKeysKeepValues();
};

namespace {
const QString kRoot = QStringLiteral("Software\\VUR Software\\Quill::MIZ\\");
}

void tst_VUREditorSettings::defaultsWithoutSettings()
{
    QTemporaryDir dir;
    TVURRegistry store(dir.filePath(QStringLiteral("s.json")));
    TVUREditorSettings settings;
    LoadEditorSettings(store, kRoot, settings);
    QCOMPARE(settings, TVUREditorSettings());
    QCOMPARE(settings.editorFontName, QStringLiteral("Courier New"));
    QCOMPARE(settings.editorFontSize, 9);
    QCOMPARE(settings.gutterWidth, 30);
    QVERIFY(settings.visibleGutter && !settings.visibleLineNumbers && settings.syntaxHighlighting);
    QVERIFY(settings.visibleMargin && settings.autoIndentMode && settings.smartTabs);
    QCOMPARE(settings.tabWidth, 2);
    // Both sections exist afterwards.
    QVERIFY(store.SectionExists(kRoot + QStringLiteral("Display")));
    QVERIFY(store.SectionExists(kRoot + QStringLiteral("Editor")));
}

void tst_VUREditorSettings::roundTripWithKeys()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("s.json"));
    TVUREditorSettings changed;
    changed.editorFontName = QStringLiteral("DejaVu Sans Mono");
    changed.editorFontSize = 11;
    changed.gutterWidth = 44;
    changed.syntaxHighlighting = false;
    changed.tabWidth = 4;
    changed.visibleGutter = false;
    changed.visibleLineNumbers = true;
    changed.visibleMargin = false;
    changed.autoIndentMode = false;
    changed.smartTabs = false;
    {
        TVURRegistry store(file);
        SaveEditorSettings(store, kRoot, changed);
    }
    TVURRegistry store(file);
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Display"), false));
    QCOMPARE(store.ReadString(QStringLiteral("EditorFontName"), QString()), QStringLiteral("DejaVu Sans Mono"));
    QCOMPARE(store.ReadInteger(QStringLiteral("TabWidth"), 0), 4);
    QCOMPARE(store.ReadBool(QStringLiteral("VisibleLineNumbers"), false), true);
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Editor"), false));
    QCOMPARE(store.ReadBool(QStringLiteral("SmartTabs"), true), false);
    store.CloseSection();
    TVUREditorSettings read;
    LoadEditorSettings(store, kRoot, read);
    QCOMPARE(read, changed);
}

void tst_VUREditorSettings::missingKeysKeepValues()
{
    QTemporaryDir dir;
    TVURRegistry store(dir.filePath(QStringLiteral("s.json")));
    QVERIFY(store.OpenSection(kRoot, QStringLiteral("Display"), true));
    store.WriteInteger(QStringLiteral("TabWidth"), 8);
    store.WriteString(QStringLiteral("GutterWidth"), QStringLiteral("wide")); // wrong type: default
    store.CloseSection();
    TVUREditorSettings settings;
    LoadEditorSettings(store, kRoot, settings);
    QCOMPARE(settings.tabWidth, 8);
    QCOMPARE(settings.gutterWidth, 30);
    QCOMPARE(settings.editorFontSize, 9);
}

QTEST_GUILESS_MAIN(tst_VUREditorSettings)
#include "tst_VUREditorSettings.moc"
