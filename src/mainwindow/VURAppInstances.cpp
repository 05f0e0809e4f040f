#include "VURAppInstances.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr int kTimeoutMs = 3000;
constexpr char kAcknowledge = 'K';

} // namespace

TVURAppInstances::TVURAppInstances(QObject *parent)
    : QObject(parent)
{
}

TVURAppInstances::~TVURAppInstances() = default;

QString TVURAppInstances::ServerName()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("quill-miz.instance"));
}

QStringList TVURAppInstances::AbsoluteArguments(const QStringList &arguments)
{
    QStringList result;
    for (const QString &argument : arguments) {
        // Options such as "-lang:plk" go as they are.
        if (argument.isEmpty() || argument.startsWith(QLatin1Char('-')))
            result.append(argument);
        else
            result.append(QDir::cleanPath(QFileInfo(argument).absoluteFilePath()));
    }
    return result;
}

bool TVURAppInstances::HandOverToRunningInstance(const QStringList &arguments)
{
    const QString name = ServerName();
    QLocalSocket socket;
    socket.connectToServer(name);
    if (socket.waitForConnected(kTimeoutMs)) {
        QByteArray message;
        QDataStream out(&message, QIODevice::WriteOnly);
        out << AbsoluteArguments(arguments);
        QDataStream toSocket(&socket);
        toSocket << message;
        socket.flush();
        while (socket.bytesAvailable() < 1 && socket.waitForReadyRead(kTimeoutMs)) {
        }
        if (socket.read(1) == QByteArray(1, kAcknowledge))
            return true;
    }
    // Nobody answers: a socket left by a crash is replaced.
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &TVURAppInstances::AcceptConnection);
    if (!m_server->listen(name)) {
        QLocalServer::removeServer(name);
        m_server->listen(name);
    }
    return false;
}

bool TVURAppInstances::IsListening() const
{
    return m_server && m_server->isListening();
}

void TVURAppInstances::AcceptConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            QByteArray message;
            in >> message;
            if (!in.commitTransaction())
                return; // the rest is still on its way
            QStringList arguments;
            QDataStream fromMessage(message);
            fromMessage >> arguments;
            socket->write(QByteArray(1, kAcknowledge));
            socket->flush();
            if (m_onReceived)
                m_onReceived(arguments);
            Q_EMIT CmdLineReceived(arguments);
        });
    }
}
