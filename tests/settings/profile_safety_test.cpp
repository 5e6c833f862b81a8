// The profile in a hostile environment: a lock that can never be taken, an oversized file, and
// the number of times the file is replaced for writes that belong together.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <vector>

#include "conquest/kuni_state.h"
#include "engine/settings_table.h"
#include "engine/strings.h"
#include "shell/extras/peek_exchange.h"
#include "shell/profile.h"
#include "small_disk.h"

namespace quintrick {
namespace {

struct Notice {
    int id;
    QString file;
};

struct NoBox final : IMessageBox {
    int ShowMessage(int, std::string_view, int) override { return IDYES; }
};

// Counts how often a file of the folder is put in place, by a rename over it or by linking a
// finished temporary file under its name (one per profile write).
class ReplacementCounter {
  public:
    ReplacementCounter(const QString& folder, const QString& name) : m_name(name.toUtf8()) {
        m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_fd >= 0)
            inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_MOVED_TO | IN_CREATE);
    }
    ~ReplacementCounter() {
        if (m_fd >= 0) ::close(m_fd);
    }
    ReplacementCounter(const ReplacementCounter&) = delete;
    ReplacementCounter& operator=(const ReplacementCounter&) = delete;
    bool Ok() const { return m_fd >= 0; }
    int Take() {
        int count = 0;
        alignas(inotify_event) char buffer[8192];
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n <= 0) break;
            for (ssize_t at = 0; at < n;) {
                const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
                if (e->len > 0 && m_name == e->name) ++count;
                at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
            }
        }
        return count;
    }

  private:
    int m_fd = -1;
    QByteArray m_name;
};

class ProfileSafety : public ::testing::Test {
  protected:
    QString Path() const { return dir.filePath("Quintrick.conf"); }
    void Watch(CProfile& profile) {
        profile.SetNoticeHandler([this](int id, const QString& file) {
            notices.push_back({id, file});
        });
    }
    // A second process writes one entry; false when it did not finish within ten seconds.
    bool ToolWrites(const QString& entry, int value) {
        QProcess tool;
        tool.start(QStringLiteral(PROFILE_TOOL),
                   {"write-int", Path(), "Settei", entry, QString::number(value)});
        if (tool.waitForFinished(10000)) return true;
        tool.kill();
        tool.waitForFinished();
        return false;
    }
    QTemporaryDir dir;
    std::vector<Notice> notices;
};

// The lock QSettings takes before it writes cannot be used: a folder, a dangling link, a file
// this user may neither read nor write. The write gives up at once (the game would hang before
// its window otherwise), the values stay in memory and the player is told once, by file name.
TEST_F(ProfileSafety, UnusableLockNeverHangsAndKeepsValuesInMemory) {
    const QString lock = Path() + ".lock";
    const struct {
        const char* what;
        std::function<bool()> make;
        bool rootCanUse;
    } locks[] = {
        {"folder", [&] { return QDir().mkpath(lock); }, false},
        {"dangling link", [&] { return QFile::link(dir.filePath("gone"), lock); }, false},
        {"mode 000 file",
         [&] {
             QFile f(lock);
             return f.open(QIODevice::WriteOnly) && f.setPermissions({});
         },
         true},
    };
    for (const auto& c : locks) {
        SCOPED_TRACE(c.what);
        if (c.rootCanUse && ::geteuid() == 0) continue;  // root takes such a file over
        QDir(lock).removeRecursively();
        QFile::remove(lock);
        QFile::remove(Path());
        notices.clear();
        {
            QFile seed(Path());
            ASSERT_TRUE(seed.open(QIODevice::WriteOnly));
            seed.write("[Settei]\nSpeed=13\n");
        }
        ASSERT_TRUE(c.make());

        EXPECT_TRUE(ToolWrites("Koukaon", 0)) << "a second process hung on the lock";

        CProfile profile(Path());
        Watch(profile);
        EXPECT_EQ(profile.ReadInt("Settei", "Speed", 9), 13);
        profile.WriteInt("Settei", "Speed", 5);
        profile.WriteInt("Settei", "RuleRem", 0);
        NoBox box;
        InitKunitoriAtStartup(profile, box);
        EXPECT_TRUE(profile.InMemoryOnly());
        EXPECT_EQ(profile.ReadInt("Settei", "Speed", 9), 5);
        EXPECT_EQ(profile.ReadInt("Settei", "RuleRem", 1), 0);
        EXPECT_EQ(GetKuniOwner(profile, 1), 0);
        ASSERT_EQ(notices.size(), 1u);
        EXPECT_EQ(notices[0].id, kMsgProfileUnsaved);
        EXPECT_EQ(notices[0].file, Path());
        QFile stored(Path());
        ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
        EXPECT_EQ(stored.readAll(), "[Settei]\nSpeed=13\n");  // untouched
    }
}

