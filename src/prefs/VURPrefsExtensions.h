#pragma once

#include "VURPane.h"

#include <QStringList>

#include <functional>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

// The extensions page: the program's file extensions with the command that
// opens each now; the buttons register or unregister the ticked ones or all
// of them at once (Cancel does not undo it).
class TVURPrefsExtensionsPane : public TVURPrefsDetailPane
{
    Q_OBJECT

public:
    explicit TVURPrefsExtensionsPane(QWidget *parent = nullptr);

    void FormCreate() override;
    void TranslateTexts() override;
    QString GetPaneTitle() const override;

    void RefreshExtensionList();
    void RegButtonClick();
    void RegAllButtonClick();
    void UnregButtonClick();
    void UnregAllButtonClick();

    QStringList Extensions() const { return m_extensions; }
    QListWidget *ExtCheckListBox() const { return m_extCheckListBox; }
    QPushButton *RegButton() const { return m_regButton; }
    QPushButton *UnregButton() const { return m_unregButton; }
    QPushButton *RegAllButton() const { return m_regAllButton; }
    QPushButton *UnregAllButton() const { return m_unregAllButton; }

private:
    // Runs the action for every line, or only the ticked ones, then
    // refreshes the list.
    void ForLines(bool tickedOnly, const std::function<void(const QString &ext)> &action);

    QStringList m_extensions;
    QGroupBox *m_extGroupBox;
    QLabel *m_extLabel;
    QListWidget *m_extCheckListBox;
    QPushButton *m_regButton;
    QPushButton *m_unregButton;
    QPushButton *m_regAllButton;
    QPushButton *m_unregAllButton;
};
