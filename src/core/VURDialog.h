#pragma once

#include "VURForm.h"

#include <QDialog>

#include <functional>
#include <memory>

class QAction;
class QFrame;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

// The dialog base: MainPanel for the dialog's controls and a button row
// with OK (Enter), Cancel (Escape) and Help (F1, shown only when the dialog
// has a help context or keyword). Modal results: 1 OK, 2 Cancel.
class TVURDialogForm : public QDialog, public TVURWindowForm
{
    Q_OBJECT

public:
    enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

    explicit TVURDialogForm(QWidget *owner = nullptr);
    ~TVURDialogForm() override;

    void TranslateTexts() override;
    virtual void ShowHelp();

    virtual void AcceptActionExecute();
    virtual void CancelActionExecute();
    void HelpActionExecute();

    int HelpContext() const { return m_helpContext; }
    void SetHelpContext(int context);
    QString HelpKeyword() const { return m_helpKeyword; }
    void SetHelpKeyword(const QString &keyword);

    QAction *AcceptAction() const { return m_acceptAction; }
    QAction *CancelAction() const { return m_cancelAction; }
    QAction *HelpAction() const { return m_helpAction; }
    QPushButton *AcceptButton() const { return m_acceptButton; }
    QPushButton *CancelButton() const { return m_cancelButton; }
    QPushButton *HelpButton() const { return m_helpButton; }
    QWidget *MainPanel() const { return m_mainPanel; }
    QWidget *ButtonPanel() const { return m_buttonPanel; }

    // Shows the dialog modally and returns its modal result.
    int ShowModal();

    // Makes the button the one Enter presses.
    void SetDefaultButton(QPushButton *button);

protected:
    void HelpActionUpdate();
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void reject() override;
    // For a dialog its caller places: showing it does not centre it.
    void KeepPlacement() { m_centred = true; }
    // The button row: [stretch] OK Cancel Help, as placed by the base.
    QHBoxLayout *ButtonLayout() const { return m_buttonLayout; }

private:
    QWidget *m_mainPanel;
    QWidget *m_buttonPanel;
    QHBoxLayout *m_buttonLayout;
    QAction *m_acceptAction;
    QAction *m_cancelAction;
    QAction *m_helpAction;
    QPushButton *m_acceptButton;
    QPushButton *m_cancelButton;
    QPushButton *m_helpButton;
    int m_helpContext = 0;
    QString m_helpKeyword;
    bool m_centred = false;
};

// A button for a dialog's button row: at least 75 by 25 pixels, and Enter
// presses it only when it is made the default.
QPushButton *CreateDialogButton(const char *name, QWidget *parent);

// Makes a button follow an action: text, hint, enabled and visible state,
// and a click triggers it.
void BindButtonToAction(QPushButton *button, QAction *action);

// Creates a dialog of the class with the owner, shows it modally, releases
// it whatever happens and returns its modal result. `prepare` runs before
// the showing, `collect` after it, on the same dialog.
template<class T>
int ShowDialog(QWidget *owner, const std::function<void(T &)> &prepare = {},
               const std::function<void(T &)> &collect = {})
{
    std::unique_ptr<T> dialog = MakeForm<T>(owner);
    if (prepare)
        prepare(*dialog);
    const int result = dialog->ShowModal();
    if (collect)
        collect(*dialog);
    return result;
}
