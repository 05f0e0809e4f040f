#include "VURSettingsFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QLatin1String kFormat("Quill::MIZ settings");
const int kVersion = 1;

QString TypeName(TVURSettingsFile::ValueType type)
{
    switch (type) {
    case TVURSettingsFile::ValueType::DWord:
        return QStringLiteral("dword");
    case TVURSettingsFile::ValueType::ExpandString:
        return QStringLiteral("expand_sz");
    case TVURSettingsFile::ValueType::String:
        break;
    }
    return QStringLiteral("sz");
}

QJsonObject KeyToJson(const TVURSettingsFile::Key &key)
{
    QJsonArray values;
    for (const TVURSettingsFile::Value &value : key.values) {
        QJsonObject entry{{QStringLiteral("name"), value.name}, {QStringLiteral("type"), TypeName(value.type)}};
        if (value.type == TVURSettingsFile::ValueType::DWord)
            entry.insert(QStringLiteral("data"), qint64(value.number));
        else
            entry.insert(QStringLiteral("data"), value.text);
        values.append(entry);
    }
    QJsonArray subkeys;
    for (const auto &subkey : key.subkeys)
        subkeys.append(KeyToJson(*subkey));
    QJsonObject object{{QStringLiteral("name"), key.name}};
    if (!values.isEmpty())
        object.insert(QStringLiteral("values"), values);
    if (!subkeys.isEmpty())
        object.insert(QStringLiteral("keys"), subkeys);
    return object;
}

bool KeyFromJson(const QJsonObject &object, TVURSettingsFile::Key &key)
{
    key.name = object.value(QStringLiteral("name")).toString();
    for (const QJsonValue &item : object.value(QStringLiteral("values")).toArray()) {
        const QJsonObject entry = item.toObject();
        const QString type = entry.value(QStringLiteral("type")).toString();
        const QJsonValue data = entry.value(QStringLiteral("data"));
        TVURSettingsFile::Value &value = key.SetValue(entry.value(QStringLiteral("name")).toString());
        if (type == QLatin1String("dword")) {
            if (!data.isDouble())
                return false;
            value.type = TVURSettingsFile::ValueType::DWord;
            value.number = quint32(qint64(data.toDouble()));
        } else if (type == QLatin1String("sz") || type == QLatin1String("expand_sz")) {
            if (!data.isString())
                return false;
            value.type = type == QLatin1String("sz") ? TVURSettingsFile::ValueType::String
                                                     : TVURSettingsFile::ValueType::ExpandString;
            value.text = data.toString();
        } else {
            return false;
        }
    }
    for (const QJsonValue &item : object.value(QStringLiteral("keys")).toArray()) {
        if (!item.isObject())
            return false;
        auto subkey = std::make_unique<TVURSettingsFile::Key>();
        if (!KeyFromJson(item.toObject(), *subkey))
            return false;
        if (key.Subkey(subkey->name))
            return false;
        key.subkeys.push_back(std::move(subkey));
    }
    return true;
}

} // namespace

TVURSettingsFile::Key *TVURSettingsFile::Key::Subkey(const QString &subkeyName) const
{
    for (const auto &subkey : subkeys) {
        if (subkey->name.compare(subkeyName, Qt::CaseInsensitive) == 0)
            return subkey.get();
    }
    return nullptr;
}

TVURSettingsFile::Key *TVURSettingsFile::Key::AddSubkey(const QString &subkeyName)
{
    if (Key *existing = Subkey(subkeyName))
        return existing;
    auto subkey = std::make_unique<Key>();
    subkey->name = subkeyName;
    subkeys.push_back(std::move(subkey));
    return subkeys.back().get();
}

bool TVURSettingsFile::Key::RemoveSubkey(const QString &subkeyName)
{
    for (auto it = subkeys.begin(); it != subkeys.end(); ++it) {
        if ((*it)->name.compare(subkeyName, Qt::CaseInsensitive) == 0) {
            subkeys.erase(it);
            return true;
        }
    }
    return false;
}

