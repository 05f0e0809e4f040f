#include "EventLoop.h"
#include "MessageBoxRecorder.h"
#include "ModalDriver.h"
#include "TestChildHost.h"
#include "VURChildEditSyn.h"
#include "VURLang.h"
#include "VURSearchConfirm.h"
#include "VURSearchIncremental.h"
#include "VURSearchLine.h"
#include "VURSearchReplace.h"
#include "VURSearchState.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

namespace {

int g_argc = 1;
char g_arg0[] = "tst_VURSearchDialogs";
char *g_argv[] = {g_arg0, nullptr};

const QString kText = QStringLiteral("let x be set;\nthus X in A by A1;\nhence x in A;\n");

// Answers the next dialog of the class.
template<class T>
std::unique_ptr<ModalDriver> Answer(const std::function<void(T &)> &act)
{
    return std::make_unique<ModalDriver>([act](QWidget *modal) {
        auto *dialog = qobject_cast<T *>(modal);
        if (!dialog)
            return false;
        act(*dialog);
        return true;
    });
}


int CaretLine(QsciScintilla *editor)
{
    int line = 0, index = 0;
    editor->getCursorPosition(&line, &index);
    return line;
}

} // namespace

class tst_VURSearchDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void texts_data();
    void texts();
    void findLayout();
    void cancelStoresEverything();
    void historyHoldsATextOnce();
    void scopeOnOpening_data();
    void scopeOnOpening();
    void wordAtCaret();
    void checkBoxCoupling();
    void okNeedsAText();
    void notFound();
    void invalidPatternReported();
    void replaceAllWithPrompt();
    void sameTextReplacesNothing();
    void findNextRepeatsReplaceAll();
    void confirmationPlacement();
    void confirmationTexts();
    void incrementalSteps();
    void incrementalCancelRestoresCaret();
    void incrementalThenFindNext();
    void goToLine_data();
    void goToLine();
    void goToLineChecks();

private:
    TVURChildEditSynForm *NewEditor(const QString &text)
    {
        auto *editor = NewForm<TVURChildEditSynForm>(m_host.get());
        editor->SetText(text);
        editor->SetModified(false);
        return editor;
    }
    std::unique_ptr<TestChildHost> m_host;
    std::unique_ptr<TestHostApp> m_app;
};

void tst_VURSearchDialogs::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
    SearchState() = TVURSearchState();
    m_host = std::make_unique<TestChildHost>();
    m_app = std::make_unique<TestHostApp>(g_argc, g_argv, m_host.get());
    m_host->show();
}

void tst_VURSearchDialogs::cleanup()
{
    m_app.reset();
    m_host.reset();
}

void tst_VURSearchDialogs::texts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("find");    // title, label, case, origin
    QTest::addColumn<QStringList>("replace"); // title, label, prompt, all
    QTest::newRow("English") << "enu" << QStringList{"Find", "&Find text", "&Case sensitive", "From c&ursor"}
                             << QStringList{"Find and replace", "&Replace with", "&Prompt on replace", "&All"};
    QTest::newRow("Polish") << "plk"
                            << QStringList{"Znajdź", "&Znajdź tekst", "Rozróżniaj wielkość &liter",
                                           "Od migawki pozycjow&skaźnej"}
                            << QStringList{"Znajdź i zamień", "Za&mień", "&Potwierdzaj zamianę", "&Wszystkie"};
}

void tst_VURSearchDialogs::texts()
{
    QFETCH(QString, language);
    QFETCH(QStringList, find);
    QFETCH(QStringList, replace);
    LangManager()->SetLanguage(language);
    auto findForm = MakeForm<TVURSearchFindForm>();
    QCOMPARE(QStringList({findForm->windowTitle(), findForm->FindLabel()->text(),
                          findForm->CaseSensitiveCheckBox()->text(), findForm->FromCursorRadioButton()->text()}),
             find);
    QCOMPARE(findForm->HelpKeyword(), QStringLiteral("SearchFind"));
    QVERIFY(findForm->HelpButton()->isVisibleTo(findForm.get()));
    auto replaceForm = MakeForm<TVURSearchReplaceForm>();
    QCOMPARE(QStringList({replaceForm->windowTitle(), replaceForm->ReplaceLabel()->text(),
                          replaceForm->PromptCheckBox()->text(), replaceForm->ReplaceAllButton()->text()}),
             replace);
    QCOMPARE(replaceForm->HelpKeyword(), QStringLiteral("SearchReplace"));
    QCOMPARE(replaceForm->PromptCheckBox()->parentWidget(), replaceForm->OptionsGroupBox());
    // Every option is readable in full.
    for (auto *form : {static_cast<TVURSearchFindForm *>(findForm.get()), static_cast<TVURSearchFindForm *>(replaceForm.get())}) {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        for (QAbstractButton *option : form->findChildren<QAbstractButton *>()) {
            if (qobject_cast<QCheckBox *>(option) || qobject_cast<QRadioButton *>(option))
                QVERIFY2(option->width() >= option->sizeHint().width(), qPrintable(option->text()));
        }
        form->hide();
    }
}

