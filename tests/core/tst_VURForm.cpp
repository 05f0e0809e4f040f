#include "EventLoop.h"
#include "VURControls.h"
#include "VURForm.h"
#include "VURLang.h"
#include "VURPane.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A pane with design-time captions, as a form description would leave them.
class SamplePane : public TVURPaneForm
{
public:
    explicit SamplePane(QWidget *parent = nullptr) : TVURPaneForm(parent)
    {
        auto *layout = new QVBoxLayout(this);
        label1 = new QLabel(QStringLiteral("Label1"), this);
        nameLabel = new QLabel(QStringLiteral("Name:"), this);
        group = new QGroupBox(QStringLiteral("AppLangsGroupBox"), this);
        panelButton = new QPushButton(QStringLiteral("ButtonPanel"), this);
        panelButton->setObjectName(QStringLiteral("ButtonPanel"));
        memo = new QPlainTextEdit(QStringLiteral("OutputMemo\r\n"), this);
        memo->setObjectName(QStringLiteral("OutputMemo"));
        keptMemo = new QPlainTextEdit(QStringLiteral("real text"), this);
        for (QWidget *w : {static_cast<QWidget *>(label1), static_cast<QWidget *>(nameLabel),
                           static_cast<QWidget *>(group), static_cast<QWidget *>(panelButton),
                           static_cast<QWidget *>(memo), static_cast<QWidget *>(keptMemo)})
            layout->addWidget(w);
        innerLabel = new QLabel(QStringLiteral("InnerLabel"), group);
    }

    void TranslateTexts() override
    {
        TVURPaneForm::TranslateTexts();
        ++translations;
        label1Seen = label1->text();
        label1->setText(TranslateText(QStringLiteral("<PLK>Język<ENU>Language")));
    }

    void FirstIdle() override { ++firstIdles; }

    QLabel *label1, *nameLabel, *innerLabel;
    QGroupBox *group;
    QPushButton *panelButton;
    QPlainTextEdit *memo, *keptMemo;
    int translations = 0;
    int firstIdles = 0;
    QString label1Seen = QStringLiteral("<not translated>");
};

// A window with a menu bar and a pop-up menu.
class MenuPane : public TVURPaneForm
{
public:
    MenuPane()
    {
        bar = new QMenuBar(this);
        file = bar->addMenu(QStringLiteral("&File"));
        open = file->addAction(QStringLiteral("&Open"));
        file->addSeparator();
        recent = file->addMenu(QStringLiteral("&Reopen   "));
        recent->addAction(QStringLiteral("a.miz"));
        popup = new QMenu(this);
        popup->addAction(QStringLiteral("Copy"));
    }
    void TranslateTexts() override { open->setText(TranslateText(QStringLiteral("<PLK>&Otwórz<ENU>&Open"))); }

    QMenuBar *bar;
    QMenu *file, *recent, *popup;
    QAction *open;
};

} // namespace

class tst_VURForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void placeholdersClearedBeforeTexts();
    void firstIdleOnce();
    void languageChangeSetsTextsAgain();
    void menusPadded();
    void menuHelpers();
};

void tst_VURForm::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
}

void tst_VURForm::placeholdersClearedBeforeTexts()
{
    const auto pane = MakeForm<SamplePane>();
    QCOMPARE(pane->translations, 1);
    QCOMPARE(pane->label1Seen, QString());
    QCOMPARE(pane->label1->text(), QStringLiteral("Language"));
    QCOMPARE(pane->nameLabel->text(), QStringLiteral("Name:"));
    QCOMPARE(pane->group->title(), QString());
    QCOMPARE(pane->panelButton->text(), QString());
    QCOMPARE(pane->innerLabel->text(), QString());
    QCOMPARE(pane->memo->toPlainText(), QString());
    QCOMPARE(pane->keptMemo->toPlainText(), QStringLiteral("real text"));
    // Creating twice does not run the steps twice.
    pane->FormCreate();
    QCOMPARE(pane->translations, 1);
}

void tst_VURForm::firstIdleOnce()
{
    const auto pane = MakeForm<SamplePane>();
    QVERIFY(pane->IsFirstIdlePending());
    QCOMPARE(pane->firstIdles, 0);
    QVERIFY(RunEventLoopUntil([&pane] { return pane->firstIdles > 0; }));
    QCOMPARE(pane->firstIdles, 1);
    QVERIFY(!pane->IsFirstIdlePending());
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::postEvent(pane.get(), new QEvent(QEvent::User));
        RunEventLoopFor(20);
    }
    QCOMPARE(pane->firstIdles, 1);
    // Another form gets its own.
    const auto other = MakeForm<SamplePane>();
    QVERIFY(RunEventLoopUntil([&other] { return other->firstIdles > 0; }));
    QCOMPARE(pane->firstIdles, 1);
}

void tst_VURForm::languageChangeSetsTextsAgain()
{
    const auto pane = MakeForm<SamplePane>();
    LangManager()->SetLanguage(QStringLiteral("plk"));
    pane->LanguageChanged();
    QCOMPARE(pane->label1->text(), QStringLiteral("Język"));
    QCOMPARE(pane->translations, 2);
    // Placeholders are not looked at again.
    pane->nameLabel->setText(QStringLiteral("Label7"));
    pane->LanguageChanged();
    QCOMPARE(pane->nameLabel->text(), QStringLiteral("Label7"));
}

void tst_VURForm::menusPadded()
{
    const auto pane = MakeForm<MenuPane>();
    const QString pad(10, QLatin1Char(' '));
    QCOMPARE(pane->file->menuAction()->text(), QStringLiteral("&File"));
    QCOMPARE(pane->open->text(), QStringLiteral("&Open") + pad);
    QCOMPARE(pane->recent->menuAction()->text(), QStringLiteral("&Reopen") + pad);
    QCOMPARE(pane->recent->actions().first()->text(), QStringLiteral("a.miz") + pad);
    QCOMPARE(pane->popup->actions().first()->text(), QStringLiteral("Copy") + pad);
    QVERIFY(pane->file->actions().at(1)->isSeparator());
    QCOMPARE(pane->file->actions().at(1)->text(), QString());

    // Padding again changes nothing; a change of language pads the new texts.
    PadMenus(pane.get());
    QCOMPARE(pane->open->text(), QStringLiteral("&Open") + pad);
    LangManager()->SetLanguage(QStringLiteral("plk"));
    pane->LanguageChanged();
    QCOMPARE(pane->open->text(), QStringLiteral("&Otwórz") + pad);
}

void tst_VURForm::menuHelpers()
{
    QMenu menu;
    QAction action(QStringLiteral("Run"));
    QCOMPARE(AddActionMenuItem(&menu, &action), &action);
    QAction *separator = AddSeparatorMenuItem(&menu);
    QVERIFY(separator && separator->isSeparator());
    QCOMPARE(menu.actions().size(), 2);
    QCOMPARE(AddActionMenuItem(nullptr, &action), nullptr);

    QAction other;
    const QList<QAction *> list{&other, &action};
    QCOMPARE(ActionIndex(&list, &action), 1);
    QCOMPARE(ActionIndex(&list, separator), -1);
    QCOMPARE(ActionIndex(nullptr, &action), -1);
    QCOMPARE(ActionIndex(&list, nullptr), -1);
}

QTEST_MAIN(tst_VURForm)
#include "tst_VURForm.moc"
