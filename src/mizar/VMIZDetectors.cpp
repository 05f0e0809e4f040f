#include "VMIZDetectors.h"

#include "VMIZPrograms.h"
#include "VURLang.h"
#include "VURSettings.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace VMIZDetectors {

namespace {

const char *const kTexts[kDetectorCount] = {
    "<PLK>Znajdź elementy, do których nie ma możliwości odwołania (inacc)"
    "<ENU>Detect items that aren't later accessible (inacc)",
    "<PLK>Znajdź inferencje, które można zastąpić wcześniejszymi inferencjami lub etykietami (relinfer)"
    "<ENU>Detect inferences that can be substituted with earlier inferences or labels (relinfer)",
    "<PLK>Znajdź kroki iteracyjne, które mogą być połączone z sąsiednimi krokami (reliters)"
    "<ENU>Detect iterative steps that can be merged with surrounding steps (reliters)",
    "<PLK>Znajdź przesłanki, które nie są potrzebne w danym kroku (relprem)"
    "<ENU>Detect premises that aren't needed in the step (relprem)",
    "<PLK>Znajdź dowody, które można udowodnić przez \"by\" (trivdemo)"
    "<ENU>Detect proofs that can be proven with \"by\" (trivdemo)",
    "<PLK>Znajdź etykiety, które nie są później używane (chklab)"
    "<ENU>Detect labels that aren't later used (chklab)",
    "<PLK>Znajdź dyrektywy \"vocabularies\", które są niepotrzebne w artykule (irrvoc)"
    "<ENU>Detect \"vocabularies\" directives that aren't needed in this article (irrvoc)",
    "<PLK>Znajdź dyrektywy \"theorems\" i \"schemes\", które są niepotrzebne w artykule (irrths)"
    "<ENU>Detect \"theorems\" and \"schemes\" directives that aren't needed in this article (irrths)",
};

} // namespace

QString DetectorName(int index)
{
    return VMIZPrograms::Detectors().at(index);
}

QString DetectorText(int index)
{
    return QString::fromUtf8(kTexts[index]);
}

std::array<bool, kDetectorCount> &Selection()
{
    static std::array<bool, kDetectorCount> selection{};
    return selection;
}

bool &AllChosen()
{
    static bool all = false;
    return all;
}

} // namespace VMIZDetectors

void LoadDetectorSettings(IVURSettings &reader, const QString &root)
{
    TVURSettingsSection section(reader, root, QStringLiteral("Detectors"), true);
    if (!section.IsOpen())
        return;
    for (int i = 0; i < VMIZDetectors::kDetectorCount; ++i)
        VMIZDetectors::Selection()[i] = reader.ReadBool(VMIZDetectors::DetectorName(i), true);
    section.Close();
}

void SaveDetectorSettings(IVURSettings &writer, const QString &root)
{
    TVURSettingsSection section(writer, root, QStringLiteral("Detectors"), true);
    if (!section.IsOpen())
        return;
    for (int i = 0; i < VMIZDetectors::kDetectorCount; ++i)
        writer.WriteBool(VMIZDetectors::DetectorName(i), VMIZDetectors::Selection()[i]);
    section.Close();
}

TVMIZDetectorsDialog::TVMIZDetectorsDialog(QWidget *owner)
    : TVURDialogForm(owner)
    , m_checksLabel(new QLabel(MainPanel()))
    , m_checksListBox(new QListWidget(MainPanel()))
    , m_allButton(CreateDialogButton("AllButton", ButtonPanel()))
{
    setObjectName(QStringLiteral("VMIZDetectorsDialog"));
    m_checksLabel->setObjectName(QStringLiteral("ChecksLabel"));
    m_checksListBox->setObjectName(QStringLiteral("ChecksListBox"));

    // The label at (8, 8), the list at (8, 24) filling the rest.
    auto *layout = static_cast<QVBoxLayout *>(MainPanel()->layout());
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(0);
    m_checksLabel->setFixedHeight(16);
    m_checksLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_checksLabel->setBuddy(m_checksListBox);
    layout->addWidget(m_checksLabel);
    m_checksListBox->setMinimumSize(518, 142);
    layout->addWidget(m_checksListBox, 1);

    // OK, All and Cancel side by side: All ends 4 pixels before Cancel and
    // OK 6 pixels before All.
    QHBoxLayout *buttons = ButtonLayout();
    const int acceptIndex = buttons->indexOf(AcceptButton());
    if (QSpacerItem *gap = buttons->itemAt(acceptIndex + 1)->spacerItem())
        gap->changeSize(4, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
    buttons->insertWidget(acceptIndex + 1, m_allButton);
    buttons->insertSpacing(acceptIndex + 1, 6);
    setTabOrder(m_checksListBox, AcceptButton());
    setTabOrder(AcceptButton(), m_allButton);
    setTabOrder(m_allButton, CancelButton());

    connect(m_allButton, &QPushButton::clicked, this, &TVMIZDetectorsDialog::AllButtonClick);
    connect(m_checksListBox, &QListWidget::itemChanged, this, &TVMIZDetectorsDialog::AcceptActionUpdate);
    resize(534, 207);
}

void TVMIZDetectorsDialog::FormCreate()
{
    TVURDialogForm::FormCreate();
    VMIZDetectors::AllChosen() = false;
    m_checksListBox->clear();
    for (int i = 0; i < VMIZDetectors::kDetectorCount; ++i) {
        auto *item = new QListWidgetItem(TranslateText(VMIZDetectors::DetectorText(i)), m_checksListBox);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(VMIZDetectors::Selection()[i] ? Qt::Checked : Qt::Unchecked);
    }
    m_checksListBox->setCurrentRow(0);
    AcceptActionUpdate();
    // Wide enough to read every entry whole, within the screen.
    const int needed = m_checksListBox->sizeHintForColumn(0) + 2 * m_checksListBox->frameWidth()
                       + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16 + 8;
    const int available = screen() ? screen()->availableGeometry().width() - 40 : needed;
    resize(std::max(width(), std::min(needed, available)), height());
}

void TVMIZDetectorsDialog::TranslateTexts()
{
    TVURDialogForm::TranslateTexts();
    setWindowTitle(TranslateText(QStringLiteral("<PLK>Detektory<ENU>Detectors")));
    m_checksLabel->setText(TranslateText(QStringLiteral("<PLK>Wybór &detektorów do uruchomienia:<ENU>Select &detectors to execute:")));
    m_allButton->setText(TranslateText(QStringLiteral("<PLK>&Wszystkie<ENU>A&ll")));
}

void TVMIZDetectorsDialog::AcceptActionUpdate()
{
    bool ticked = false;
    for (int i = 0; i < m_checksListBox->count() && !ticked; ++i)
        ticked = m_checksListBox->item(i)->checkState() == Qt::Checked;
    AcceptAction()->setEnabled(ticked);
}

void TVMIZDetectorsDialog::AcceptActionExecute()
{
    done(mrOk);
    for (int i = 0; i < m_checksListBox->count() && i < VMIZDetectors::kDetectorCount; ++i)
        VMIZDetectors::Selection()[i] = m_checksListBox->item(i)->checkState() == Qt::Checked;
}

void TVMIZDetectorsDialog::AllButtonClick()
{
    VMIZDetectors::AllChosen() = true;
    done(mrOk);
}
