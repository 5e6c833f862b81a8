#include "hand_fans.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QtEndian>
#include <array>
#include <vector>

#include "layout.h"
#include "surfaces.h"

namespace quintrick {

namespace {

// The stored strip: a 54-byte header, then the rows bottom first, three bytes a pixel (blue,
// green, red), each row padded to four bytes.
constexpr qint64 kHeaderBytes = 54;
constexpr qint64 kRowBytes = (qint64(kStripWidth) * 24 + 31) / 32 * 4;

bool ReadAt(int fd, char* into, qint64 bytes, qint64 offset) {
    while (bytes > 0) {
        const ssize_t got = ::pread(fd, into, size_t(bytes), off_t(offset));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        into += got;
        bytes -= got;
        offset += got;
    }
    return true;
}

qint64 FileRowOffset(int row) {
    return kHeaderBytes + (kStripHeight - 1 - row) * kRowBytes;
}

QRgb PixelAt(const char* bgr) {
    const auto* b = reinterpret_cast<const uchar*>(bgr);
    return qRgb(b[2], b[1], b[0]);
}

// The header as this game writes it, a file long enough for every row, and the key colour
// around the one-card fan (a file cut short elsewhere is caught by its length).
bool IsWholeStrip(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if (st.st_size < kHeaderBytes + kRowBytes * kStripHeight) return false;
    std::array<char, kHeaderBytes> h{};
    if (!ReadAt(fd, h.data(), kHeaderBytes, 0)) return false;
    const auto u16 = [&h](int at) { return qFromLittleEndian<quint16>(h.data() + at); };
    const auto i32 = [&h](int at) { return qFromLittleEndian<qint32>(h.data() + at); };
    if (h[0] != 'B' || h[1] != 'M' || i32(10) != kHeaderBytes || i32(14) != 40 ||
        i32(18) != kStripWidth || i32(22) != kStripHeight || u16(26) != 1 || u16(28) != 24 ||
        i32(30) != 0) {
        return false;
    }
    for (const auto& [x, y] : {std::pair{0, 0}, {150, 0}, {0, 341}, {150, 341}}) {
        char bgr[3];
        if (!ReadAt(fd, bgr, 3, FileRowOffset(y) + 3 * x) || PixelAt(bgr) != kKeyStrip) {
            return false;
        }
    }
    return true;
}

}  // namespace

void HandFans::NewKey() {
    m_key = ++m_sources;
}

bool HandFans::UseFile(FileDescriptor file) {
    if (!file.IsOpen() || !IsWholeStrip(file.Get())) return false;
    m_strip = QImage();
    m_file = std::make_shared<const FileDescriptor>(std::move(file));
    NewKey();
    return true;
}

bool HandFans::UseFile(const QString& path) {
    return UseFile(
        FileDescriptor(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC)));
}

bool HandFans::UseStrip(const QImage& strip) {
    if (strip.width() != kStripWidth || strip.height() != kStripHeight) return false;
    QImage keyed = KeyToAlpha(strip, kKeyStrip);
    if (keyed.isNull()) return false;
    m_file.reset();
    m_strip = std::move(keyed);
    NewKey();
    return true;
}

void HandFans::Clear() {
    m_file.reset();
    m_strip = QImage();
    m_key = 0;
}

QImage HandFans::Fan(int n) const {
    if (n < 1 || n > 10) return {};
    if (!m_strip.isNull()) return m_strip.copy(FanStart(n), 0, FanWidth(n), kStripHeight);
    if (!m_file) return {};
    QImage fan(FanWidth(n), kStripHeight, QImage::Format_ARGB32_Premultiplied);
    if (fan.isNull()) return {};
    std::vector<char> row(size_t(FanWidth(n)) * 3);
    for (int y = 0; y < kStripHeight; ++y) {
        if (!ReadAt(m_file->Get(), row.data(), qint64(row.size()),
                    FileRowOffset(y) + 3 * qint64(FanStart(n)))) {
            return {};
        }
        auto* out = reinterpret_cast<QRgb*>(fan.scanLine(y));
        for (int x = 0; x < fan.width(); ++x) {
            const QRgb pixel = PixelAt(row.data() + 3 * x);
            out[x] = pixel == kKeyStrip ? 0 : pixel;
        }
    }
    return fan;
}

}  // namespace quintrick
