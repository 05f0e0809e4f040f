#include "VURAppGUI.h"
#include "VURLang.h"
#include "VURStatus.h"
#include "VURStatusbar.h"

#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

namespace {

// Counts the paint events of a widget.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

// A main window holding the pane, as the frame will.
class StatusWindow : public QWidget, public IVURStatusHost
{
public:
    StatusWindow() : pane(NewForm<TVURStatusbarPane>(this))
    {
        auto *layout = new QVBoxLayout(this);
        layout->addStretch();
        layout->addWidget(pane);
    }
    void ShowStatusMessage(const QString &text, VURColors::TVURColor color, bool hold, bool lowPriority) override
    {
        pane->ShowMessage(text, color, hold, lowPriority);
    }
    void ShowStatusInfo(const QString &text) override { pane->SetInfoText(text); }
    TVURStatusbarPane *pane;
};

class StatusApp : public TVURAppGUI
{
public:
    StatusApp(int &argc, char **argv) : TVURAppGUI(argc, argv) {}
    QString GetInfo(int) const override { return QString(); }
};

int g_argc = 1;
char g_arg0[] = "tst_VURStatusbar";
char *g_argv[] = {g_arg0, nullptr};

} // namespace

class tst_VURStatusbar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void holdRule();
    void holdSurvivesTickWrap();
    void normalisation_data();
    void normalisation();
    void fittingAndTooltip();
    void sameTextPaintsOnce();
    void quarterLayout_data();
    void quarterLayout();
    void hiddenBarKeepsTexts();
    void routinesReachMainWindow();

private:
    std::unique_ptr<StatusWindow> m_window;
    quint32 m_now = 1000;
};

void tst_VURStatusbar::init()
{
    LangManager()->SetCommandLineOverride(QStringList());
    LangManager()->SetLanguage(QStringLiteral("enu"));
    m_window = std::make_unique<StatusWindow>();
    m_window->resize(800, 100);
    m_window->pane->SetTickSource([this] { return m_now; });
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_VURStatusbar::cleanup()
{
    m_window.reset();
}

void tst_VURStatusbar::holdRule()
{
    TVURStatusbarPane *pane = m_window->pane;
    pane->ShowMessage(QStringLiteral("3 issues found"), VURColors::kDarkRed, true, false);
    QCOMPARE(pane->StatusLabel()->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    // The ready text written at idle does not replace it for five seconds.
    m_now += 4999;
    pane->ShowMessage(ReadyText(), VURColors::clWindowText, false, true);
    QCOMPARE(pane->MessageText(), QStringLiteral("3 issues found"));
    m_now += 1;
    pane->ShowMessage(ReadyText(), VURColors::clWindowText, false, true);
    QCOMPARE(pane->MessageText(), QStringLiteral("3 issues found"));
    m_now += 1;
    pane->ShowMessage(ReadyText(), VURColors::clWindowText, false, true);
    QCOMPARE(pane->MessageText(), QStringLiteral("Ready"));

    // A hint (neither held nor low priority) replaces a held message at once.
    pane->ShowMessage(QStringLiteral("held"), VURColors::kDarkRed, true, false);
    pane->ShowMessage(QStringLiteral("Open a file"), VURColors::clWindowText, false, false);
    QCOMPARE(pane->MessageText(), QStringLiteral("Open a file"));
    pane->ShowMessage(ReadyText(), VURColors::clWindowText, false, true);
    QCOMPARE(pane->MessageText(), QStringLiteral("Ready"));
}

void tst_VURStatusbar::holdSurvivesTickWrap()
{
    TVURStatusbarPane *pane = m_window->pane;
    m_now = 0xFFFFFF00u;
    pane->ShowMessage(QStringLiteral("held"), VURColors::kDarkRed, true, false);
    m_now = 0x00000100u; // 512 ms later, past the wrap
    pane->ShowMessage(ReadyText(), VURColors::clWindowText, false, true);
    QCOMPARE(pane->MessageText(), QStringLiteral("held"));
}

void tst_VURStatusbar::normalisation_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("line break") << "Program verifier not found\r\nin /opt/mizar/." << "Program verifier not found in /opt/mizar/.";
    QTest::newRow("doubled blanks") << "a  b   c" << "a b c";
    QTest::newRow("break and blanks") << "a \r\n b" << "a b";
}

void tst_VURStatusbar::normalisation()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    m_window->pane->ShowMessage(text, VURColors::clWindowText, false, false);
    QCOMPARE(m_window->pane->MessageText(), expected);
    QCOMPARE(m_window->pane->StatusLabel()->text(), expected);
}

