// The preferences dialog over the real pages: the page remembered, OK and
// Cancel, the language page, the display page's rules and examples, the
// colour page's working highlighter, help by page and the extensions page.
#include "EventLoop.h"
#include "VMIZHighlighter.h"
#include "VUREditorSettings.h"
#include "VURHelp.h"
#include "VURLang.h"
#include "VURMasterPane.h"
#include "VURMsgBar.h"
#include "VURPrefsDisplay.h"
#include "VURPrefsEditor.h"
#include "VURPrefsExample.h"
#include "VURPrefsExtensions.h"
#include "VURPrefsLang.h"
#include "VURPrefsSynEditColors.h"
#include "VURShell.h"
#include "VURSynEdit.h"
#include "ZOKApp.h"
#include "ZOKChildEdit.h"
#include "ZOKPrefsDialog.h"
#include "ZOKPrefsMisc.h"

#include <Qsci/qsciscintilla.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

int g_argc = 1;
char g_arg0[] = "tst_ZOKPrefsDialog";
char *g_argv[] = {g_arg0, nullptr};

// Makes Mizar highlighters; the pages need no article windows.
class PrefsApp : public TZOKApp
{
public:
    PrefsApp() : TZOKApp(g_argc, g_argv) { SetCurrentApp(this); }
    ~PrefsApp() override { SetCurrentApp(nullptr); }
    QString GetInfo(int) const override { return QString(); }
    std::optional<QStringList> GetRegisteredExtensions() const override
    {
        return QStringList({QStringLiteral(".miz"), QStringLiteral(".voc")});
    }
    TVURChildFileForm *CreateChildEditForm(QWidget *) override { return nullptr; }
    QString GetDefaultExt() const override { return QStringLiteral(".miz"); }
    QString GetFilter() const override { return QString(); }
    TVURHighlighter *CreateHighlighter(QObject *owner) override { return new TVMIZHighlighter(owner); }
};

// A main window that records the help topics asked for.
class HelpWindow : public QWidget, public IVURHelpHost
{
public:
    void ShowHelpContext(int context) override { topics.append(QString::number(context)); }
    void ShowHelpKeyword(const QString &keyword) override { topics.append(keyword); }
    QStringList topics;
};

template<class T>
T *Page(TZOKPrefsDialogForm &dialog)
{
    for (int i = 0; i < dialog.MasterPane()->GetPaneCount(); ++i) {
        if (auto *page = qobject_cast<T *>(dialog.MasterPane()->GetPane(i)))
            return page;
    }
    return nullptr;
}

} // namespace

class tst_ZOKPrefsDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void pagesInOrder();
    void lastPageRemembered();
    void languagePage();
    void okAppliesCancelDoesNot();
    void displayEnabling();
    void displayPreview();
    void typedIndentTakenAsTyped();
    void colours();
    void helpByPage();
    void extensions();

private:
    std::unique_ptr<TZOKPrefsDialogForm> Open()
    {
        auto dialog = MakeForm<TZOKPrefsDialogForm>(nullptr);
        dialog->show();
        RunEventLoopFor(20);
        return dialog;
    }

    std::unique_ptr<PrefsApp> m_app;
};

void tst_ZOKPrefsDialog::initTestCase()
{
    LangManager()->SetCommandLineOverride(QStringList());
    m_app = std::make_unique<PrefsApp>();
    CreateSharedHighlighter();
}

void tst_ZOKPrefsDialog::init()
{
    LangManager()->SetLanguage(QStringLiteral("enu"));
    EditorSettings() = TVUREditorSettings();
    IndentLabels() = false;
}

void tst_ZOKPrefsDialog::cleanupTestCase()
{
    ReleaseSharedHighlighter();
    m_app.reset();
}

void tst_ZOKPrefsDialog::pagesInOrder()
{
    auto dialog = Open();
    QStringList titles;
    for (int i = 0; i < dialog->MasterPane()->GetPaneCount(); ++i)
        titles.append(dialog->MasterPane()->GetPane(i)->GetPaneTitle());
    QCOMPARE(titles, QStringList({"Languages", "Editor", "Display", "Colors", "Extensions", "Misc."}));
    QCOMPARE(dialog->HelpKeyword(), QStringLiteral("EditPrefs"));
}

