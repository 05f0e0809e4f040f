#include "VURChildMDIList.h"

#include "VURAppGUI.h"
#include "VURAppMDIForm.h"
#include "VURChildFile.h"
#include "VURChildMDI.h"
#include "VURLang.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

TVURChildFileForm *DocumentOf(TVURChildMDIForm *child)
{
    return dynamic_cast<TVURChildFileForm *>(child);
}

bool IsModifiedDocument(TVURChildMDIForm *child)
{
    TVURChildFileForm *document = DocumentOf(child);
    return document && document->GetModified();
}

} // namespace

TVURChildMDIListForm::TVURChildMDIListForm(TVURAppMDIForm *host, Mode mode)
    : TVURDialogForm(host)
    , m_host(host)
    , m_mode(mode)
    , m_listLabel(new QLabel(MainPanel()))
    , m_windowsListView(new QTreeWidget(MainPanel()))
    , m_gotoButton(CreateDialogButton("GotoButton", MainPanel()))
    , m_activateButton(CreateDialogButton("ActivateButton", MainPanel()))
    , m_saveButton(CreateDialogButton("SaveButton", MainPanel()))
    , m_saveAllButton(CreateDialogButton("SaveAllButton", MainPanel()))
    , m_closeButton(CreateDialogButton("CloseButton", MainPanel()))
    , m_closeAllButton(CreateDialogButton("CloseAllButton", MainPanel()))
{
    setObjectName(QStringLiteral("VURChildMDIListForm"));
    m_listLabel->setObjectName(QStringLiteral("ListLabel"));
    m_windowsListView->setObjectName(QStringLiteral("WindowsListView"));
    SetHelpKeyword(QStringLiteral("WindowList"));

    auto *layout = static_cast<QVBoxLayout *>(MainPanel()->layout());
    layout->setContentsMargins(8, 8, 8, 4);
    layout->setSpacing(4);
    m_listLabel->setBuddy(m_windowsListView);
    layout->addWidget(m_listLabel);

    // A read-only report whose selection stays visible while a button has
    // the focus.
    m_windowsListView->setColumnCount(2);
    m_windowsListView->setRootIsDecorated(false);
    m_windowsListView->setItemsExpandable(false);
    m_windowsListView->setUniformRowHeights(true);
    m_windowsListView->setSortingEnabled(false);
    m_windowsListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_windowsListView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_windowsListView->setAllColumnsShowFocus(true);
    m_windowsListView->header()->setSectionsClickable(false);
    m_windowsListView->header()->setSectionsMovable(false);
    m_windowsListView->header()->setStretchLastSection(false);
    m_windowsListView->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_windowsListView->header()->setSectionResizeMode(1, QHeaderView::Fixed);
    m_windowsListView->header()->resizeSection(1, 100);
    QPalette palette = m_windowsListView->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    m_windowsListView->setPalette(palette);
    m_windowsListView->setMinimumSize(480, 160);
    layout->addWidget(m_windowsListView, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    for (QPushButton *button : {m_gotoButton, m_activateButton, m_saveButton, m_saveAllButton, m_closeButton,
                                m_closeAllButton})
        buttons->addWidget(button);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    const auto guarded = [this](void (TVURChildMDIListForm::*handler)()) {
        return [this, handler] { TVURApplication::RunReportingErrors([this, handler] { (this->*handler)(); }); };
    };
    connect(m_gotoButton, &QPushButton::clicked, this, guarded(&TVURChildMDIListForm::GotoButtonClick));
    connect(m_activateButton, &QPushButton::clicked, this, guarded(&TVURChildMDIListForm::ActivateButtonClick));
    connect(m_saveButton, &QPushButton::clicked, this, guarded(&TVURChildMDIListForm::SaveButtonClick));
    connect(m_saveAllButton, &QPushButton::clicked, this, guarded(&TVURChildMDIListForm::SaveAllButtonClick));
    connect(m_closeButton, &QPushButton::clicked, this, guarded(&TVURChildMDIListForm::CloseButtonClick));
    connect(m_closeAllButton, &QPushButton::clicked, this, guarded(&TVURChildMDIListForm::CloseAllButtonClick));
    connect(m_windowsListView, &QTreeWidget::itemDoubleClicked, this, guarded(&TVURChildMDIListForm::GotoButtonClick));
    connect(m_windowsListView, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (m_filling)
            return;
        if (TVURChildMDIForm *child = SelectedWindow())
            m_host->ActivateChild(child);
        UpdateButtons();
    });
    UpdateButtons();
    resize(560, 300);
}

void TVURChildMDIListForm::TranslateTexts()
{
    TVURDialogForm::TranslateTexts();
    setWindowTitle(TranslateText(QStringLiteral("<PLK>Lista okien<ENU>Window list")));
    m_listLabel->setText(TranslateText(QStringLiteral("<PLK>&Otwarte okna<ENU>&Opened windows")));
    m_windowsListView->setHeaderLabels({TranslateText(QStringLiteral("<PLK>Nazwa okna<ENU>Window name")),
                                        TranslateText(QStringLiteral("<PLK>Status<ENU>Status"))});
    m_gotoButton->setText(TranslateText(QStringLiteral("<PLK>&Przejdź do<ENU>&Go to")));
    m_activateButton->setText(TranslateText(QStringLiteral("<PLK>&Aktywuj<ENU>&Activate")));
    m_saveButton->setText(TranslateText(QStringLiteral("<PLK>&Zapisz<ENU>&Save")));
    m_saveAllButton->setText(TranslateText(QStringLiteral("<PLK>&Wszystkie<ENU>Save a&ll")));
    m_closeButton->setText(TranslateText(QStringLiteral("<PLK>Za&mknij<ENU>&Close")));
    m_closeAllButton->setText(TranslateText(QStringLiteral("<PLK>Wszys&tkie<ENU>Clos&e all")));
}