void tst_VURSearchDialogs::findLayout()
{
    auto form = MakeForm<TVURSearchFindForm>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QCOMPARE(form->minimumWidth(), 373);
    QCOMPARE(form->minimumHeight(), form->maximumHeight());
    for (int width : {373, 400, 613}) {
        form->resize(width, form->height());
        QTest::qWait(20);
        const int panel = form->MainPanel()->width();
        const int groupWidth = panel / 2 - 10;
        for (QGroupBox *group : {form->OptionsGroupBox(), form->DirectionGroupBox(), form->ScopeGroupBox(),
                                 form->OriginGroupBox()})
            QCOMPARE(group->width(), groupWidth);
        QCOMPARE(form->OptionsGroupBox()->x(), 8);
        QCOMPARE(form->DirectionGroupBox()->x(), panel - (groupWidth + 8));
        QCOMPARE(form->OriginGroupBox()->x(), form->DirectionGroupBox()->x());
        QVERIFY(form->ScopeGroupBox()->y() > form->OptionsGroupBox()->geometry().bottom());
        QVERIFY(form->FindComboBox()->geometry().right() <= panel - 8);
    }
}

void tst_VURSearchDialogs::cancelStoresEverything()
{
    TVURChildEditSynForm *editor = NewEditor(kText);
    const auto driver = Answer<TVURSearchFindForm>([](TVURSearchFindForm &form) {
        form.FindComboBox()->setEditText(QStringLiteral("A1"));
        form.RegExCheckBox()->setChecked(true);
        form.BackwardRadioButton()->setChecked(true);
        form.CancelButton()->click();
    });
    editor->Action("EditFindAction")->trigger();
    QVERIFY(driver->Done());
    const TVURSearchState &state = SearchState();
    QCOMPARE(state.searchText, QStringLiteral("A1"));
    QCOMPARE(state.findHistory, QStringList{QStringLiteral("A1")});
    QVERIFY(state.regularExpressions);
    QVERIFY(state.backwards);
    QVERIFY(!state.searchTextSet);
    editor->Child_ActionListUpdate();
    QVERIFY(!editor->Action("EditFindNextAction")->isEnabled());
    QCOMPARE(CaretLine(editor->SynEdit()), 0);
    QVERIFY(!editor->SynEdit()->hasSelectedText());
}

void tst_VURSearchDialogs::historyHoldsATextOnce()
{
    TVURSearchState &state = SearchState();
    state.findHistory = {QStringLiteral("x"), QStringLiteral("A1"), QStringLiteral("a1")};
    TVURChildEditSynForm *editor = NewEditor(kText);
    QStringList shown;
    const auto driver = Answer<TVURSearchFindForm>([&shown](TVURSearchFindForm &form) {
        for (int i = 0; i < form.FindComboBox()->count(); ++i)
            shown.append(form.FindComboBox()->itemText(i));
        form.FindComboBox()->setEditText(QStringLiteral("A1"));
        form.AcceptButton()->click();
    });
    editor->Action("EditFindAction")->trigger();
    QCOMPARE(shown, QStringList({"x", "A1", "a1"}));
    QCOMPARE(state.findHistory, QStringList({"A1", "x", "a1"}));
    QVERIFY(state.searchTextSet);
    QCOMPARE(editor->SynEdit()->selectedText(), QStringLiteral("A1"));
    editor->Child_ActionListUpdate();
    QVERIFY(editor->Action("EditFindNextAction")->isEnabled());
}

