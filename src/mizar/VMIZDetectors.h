#pragma once

#include "VURDialog.h"

#include <QString>

#include <array>

class IVURSettings;
class QLabel;
class QListWidget;
class QPushButton;

// The eight detectors, the user's choice of them and the dialog that asks
// for it. The choice lives for the whole run and is kept in "Detectors".
namespace VMIZDetectors {

constexpr int kDetectorCount = 8;

// The program and settings key of a detector, in the order a chain runs them.
QString DetectorName(int index);
// The bilingual text of its entry in the dialog.
QString DetectorText(int index);

// One flag per detector: false until the settings are read.
std::array<bool, kDetectorCount> &Selection();
// Set by the All button, cleared when the dialog is created.
bool &AllChosen();

} // namespace VMIZDetectors

void LoadDetectorSettings(IVURSettings &reader, const QString &root);
void SaveDetectorSettings(IVURSettings &writer, const QString &root);

class TVMIZDetectorsDialog : public TVURDialogForm
{
    Q_OBJECT

public:
    explicit TVMIZDetectorsDialog(QWidget *owner = nullptr);

    void FormCreate() override;
    void TranslateTexts() override;
    void AcceptActionExecute() override;

    void AcceptActionUpdate();
    void AllButtonClick();

    QLabel *ChecksLabel() const { return m_checksLabel; }
    QListWidget *ChecksListBox() const { return m_checksListBox; }
    QPushButton *AllButton() const { return m_allButton; }

private:
    QLabel *m_checksLabel;
    QListWidget *m_checksListBox;
    QPushButton *m_allButton;
};