void TVURChildMDIListForm::FirstIdle()
{
    TVURDialogForm::FirstIdle();
    FillList(0);
}

bool TVURChildMDIListForm::IsListed(TVURChildMDIForm *child) const
{
    switch (m_mode) {
    case Mode::AllWindows:
        return true;
    case Mode::Documents:
        return DocumentOf(child) != nullptr;
    case Mode::ModifiedDocuments:
        return IsModifiedDocument(child);
    }
    return false;
}

void TVURChildMDIListForm::FillList(int index)
{
    m_filling = true;
    m_windowsListView->clear();
    m_rows.clear();
    const QString modified = TranslateText(QStringLiteral("<PLK>(zmieniony)<ENU>(modified)"));
    for (TVURChildMDIForm *child : m_host->ChildWindows()) {
        if (!IsListed(child))
            continue;
        auto *row = new QTreeWidgetItem(m_windowsListView);
        row->setText(0, child->windowTitle());
        row->setText(1, IsModifiedDocument(child) ? modified : QString());
        m_rows.append(child);
    }
    m_filling = false;
    if (!m_rows.isEmpty()) {
        const int row = std::min(index, int(m_rows.size()) - 1);
        m_windowsListView->setCurrentItem(m_windowsListView->topLevelItem(std::max(row, 0)));
    }
    UpdateButtons();
}

QList<TVURChildMDIForm *> TVURChildMDIListForm::ListedWindows() const
{
    QList<TVURChildMDIForm *> windows;
    for (const QPointer<TVURChildMDIForm> &child : m_rows)
        windows.append(child.data());
    return windows;
}

int TVURChildMDIListForm::SelectedIndex() const
{
    const QList<QTreeWidgetItem *> selected = m_windowsListView->selectedItems();
    return selected.isEmpty() ? -1 : m_windowsListView->indexOfTopLevelItem(selected.first());
}

TVURChildMDIForm *TVURChildMDIListForm::SelectedWindow() const
{
    const int index = SelectedIndex();
    return index >= 0 && index < m_rows.size() ? m_rows.at(index).data() : nullptr;
}

void TVURChildMDIListForm::UpdateButtons()
{
    TVURChildMDIForm *selected = SelectedWindow();
    for (QPushButton *button : {m_gotoButton, m_activateButton, m_closeButton, m_closeAllButton})
        button->setEnabled(selected != nullptr);
    m_saveButton->setEnabled(IsModifiedDocument(selected));
    const QList<TVURChildMDIForm *> children = m_host->ChildWindows();
    m_saveAllButton->setEnabled(std::any_of(children.begin(), children.end(), IsModifiedDocument));
}

void TVURChildMDIListForm::GotoButtonClick()
{
    if (TVURChildMDIForm *child = SelectedWindow()) {
        m_host->ActivateChild(child);
        done(mrOk);
    }
}

void TVURChildMDIListForm::ActivateButtonClick()
{
    if (TVURChildMDIForm *child = SelectedWindow())
        m_host->ActivateChild(child);
}

void TVURChildMDIListForm::SaveButtonClick()
{
    if (IsModifiedDocument(SelectedWindow()))
        DocumentOf(SelectedWindow())->SaveFile();
    FillList(std::max(SelectedIndex(), 0));
}

void TVURChildMDIListForm::SaveAllButtonClick()
{
    const int index = std::max(SelectedIndex(), 0);
    for (TVURChildMDIForm *child : ListedWindows()) {
        if (!IsModifiedDocument(child))
            continue;
        DocumentOf(child)->SaveFile();
        // A failed save or a cancelled Save as ends the walk.
        if (IsModifiedDocument(child))
            break;
    }
    FillList(index);
}

bool TVURChildMDIListForm::CloseWindow(TVURChildMDIForm *child)
{
    QPointer<TVURChildMDIForm> guard(child);
    const qsizetype before = m_host->ChildWindows().size();
    QWidget *frame = child->parentWidget() ? child->parentWidget() : child;
    frame->close();
    // The closed window is released later; let that happen before counting.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return m_host->ChildWindows().size() < before;
}

void TVURChildMDIListForm::CloseButtonClick()
{
    const int index = std::max(SelectedIndex(), 0);
    if (TVURChildMDIForm *child = SelectedWindow())
        CloseWindow(child);
    FillList(index);
    activateWindow();
}

void TVURChildMDIListForm::CloseAllButtonClick()
{
    for (TVURChildMDIForm *child : ListedWindows()) {
        if (child && !CloseWindow(child))
            break;
    }
    FillList(0);
    activateWindow();
}
