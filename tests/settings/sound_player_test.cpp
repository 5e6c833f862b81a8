#include "shell/sound_player.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace quintrick {
namespace {

// An 8-bit mono PCM WAV: a square wave of the given amplitude around the midpoint 128.
QByteArray SquareWav(int rate, int milliseconds, int amplitude) {
    const int samples = rate * milliseconds / 1000;
    QByteArray data;
    for (int i = 0; i < samples; ++i)
        data.append(static_cast<char>((i / 20) % 2 ? 128 + amplitude : 128 - amplitude));
    auto u32 = [](QByteArray& b, std::uint32_t v) {
        for (int k = 0; k < 4; ++k) b.append(static_cast<char>((v >> (8 * k)) & 0xFF));
    };
    auto u16 = [](QByteArray& b, std::uint16_t v) {
        b.append(static_cast<char>(v & 0xFF));
        b.append(static_cast<char>(v >> 8));
    };
    QByteArray wav("RIFF");
    u32(wav, static_cast<std::uint32_t>(36 + samples));
    wav.append("WAVEfmt ");
    u32(wav, 16);
    u16(wav, 1);  // PCM
    u16(wav, 1);  // mono
    u32(wav, static_cast<std::uint32_t>(rate));
    u32(wav, static_cast<std::uint32_t>(rate));  // bytes per second
    u16(wav, 1);
    u16(wav, 8);
    wav.append("data");
    u32(wav, static_cast<std::uint32_t>(samples));
    return wav + data;
}

// Seconds of output (16-bit mono, 22050 Hz) whose level is at least `level`.
double SecondsAtLevel(const QString& rawFile, int level) {
    QFile f(rawFile);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QByteArray raw = f.readAll();
    const auto* s = reinterpret_cast<const std::int16_t*>(raw.constData());
    int count = 0;
    for (qsizetype i = 0; i < raw.size() / 2; ++i) count += std::abs(s[i]) >= level ? 1 : 0;
    return count / 22050.0;
}

class SoundPlayerTest : public ::testing::Test {
  protected:
    // SDL's disk driver writes what it plays to a file, at the pace of a real device.
    void UseDiskDriver() {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", qPrintable(Output()), 1);
    }
    QString Output() const { return dir.filePath("out.raw"); }

