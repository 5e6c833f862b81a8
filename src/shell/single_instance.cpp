#include "single_instance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace quintrick {
namespace {

// What a later start sends; anything else on the socket is ignored.
constexpr char kRaise[] = "raise\n";
// A later start waits this long for the running game to answer (it may be busy starting up).
constexpr int kHandOverMs = 1000;

QString RuntimeFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder;
}

}  // namespace

CSingleInstance::CSingleInstance(const QString& profileFile, QObject* parent) : QObject(parent) {
    // The profile's absolute path names the lock: each profile has its own game.
    const QByteArray key =
        QCryptographicHash::hash(QFileInfo(profileFile).absoluteFilePath().toUtf8(),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    const QDir folder(RuntimeFolder());
    m_lockPath = folder.filePath(QStringLiteral("quintrick-%1.lock").arg(QLatin1String(key)));
    m_socketPath = folder.filePath(QStringLiteral("quintrick-%1.socket").arg(QLatin1String(key)));
}

CSingleInstance::~CSingleInstance() {
    if (m_server) m_server->close();
}

CSingleInstance::Claim CSingleInstance::TryClaim() {
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // Only a lock whose process is gone is stale; a running game's lock never ages.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) return Listen() ? Claim::kFirst : Claim::kUnguarded;
    if (m_lock->error() != QLockFile::LockFailedError) {
        qWarning("cannot use the lock %s: playing without the one-game guard",
                 qPrintable(m_lockPath));
        return Claim::kUnguarded;
    }
    if (AskToRaise()) return Claim::kHandedOver;
    // The holder is alive but does not answer (stopped, or still starting): the game is running
    // all the same, so this start ends rather than open the same profile twice.
    qWarning("another game on this profile does not answer; ending this start");
    return Claim::kHandedOver;
}

bool CSingleInstance::Listen() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a killed game is in the way; the lock says it is ours now.
    QLocalServer::removeServer(m_socketPath);
    if (!m_server->listen(m_socketPath)) {
        qWarning("cannot listen on %s: %s", qPrintable(m_socketPath),
                 qPrintable(m_server->errorString()));
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine()) return;
                const QByteArray line = socket->readLine(64);
                if (line == kRaise) {
                    qInfo("another start on this profile: the game comes to the front");
                    if (m_raise) m_raise();
                }
                socket->disconnectFromServer();
            });
        }
    });
    return true;
}

bool CSingleInstance::AskToRaise() const {
    const QDeadlineTimer deadline(kHandOverMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(int(std::max<qint64>(1, deadline.remainingTime())))) {
            socket.write(kRaise);
            return socket.waitForBytesWritten(int(std::max<qint64>(1, deadline.remainingTime())));
        }
        QThread::msleep(50);  // the game may be between taking the lock and listening
    }
    return false;
}

}  // namespace quintrick
