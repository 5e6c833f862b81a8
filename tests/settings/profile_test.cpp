#include "shell/profile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include "engine/settings_table.h"

namespace quintrick {
namespace {

// Runs the second-process helper and returns what it printed.
QString RunTool(const QStringList& args) {
    QProcess tool;
    tool.start(QStringLiteral(PROFILE_TOOL), args);
    EXPECT_TRUE(tool.waitForFinished(10000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

class ProfileFile : public ::testing::Test {
  protected:
    QString Path() const { return dir.filePath("Quintrick.conf"); }
    void WriteRaw(const QByteArray& bytes) const {
        QFile f(Path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir dir;
};

TEST(ProfileTable, EveryEntryHasItsDefault) {
    const struct {
        const char* section;
        const char* entry;
        int def;
    } expected[] = {
        {"Settei", "Speed", 9},    {"Settei", "OpenMode", 0},  {"Settei", "Koukaon", 1},
        {"Settei", "RuleRem", 1},  {"Settei", "DspRem", 1},    {"Settei", "NokoriDsp", 1},
        {"Settei", "DspInfo", 1},  {"Settei", "AutoStart", 0}, {"Settei", "EntryNo", 0},
        {"Settei", "Gamen", 1000}, {"Last", "Kakudo", 21},     {"Last", "BackSet", 0},
        {"Last", "CardWaku", 1},   {"Last", "PX", 0},          {"Last", "PY", 0},
        {"Last", "SX", 640},       {"Last", "SY", 480},        {"Last", "Zoomed", 0},
        {"Kunitori", "INIT", 0},   {"Cun", "Now", 0},          {"Cun", "CunningView", 0},
        {"Settei", "Gamen", 640},  {"Settei", "Tsuyosa", 0},   {"Last", "Width", 0},
        {"Last", "Height", 0},     {"Last", "WindowState", 0}, {"Settei", "ResultPanel", 1},
    };
    ASSERT_EQ(std::size(expected), entries::kAllIntEntries.size());
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME")) << "run through ctest";
    CProfile empty;  // the test's own empty ~/.config
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const IntEntry& e = entries::kAllIntEntries[i];
        EXPECT_EQ(e.section, expected[i].section) << i;
        EXPECT_EQ(e.entry, expected[i].entry) << i;
        EXPECT_EQ(Read(empty, e), expected[i].def) << e.entry;
    }
    for (const StringEntry& e : entries::kCunHand) EXPECT_EQ(Read(empty, e), "") << e.entry;
    EXPECT_EQ(Read(empty, entries::kCunName), "");
    EXPECT_EQ(Read(empty, entries::kKuniOwner, 74), 10);
    EXPECT_EQ(Read(empty, entries::kStones, 9), 0);
}

TEST(ProfileStore, LivesInTheUsersConfigFolder) {
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME")) << "run through ctest";
    CProfile profile;
    EXPECT_EQ(profile.FileName(),
              qEnvironmentVariable("XDG_CONFIG_HOME") + "/Orvendel/Quintrick.conf");
}

TEST_F(ProfileFile, StoredTextReadsAsTheGameExpects) {
    WriteRaw(
        "[Settei]\nSpeed= 7 \nKoukaon=2\nRuleRem=-3\nDspRem=abc\nNokoriDsp=99999999999\n"
        "DspInfo=\nOpenMode=1,2\n[Cun]\n0=5,17,40,\n1=\"3,9,\"\n2=12\nName=\xe7\x8b\x90\n");
    CProfile profile(Path());
    const struct {
        const char* entry;
        int expected;
    } ints[] = {{"Speed", 7},      {"Koukaon", 2},  {"RuleRem", -3},  {"DspRem", 55},
                {"NokoriDsp", 55}, {"DspInfo", 55}, {"OpenMode", 55}, {"Missing", 55}};
    for (const auto& c : ints)
        EXPECT_EQ(profile.ReadInt("Settei", c.entry, 55), c.expected) << c.entry;
    const struct {
        const char* entry;
        const char* expected;
    } strings[] = {{"0", "5,17,40,"}, {"1", "3,9,"}, {"2", "12"}, {"Name", "狐"}, {"3", "dflt"}};
    for (const auto& c : strings)
        EXPECT_EQ(profile.ReadString("Cun", c.entry, "dflt"), c.expected) << c.entry;
}

TEST_F(ProfileFile, WrittenValuesRoundTripAndAreQuotedWhenTheyHoldCommas) {
    {
        CProfile profile(Path());
        profile.WriteString("Cun", "0", "5,17,40,");
        profile.WriteString("Cun", "Name", "カラス");
        profile.WriteInt("Entry", "Entry3", -12);
    }
    CProfile again(Path());
    EXPECT_EQ(again.ReadString("Cun", "0", ""), "5,17,40,");
    EXPECT_EQ(again.ReadString("Cun", "Name", ""), "カラス");
    EXPECT_EQ(again.ReadInt("Entry", "Entry3", 0), -12);
    QFile f(Path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("0=\"5,17,40,\""));
}

TEST_F(ProfileFile, AnotherProcessSeesEveryWriteAtOnce) {
    CProfile profile(Path());
    EXPECT_EQ(profile.ReadInt("Cun", "Now", 0), 0);  // read once, so it is cached here
    profile.WriteString("Cun", "1", "8,21,");
    EXPECT_EQ(RunTool({"read-string", Path(), "Cun", "1"}), "8,21,");
    RunTool({"write-int", Path(), "Cun", "Now", "4"});
    EXPECT_EQ(profile.ReadInt("Cun", "Now", 0), 4);
    CProfile second(Path());
    profile.WriteInt("Cun", "Now", 2);
    EXPECT_EQ(second.ReadInt("Cun", "Now", 0), 2);
}

TEST_F(ProfileFile, DamagedFileStartsWithDefaultsAndIsWrittenAfresh) {
    const QByteArray damaged[] = {
        QByteArray("\x00\xff\xfe[[[\n=\n\x89PNG\r\n\x1a\n", 16),
        QByteArray(5000, '\xff'),
        QByteArray("[Settei]\nSpeed=\"13\n[Last\nKakudo"),
    };
    for (const QByteArray& bytes : damaged) {
        WriteRaw(bytes);
        CProfile profile(Path());
        EXPECT_EQ(profile.ReadInt("Settei", "Koukaon", 1), 1);
        EXPECT_EQ(profile.ReadInt("Last", "Kakudo", 21), 21);
        EXPECT_EQ(profile.ReadString("Cun", "0", ""), "");
        profile.WriteInt("Settei", "Speed", 5);
        EXPECT_EQ(RunTool({"read-int", Path(), "Settei", "Speed", "9"}), "5");
    }
}

TEST_F(ProfileFile, UnwritableProfileKeepsValuesForThisProcess) {
    WriteRaw("not a folder");
    CProfile profile(Path() + "/Quintrick.conf");  // its folder is a plain file
    profile.WriteInt("Entry", "Entry0", 321);
    profile.WriteString("Cun", "0", "1,2,");
    EXPECT_EQ(profile.ReadInt("Entry", "Entry0", 0), 321);
    EXPECT_EQ(profile.ReadString("Cun", "0", ""), "1,2,");
}

TEST_F(ProfileFile, LockLeftEmptyByAKilledWriterDoesNotStallTheNextWrite) {
    WriteRaw("[Cun]\nNow=1\n");
    QFile lock(Path() + ".lock");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));  // empty, as a writer killed at once leaves it
    lock.close();
    QProcess writer;  // QSettings alone would wait 30 s for it to become stale
    writer.start(QStringLiteral(PROFILE_TOOL), {"write-int", Path(), "Cun", "Now", "3"});
    ASSERT_TRUE(writer.waitForFinished(10000));
    EXPECT_EQ(RunTool({"read-int", Path(), "Cun", "Now", "0"}), "3");
}

// A writer killed at any moment leaves either the old or the new file, never a part of one.
TEST_F(ProfileFile, KilledWriterNeverLeavesAHalfWrittenFile) {
    {
        CProfile seed(Path());
        seed.WriteInt("Churn", "Counter", 0);
        seed.WriteString("Churn", "Text", "0" + std::string(4000, 'x'));
    }
    for (int round = 0; round < 12; ++round) {
        QProcess writer;
        writer.start(QStringLiteral(PROFILE_TOOL), {"churn", Path()});
        ASSERT_TRUE(writer.waitForReadyRead(10000));
        QThread::msleep(static_cast<unsigned long>(3 * round));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(10000));

        QSettings check(Path(), QSettings::IniFormat);
        EXPECT_EQ(check.status(), QSettings::NoError) << round;
        const QString text = check.value("Churn/Text").toString();
        const int counter = check.value("Churn/Counter", -1).toInt();
        ASSERT_GT(counter, 0) << round;  // the writer did write in this round
        // The text is written right after the counter of the same round.
        const int textCounter = text.left(text.indexOf(u'x')).toInt();
        EXPECT_TRUE(textCounter == counter || textCounter == counter - 1) << round;
        EXPECT_EQ(text.size() - text.indexOf(u'x'), 4000) << round;
    }
}

}  // namespace
}  // namespace quintrick