void tst_VURSearchDialogs::scopeOnOpening_data()
{
    QTest::addColumn<QString>("searchText");
    QTest::addColumn<bool>("selectedOnly");
    QTest::newRow("the last match selected") << "thus X" << false;
    QTest::newRow("another selection") << "let" << true;
}

void tst_VURSearchDialogs::scopeOnOpening()
{
    QFETCH(QString, searchText);
    QFETCH(bool, selectedOnly);
    SearchState().searchText = searchText;
    TVURChildEditSynForm *editor = NewEditor(kText);
    editor->SynEdit()->setSelection(1, 0, 1, 6); // "thus X"
    bool global = false, fromCursor = false;
    const auto driver = Answer<TVURSearchFindForm>([&](TVURSearchFindForm &form) {
        global = form.GlobalRadioButton()->isChecked();
        fromCursor = form.FromCursorRadioButton()->isChecked();
        QCOMPARE(form.SelectedTextRadioButton()->isChecked(), !global);
        QCOMPARE(form.EntireScopeRadioButton()->isChecked(), !fromCursor);
        form.CancelButton()->click();
    });
    editor->Action("EditFindAction")->trigger();
    QCOMPARE(global, !selectedOnly);
    QCOMPARE(fromCursor, !selectedOnly);
}

void tst_VURSearchDialogs::wordAtCaret()
{
    TVURChildEditSynForm *editor = NewEditor(kText);
    editor->SynEdit()->setCursorPosition(1, 16); // inside "A1"
    QString shown;
    const auto driver = Answer<TVURSearchFindForm>([&shown](TVURSearchFindForm &form) {
        shown = form.FindComboBox()->currentText();
        form.CancelButton()->click();
    });
    editor->Action("EditFindAction")->trigger();
    QCOMPARE(shown, QStringLiteral("A1"));
    QCOMPARE(TVURChildEditSynForm::WordAtColumn(QStringLiteral("x' = y"), 2), QStringLiteral("x'"));
    QCOMPARE(TVURChildEditSynForm::WordAtColumn(QStringLiteral("a + b"), 2), QString());
}

void tst_VURSearchDialogs::checkBoxCoupling()
{
    auto form = MakeForm<TVURSearchFindForm>();
    form->CaseSensitiveCheckBox()->setChecked(true);
    form->WildcardsCheckBox()->setChecked(true);
    QVERIFY(!form->CaseSensitiveCheckBox()->isChecked());
    form->RegExCheckBox()->setChecked(true);
    QVERIFY(!form->WildcardsCheckBox()->isChecked());
    form->CaseSensitiveCheckBox()->setChecked(true);
    QVERIFY(form->RegExCheckBox()->isChecked());
    QVERIFY(form->CaseSensitiveCheckBox()->isChecked());
    form->RegExCheckBox()->setChecked(false);
    QVERIFY(form->CaseSensitiveCheckBox()->isChecked());
    QVERIFY(!form->WildcardsCheckBox()->isChecked());
    form->WildcardsCheckBox()->setChecked(true);
    QVERIFY(!form->RegExCheckBox()->isChecked());
    QVERIFY(!form->CaseSensitiveCheckBox()->isChecked());
    // A stored state keeps all three as they were.
    TVURSearchState state;
    state.regularExpressions = true;
    state.matchCase = true;
    form->LoadState(state);
    QVERIFY(form->RegExCheckBox()->isChecked());
    QVERIFY(form->CaseSensitiveCheckBox()->isChecked());
}

void tst_VURSearchDialogs::okNeedsAText()
{
    auto form = MakeForm<TVURSearchReplaceForm>();
    form->LoadState(SearchState());
    QVERIFY(!form->AcceptAction()->isEnabled());
    QVERIFY(!form->ReplaceAllAction()->isEnabled());
    form->FindComboBox()->setEditText(QStringLiteral("x"));
    QVERIFY(form->AcceptAction()->isEnabled());
    QVERIFY(form->ReplaceAllButton()->isEnabled());
}

