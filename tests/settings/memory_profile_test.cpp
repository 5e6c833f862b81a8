// The tests' in-memory profile reads back what it was given the way the real profile file does.
#include "memory_profile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <climits>
#include <string>

#include "shell/profile.h"

namespace quintrick {
namespace {

class BothProfiles : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    CProfile file{dir.filePath("Quintrick.conf")};
    MemoryProfile memory;
};

TEST_F(BothProfiles, TextReadAsIntAndString) {
    const char* texts[] = {"5",   " 42 ",       "-7",         "+3",       "0x10", "12abc",
                           "",    "2147483647", "2147483648", "5,17,40,", "abc",  "\t9\n",
                           "--1", "+",          "- 4",        "00017"};
    for (const char* text : texts) {
        file.WriteString("Sec", "Entry", text);
        memory.WriteString("Sec", "Entry", text);
        EXPECT_EQ(memory.ReadInt("Sec", "Entry", -99), file.ReadInt("Sec", "Entry", -99))
            << '"' << text << '"';
        EXPECT_EQ(memory.ReadString("Sec", "Entry", "d"), file.ReadString("Sec", "Entry", "d"))
            << '"' << text << '"';
    }
}

TEST_F(BothProfiles, IntReadAsStringAndMissingEntries) {
    for (int value : {0, 21, -1, INT_MAX, INT_MIN}) {
        file.WriteInt("Sec", "Int", value);
        memory.WriteInt("Sec", "Int", value);
        EXPECT_EQ(memory.ReadString("Sec", "Int", ""), file.ReadString("Sec", "Int", "")) << value;
        EXPECT_EQ(memory.ReadInt("Sec", "Int", 0), value);
    }
    EXPECT_EQ(memory.ReadInt("Sec", "Missing", 640), file.ReadInt("Sec", "Missing", 640));
    EXPECT_EQ(memory.ReadString("Sec", "Missing", "x"), file.ReadString("Sec", "Missing", "x"));
    EXPECT_FALSE(memory.Has("Sec", "Missing"));
    EXPECT_TRUE(memory.Has("Sec", "Int"));
}

}  // namespace
}  // namespace quintrick
