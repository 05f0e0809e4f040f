#include "VURSearchFind.h"

#include "VURLang.h"
#include "VURSearchState.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMargin = 8;

template<class T>
T *Named(QWidget *parent, const char *name)
{
    auto *widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QGroupBox *Group(QWidget *parent, const char *name, std::initializer_list<QWidget *> controls)
{
    auto *group = Named<QGroupBox>(parent, name);
    auto *layout = new QVBoxLayout(group);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(2);
    for (QWidget *control : controls) {
        control->setParent(group);
        layout->addWidget(control);
    }
    return group;
}

} // namespace

void FillHistoryBox(QComboBox *box, const QStringList &history, const QString &text)
{
    box->clear();
    box->addItems(history);
    box->setEditText(text);
}

TVURSearchFindForm::TVURSearchFindForm(QWidget *owner)
    : TVURDialogForm(owner)
    , m_findLabel(Named<QLabel>(MainPanel(), "FindLabel"))
    , m_findComboBox(nullptr)
    , m_caseSensitiveCheckBox(Named<QCheckBox>(nullptr, "CaseSensitiveCheckBox"))
    , m_wholeWordsCheckBox(Named<QCheckBox>(nullptr, "WholeWordsCheckBox"))
    , m_wildcardsCheckBox(Named<QCheckBox>(nullptr, "WildcardsCheckBox"))
    , m_regExCheckBox(Named<QCheckBox>(nullptr, "RegExCheckBox"))
    , m_backwardRadioButton(Named<QRadioButton>(nullptr, "BackwardRadioButton"))
    , m_forwardRadioButton(Named<QRadioButton>(nullptr, "ForwardRadioButton"))
    , m_globalRadioButton(Named<QRadioButton>(nullptr, "GlobalRadioButton"))
    , m_selectedTextRadioButton(Named<QRadioButton>(nullptr, "SelectedTextRadioButton"))
    , m_fromCursorRadioButton(Named<QRadioButton>(nullptr, "FromCursorRadioButton"))
    , m_entireScopeRadioButton(Named<QRadioButton>(nullptr, "EntireScopeRadioButton"))
{
    setObjectName(QStringLiteral("VURSearchFindForm"));
    SetHelpKeyword(QStringLiteral("SearchFind"));
    m_findComboBox = AddTextRow(m_findLabel, "FindComboBox");
    m_optionsGroupBox = Group(MainPanel(), "OptionsGroupBox",
                              {m_caseSensitiveCheckBox, m_wholeWordsCheckBox, m_wildcardsCheckBox, m_regExCheckBox});
    m_directionGroupBox = Group(MainPanel(), "DirectionGroupBox", {m_forwardRadioButton, m_backwardRadioButton});
    m_scopeGroupBox = Group(MainPanel(), "ScopeGroupBox", {m_globalRadioButton, m_selectedTextRadioButton});
    m_originGroupBox = Group(MainPanel(), "OriginGroupBox", {m_fromCursorRadioButton, m_entireScopeRadioButton});
    static_cast<QVBoxLayout *>(m_directionGroupBox->layout())->addStretch(1);
    m_forwardRadioButton->setChecked(true);
    m_globalRadioButton->setChecked(true);
    m_fromCursorRadioButton->setChecked(true);

    // Regular expressions and wildcards exclude each other, and either
    // makes case part of the pattern.
    connect(m_regExCheckBox, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked) {
            m_wildcardsCheckBox->setChecked(false);
            m_caseSensitiveCheckBox->setChecked(false);
        }
    });
    connect(m_wildcardsCheckBox, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked) {
            m_regExCheckBox->setChecked(false);
            m_caseSensitiveCheckBox->setChecked(false);
        }
    });
    connect(m_findComboBox, &QComboBox::editTextChanged, this, &TVURSearchFindForm::AcceptActionUpdate);
    MainPanel()->installEventFilter(this);
    setMinimumWidth(kMinimumWidth);
}

QComboBox *TVURSearchFindForm::AddTextRow(QLabel *label, const char *boxName)
{
    auto *box = Named<QComboBox>(MainPanel(), boxName);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(12);
    label->setBuddy(box);
    m_rows.append({label, box});
    return box;
}

void TVURSearchFindForm::AddOption(QCheckBox *box)
{
    box->setParent(m_optionsGroupBox);
    m_optionsGroupBox->layout()->addWidget(box);
}

void TVURSearchFindForm::FormCreate()
{
    TVURDialogForm::FormCreate();
    // Wide enough for the longest option in the current language.
    int groupWidth = 0;
    for (QGroupBox *group : {m_optionsGroupBox, m_directionGroupBox, m_scopeGroupBox, m_originGroupBox})
        groupWidth = std::max(groupWidth, group->sizeHint().width());
    resize(std::max(kMinimumWidth, 2 * (groupWidth + 10)), height());
    PlaceControls();
    AcceptActionUpdate();
}