void tst_VURSearchDialogs::notFound()
{
    TVURChildEditSynForm *editor = NewEditor(kText);
    editor->SynEdit()->setSelection(0, 4, 0, 8);
    SearchState().searchText = QStringLiteral("zzz");
    MessageBoxRecorder boxes;
    editor->SearchRun(false);
    QCOMPARE(boxes.texts, QStringList{QStringLiteral("Text not found.")});
    QVERIFY(!editor->SynEdit()->hasSelectedText());
    int line = 0, index = 0;
    editor->SynEdit()->getCursorPosition(&line, &index);
    QCOMPARE(qMakePair(line, index), qMakePair(0, 8));
    QVERIFY(editor->OriginFromCursor());
    QVERIFY(!editor->SelectedOnly());
}

void tst_VURSearchDialogs::invalidPatternReported()
{
    TVURChildEditSynForm *editor = NewEditor(kText);
    editor->SynEdit()->setSelection(0, 4, 0, 8);
    TVURSearchState &state = SearchState();
    state.searchText = QStringLiteral("[A");
    state.replaceText = QStringLiteral("B");
    state.regularExpressions = true;
    state.replaceAll = true;
    state.promptOnReplace = false;
    MessageBoxRecorder boxes;
    editor->SearchRun(true);
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY(boxes.texts.first().startsWith(QStringLiteral("Invalid regular expression:\n[A\n")));
    QCOMPARE(editor->Text(), kText);
    QCOMPARE(editor->SynEdit()->selectedText(), QStringLiteral("x be"));
}

void tst_VURSearchDialogs::replaceAllWithPrompt()
{
    TVURChildEditSynForm *editor = NewEditor(kText);
    QList<int> answers{TVURSearchConfirmForm::mrNo, TVURDialogForm::mrOk};
    int asked = 0;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, [&] {
        auto *confirm = qobject_cast<TVURSearchConfirmForm *>(QApplication::activeModalWidget());
        if (confirm && confirm->isVisible() && asked < answers.size())
            confirm->done(answers.at(asked++));
    });
    answerer.start(20);
    const auto driver = Answer<TVURSearchReplaceForm>([](TVURSearchReplaceForm &form) {
        form.FindComboBox()->setEditText(QStringLiteral("in"));
        form.ReplaceComboBox()->setEditText(QStringLiteral("\u2208"));
        QVERIFY(form.PromptCheckBox()->isChecked());
        form.ReplaceAllButton()->click();
    });
    editor->Action("EditReplaceAction")->trigger();
    QCOMPARE(asked, 2);
    QCOMPARE(editor->Text(), QStringLiteral("let x be set;\nthus X in A by A1;\nhence x \u2208 A;\n"));
    QVERIFY(SearchState().lastWasReplace);
    QCOMPARE(SearchState().replaceHistory, QStringList{QStringLiteral("\u2208")});
    QCOMPARE(editor->ConfirmForm(), nullptr);
}

void tst_VURSearchDialogs::sameTextReplacesNothing()
{
    TVURChildEditSynForm *editor = NewEditor(kText);
    TVURSearchState &state = SearchState();
    state.searchText = state.replaceText = QStringLiteral("x");
    state.replaceAll = true;
    bool asked = false;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            asked = true;
            modal->close();
        }
    });
    watcher.start(20);
    editor->SearchRun(true);
    QVERIFY(!asked);
    QCOMPARE(editor->Text(), kText);
    QVERIFY(!editor->GetModified());
}

void tst_VURSearchDialogs::findNextRepeatsReplaceAll()
{
    TVURChildEditSynForm *editor = NewEditor(QStringLiteral("a a\n"));
    const auto driver = Answer<TVURSearchReplaceForm>([](TVURSearchReplaceForm &form) {
        form.FindComboBox()->setEditText(QStringLiteral("a"));
        form.ReplaceComboBox()->setEditText(QStringLiteral("b"));
        form.PromptCheckBox()->setChecked(false);
        form.ReplaceAllButton()->click();
    });
    editor->Action("EditReplaceAction")->trigger();
    QCOMPARE(editor->Text(), QStringLiteral("b b\n"));
    editor->SynEdit()->setText(QStringLiteral("a a a\n"));
    editor->SynEdit()->setCursorPosition(0, 0);
    editor->Action("EditFindNextAction")->trigger();
    QCOMPARE(editor->Text(), QStringLiteral("b b b\n"));
}