void tst_ZOKPrefsDialog::lastPageRemembered()
{
    LastPrefsPage() = 0;
    {
        auto dialog = Open();
        QCOMPARE(dialog->MasterPane()->GetActivePageIndex(), 0);
        dialog->MasterPane()->SetActivePageIndex(3);
    }
    QCOMPARE(LastPrefsPage(), 3);
    auto dialog = Open();
    QCOMPARE(dialog->MasterPane()->GetActivePane()->GetPaneTitle(), QStringLiteral("Colors"));
    LastPrefsPage() = 0;
}

void tst_ZOKPrefsDialog::languagePage()
{
    LangManager()->SetLanguage(QStringLiteral("plk"));
    auto dialog = Open();
    auto *page = Page<TVURPrefsLangPane>(*dialog);
    QCOMPARE(page->AppLangsListBox()->count(), LangManager()->Languages().size());
    QCOMPARE(page->AppLangsListBox()->currentItem()->text(), LanguageDisplayName(QStringLiteral("plk")));
    page->AppLangsListBox()->setCurrentRow(int(LangManager()->Languages().indexOf(QStringLiteral("enu"))));
    dialog->AcceptActionExecute();
    QCOMPARE(ChosenLanguage(), QStringLiteral("enu"));
    // The caller switches the language; the dialog only chose it.
    QCOMPARE(LangManager()->CurrentLanguage(), QStringLiteral("plk"));
}

void tst_ZOKPrefsDialog::okAppliesCancelDoesNot()
{
    {
        auto dialog = Open();
        Page<TVURPrefsEditorPane>(*dialog)->SmartTabsCheckBox()->setChecked(false);
        Page<TZOKPrefsMiscForm>(*dialog)->IndentLabelsCheckBox()->setChecked(true);
        Page<TVURPrefsDisplayPane>(*dialog)->VisibleMarginCheckBox()->setChecked(false);
        dialog->CancelActionExecute();
    }
    QVERIFY(EditorSettings().smartTabs);
    QVERIFY(!IndentLabels());
    QVERIFY(EditorSettings().visibleMargin);
    {
        auto dialog = Open();
        Page<TVURPrefsEditorPane>(*dialog)->SmartTabsCheckBox()->setChecked(false);
        Page<TZOKPrefsMiscForm>(*dialog)->IndentLabelsCheckBox()->setChecked(true);
        Page<TVURPrefsDisplayPane>(*dialog)->VisibleMarginCheckBox()->setChecked(false);
        dialog->AcceptActionExecute();
        QCOMPARE(dialog->result(), int(TVURDialogForm::mrOk));
    }
    QVERIFY(!EditorSettings().smartTabs);
    QVERIFY(IndentLabels());
    QVERIFY(!EditorSettings().visibleMargin);
}

void tst_ZOKPrefsDialog::displayEnabling()
{
    auto dialog = Open();
    auto *page = Page<TVURPrefsDisplayPane>(*dialog);
    QVERIFY(page->VisibleLineNumbersCheckBox()->isEnabled());
    QVERIFY(page->GutterWidthEdit()->isEnabled());
    page->VisibleLineNumbersCheckBox()->setChecked(true);
    QVERIFY(!page->GutterWidthEdit()->isEnabled());
    QVERIFY(!page->GutterWidthUpDown()->isEnabled());
    page->VisibleLineNumbersCheckBox()->setChecked(false);
    page->VisibleGutterCheckBox()->setChecked(false);
    QVERIFY(!page->VisibleLineNumbersCheckBox()->isEnabled());
    QVERIFY(!page->GutterWidthEdit()->isEnabled());
}

void tst_ZOKPrefsDialog::displayPreview()
{
    auto dialog = Open();
    auto *display = Page<TVURPrefsDisplayPane>(*dialog);
    auto *colors = Page<TVURPrefsSynEditColorsPane>(*dialog);
    const QString sample = dialog->WorkingHighlighter()->GetSampleText();
    // The sample is there from the start, with the saved indent size.
    QCOMPARE(display->Example()->ExampleSynEdit()->text(), ExpandSample(sample, 2));
    display->TabWidthEdit()->setText(QStringLiteral("4"));
    QCOMPARE(display->Example()->ExampleSynEdit()->text(), ExpandSample(sample, 4));
    QCOMPARE(colors->Example()->ExampleSynEdit()->text(), ExpandSample(sample, 4));
    // Plain text in both examples without highlighting.
    QVERIFY(display->Example()->ExampleSynEdit()->lexer());
    display->SyntaxHighlightingCheckBox()->setChecked(false);
    QVERIFY(!display->Example()->ExampleSynEdit()->lexer());
    QVERIFY(!colors->Example()->ExampleSynEdit()->lexer());
    display->VisibleMarginCheckBox()->setChecked(false);
    QVERIFY(!colors->Example()->MsgBar()->isVisibleTo(colors));
}

