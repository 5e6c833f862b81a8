// One game per profile: the first start holds a lock in the runtime folder and listens on a local
// socket; a later start on the same profile asks the running game to come to the front and ends.
// The peek process takes no part in this.
#pragma once

#include <QLockFile>
#include <QObject>
#include <functional>
#include <memory>

class QLocalServer;

namespace quintrick {

class CSingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Claim {
        kFirst,       // this process runs the game (the lock is held, the socket listens)
        kHandedOver,  // another game runs on this profile and was asked to come forward
        kUnguarded,   // the runtime folder cannot hold the lock: this process plays unguarded
    };

    // `profileFile` names the profile (its settings file): one game per such file.
    explicit CSingleInstance(const QString& profileFile, QObject* parent = nullptr);
    ~CSingleInstance() override;

    // Takes the lock, or hands over to the game that holds it. A lock left by a process that is
    // gone is taken over.
    Claim TryClaim();
    // Called in the first process when another start asks it to come forward.
    void SetOnRaise(std::function<void()> raise) { m_raise = std::move(raise); }

    // The lock file and the socket of a profile (tests).
    QString LockPath() const { return m_lockPath; }
    QString SocketPath() const { return m_socketPath; }

  private:
    bool Listen();
    bool AskToRaise() const;

    QString m_lockPath;
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
    std::function<void()> m_raise;
};

}  // namespace quintrick
