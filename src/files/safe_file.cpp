#include "files/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quintrick {
namespace {

// The permissions of a newly created file under the process's umask.
QFile::Permissions NewFilePermissions() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = 0666 & ~mask;
    QFile::Permissions perms;
    if (mode & S_IRUSR) perms |= QFile::ReadOwner | QFile::ReadUser;
    if (mode & S_IWUSR) perms |= QFile::WriteOwner | QFile::WriteUser;
    if (mode & S_IRGRP) perms |= QFile::ReadGroup;
    if (mode & S_IWGRP) perms |= QFile::WriteGroup;
    if (mode & S_IROTH) perms |= QFile::ReadOther;
    if (mode & S_IWOTH) perms |= QFile::WriteOther;
    return perms;
}

bool Fail(QString* why, const QString& reason) {
    if (why) *why = reason;
    return false;
}

QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Flushes the folder's entry of a renamed file to the disk (a failure only costs durability).
void SyncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

FileDescriptor::~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
}

FileDescriptor FileDescriptor::Duplicate(int fd) {
    return FileDescriptor(fd < 0 ? -1 : ::fcntl(fd, F_DUPFD_CLOEXEC, 0));
}

bool WriteFileSafely(const QString& path, SafeWrite kind, const std::function<bool(QFile&)>& write,
                     QString* why) {
    const QByteArray native = QFile::encodeName(path);
    QFile::Permissions perms = kind == SafeWrite::Private ? QFile::ReadOwner | QFile::WriteOwner |
                                                                QFile::ReadUser | QFile::WriteUser
                                                          : NewFilePermissions();
    struct stat st {};
    if (::lstat(native.constData(), &st) == 0) {
        if (S_ISREG(st.st_mode)) {
            // A write-protected file stays as its owner protected it.
            if (::access(native.constData(), W_OK) != 0) return Fail(why, SystemError(errno));
            if (kind != SafeWrite::Private) perms = QFileInfo(path).permissions();
        } else if (!S_ISLNK(st.st_mode)) {
            // A folder, a device, a pipe: nothing a file of ours may replace.
            return Fail(why, QStringLiteral("not a plain file"));
        }
    }
    const QFileInfo target(path);
    QTemporaryFile temp(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                        QStringLiteral(".XXXXXX"));
    if (!temp.open()) return Fail(why, temp.errorString());
    // The file must hold at least as much as was written to it: a write lost in the buffer (a
    // full disk) leaves it shorter. Writers that seek back only ever rewrite what is there.
    bool ok = write(temp) && temp.flush() && temp.error() == QFileDevice::NoError;
    QString reason = temp.error() != QFileDevice::NoError ? temp.errorString() : QString();
    if (ok) {
        struct stat written {};
        if (::fstat(temp.handle(), &written) != 0 || written.st_size < temp.pos()) {
            ok = false;
            reason = QStringLiteral("the file was not written whole");
        }
    }
    if (ok && kind != SafeWrite::Cache && ::fdatasync(temp.handle()) != 0) {
        ok = false;
        reason = SystemError(errno);
    }
    if (ok && !temp.setPermissions(perms)) {
        ok = false;
        reason = temp.errorString();
    }
    temp.close();
    if (!ok) {  // the temporary file removes itself
        return Fail(why,
                    reason.isEmpty() ? QStringLiteral("the file could not be written") : reason);
    }
    if (std::rename(QFile::encodeName(temp.fileName()).constData(), native.constData()) != 0)
        return Fail(why, SystemError(errno));
    temp.setAutoRemove(false);  // it is the target now
    if (kind != SafeWrite::Cache) SyncFolder(target.absolutePath());
    return true;
}

bool WriteFileSafely(const QString& path, SafeWrite kind, const QByteArray& data, QString* why) {
    return WriteFileSafely(
        path, kind,
        [&data](QFile& file) {
            // Past the buffer: every byte is handed to the system at once and its answer checked.
            return file.write(data) == data.size() && file.flush() && file.pos() == data.size();
        },
        why);
}

}  // namespace quintrick