void tst_ZOKPrefsDialog::typedIndentTakenAsTyped()
{
    auto dialog = Open();
    auto *page = Page<TVURPrefsDisplayPane>(*dialog);
    QTest::keyClicks(page->TabWidthEdit(), QString());
    page->TabWidthEdit()->selectAll();
    QTest::keyClicks(page->TabWidthEdit(), QStringLiteral("25"));
    QCOMPARE(page->TabWidthUpDown()->Position(), 10);
    dialog->AcceptActionExecute();
    QCOMPARE(EditorSettings().tabWidth, 25);
    // A box without a number stores the arrows' position.
    auto again = Open();
    auto *gutter = Page<TVURPrefsDisplayPane>(*again);
    gutter->GutterWidthEdit()->clear();
    again->AcceptActionExecute();
    QCOMPARE(EditorSettings().gutterWidth, 30);
}

void tst_ZOKPrefsDialog::colours()
{
    TSynHighlighterAttributes *shared = SharedHighlighter()->AttributeByName(QStringLiteral("Reserved Word"));
    QVERIFY(shared->FontStyle().testFlag(TSynHighlighterAttributes::Bold));
    for (bool accept : {false, true}) {
        auto dialog = Open();
        auto *page = Page<TVURPrefsSynEditColorsPane>(*dialog);
        const QList<QListWidgetItem *> rows = page->ColorsListBox()->findItems(QStringLiteral("Reserved words"), Qt::MatchExactly);
        QCOMPARE(rows.size(), 1);
        page->ColorsListBox()->setCurrentItem(rows.first());
        QVERIFY(page->BoldCheckBox()->isChecked());
        page->BoldCheckBox()->click();
        TSynHighlighterAttributes *working = dialog->WorkingHighlighter()->AttributeByName(QStringLiteral("Reserved Word"));
        QVERIFY(!working->FontStyle().testFlag(TSynHighlighterAttributes::Bold));
        QVERIFY(shared->FontStyle().testFlag(TSynHighlighterAttributes::Bold));
        if (accept)
            dialog->AcceptActionExecute();
        else
            dialog->CancelActionExecute();
    }
    QVERIFY(!shared->FontStyle().testFlag(TSynHighlighterAttributes::Bold));
    shared->SetFontStyle(TSynHighlighterAttributes::Bold);
    QCOMPARE(TVURPrefsSynEditColorsPane::AttributeDisplayName(QStringLiteral("Reserved Word")), QStringLiteral("Reserved words"));
    QCOMPARE(TVURPrefsSynEditColorsPane::AttributeDisplayName(QStringLiteral("Unknown")), QString());
}

void tst_ZOKPrefsDialog::helpByPage()
{
    HelpWindow help;
    m_app->SetMainWindow(&help);
    auto dialog = Open();
    dialog->MasterPane()->SetActivePageIndex(1);
    dialog->HelpAction()->trigger();
    dialog->MasterPane()->SetActivePageIndex(5);
    dialog->HelpAction()->trigger();
    m_app->SetMainWindow(nullptr);
    QCOMPARE(help.topics, QStringList({"PrefsEditor"}));
}

void tst_ZOKPrefsDialog::extensions()
{
    auto dialog = Open();
    auto *page = Page<TVURPrefsExtensionsPane>(*dialog);
    QListWidget *list = page->ExtCheckListBox();
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral(".miz"));
    // Nothing ticked: nothing changes.
    page->RegButtonClick();
    QCOMPARE(list->item(0)->text(), QStringLiteral(".miz"));
    list->item(0)->setCheckState(Qt::Checked);
    page->RegButtonClick();
    QVERIFY2(list->item(0)->text().startsWith(QStringLiteral(".miz (")), qPrintable(list->item(0)->text()));
    QVERIFY(list->item(0)->text().contains(QCoreApplication::applicationFilePath()));
    QCOMPARE(list->item(0)->checkState(), Qt::Unchecked);
    QCOMPARE(list->item(1)->text(), QStringLiteral(".voc"));
    // Cancel does not undo it; Unregister all does.
    dialog->CancelActionExecute();
    QVERIFY(!VURShell::GetAssociatedCommand(QStringLiteral(".miz")).isEmpty());
    page->UnregAllButtonClick();
    QCOMPARE(list->item(0)->text(), QStringLiteral(".miz"));
}

QTEST_MAIN(tst_ZOKPrefsDialog)
#include "tst_ZOKPrefsDialog.moc"
