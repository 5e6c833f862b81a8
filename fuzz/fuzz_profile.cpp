// Any bytes as the profile file: every entry reads as a number or a text, never a crash, and a
// write afterwards (for some inputs) reads back.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "engine/settings_table.h"
#include "shell/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath("Quintrick.conf");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    using namespace quintrick;
    CProfile profile(path);
    for (const IntEntry& e : entries::kAllIntEntries) (void)Read(profile, e);
    for (const StringEntry& e : entries::kCunHand) (void)Read(profile, e);
    (void)Read(profile, entries::kCunName);
    for (int i = 0; i < 75; ++i) (void)Read(profile, entries::kKuniOwner, i);
    if (size % 16 == 0) {  // writes go to the disk: only now and then
        Write(profile, entries::kStones, 3, 12345);
        if (Read(profile, entries::kStones, 3) != 12345) std::abort();
    }
    return 0;
}
