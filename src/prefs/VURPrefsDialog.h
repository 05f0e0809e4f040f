#pragma once

#include "VURDialog.h"

#include <QPointer>

#include "VURMasterPane.h"

// The page that was active when the preferences were last closed, for this
// run only.
int &LastPrefsPage();
// The language chosen on the language page when the preferences were last
// accepted; empty until then.
QString &ChosenLanguage();

// The preferences: detail panes on the pages of a tabbed master pane; OK
// applies every pane, Cancel none.
class TVURPrefsDialogForm : public TVURDialogForm
{
    Q_OBJECT

public:
    explicit TVURPrefsDialogForm(QWidget *owner = nullptr);
    ~TVURPrefsDialogForm() override;

    void AcceptActionExecute() override;
    // Help shows the topic of the page in front.
    void ShowHelp() override;
    virtual void ApplyAllPrefs();
    void UpdateHelpKeyword();

    TVURMasterPane *MasterPane() const { return m_masterPane; }

protected:
    void showEvent(QShowEvent *event) override;
    // Remembers the active page for the next opening.
    void StoreLastPage();

private:
    QPointer<TVURMasterPane> m_masterPane;
    bool m_pageShown = false;
};
