#include "images/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>

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

bool WriteFileSafely(const QString& path, SafeWrite kind,
                     const std::function<bool(QFile&)>& write) {
    const QByteArray native = QFile::encodeName(path);
    QFile::Permissions perms = NewFilePermissions();
    struct stat st {};
    if (::lstat(native.constData(), &st) == 0) {
        if (S_ISREG(st.st_mode)) {
            // A write-protected file stays as its owner protected it.
            if (::access(native.constData(), W_OK) != 0) return false;
            perms = QFileInfo(path).permissions();
        } else if (!S_ISLNK(st.st_mode)) {
            return false;  // a folder, a device, a pipe: nothing a picture may replace
        }
    }
    const QFileInfo target(path);
    QTemporaryFile temp(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                        QStringLiteral(".XXXXXX"));
    if (!temp.open()) return false;
    bool ok = write(temp) && temp.flush() && temp.error() == QFileDevice::NoError;
    if (ok && kind == SafeWrite::Durable) ok = ::fdatasync(temp.handle()) == 0;
    ok = ok && temp.setPermissions(perms);
    temp.close();
    if (!ok) return false;  // the temporary file removes itself
    if (std::rename(QFile::encodeName(temp.fileName()).constData(), native.constData()) != 0)
        return false;
    temp.setAutoRemove(false);  // it is the target now
    return true;
}

}  // namespace quintrick
