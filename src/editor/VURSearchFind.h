#pragma once

#include "VURDialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
struct TVURSearchState;

// The find dialog: the search text with its history and the options of the
// program-wide search state.
class TVURSearchFindForm : public TVURDialogForm
{
    Q_OBJECT

public:
    static constexpr int kMinimumWidth = 373;

    explicit TVURSearchFindForm(QWidget *owner = nullptr);

    void FormCreate() override;
    void TranslateTexts() override;

    // Fills the controls from the state; the origin shows "from cursor"
    // only for a search that is not limited to the selection.
    virtual void LoadState(const TVURSearchState &state);
    // Stores the controls into the state, whatever button closed the dialog.
    virtual void StoreState(TVURSearchState &state) const;

    void AcceptActionUpdate();

    QLabel *FindLabel() const { return m_findLabel; }
    QComboBox *FindComboBox() const { return m_findComboBox; }
    QGroupBox *OptionsGroupBox() const { return m_optionsGroupBox; }
    QCheckBox *CaseSensitiveCheckBox() const { return m_caseSensitiveCheckBox; }
    QCheckBox *WholeWordsCheckBox() const { return m_wholeWordsCheckBox; }
    QCheckBox *WildcardsCheckBox() const { return m_wildcardsCheckBox; }
    QCheckBox *RegExCheckBox() const { return m_regExCheckBox; }
    QGroupBox *DirectionGroupBox() const { return m_directionGroupBox; }
    QRadioButton *BackwardRadioButton() const { return m_backwardRadioButton; }
    QRadioButton *ForwardRadioButton() const { return m_forwardRadioButton; }
    QGroupBox *ScopeGroupBox() const { return m_scopeGroupBox; }
    QRadioButton *GlobalRadioButton() const { return m_globalRadioButton; }
    QRadioButton *SelectedTextRadioButton() const { return m_selectedTextRadioButton; }
    QGroupBox *OriginGroupBox() const { return m_originGroupBox; }
    QRadioButton *FromCursorRadioButton() const { return m_fromCursorRadioButton; }
    QRadioButton *EntireScopeRadioButton() const { return m_entireScopeRadioButton; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Adds a labelled text box below the last one (the replace dialog's).
    QComboBox *AddTextRow(QLabel *label, const char *boxName);
    // Adds a check box at the end of the options box.
    void AddOption(QCheckBox *box);
    // Places the rows and the two columns of group boxes for the panel width.
    void PlaceControls();

private:
    struct TextRow
    {
        QLabel *label;
        QComboBox *box;
    };
    QList<TextRow> m_rows;
    QLabel *m_findLabel;
    QComboBox *m_findComboBox;
    QGroupBox *m_optionsGroupBox;
    QCheckBox *m_caseSensitiveCheckBox;
    QCheckBox *m_wholeWordsCheckBox;
    QCheckBox *m_wildcardsCheckBox;
    QCheckBox *m_regExCheckBox;
    QGroupBox *m_directionGroupBox;
    QRadioButton *m_backwardRadioButton;
    QRadioButton *m_forwardRadioButton;
    QGroupBox *m_scopeGroupBox;
    QRadioButton *m_globalRadioButton;
    QRadioButton *m_selectedTextRadioButton;
    QGroupBox *m_originGroupBox;
    QRadioButton *m_fromCursorRadioButton;
    QRadioButton *m_entireScopeRadioButton;
};

// Fills a history box: the entries in order and the text in its edit field.
void FillHistoryBox(QComboBox *box, const QStringList &history, const QString &text);
