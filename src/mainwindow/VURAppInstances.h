#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QLocalServer;

// One running instance per user: a later start hands its command line to
// the running one and ends. The socket lies in the user's runtime folder,
// open to that user only.
class TVURAppInstances : public QObject
{
    Q_OBJECT

public:
    explicit TVURAppInstances(QObject *parent = nullptr);
    ~TVURAppInstances() override;

    // The socket's path: "quill-miz.instance" in the runtime folder.
    static QString ServerName();

    // Hands the arguments, file names made absolute against the current
    // folder, to a running instance; true when it took them. Otherwise this
    // process becomes the running instance (a socket left by a crash is
    // replaced) and false is returned.
    bool HandOverToRunningInstance(const QStringList &arguments);

    // Arguments as they are sent: absolute paths, other texts unchanged.
    static QStringList AbsoluteArguments(const QStringList &arguments);

    bool IsListening() const;
    // Called when a later start handed over its command line, before the
    // window is brought to the front.
    void SetOnCmdLineReceived(const std::function<void(const QStringList &)> &handler) { m_onReceived = handler; }

Q_SIGNALS:
    void CmdLineReceived(const QStringList &arguments);

private:
    void AcceptConnection();

    QLocalServer *m_server = nullptr;
    std::function<void(const QStringList &)> m_onReceived;
};