void TVURSearchFindForm::TranslateTexts()
{
    TVURDialogForm::TranslateTexts();
    setWindowTitle(TranslateText(QStringLiteral("<PLK>Znajdź<ENU>Find")));
    m_findLabel->setText(TranslateText(QStringLiteral("<PLK>&Znajdź tekst<ENU>&Find text")));
    m_optionsGroupBox->setTitle(TranslateText(QStringLiteral("<PLK>Opcje<ENU>Options")));
    m_caseSensitiveCheckBox->setText(TranslateText(QStringLiteral("<PLK>Rozróżniaj wielkość &liter<ENU>&Case sensitive")));
    m_wholeWordsCheckBox->setText(TranslateText(QStringLiteral("<PLK>&Tylko całe słowa<ENU>&Whole words only")));
    m_wildcardsCheckBox->setText(TranslateText(QStringLiteral("<PLK>Dż&okery: * i ?<ENU>Wil&dcards: * and ?")));
    m_regExCheckBox->setText(TranslateText(QStringLiteral("<PLK>Wyrażenia &regularne<ENU>Regular e&xpressions")));
    m_directionGroupBox->setTitle(TranslateText(QStringLiteral("<PLK>Kierunek<ENU>Direction")));
    m_backwardRadioButton->setText(TranslateText(QStringLiteral("<PLK>Wst&ecz / w górę<ENU>&Backward")));
    m_forwardRadioButton->setText(TranslateText(QStringLiteral("<PLK>Wprzó&d / w dół<ENU>F&orward")));
    m_scopeGroupBox->setTitle(TranslateText(QStringLiteral("<PLK>Zakres<ENU>Scope")));
    m_globalRadioButton->setText(TranslateText(QStringLiteral("<PLK>Cały pl&ik<ENU>&Global")));
    m_selectedTextRadioButton->setText(TranslateText(QStringLiteral("<PLK>Zaz&naczony tekst<ENU>&Selected text")));
    m_originGroupBox->setTitle(TranslateText(QStringLiteral("<PLK>Początek<ENU>Origin")));
    m_fromCursorRadioButton->setText(
        TranslateText(QStringLiteral("<PLK>Od migawki pozycjow&skaźnej<ENU>From c&ursor")));
    m_entireScopeRadioButton->setText(TranslateText(QStringLiteral("<PLK>Pełny z&akres<ENU>&Entire scope")));
}

void TVURSearchFindForm::LoadState(const TVURSearchState &state)
{
    FillHistoryBox(m_findComboBox, state.findHistory, state.searchText);
    m_caseSensitiveCheckBox->setChecked(state.matchCase);
    m_wholeWordsCheckBox->setChecked(state.wholeWords);
    m_wildcardsCheckBox->setChecked(state.wildcards);
    m_regExCheckBox->setChecked(state.regularExpressions);
    // Set after the coupled boxes, which would clear it.
    m_caseSensitiveCheckBox->setChecked(state.matchCase);
    (state.backwards ? m_backwardRadioButton : m_forwardRadioButton)->setChecked(true);
    (state.selectedOnly ? m_selectedTextRadioButton : m_globalRadioButton)->setChecked(true);
    (state.fromCursor && !state.selectedOnly ? m_fromCursorRadioButton : m_entireScopeRadioButton)->setChecked(true);
    m_findComboBox->lineEdit()->selectAll();
    AcceptActionUpdate();
}

void TVURSearchFindForm::StoreState(TVURSearchState &state) const
{
    state.searchText = m_findComboBox->currentText();
    AddToHistory(state.findHistory, state.searchText);
    state.matchCase = m_caseSensitiveCheckBox->isChecked();
    state.wholeWords = m_wholeWordsCheckBox->isChecked();
    state.wildcards = m_wildcardsCheckBox->isChecked();
    state.regularExpressions = m_regExCheckBox->isChecked();
    state.selectedOnly = m_selectedTextRadioButton->isChecked();
    state.backwards = m_backwardRadioButton->isChecked();
    state.fromCursor = m_fromCursorRadioButton->isChecked();
}

void TVURSearchFindForm::AcceptActionUpdate()
{
    AcceptAction()->setEnabled(!m_findComboBox->currentText().isEmpty());
}

bool TVURSearchFindForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == MainPanel() && event->type() == QEvent::Resize)
        PlaceControls();
    return TVURDialogForm::eventFilter(watched, event);
}

void TVURSearchFindForm::PlaceControls()
{
    const int width = MainPanel()->width();
    int labelWidth = 0;
    for (const TextRow &row : std::as_const(m_rows))
        labelWidth = std::max(labelWidth, row.label->sizeHint().width());
    int y = kMargin;
    for (const TextRow &row : std::as_const(m_rows)) {
        const int boxHeight = row.box->sizeHint().height();
        const int boxLeft = kMargin + labelWidth + 8;
        row.label->setGeometry(kMargin, y, labelWidth, boxHeight);
        row.box->setGeometry(boxLeft, y, std::max(0, width - boxLeft - kMargin), boxHeight);
        y += boxHeight + 6;
    }
    y += 2;
    // Two columns with the same outer margin on both sides.
    const int groupWidth = width / 2 - 10;
    const int rightLeft = width - (groupWidth + kMargin);
    const auto placeRow = [&](QGroupBox *left, QGroupBox *right) {
        const int height = std::max(left->sizeHint().height(), right->sizeHint().height());
        left->setGeometry(kMargin, y, groupWidth, height);
        right->setGeometry(rightLeft, y, groupWidth, height);
        y += height + 6;
    };
    placeRow(m_optionsGroupBox, m_directionGroupBox);
    placeRow(m_scopeGroupBox, m_originGroupBox);
    y += 2;
    if (MainPanel()->minimumHeight() != y) {
        MainPanel()->setFixedHeight(y);
        setFixedHeight(y + ButtonPanel()->sizeHint().height());
    }
}