// Fifty megabytes of something are not a profile: the file is moved aside as ".bad", the game
// starts with the defaults, says so, and writes a fresh profile.
TEST_F(ProfileSafety, OversizedProfileIsSetAsideAndTheGameStartsWithDefaults) {
    {
        QFile big(Path());
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        QByteArray block = "[Settei]\nSpeed=13\n";
        block.append(QByteArray(1 << 20, 'x'));
        big.write(block);
        big.write("\n[Last]\nKakudo=9\n");
    }
    const qint64 size = QFileInfo(Path()).size();
    ASSERT_GT(size, kMaxProfileBytes);
    CProfile profile(Path());
    Watch(profile);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].id, kMsgProfileSetAside);
    EXPECT_EQ(notices[0].file, Path() + ".bad");
    EXPECT_EQ(QFileInfo(Path() + ".bad").size(), size);
    EXPECT_EQ(profile.ReadInt("Settei", "Speed", 9), 9);
    EXPECT_EQ(profile.ReadInt("Last", "Kakudo", 21), 21);
    profile.WriteInt("Settei", "Speed", 17);
    EXPECT_FALSE(profile.InMemoryOnly());
    EXPECT_LT(QFileInfo(Path()).size(), 100);
    CProfile again(Path());
    Watch(again);
    EXPECT_EQ(again.ReadInt("Settei", "Speed", 9), 17);
    EXPECT_EQ(notices.size(), 1u);  // the fresh file is a profile again
}

// A value QSettings would decode as a serialised variant, nested 40,000 lists deep: decoding it
// would exhaust the stack at every start. The game never writes such a value, so the profile
// holding it is set aside like any damaged one, before anything decodes it.
TEST_F(ProfileSafety, EncodedVariantValuesSetTheProfileAside) {
    // One list holding the next, down to the number 5, as QSettings streams a QVariant (the
    // stream format of Qt 4.0: the type, then the value; a list is its count, then its items).
    QByteArray value = "@Variant(";
    for (int level = 0; level < 40000; ++level) value += "\\0\\0\\0\\t\\0\\0\\0\\x1";
    value += "\\0\\0\\0\\x2\\0\\0\\0\\x5)";
    const struct {
        const char* what;
        QByteArray text;
    } cases[] = {
        {"in the language entry", "[Settei]\nSpeed=13\nLanguage=" + value + "\n"},
        {"in a list", "[Settei]\nSpeed=13\n[Last]\nKakudo=1, " + value + "\n"},
        {"quoted", "[Settei]\nSpeed=13\nKoukaon=\"" + value + "\"\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(Path());
        QFile::remove(Path() + ".bad");
        notices.clear();
        {
            QFile file(Path());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            ASSERT_EQ(file.write(c.text), c.text.size());
        }
        ASSERT_LT(c.text.size(), kMaxProfileBytes);
        EXPECT_EQ(StoredLanguage(Path()), QString());
        CProfile profile(Path());
        Watch(profile);
        ASSERT_EQ(notices.size(), 1u);
        EXPECT_EQ(notices[0].id, kMsgProfileSetAside);
        EXPECT_EQ(QFileInfo(Path() + ".bad").size(), c.text.size());
        EXPECT_EQ(profile.ReadInt("Settei", "Speed", 9), 9);
    }
}

// A text of the game's own that happens to look like an encoded value is written escaped and
// reads back as it was: the profile is not taken as damaged.
TEST_F(ProfileSafety, TextsThatLookEncodedAreKept) {
    {
        CProfile profile(Path());
        profile.WriteString("Settei", "Name", "@Variant(\\0\\0\\0\\x2)");
        profile.WriteString("Settei", "Other", "a @Variant(x)");
        profile.WriteInt("Settei", "Speed", 13);
    }
    CProfile again(Path());
    Watch(again);
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(again.ReadString("Settei", "Name", ""), "@Variant(\\0\\0\\0\\x2)");
    EXPECT_EQ(again.ReadString("Settei", "Other", ""), "a @Variant(x)");
    EXPECT_EQ(again.ReadInt("Settei", "Speed", 9), 13);
}

// A full disk: QSettings would leave the profile empty and say nothing. The file stays as it
// was, the values are kept in memory and the player is told once.
TEST_F(ProfileSafety, AFullDiskKeepsTheProfileAsItWas) {
    SmallDisk disk(256);
    QUINTRICK_NEED_SMALL_DISK(disk);
    const QString path = disk.FilePath("Quintrick.conf");
    QByteArray before;
    {
        CProfile profile(path);
        for (int i = 0; i < 900; ++i) profile.WriteInt("Kuni", "Owner" + std::to_string(i), i % 5);
        profile.WriteInt("Settei", "Speed", 13);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        before = file.readAll();
    }
    ASSERT_GT(before.size(), 8192);
    // Room for a part of the new file but not for all of it.
    ASSERT_TRUE(disk.Fill());
    ASSERT_TRUE(disk.Free(4096));
    CProfile profile(path);
    Watch(profile);
    profile.WriteInt("Settei", "Speed", 5);
    profile.WriteInt("Settei", "RuleRem", 0);
    EXPECT_TRUE(profile.InMemoryOnly());
    EXPECT_EQ(profile.ReadInt("Settei", "Speed", 9), 5);
    EXPECT_EQ(profile.ReadInt("Kuni", "Owner7", 9), 2);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].id, kMsgProfileUnsaved);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_FALSE(QFileInfo::exists(path + ".keep"));
}

