// A small disk of its own for the tests of a full disk and of a write-protected folder: a tmpfs
// of a few hundred kilobytes mounted on a temporary folder, which needs root (as CI runs). Where
// it cannot be mounted the test says so and is skipped.
#pragma once

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace quintrick {

class SmallDisk {
  public:
    // Mounts a tmpfs of `kilobytes`, read-only when asked; Mounted() tells whether it worked and
    // Problem() why not.
    explicit SmallDisk(int kilobytes = 256, bool readOnly = false) {
        if (!m_dir.isValid()) {
            m_problem = "no temporary folder";
            return;
        }
        if (::geteuid() != 0) {
            m_problem = "mounting a small tmpfs needs root";
            return;
        }
        const std::string options = "size=" + std::to_string(kilobytes) + "k,mode=0700";
        if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs",
                    readOnly ? MS_RDONLY : 0, options.c_str()) != 0) {
            m_problem = std::string("mount failed: ") + std::strerror(errno);
            return;
        }
        m_mounted = true;
    }
    ~SmallDisk() {
        if (m_mounted) ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return m_mounted; }
    const std::string& Problem() const { return m_problem; }
    QString Path() const { return m_dir.path(); }
    QString FilePath(const QString& name) const { return m_dir.filePath(name); }

    // Fills what is left of the disk with one file; true when the disk is full afterwards.
    bool Fill() const {
        QFile filler(FilePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        // Whatever is left is smaller than a block: take it byte by byte.
        while (filler.write("f", 1) == 1) {
        }
        return true;
    }
    // Gives `bytes` back to the disk from the filler.
    bool Free(qint64 bytes) const {
        QFile filler(FilePath(QStringLiteral("filler")));
        return filler.resize(std::max<qint64>(0, filler.size() - bytes));
    }

  private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    std::string m_problem;
};

// Skips the test (saying why) when the small disk is not there.
#define QUINTRICK_NEED_SMALL_DISK(disk)                                            \
    do {                                                                           \
        if (!(disk).Mounted())                                                     \
            GTEST_SKIP() << "skipped: no small disk (" << (disk).Problem() << ")"; \
    } while (0)

}  // namespace quintrick
