// The saved match on disk against a full disk, a write-protected folder, a link or a folder at
// its name: the previous file is never lost, and a failure is never reported as success.
#include "shell/saved_match_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>

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

mode_t Mode(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// A saved match of the usual few kilobytes.
const std::string kMatch = "{\"program\":\"Quintrick\"," + std::string(3000, ' ') + "}\n";

TEST(SavedMatchFile, AFullDiskKeepsThePreviousMatchAndFails) {
    SmallDisk disk(256);
    QUINTRICK_NEED_SMALL_DISK(disk);
    const CSavedMatchFile file(disk.FilePath("match.json"));
    ASSERT_TRUE(file.Write("the previous point\n"));
    ASSERT_TRUE(disk.Fill());
    QString why;
    EXPECT_FALSE(file.Write(kMatch, &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_EQ(Contents(file.Path()), "the previous point\n");
    // At the next save point there is room again.
    ASSERT_TRUE(disk.Free(64 * 1024));
    EXPECT_TRUE(file.Write(kMatch, &why)) << why.toStdString();
    EXPECT_EQ(Contents(file.Path()).toStdString(), kMatch);
    EXPECT_EQ(Mode(file.Path()), 0600u);
}

// A link at match.json is replaced by the saved match: the player's file it pointed at keeps its
// contents and its mode, and a dangling link creates nothing outside the folder.
TEST(SavedMatchFile, ALinkIsReplacedNeverWrittenThrough) {
    QTemporaryDir dir, elsewhere;
    const CSavedMatchFile file(dir.filePath("match.json"));
    const QString victim = elsewhere.filePath("notes.txt");
    ASSERT_TRUE(Put(victim, "the player's notes"));
    ASSERT_TRUE(QFile::setPermissions(
        victim, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
    ASSERT_TRUE(QFile::link(victim, file.Path()));
    ASSERT_TRUE(file.Write(kMatch));
    EXPECT_FALSE(QFileInfo(file.Path()).isSymLink());
    EXPECT_EQ(Contents(file.Path()).toStdString(), kMatch);
    EXPECT_EQ(Contents(victim), "the player's notes");
    EXPECT_EQ(Mode(victim), 0644u);

    ASSERT_TRUE(QFile::remove(file.Path()));
    const QString outside = elsewhere.filePath("made-outside.json");
    ASSERT_TRUE(QFile::link(outside, file.Path()));
    ASSERT_TRUE(file.Write(kMatch));
    EXPECT_FALSE(QFileInfo::exists(outside));
    EXPECT_FALSE(QFileInfo(file.Path()).isSymLink());
}

// A folder at match.json, a write-protected folder: the save fails and says why.
TEST(SavedMatchFile, UnwritablePlacesFail) {
    QTemporaryDir dir;
    const CSavedMatchFile folder(dir.filePath("match.json"));
    ASSERT_TRUE(QDir().mkpath(folder.Path() + "/inside"));
    QString why;
    EXPECT_FALSE(folder.Write(kMatch, &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_TRUE(QFileInfo(folder.Path() + "/inside").isDir());

    SmallDisk readOnly(64, true);
    QUINTRICK_NEED_SMALL_DISK(readOnly);
    const CSavedMatchFile locked(readOnly.FilePath("match.json"));
    why.clear();
    EXPECT_FALSE(locked.Write(kMatch, &why));
    EXPECT_FALSE(why.isEmpty());
}

// Setting a damaged file aside says whether it worked: in a write-protected folder the file
// stays where it is and the caller is told so.
TEST(SavedMatchFile, SettingAsideSaysWhetherItWorked) {
    QTemporaryDir dir;
    const CSavedMatchFile file(dir.filePath("match.json"));
    ASSERT_TRUE(Put(file.BadPath(), "an older damaged one"));
    ASSERT_TRUE(Put(file.Path(), "damaged"));
    EXPECT_TRUE(file.SetAside());
    EXPECT_FALSE(file.Exists());
    EXPECT_EQ(Contents(file.BadPath()), "damaged");

    SmallDisk disk(64);
    QUINTRICK_NEED_SMALL_DISK(disk);
    const CSavedMatchFile stuck(disk.FilePath("match.json"));
    ASSERT_TRUE(Put(stuck.Path(), "damaged"));
    ASSERT_EQ(::mount(nullptr, QFile::encodeName(disk.Path()).constData(), nullptr,
                      MS_REMOUNT | MS_RDONLY, nullptr),
              0);
    EXPECT_FALSE(stuck.SetAside());
    EXPECT_TRUE(stuck.Exists());
    EXPECT_FALSE(QFileInfo::exists(stuck.BadPath()));
}

}  // namespace
}  // namespace quintrick