void tst_VURSearchDialogs::confirmationPlacement()
{
    QString text;
    for (int i = 0; i < 200; ++i)
        text += QStringLiteral("line %1 x\n").arg(i);
    TVURChildEditSynForm *editor = NewEditor(text);
    const QRect screen = editor->screen()->geometry();
    m_host->setGeometry(screen.left(), screen.top(), 700, screen.height());
    RunEventLoopFor(50);
    auto confirm = MakeForm<TVURSearchConfirmForm>(editor);
    confirm->SetSearchText(QStringLiteral("x"));
    const int height = confirm->frameGeometry().height();

    editor->SynEdit()->setFirstVisibleLine(0);
    editor->PlaceConfirmForm(confirm.get(), 2, 7);
    QCOMPARE(confirm->frameGeometry().topLeft(), editor->CellScreenPosition(4, 7));

    // Near the bottom of the screen: above the match, one line left free.
    m_host->move(screen.left(), screen.bottom() - 160);
    RunEventLoopFor(50);
    const int lastShown = 2;
    editor->PlaceConfirmForm(confirm.get(), lastShown, 7);
    QVERIFY(editor->CellScreenPosition(lastShown + 2, 7).y() + height > screen.bottom() + 1);
    QCOMPARE(confirm->frameGeometry().bottom() + 1, editor->CellScreenPosition(lastShown - 1, 7).y());
    QVERIFY(confirm->frameGeometry().bottom() < editor->CellScreenPosition(lastShown, 7).y());
    QVERIFY(screen.contains(confirm->frameGeometry()));
}

void tst_VURSearchDialogs::confirmationTexts()
{
    LangManager()->SetLanguage(QStringLiteral("plk"));
    auto confirm = MakeForm<TVURSearchConfirmForm>();
    confirm->SetSearchText(QStringLiteral("A & <b>"));
    QCOMPARE(confirm->windowTitle(), QStringLiteral("Potwierdź"));
    QCOMPARE(confirm->ConfirmLabel()->text(), QStringLiteral("Zamienić to wystąpienie tekstu\n\"A & <b>\"?"));
    QCOMPARE(confirm->AcceptButton()->text(), QStringLiteral("&Tak"));
    QCOMPARE(confirm->NoButton()->text(), QStringLiteral("&Nie"));
    QCOMPARE(confirm->AllButton()->text(), QStringLiteral("&Wszystkie"));
    QCOMPARE(confirm->HelpKeyword(), QStringLiteral("SearchConfirm"));
    QVERIFY(confirm->minimumWidth() >= 453);
    QCOMPARE(confirm->minimumHeight(), confirm->maximumHeight());
}

void tst_VURSearchDialogs::incrementalSteps()
{
    TVURChildEditSynForm *editor = NewEditor(QStringLiteral("be begin\nbegan\n  begin\n"));
    editor->SynEdit()->setCursorPosition(2, 4);
    SearchState().matchCase = true;
    QStringList selections;
    const auto driver = Answer<TVURSearchIncrementalForm>([&](TVURSearchIncrementalForm &form) {
        for (const char *key : {"b", "e", "g", "i"}) {
            QTest::keyClicks(form.FindEdit(), QString::fromLatin1(key));
            selections.append(editor->SynEdit()->selectedText());
        }
        QTest::keyClicks(form.FindEdit(), QStringLiteral("x"));
        selections.append(editor->SynEdit()->selectedText());
        form.AcceptButton()->click();
    });
    MessageBoxRecorder boxes;
    editor->Action("EditIncrementalSearchAction")->trigger();
    QCOMPARE(selections, QStringList({"b", "be", "beg", "begi", ""}));
    QCOMPARE(boxes.texts, QStringList());
    QVERIFY(!SearchState().matchCase);
    int line = 0, index = 0;
    editor->SynEdit()->getCursorPosition(&line, &index);
    QCOMPARE(qMakePair(line, index), qMakePair(0, 7));
}

