// The fourteen sounds, and the English voices: 8-bit mono PCM at their rates and close to their
// lengths.
#include <gtest/gtest.h>

#include <QFile>
#include <cstdint>

#include "resource_ids.h"
#include "resource_paths.h"

namespace quintrick {
namespace {

struct SoundCase {
    int id;
    int rate;
    double seconds;
};

const SoundCase kSounds[] = {
    {143, 22050, 1.29}, {144, 22050, 1.61},  {145, 22050, 1.34}, {151, 22050, 1.62},
    {146, 22050, 0.49}, {147, 22050, 0.31},  {148, 22050, 0.40}, {149, 11025, 0.09},
    {150, 22050, 0.20}, {171, 22050, 0.76},  {172, 22050, 0.57}, {173, 22050, 0.63},
    {174, 22050, 0.76}, {193, 22050, 11.35},
};

std::uint32_t Le32(const QByteArray& b, int at) {
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 16 |
           std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}
std::uint16_t Le16(const QByteArray& b, int at) {
    return std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}

struct Wave {
    int format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    QByteArray data;
};

// Walks the RIFF chunks; a malformed file leaves the fields at zero.
Wave Parse(const QByteArray& b) {
    Wave w;
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") return w;
    int at = 12;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const int size = int(Le32(b, at + 4));
        const int body = at + 8;
        if (size < 0 || body + size > b.size()) break;
        if (id == "fmt " && size >= 16) {
            w.format = Le16(b, body);
            w.channels = Le16(b, body + 2);
            w.rate = int(Le32(b, body + 4));
            w.byteRate = int(Le32(b, body + 8));
            w.blockAlign = Le16(b, body + 12);
            w.bits = Le16(b, body + 14);
        } else if (id == "data") {
            w.data = b.mid(body, size);
        }
        at = body + size + (size & 1);
    }
    return w;
}

TEST(Sounds, AreEightBitMonoPcmAtTheirRatesAndLengths) {
    for (const AssetLanguage language : {AssetLanguage::Japanese, AssetLanguage::English})
        for (const SoundCase& s : kSounds) {
            SCOPED_TRACE(SoundPath(s.id, language).toStdString());
            QFile file(SoundPath(s.id, language));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const Wave w = Parse(file.readAll());
            EXPECT_EQ(w.format, 1);
            EXPECT_EQ(w.channels, 1);
            EXPECT_EQ(w.bits, 8);
            EXPECT_EQ(w.rate, s.rate);
            EXPECT_EQ(w.byteRate, s.rate);
            EXPECT_EQ(w.blockAlign, 1);
            const double seconds = w.data.size() / double(s.rate);
            EXPECT_NEAR(seconds, s.seconds, s.seconds * 0.3);
            // Audible: the samples swing well away from the silent midpoint 128.
            int peak = 0;
            for (char c : w.data) peak = std::max(peak, std::abs(int(std::uint8_t(c)) - 128));
            EXPECT_GT(peak, 40);
        }
}

TEST(Sounds, SuitTablesNameTheRecordedIds) {
    for (int suit = 0; suit < 4; ++suit) {
        EXPECT_TRUE(QFile::exists(SoundPath(kWaveTrump[suit])));
        EXPECT_TRUE(QFile::exists(SoundPath(kWaveCalled[suit])));
    }
    EXPECT_EQ(kWaveTrump[0], 144);
    EXPECT_EQ(kWaveTrump[1], 143);
    EXPECT_EQ(kWaveTrump[3], 151);
    EXPECT_EQ(kWaveCalled[2], 173);
}

TEST(Sounds, EnglishSetHasItsOwnVoicesAndSharesTheOtherSounds) {
    for (const SoundCase& s : kSounds) {
        SCOPED_TRACE(s.id);
        const bool shared = s.id == kWaveCard || s.id == kWaveChoice || s.id == kWaveUnify;
        QFile ja(SoundPath(s.id)), en(SoundPath(s.id, AssetLanguage::English));
        ASSERT_TRUE(ja.open(QIODevice::ReadOnly));
        ASSERT_TRUE(en.open(QIODevice::ReadOnly));
        EXPECT_EQ(shared, ja.fileName() == en.fileName());
        EXPECT_EQ(shared, ja.readAll() == en.readAll());
    }
}

TEST(Sounds, MalformedWaveIsRejectedByTheParser) {
    // Guards the parser itself: a truncated header reads as no format at all.
    const Wave w = Parse(QByteArray("RIFF\x10\x00\x00\x00WAVEfmt ", 16));
    EXPECT_EQ(w.format, 0);
    EXPECT_TRUE(w.data.isEmpty());
}

}  // namespace
}  // namespace quintrick
