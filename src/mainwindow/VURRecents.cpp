#include "VURRecents.h"

#include "VURFiles.h"
#include "VURForm.h"
#include "VURLang.h"
#include "VURMessageBoxes.h"
#include "VURSettings.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

int TVURRecents_List::IndexOf(const QString &fileName) const
{
    const QString wanted = VURFiles::ComparableFileName(fileName);
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (VURFiles::ComparableFileName(m_entries[i]->FileName()) == wanted)
            return int(i);
    }
    return -1;
}

void TVURRecents_List::Insert(int index, std::unique_ptr<TVURRecents_File> entry)
{
    m_entries.insert(m_entries.begin() + index, std::move(entry));
}

void TVURRecents_List::Append(std::unique_ptr<TVURRecents_File> entry)
{
    m_entries.push_back(std::move(entry));
}

void TVURRecents_List::Delete(int index)
{
    m_entries.erase(m_entries.begin() + index);
}

void TVURRecents_List::Move(int from, int to)
{
    std::unique_ptr<TVURRecents_File> entry = std::move(m_entries[size_t(from)]);
    m_entries.erase(m_entries.begin() + from);
    m_entries.insert(m_entries.begin() + to, std::move(entry));
}

void TVURRecents_Handler::AddEntry(const QString &name)
{
    if (name.isEmpty())
        return;
    QString fullName = QDir::cleanPath(QFileInfo(name).absoluteFilePath());
    if (fullName.isEmpty())
        fullName = name;
    const int found = m_list.IndexOf(fullName);
    if (found < 0) {
        m_list.Insert(0, std::make_unique<TVURRecents_File>(fullName));
        while (m_list.Count() > kCapacity)
            m_list.Delete(m_list.Count() - 1);
        return;
    }
    m_list.At(found)->SetFileName(fullName);
    m_list.Move(found, 0);
}

void TVURRecents_Handler::NoteOpened(const QString &name)
{
    AddEntry(name);
    if (!name.isEmpty() && m_list.Count() > 0)
        m_list.At(0)->SetOpen(true);
}

void TVURRecents_Handler::NoteClosed(const QString &name)
{
    AddEntry(name);
    if (!name.isEmpty() && m_list.Count() > 0)
        m_list.At(0)->SetOpen(false);
}

void TVURRecents_Handler::ClearAll()
{
    m_list.Clear();
}

void TVURRecents_Handler::RemoveObsolete()
{
    for (int i = m_list.Count() - 1; i >= 0; --i) {
        if (!QFileInfo::exists(m_list.At(i)->FileName()))
            m_list.Delete(i);
    }
}

QString TVURRecents_Handler::DisplayName(const TVURRecents_File &entry)
{
    return VURFiles::RelativeToCurrentDir(entry.FileName());
}

QString TVURRecents_Handler::EntryHint(const TVURRecents_File &entry)
{
    return TranslateText(QStringLiteral("<PLK>Otwiera plik %s<ENU>Opens file %s")).replace(QStringLiteral("%s"),
                                                                                            entry.FileName());
}

void TVURRecents_Handler::BuildMenu(QMenu *menu, const ClickHandler &click)
{
    menu->clear();
    int shown = 0;
    for (int i = 0; i < m_list.Count(); ++i) {
        const TVURRecents_File &entry = *m_list.At(i);
        if (entry.IsOpen())
            continue;
        const QChar letter = QLatin1Char(char(kFirstLetter + shown));
        ++shown;
        QAction *action = menu->addAction(QStringLiteral("&") + letter + QStringLiteral("    ") + DisplayName(entry));
        const QString hint = EntryHint(entry);
        action->setToolTip(hint);
        action->setStatusTip(hint);
        action->setData(entry.FileName());
        action->setEnabled(!entry.FileName().isEmpty() && QFileInfo::exists(entry.FileName()));
        const QString fileName = entry.FileName();
        QObject::connect(action, &QAction::triggered, menu, [click, fileName] {
            if (click)
                click(fileName);
        });
    }
    const auto addCommand = [menu](const char *caption, const char *hint, const std::function<void()> &handler) {
        QAction *action = menu->addAction(TranslateText(QString::fromUtf8(caption)));
        action->setToolTip(TranslateText(QString::fromUtf8(hint)));
        action->setStatusTip(action->toolTip());
        QObject::connect(action, &QAction::triggered, menu, handler);
        return action;
    };
    if (shown > 0) {
        menu->addSeparator();
        addCommand("<PLK>Usuń nieaktualne...<ENU>Remove obsolete...",
                   "<PLK>Usuń nieaktualne elementy listy - te, które już nie wskazują na istniejące pliki<ENU>Remove "
                   "obsolete entries from the list - these, that do not point to files anymore",
                   [this] {
                       if (AskYesNo(QStringLiteral("<PLK>Usunąć nieaktualne pliki z listy ostatnio "
                                                   "używanych?<ENU>Remove obsolete recent file entries?"))
                           == VURMessageBox::IdYes)
                           RemoveObsolete();
                   });
        addCommand("<PLK>Usuń wszystkie...<ENU>Remove all...",
                   "<PLK>Usuń wszystkie elementy listy<ENU>Remove all entries from the list", [this] {
                       if (AskYesNo(QStringLiteral("<PLK>Usunąć wszystkie pliki z listy ostatnio "
                                                   "używanych?<ENU>Remove all recent file entries?"))
                           == VURMessageBox::IdYes)
                           ClearAll();
                   });
    } else {
        addCommand("<PLK>[brak plików]<ENU>[no files]",
                   "<PLK>Nie ma ostatnio otwieranych plików<ENU>There are no recently opened files", {})
            ->setEnabled(false);
    }
    PadMenuCaptions(menu);
}

void TVURRecents_Handler::LoadRecents(IVURSettings &reader, const QString &root)
{
    ClearAll();
    TVURSettingsSection section(reader, root, QStringLiteral("Recents"), false);
    if (!section.IsOpen())
        return;
    const int count = std::min(reader.ReadInteger(QStringLiteral("Count"), 0), kCapacity);
    for (int k = 0; k < count; ++k)
        m_list.Append(std::make_unique<TVURRecents_File>(reader.ReadString(QStringLiteral("File%1").arg(k), QString())));
    section.Close();
}

void TVURRecents_Handler::SaveRecents(IVURSettings &writer, const QString &root) const
{
    writer.DeleteSectionTree(root + QStringLiteral("Recents"));
    TVURSettingsSection section(writer, root, QStringLiteral("Recents"), true);
    if (!section.IsOpen())
        return;
    const int count = std::min(m_list.Count(), kCapacity);
    writer.WriteInteger(QStringLiteral("Count"), count);
    for (int k = 0; k < count; ++k)
        writer.WriteString(QStringLiteral("File%1").arg(k), m_list.At(k)->FileName());
    section.Close();
}
