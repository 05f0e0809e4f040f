#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class IVURSettings;
class QMenu;

// One recent file: its full name as last noted, and whether a document
// window has it open now.
class TVURRecents_File
{
public:
    explicit TVURRecents_File(const QString &fileName) : m_fileName(fileName) {}

    QString FileName() const { return m_fileName; }
    void SetFileName(const QString &fileName) { m_fileName = fileName; }
    bool IsOpen() const { return m_open; }
    void SetOpen(bool open) { m_open = open; }

private:
    QString m_fileName;
    bool m_open = false;
};

// The recent files, most recent first; owns its entries.
class TVURRecents_List
{
public:
    int Count() const { return int(m_entries.size()); }
    TVURRecents_File *At(int index) const { return m_entries.at(size_t(index)).get(); }
    // The first entry naming the same file; -1 when there is none.
    int IndexOf(const QString &fileName) const;
    void Insert(int index, std::unique_ptr<TVURRecents_File> entry);
    void Append(std::unique_ptr<TVURRecents_File> entry);
    void Delete(int index);
    void Move(int from, int to);
    void Clear() { m_entries.clear(); }

private:
    std::vector<std::unique_ptr<TVURRecents_File>> m_entries;
};

// The manager of the recent files: notices of opened and closed files, the
// Recent menu and the settings section "Recents".
class TVURRecents_Handler
{
public:
    static constexpr int kCapacity = 26;
    static constexpr char kFirstLetter = 'A';
    using ClickHandler = std::function<void(const QString &fileName)>;

    const TVURRecents_List &List() const { return m_list; }

    void AddEntry(const QString &name);
    void NoteOpened(const QString &name);
    void NoteClosed(const QString &name);
    void ClearAll();
    void RemoveObsolete();

    static QString DisplayName(const TVURRecents_File &entry);
    static QString EntryHint(const TVURRecents_File &entry);

    // Fills the menu with the entries that are not open, lettered from "A",
    // and the two removal commands; "[no files]" when there is none.
    void BuildMenu(QMenu *menu, const ClickHandler &click);

    void LoadRecents(IVURSettings &reader, const QString &root);
    void SaveRecents(IVURSettings &writer, const QString &root) const;

private:
    TVURRecents_List m_list;
};
