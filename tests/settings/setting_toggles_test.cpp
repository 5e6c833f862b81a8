#include "shell/setting_toggles.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "shell/profile.h"

namespace quintrick {
namespace {

class SettingCopiesTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    CProfile profile{dir.filePath("Quintrick.conf")};
    SettingCopies copies;
};

TEST_F(SettingCopiesTest, EmptyProfileLoadsTheDefaults) {
    copies = {0, 9, 9, 9, 9, 9, 9};
    LoadSettingCopies(profile, copies);
    EXPECT_EQ(copies.m_speed, 9);
    EXPECT_EQ(copies.m_openMode, 0);
    EXPECT_EQ(copies.m_soundOn, 1);
    EXPECT_EQ(copies.m_ruleRem, 1);
    EXPECT_EQ(copies.m_dspRem, 1);
    EXPECT_EQ(copies.m_nokoriDsp, 1);
    EXPECT_EQ(copies.m_dspInfo, 1);
}

TEST_F(SettingCopiesTest, StoredValuesAreLoadedAsTheyStand) {
    const int stored[] = {7, 2, 2, 0, 5, 0, -1};
    const char* names[] = {"Speed",  "OpenMode",  "Koukaon", "RuleRem",
                           "DspRem", "NokoriDsp", "DspInfo"};
    for (int i = 0; i < 7; ++i) profile.WriteInt("Settei", names[i], stored[i]);
    LoadSettingCopies(profile, copies);
    const int loaded[] = {copies.m_speed,  copies.m_openMode,  copies.m_soundOn, copies.m_ruleRem,
                          copies.m_dspRem, copies.m_nokoriDsp, copies.m_dspInfo};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(loaded[i], stored[i]) << names[i];
}

TEST_F(SettingCopiesTest, TogglesFlipTheCopyAndWriteIt) {
    const struct {
        SettingToggle which;
        const char* entry;
        int SettingCopies::*copy;
        int before;
        int after;
    } cases[] = {
        {SettingToggle::OpenMode, "OpenMode", &SettingCopies::m_openMode, 0, 1},
        {SettingToggle::OpenMode, "OpenMode", &SettingCopies::m_openMode, 1, 0},
        {SettingToggle::Sound, "Koukaon", &SettingCopies::m_soundOn, 2, 1},
        {SettingToggle::Sound, "Koukaon", &SettingCopies::m_soundOn, 1, 0},
        {SettingToggle::RuleRem, "RuleRem", &SettingCopies::m_ruleRem, -4, 1},
        {SettingToggle::NokoriDsp, "NokoriDsp", &SettingCopies::m_nokoriDsp, 2, 1},
        {SettingToggle::DspInfo, "DspInfo", &SettingCopies::m_dspInfo, 0, 1},
        {SettingToggle::DspRem, "DspRem", &SettingCopies::m_dspRem, 2, 0},
        {SettingToggle::DspRem, "DspRem", &SettingCopies::m_dspRem, -1, 0},
        {SettingToggle::DspRem, "DspRem", &SettingCopies::m_dspRem, 0, 1},
    };
    for (const auto& c : cases) {
        copies.*c.copy = c.before;
        EXPECT_EQ(ToggleSetting(profile, copies, c.which), c.after) << c.entry << c.before;
        EXPECT_EQ(copies.*c.copy, c.after) << c.entry;
        EXPECT_EQ(profile.ReadInt("Settei", c.entry, 77), c.after) << c.entry;
        // A second press restores a value of 0 or 1.
        if (c.before == 0 || c.before == 1) {
            ToggleSetting(profile, copies, c.which);
            EXPECT_EQ(copies.*c.copy, c.before) << c.entry;
        }
    }
}

TEST_F(SettingCopiesTest, AutoStartIsReadFromTheProfile) {
    const struct {
        int stored;  // -99: absent
        int after;
    } cases[] = {{-99, 1}, {1, 0}, {0, 1}, {2, 1}};
    for (const auto& c : cases) {
        QTemporaryDir own;
        CProfile p(own.filePath("q.conf"));
        if (c.stored != -99) p.WriteInt("Settei", "AutoStart", c.stored);
        const SettingCopies before = copies;
        EXPECT_EQ(ToggleSetting(p, copies, SettingToggle::AutoStart), c.after) << c.stored;
        EXPECT_EQ(p.ReadInt("Settei", "AutoStart", 77), c.after);
        EXPECT_EQ(copies.m_dspRem, before.m_dspRem);
    }
}

TEST_F(SettingCopiesTest, SpeedCommandWritesCopyAndProfile) {
    SetSpeed(profile, copies, 17);
    EXPECT_EQ(copies.m_speed, 17);
    EXPECT_EQ(profile.ReadInt("Settei", "Speed", 9), 17);
}

}  // namespace
}  // namespace quintrick