    QTemporaryDir dir;
    SettingCopies copies;
    int sourceCalls = 0;
    CSoundPlayer::Source Source(QByteArray wav) {
        return [this, wav](int) {
            ++sourceCalls;
            return wav;
        };
    }
};

TEST_F(SoundPlayerTest, PlaysOnlyWhenTheSettingIsOne) {
    UseDiskDriver();
    for (int soundOn : {0, 2, -1}) {
        copies.m_soundOn = soundOn;
        CSoundPlayer player(copies, Source(SquareWav(22050, 300, 100)));
        player.Play(144, true);
        EXPECT_EQ(sourceCalls, 0) << soundOn;
        EXPECT_FALSE(player.HasDevice());
    }
}

TEST_F(SoundPlayerTest, WithoutADeviceOrWithABadRecordingNothingIsPlayedAndNothingWaits) {
    const struct {
        const char* driver;
        QByteArray wav;
    } cases[] = {
        {"no-such-driver", SquareWav(22050, 2000, 100)},
        {"disk", QByteArray("RIFF\x10\0\0\0WAVEfmt garbage", 24)},
        {"disk", QByteArray()},
    };
    for (const auto& c : cases) {
        setenv("SDL_AUDIODRIVER", c.driver, 1);
        setenv("SDL_DISKAUDIOFILE", qPrintable(Output()), 1);
        CSoundPlayer player(copies, Source(c.wav));
        QElapsedTimer clock;
        clock.start();
        player.Play(146, true);
        EXPECT_LT(clock.elapsed(), 1000) << c.driver;  // the 2 s sound was skipped
        EXPECT_FALSE(player.IsPlaying());
    }
}

TEST_F(SoundPlayerTest, ToItsEndPlaysWhileTheCallerWaits) {
    UseDiskDriver();
    CSoundPlayer player(copies, Source(SquareWav(22050, 600, 100)));
    QElapsedTimer clock;
    clock.start();
    player.Play(151, true);
    const qint64 waited = clock.elapsed();
    if (!player.HasDevice()) GTEST_SKIP() << "SDL has no disk audio driver here";
    EXPECT_GE(waited, 550);
    EXPECT_LT(waited, 1600);
    EXPECT_FALSE(player.IsPlaying());
    // The tone (level 100 << 8) went out while Play was waiting.
    EXPECT_GE(SecondsAtLevel(Output(), 20000), 0.5);
}

TEST_F(SoundPlayerTest, BackgroundSoundReplacesThePlayingOne) {
    UseDiskDriver();
    const QByteArray loud = SquareWav(22050, 1500, 100);
    const QByteArray soft = SquareWav(11025, 300, 30);
    CSoundPlayer player(copies, [&](int sound) { return sound == 193 ? loud : soft; });
    QElapsedTimer clock;
    clock.start();
    player.Play(193, false);
    EXPECT_LT(clock.elapsed(), 500);  // returned at once
    if (!player.HasDevice()) GTEST_SKIP() << "SDL has no disk audio driver here";
    EXPECT_TRUE(player.IsPlaying());
    QThread::msleep(200);
    player.Play(149, false);
    for (int i = 0; i < 300 && player.IsPlaying(); ++i) QThread::msleep(10);
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_LT(clock.elapsed(), 1400);  // the long sound was cut short
    const double loudSeconds = SecondsAtLevel(Output(), 20000);
    EXPECT_GT(loudSeconds, 0.1);
    EXPECT_LT(loudSeconds, 0.6);
    EXPECT_GE(SecondsAtLevel(Output(), 6000) - loudSeconds, 0.2);  // the soft one played (0.3 s)
}

TEST_F(SoundPlayerTest, TheProgramsRecordingsPlay) {
    for (int id : {143, 144, 145, 146, 147, 148, 149, 150, 151, 171, 172, 173, 174, 193})
        EXPECT_TRUE(SoundResource(id).startsWith("RIFF")) << id;
    EXPECT_TRUE(SoundResource(999).isEmpty());
    UseDiskDriver();
    CSoundPlayer player(copies);  // the default source
    QElapsedTimer clock;
    clock.start();
    player.Play(146, true);  // the Go callout, about half a second
    if (!player.HasDevice()) GTEST_SKIP() << "SDL has no disk audio driver here";
    EXPECT_GE(clock.elapsed(), 350);
    EXPECT_GT(SecondsAtLevel(Output(), 2000), 0.1);
}

// The loudest sample of the output (16-bit mono).
int PeakLevel(const QString& rawFile) {
    QFile f(rawFile);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray raw = f.readAll();
    const auto* s = reinterpret_cast<const std::int16_t*>(raw.constData());
    int peak = 0;
    for (qsizetype i = 0; i < raw.size() / 2; ++i) peak = std::max(peak, std::abs(int(s[i])));
    return peak;
}

TEST_F(SoundPlayerTest, TheVolumeScalesWhatIsPlayedAndZeroPlaysNothing) {
    const struct {
        int percent;
        int stored;
        double share;  // of the full level
    } cases[] = {{100, 100, 1.0}, {50, 50, 0.5}, {20, 20, 0.2}, {150, 100, 1.0}, {0, 0, 0.0}};
    int full = 0;
    for (const auto& c : cases) {
        QFile::remove(Output());
        UseDiskDriver();
        sourceCalls = 0;
        CSoundPlayer player(copies, Source(SquareWav(22050, 300, 100)));
        player.SetVolume(c.percent);
        EXPECT_EQ(player.Volume(), c.stored);
        player.Play(149, true);
        if (c.percent == 0) {
            EXPECT_EQ(sourceCalls, 0) << "a muted volume asks for no sound";
            continue;
        }
        if (!player.HasDevice()) GTEST_SKIP() << "SDL has no disk audio driver here";
        const int peak = PeakLevel(Output());
        if (c.percent == 100) full = peak;
        ASSERT_GT(full, 20000);
        EXPECT_NEAR(peak, full * c.share, full * 0.03) << c.percent;
    }
}

TEST(SoundVolume, PercentToMixerVolume) {
    const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {50, 64}, {100, 128}, {-5, 0}, {400, 128}};
    for (const auto& [percent, mixer] : cases) EXPECT_EQ(CSoundPlayer::MixerVolume(percent), mixer);
}

}  // namespace
}  // namespace quintrick
