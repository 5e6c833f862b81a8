// The one writer of the game's files: a full disk, a link, a folder or a protected file in the
// target's place never costs the file that was there, and a failure is never reported as success.
#include "files/safe_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <vector>

#include "records/records_csv.h"
#include "small_disk.h"

namespace quintrick {
namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool Put(const QString& path, const QByteArray& data) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// The names in a folder, hidden ones included.
QStringList Names(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

mode_t Mode(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// The ways the game hands its data to the writer: at once, and as many small writes through the
// file's buffer.
struct Way {
    const char* what;
    SafeWrite kind;
    bool inPieces;
};
const Way kWays[] = {
    {"cache, at once", SafeWrite::Cache, false},
    {"durable, at once", SafeWrite::Durable, false},
    {"private, at once", SafeWrite::Private, false},
    {"cache, in pieces", SafeWrite::Cache, true},
    {"durable, in pieces", SafeWrite::Durable, true},
    {"private, in pieces", SafeWrite::Private, true},
};

bool WriteWay(const Way& way, const QString& path, const QByteArray& data, QString* why) {
    if (!way.inPieces) return WriteFileSafely(path, way.kind, data, why);
    return WriteFileSafely(
        path, way.kind,
        [&data](QFile& file) {
            for (qsizetype at = 0; at < data.size(); at += 100) {
                if (file.write(data.mid(at, 100)) < 0) return false;
            }
            return true;
        },
        why);
}

// A full disk: the write fails, says why, and the old file is whole; nothing is left behind.
TEST(SafeFile, AFullDiskKeepsTheOldFileAndFails) {
    for (const Way& way : kWays) {
        SCOPED_TRACE(way.what);
        SmallDisk disk(256);
        QUINTRICK_NEED_SMALL_DISK(disk);
        const QString path = disk.FilePath("kept.txt");
        const QByteArray old = "the file as it was\n";
        ASSERT_TRUE(Put(path, old));
        ASSERT_TRUE(disk.Fill());
        const QByteArray data(64 * 1024, 'n');
        QString why;
        EXPECT_FALSE(WriteWay(way, path, data, &why));
        EXPECT_FALSE(why.isEmpty());
        EXPECT_EQ(Contents(path), old);
        EXPECT_EQ(Names(disk.Path()), (QStringList{"filler", "kept.txt"}));
        // Room again: the same write goes through whole.
        ASSERT_TRUE(disk.Free(128 * 1024));
        EXPECT_TRUE(WriteWay(way, path, data, &why)) << why.toStdString();
        EXPECT_EQ(Contents(path), data);
    }
}

// A disk with room for part of the data only: never a part in the target's place.
TEST(SafeFile, ADiskThatFillsUpHalfwayKeepsTheOldFile) {
    for (const Way& way : kWays) {
        SCOPED_TRACE(way.what);
        SmallDisk disk(256);
        QUINTRICK_NEED_SMALL_DISK(disk);
        const QString path = disk.FilePath("kept.txt");
        ASSERT_TRUE(Put(path, "old"));
        ASSERT_TRUE(disk.Fill());
        ASSERT_TRUE(disk.Free(40 * 1024));
        EXPECT_FALSE(WriteWay(way, path, QByteArray(200 * 1024, 'n'), nullptr));
        EXPECT_EQ(Contents(path), "old");
        EXPECT_EQ(Names(disk.Path()), (QStringList{"filler", "kept.txt"}));
    }
}

// A link at the target is replaced by the new file; what it pointed at is untouched, mode
// included, and a dangling link never creates a file where it points.
TEST(SafeFile, ALinkIsReplacedNeverFollowed) {
    for (const Way& way : kWays) {
        SCOPED_TRACE(way.what);
        QTemporaryDir dir, elsewhere;
        const QString path = dir.filePath("target");
        const QString victim = elsewhere.filePath("players-file");
        ASSERT_TRUE(Put(victim, "precious"));
        ASSERT_TRUE(QFile::setPermissions(
            victim, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
        ASSERT_TRUE(QFile::link(victim, path));
        EXPECT_TRUE(WriteWay(way, path, "new", nullptr));
        EXPECT_FALSE(QFileInfo(path).isSymLink());
        EXPECT_EQ(Contents(path), "new");
        EXPECT_EQ(Contents(victim), "precious");
        EXPECT_EQ(Mode(victim), 0644u);

        const QString dangling = dir.filePath("dangling");
        const QString nowhere = elsewhere.filePath("created-outside");
        ASSERT_TRUE(QFile::link(nowhere, dangling));
        EXPECT_TRUE(WriteWay(way, dangling, "new", nullptr));
        EXPECT_FALSE(QFileInfo(dangling).isSymLink());
        EXPECT_FALSE(QFileInfo::exists(nowhere));
    }
}

// What may never be replaced: a folder or a device in the target's place.
TEST(SafeFile, FoldersAndDevicesAreRefused) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("folder");
    ASSERT_TRUE(QDir().mkpath(folder + "/inside"));
    for (const Way& way : kWays) {
        SCOPED_TRACE(way.what);
        QString why;
        EXPECT_FALSE(WriteWay(way, folder, "x", &why));
        EXPECT_FALSE(why.isEmpty());
        EXPECT_TRUE(QFileInfo(folder + "/inside").isDir());
        EXPECT_FALSE(WriteWay(way, "/dev/null", "x", nullptr));
    }
    EXPECT_EQ(Names(dir.path()), QStringList{"folder"});
}

// A private file is its owner's alone, whatever the file it replaces allowed; the others keep
// the permissions of the file they replace.
TEST(SafeFile, PrivateFilesAreTheOwnersAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("file");
    ASSERT_TRUE(Put(path, "old"));
    ASSERT_TRUE(QFile::setPermissions(
        path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
    ASSERT_TRUE(WriteFileSafely(path, SafeWrite::Durable, QByteArray("kept mode")));
    EXPECT_EQ(Mode(path), 0644u);
    ASSERT_TRUE(WriteFileSafely(path, SafeWrite::Private, QByteArray("private")));
    EXPECT_EQ(Mode(path), 0600u);
    EXPECT_EQ(Contents(path), "private");
}

// The CSV export over an existing file on a full disk fails and keeps the file.
TEST(SafeFile, TheCsvExportOnAFullDiskFailsAndKeepsTheOldFile) {
    SmallDisk disk(1024);
    QUINTRICK_NEED_SMALL_DISK(disk);
    const QString path = disk.FilePath("records.csv");
    ASSERT_TRUE(Put(path, "an earlier export\n"));
    std::vector<MatchRow> rows(2000);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].id = static_cast<std::int64_t>(i + 1);
        rows[i].started = rows[i].ended = "2026-01-01 10:00:00";
    }
    ASSERT_GT(MatchesCsv(rows).size(), 64 * 1024);
    ASSERT_TRUE(disk.Fill());
    QString why;
    EXPECT_FALSE(ExportMatchesCsv(rows, path, {}, &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_EQ(Contents(path), "an earlier export\n");
    ASSERT_TRUE(disk.Free(1024 * 1024));
    EXPECT_TRUE(ExportMatchesCsv(rows, path, {}, &why)) << why.toStdString();
    EXPECT_EQ(Contents(path), MatchesCsv(rows));
}

}  // namespace
}  // namespace quintrick
