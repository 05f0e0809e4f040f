#pragma once

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>

// The program's shared image lists: the pictures of commands, menus and tool
// buttons, by name. It exists before any window that shows its pictures.
class TVURImages_DataModule : public QObject
{
    Q_OBJECT

public:
    explicit TVURImages_DataModule(QObject *parent = nullptr);
    ~TVURImages_DataModule() override;

    // The module of the running program; null when none exists.
    static TVURImages_DataModule *Instance();

    // A themed icon when the desktop has one, else the picture registered
    // under the name, else a null icon.
    QIcon Icon(const QString &name) const;
    void AddIcon(const QString &name, const QIcon &icon);
    bool HasIcon(const QString &name) const;

private:
    QHash<QString, QIcon> m_icons;
};