TVURSettingsFile::Value *TVURSettingsFile::Key::FindValue(const QString &valueName)
{
    for (Value &value : values) {
        if (value.name.compare(valueName, Qt::CaseInsensitive) == 0)
            return &value;
    }
    return nullptr;
}

TVURSettingsFile::Value &TVURSettingsFile::Key::SetValue(const QString &valueName)
{
    if (Value *existing = FindValue(valueName))
        return *existing;
    values.append(Value{valueName, ValueType::String, 0, QString()});
    return values.back();
}

bool TVURSettingsFile::Key::RemoveValue(const QString &valueName)
{
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (values.at(i).name.compare(valueName, Qt::CaseInsensitive) == 0) {
            values.removeAt(i);
            return true;
        }
    }
    return false;
}

TVURSettingsFile::TVURSettingsFile(const QString &fileName)
    : m_fileName(fileName)
{
}

TVURSettingsFile::~TVURSettingsFile() = default;

QString TVURSettingsFile::DefaultFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/quill-miz/settings.json");
}

void TVURSettingsFile::Load()
{
    m_root = Key();
    m_damaged = false;
    QFile file(m_fileName);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("settings: cannot read %s; using defaults", qPrintable(m_fileName));
        m_damaged = true;
        return;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    const QJsonObject top = document.object();
    Key root;
    const bool valid = parseError.error == QJsonParseError::NoError && document.isObject()
                       && top.value(QStringLiteral("format")).toString() == kFormat
                       && top.value(QStringLiteral("root")).isObject()
                       && KeyFromJson(top.value(QStringLiteral("root")).toObject(), root);
    if (!valid) {
        qWarning("settings: %s is damaged; using defaults", qPrintable(m_fileName));
        m_damaged = true;
        return;
    }
    m_root = std::move(root);
}

bool TVURSettingsFile::CanSave() const
{
    const QFileInfo info(m_fileName);
    const QString folder = info.absolutePath();
    if (!QDir().mkpath(folder))
        return false;
    if (!QFileInfo(folder).isWritable())
        return false;
    return !info.exists() || info.isFile();
}

bool TVURSettingsFile::Save(QString *errorText)
{
    const QFileInfo info(m_fileName);
    if (!QDir().mkpath(info.absolutePath())) {
        if (errorText)
            *errorText = QStringLiteral("cannot create %1").arg(info.absolutePath());
        return false;
    }
    if (m_damaged && info.exists()) {
        // Keep what could not be read for the user instead of replacing it.
        QString aside = m_fileName + QStringLiteral(".damaged");
        if (QFileInfo::exists(aside))
            aside += QLatin1Char('-') + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
        if (!QFile::rename(m_fileName, aside)) {
            if (errorText)
                *errorText = QStringLiteral("cannot keep the damaged %1 aside").arg(m_fileName);
            return false;
        }
        qWarning("settings: kept the damaged file as %s", qPrintable(aside));
    }
    m_damaged = false;

    const QJsonObject top{{QStringLiteral("format"), kFormat},
                          {QStringLiteral("version"), kVersion},
                          {QStringLiteral("root"), KeyToJson(m_root)}};
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(QJsonDocument(top).toJson(QJsonDocument::Indented)) < 0 || !file.commit()) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    return true;
}

QStringList TVURSettingsFile::SplitPath(const QString &path)
{
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

TVURSettingsFile::Key *TVURSettingsFile::Find(const QString &path, bool create)
{
    Key *key = &m_root;
    for (const QString &part : SplitPath(path)) {
        Key *next = key->Subkey(part);
        if (!next) {
            if (!create)
                return nullptr;
            next = key->AddSubkey(part);
        }
        key = next;
    }
    return key;
}

bool TVURSettingsFile::Remove(const QString &path)
{
    QStringList parts = SplitPath(path);
    if (parts.isEmpty())
        return false;
    const QString last = parts.takeLast();
    Key *parent = Find(parts.join(QLatin1Char('\\')), false);
    return parent && parent->RemoveSubkey(last);
}
