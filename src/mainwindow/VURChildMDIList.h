#pragma once

#include "VURDialog.h"

#include <QList>
#include <QPointer>

class QLabel;
class QPushButton;
class QTreeWidget;
class TVURAppMDIForm;
class TVURChildMDIForm;

// The list of the main window's child windows, to go to one, save or close
// them one by one or all together. The mode decides which windows are listed.
class TVURChildMDIListForm : public TVURDialogForm
{
    Q_OBJECT

public:
    enum class Mode { AllWindows, Documents, ModifiedDocuments };

    TVURChildMDIListForm(TVURAppMDIForm *host, Mode mode);

    void TranslateTexts() override;
    void FirstIdle() override;

    Mode ListMode() const { return m_mode; }
    // Lists the windows of the mode again and selects the row at the index
    // (the last row when the index is beyond the end).
    void FillList(int index);
    // The windows of the rows, in row order; a closed window reads null.
    QList<TVURChildMDIForm *> ListedWindows() const;
    TVURChildMDIForm *SelectedWindow() const;
    void UpdateButtons();

    void GotoButtonClick();
    void ActivateButtonClick();
    void SaveButtonClick();
    void SaveAllButtonClick();
    void CloseButtonClick();
    void CloseAllButtonClick();

    QTreeWidget *WindowsListView() const { return m_windowsListView; }
    QPushButton *GotoButton() const { return m_gotoButton; }
    QPushButton *ActivateButton() const { return m_activateButton; }
    QPushButton *SaveButton() const { return m_saveButton; }
    QPushButton *SaveAllButton() const { return m_saveAllButton; }
    QPushButton *CloseButton() const { return m_closeButton; }
    QPushButton *CloseAllButton() const { return m_closeAllButton; }

private:
    bool IsListed(TVURChildMDIForm *child) const;
    int SelectedIndex() const;
    // Closes the window and waits until it is really gone; false when the
    // window refused to close.
    bool CloseWindow(TVURChildMDIForm *child);

    TVURAppMDIForm *m_host;
    Mode m_mode;
    QLabel *m_listLabel;
    QTreeWidget *m_windowsListView;
    QPushButton *m_gotoButton;
    QPushButton *m_activateButton;
    QPushButton *m_saveButton;
    QPushButton *m_saveAllButton;
    QPushButton *m_closeButton;
    QPushButton *m_closeAllButton;
    QList<QPointer<TVURChildMDIForm>> m_rows;
    bool m_filling = false;
};