// A conquest reset is 85 entries, the start-up initialisation one more, the close entries two:
// each reaches the file as one replacement, and a second process reads the whole result.
TEST_F(ProfileSafety, WritesThatBelongTogetherReplaceTheFileOnce) {
    CProfile profile(Path());
    ReplacementCounter counter(dir.path(), "Quintrick.conf");
    ASSERT_TRUE(counter.Ok());
    NoBox box;

    InitKunitoriAtStartup(profile, box);
    EXPECT_EQ(counter.Take(), 1);
    ASSERT_TRUE(ResetKunitori(profile, box, false));
    EXPECT_EQ(counter.Take(), 1);
    WritePeekCloseEntries(profile);
    EXPECT_EQ(counter.Take(), 1);
    WritePeekCloseEntries(profile);
    EXPECT_EQ(counter.Take(), 0) << "already telling the peek window to close: not written again";
    profile.WriteInt("Settei", "Speed", 5);  // a single write still goes out at once
    EXPECT_EQ(counter.Take(), 1);

    CProfile other(Path());
    for (int province = 0; province < kProvinces; ++province)
        EXPECT_EQ(GetKuniOwner(other, province), GetKuniOwner(profile, province)) << province;
    EXPECT_EQ(GetKuniOwner(other, 13), 6);  // 近江 is Magpie's home
    EXPECT_EQ(Read(other, entries::kKunitoriInit), 1);
    EXPECT_EQ(Read(other, entries::kCunNow), 4);
    EXPECT_FALSE(profile.InMemoryOnly());
}

// Inside a group the profile reads its own pending writes; nothing reaches the file before the
// outermost group ends.
TEST_F(ProfileSafety, GroupsNestAndReadTheirOwnWrites) {
    CProfile profile(Path());
    {
        const ProfileGroup outer(profile);
        profile.WriteInt("Entry", "Entry3", 40);
        {
            const ProfileGroup inner(profile);
            profile.WriteInt("Entry", "Entry4", 41);
        }
        EXPECT_EQ(profile.ReadInt("Entry", "Entry3", 0), 40);
        EXPECT_EQ(profile.ReadInt("Entry", "Entry4", 0), 41);
        EXPECT_FALSE(QFile::exists(Path()));
    }
    CProfile other(Path());
    EXPECT_EQ(other.ReadInt("Entry", "Entry3", 0), 40);
    EXPECT_EQ(other.ReadInt("Entry", "Entry4", 0), 41);
}

}  // namespace
}  // namespace quintrick
