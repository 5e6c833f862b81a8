// Writing a file without ever opening the existing path for writing: the data goes to a
// temporary file in the same folder, which takes the target's name only when all of it was
// written. A failure, a full disk, a link planted in the target's place or a killed process can
// never destroy or half-write what was there.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <utility>

class QFile;

namespace quintrick {

enum class SafeWrite {
    // Data that only speeds things up (the cache) is not flushed to the disk before the rename.
    Cache,
    // A file the player keeps: flushed to the disk before it takes the target's name, and the
    // rename flushed with its folder.
    Durable,
    // As Durable, readable and writable by its owner only, whatever the file had before (the
    // saved match).
    Private,
};

// An open file descriptor, closed with its owner.
class FileDescriptor {
  public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();

    // A second descriptor of the same open file (closed on exec); none when it cannot be made.
    static FileDescriptor Duplicate(int fd);
    bool IsOpen() const { return m_fd >= 0; }
    int Get() const { return m_fd; }

  private:
    int m_fd = -1;
};

// Calls `write` with an open temporary file in the folder of `path`, then renames it over
// `path`. A link at `path` is replaced, never followed. Refused, leaving everything as it was:
// a target that is not a plain file or a link (a folder, a device), a plain file this user may
// not write, a folder where no file can be created, `write` returning false, and any write that
// did not reach the disk whole (a full disk: every write and the flush are checked, and the file
// must be as long as what was written). On failure no temporary file stays behind and `why`
// (when given) says what went wrong, in the system's words. A new file gets the usual
// permissions (owner-only for Private), a replaced one keeps its own.
bool WriteFileSafely(const QString& path, SafeWrite kind, const std::function<bool(QFile&)>& write,
                     QString* why = nullptr);
// The same with the whole content at once.
bool WriteFileSafely(const QString& path, SafeWrite kind, const QByteArray& data,
                     QString* why = nullptr);

}  // namespace quintrick