void tst_VURStatusbar::fittingAndTooltip()
{
    TVURStatusbarPane *pane = m_window->pane;
    const QString longText = QStringLiteral("The article ring_1.miz has 117 issues; the first of them is on line 1204, "
                                            "the last on line 3388, and most are error 4");
    m_window->resize(400, 100);
    QTRY_COMPARE(pane->width(), 400 - 2 * m_window->layout()->contentsMargins().left());
    pane->ShowMessage(longText, VURColors::clWindowText, false, false);
    QLabel *label = pane->StatusLabel();
    QVERIFY(label->text().endsWith(QLatin1String("...")));
    QVERIFY(longText.startsWith(label->text().chopped(3)));
    QCOMPARE(label->toolTip(), longText);
    const int available = pane->StatusPanel()->width() - 2 * pane->StatusPanel()->frameWidth() - 2;
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) < available);
    // Widened so that it fits: whole text, no tooltip.
    m_window->resize(2400, 100);
    QTRY_COMPARE(label->text(), longText);
    QCOMPARE(label->toolTip(), QString());
}

void tst_VURStatusbar::sameTextPaintsOnce()
{
    TVURStatusbarPane *pane = m_window->pane;
    PaintCounter counter(pane->StatusLabel());
    PaintCounter infoCounter(pane->ProgressLabel());
    pane->ShowMessage(QStringLiteral("Checking..."), VURColors::clWindowText, false, false);
    const int afterFirst = counter.paints;
    QVERIFY(afterFirst >= 1);
    for (int i = 0; i < 5; ++i)
        pane->ShowMessage(QStringLiteral("Checking..."), VURColors::clWindowText, false, false);
    QCOMPARE(counter.paints, afterFirst);
    pane->SetInfoText(QStringLiteral("12: 5"));
    const int infoAfterFirst = infoCounter.paints;
    pane->SetInfoText(QStringLiteral("12: 5"));
    QCOMPARE(infoCounter.paints, infoAfterFirst);
}

void tst_VURStatusbar::quarterLayout_data()
{
    QTest::addColumn<int>("clientWidth");
    QTest::addColumn<int>("left");
    QTest::newRow("exact") << 400 << 100;
    QTest::newRow("half to even, down") << 402 << 100;
    QTest::newRow("half to even, up") << 406 << 102;
    QTest::newRow("below half") << 401 << 100;
    QTest::newRow("above half") << 403 << 101;
}

void tst_VURStatusbar::quarterLayout()
{
    QFETCH(int, clientWidth);
    QFETCH(int, left);
    TVURStatusbarPane pane;
    pane.FormCreate();
    const int border = 2; // the main panel's raised and lowered edge
    pane.resize(clientWidth + border, 24);
    pane.show();
    QCOMPARE(pane.ProgressPanel()->width(), left);
    QCOMPARE(pane.LogoPanel()->width(), 42 + 8);
    QCOMPARE(pane.ProgressPanel()->width() + pane.StatusPanel()->width() + pane.LogoPanel()->width(), clientWidth);
}

void tst_VURStatusbar::hiddenBarKeepsTexts()
{
    TVURStatusbarPane *pane = m_window->pane;
    pane->hide();
    pane->ShowMessage(QStringLiteral("while hidden"), VURColors::kDarkGreen, false, false);
    pane->SetInfoText(QStringLiteral("1: 1"));
    pane->show();
    QCOMPARE(pane->StatusLabel()->text(), QStringLiteral("while hidden"));
    QCOMPARE(pane->ProgressLabel()->text(), QStringLiteral("1: 1"));
}

void tst_VURStatusbar::routinesReachMainWindow()
{
    ShowStatusMessage(QStringLiteral("nobody listens")); // no application: nothing happens
    StatusApp app(g_argc, g_argv);
    SetCurrentApp(&app);
    app.SetMainWindow(m_window.get());
    ShowStatusMessage(QStringLiteral("<PLK>Sprawdzanie...<ENU>Checking..."));
    QCOMPARE(m_window->pane->MessageText(), QStringLiteral("Checking..."));
    ShowStatusReady();
    QCOMPARE(m_window->pane->MessageText(), QStringLiteral("Ready"));
    LangManager()->SetLanguage(QStringLiteral("plk"));
    ShowStatusReady();
    QCOMPARE(m_window->pane->MessageText(), QStringLiteral("Gotów"));
    ShowStatusInfo(QStringLiteral("3: 14"));
    QCOMPARE(m_window->pane->InfoText(), QStringLiteral("3: 14"));
    SetCurrentApp(nullptr);
}

QTEST_MAIN(tst_VURStatusbar)
#include "tst_VURStatusbar.moc"
