#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// The per-user file that holds the whole settings tree. Keys and value names
// are matched without regard to case and keep the case they were created with;
// every value keeps its type (a 32-bit number, a string, an expandable string).
class TVURSettingsFile
{
public:
    enum class ValueType { DWord, String, ExpandString };

    struct Value
    {
        QString name; // empty: the key's unnamed default value
        ValueType type = ValueType::String;
        quint32 number = 0;
        QString text;
    };

    struct Key
    {
        QString name;
        QList<Value> values;
        std::vector<std::unique_ptr<Key>> subkeys;

        Key *Subkey(const QString &subkeyName) const;
        Key *AddSubkey(const QString &subkeyName);
        bool RemoveSubkey(const QString &subkeyName);
        Value *FindValue(const QString &valueName);
        Value &SetValue(const QString &valueName);
        bool RemoveValue(const QString &valueName);
    };

    explicit TVURSettingsFile(const QString &fileName);
    ~TVURSettingsFile();

    // $XDG_CONFIG_HOME/quill-miz/settings.json
    static QString DefaultFileName();

    QString FileName() const { return m_fileName; }

    // Reads the file; a missing file is an empty tree, and so is one that
    // cannot be read or parsed (that one is kept aside at the next save).
    void Load();
    bool IsDamaged() const { return m_damaged; }

    // Whether a save can be expected to succeed: the folder exists or can be
    // made and the file can be replaced.
    bool CanSave() const;
    // Writes the whole tree atomically; false with a reason on failure.
    bool Save(QString *errorText = nullptr);

    Key *Root() { return &m_root; }
    // The key at a backslash-separated path (empty parts are skipped), made
    // with its missing parents when create is set; null when absent.
    Key *Find(const QString &path, bool create);
    bool Remove(const QString &path);

    static QStringList SplitPath(const QString &path);

private:
    QString m_fileName;
    Key m_root;
    bool m_damaged = false;
};