void tst_VURSearchDialogs::incrementalCancelRestoresCaret()
{
    TVURChildEditSynForm *editor = NewEditor(QStringLiteral("be begin\nbegan\n  begin\n"));
    editor->SynEdit()->setCursorPosition(2, 4);
    QPair<int, int> afterClearing;
    QRect placed;
    const auto driver = Answer<TVURSearchIncrementalForm>([&](TVURSearchIncrementalForm &form) {
        QTest::keyClicks(form.FindEdit(), QStringLiteral("gan"));
        form.FindEdit()->clear();
        int line = -1, index = -1;
        editor->SynEdit()->getCursorPosition(&line, &index);
        afterClearing = {line, index};
        placed = form.frameGeometry();
        form.CancelButton()->click();
    });
    editor->Action("EditIncrementalSearchAction")->trigger();
    QCOMPARE(afterClearing, qMakePair(0, 0));
    int line = 0, index = 0;
    editor->SynEdit()->getCursorPosition(&line, &index);
    QCOMPARE(qMakePair(line, index), qMakePair(2, 4));
    // The dialog leaves the caret's line free.
    QVERIFY(placed.top() >= editor->CellScreenPosition(1, 0).y() || placed.bottom() < editor->CellScreenPosition(0, 0).y());
}

void tst_VURSearchDialogs::incrementalThenFindNext()
{
    TVURChildEditSynForm *editor = NewEditor(QStringLiteral("Ab ab AB ab\n"));
    const auto driver = Answer<TVURSearchIncrementalForm>([](TVURSearchIncrementalForm &form) {
        QTest::keyClicks(form.FindEdit(), QStringLiteral("ab"));
        form.AcceptButton()->click();
    });
    editor->Action("EditIncrementalSearchAction")->trigger();
    QCOMPARE(editor->SynEdit()->selectedText(), QStringLiteral("Ab"));
    editor->Action("EditFindNextAction")->trigger();
    int line = 0, index = 0;
    editor->SynEdit()->getCursorPosition(&line, &index);
    QCOMPARE(index, 5);
    editor->Action("EditFindNextAction")->trigger();
    editor->SynEdit()->getCursorPosition(&line, &index);
    QCOMPARE(index, 8);
}

void tst_VURSearchDialogs::goToLine_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("label");
    QTest::newRow("English") << "enu" << "&Line number (between 1 and 120)";
    QTest::newRow("Polish") << "plk" << "&Numer linii (między 1 a 120)";
}

void tst_VURSearchDialogs::goToLine()
{
    QFETCH(QString, language);
    QFETCH(QString, label);
    LangManager()->SetLanguage(language);
    QString text;
    for (int i = 0; i < 119; ++i)
        text += QStringLiteral("x;\n");
    text += QStringLiteral("end;");
    TVURChildEditSynForm *editor = NewEditor(text);
    QString shown;
    const auto driver = Answer<TVURSearchLineForm>([&shown](TVURSearchLineForm &form) {
        shown = form.InputLabel()->text();
        form.InputEdit()->setText(QStringLiteral(" 50 "));
        form.AcceptButton()->click();
    });
    editor->Action("SearchLineAction")->trigger();
    QCOMPARE(shown, label);
    QCOMPARE(CaretLine(editor->SynEdit()), 49);

    // An empty text: nothing to go to.
    TVURChildEditSynForm *empty = NewEditor(QString());
    bool opened = false;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, [&opened] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    watcher.start(20);
    empty->SearchLineActionExecute();
    QVERIFY(!opened);
}

void tst_VURSearchDialogs::goToLineChecks()
{
    auto form = MakeForm<TVURSearchLineForm>(nullptr, 1, 120);
    QCOMPARE(form->HelpKeyword(), QStringLiteral("SearchLine"));
    QVERIFY(form->minimumWidth() >= 293);
    form->InputEdit()->setText(QStringLiteral("  \t"));
    QVERIFY(!form->AcceptAction()->isEnabled());
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const QString range = QStringLiteral("Entered line number not in the allowed range.");
    const QString invalid = QStringLiteral("Invalid line number.");
    const QList<QPair<QString, QString>> cases = {{"0", range}, {"121", range}, {"x12", invalid}, {"1 2", invalid},
                                                  {"-5", range}};
    for (const auto &[typed, message] : cases) {
        form->InputEdit()->setText(typed);
        MessageBoxRecorder boxes;
        form->AcceptButton()->click();
        QCOMPARE(boxes.texts, QStringList{message});
        QVERIFY(form->isVisible());
        QCOMPARE(form->result(), 0);
    }
    form->InputEdit()->setText(QStringLiteral("+7"));
    form->AcceptButton()->click();
    QCOMPARE(form->result(), 1);
    QCOMPARE(form->ChosenLine(), 7);
}

QTEST_MAIN(tst_VURSearchDialogs)
#include "tst_VURSearchDialogs.moc"
