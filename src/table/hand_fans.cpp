#include "hand_fans.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <array>
#include <cerrno>
#include <vector>

#include "images/bmp.h"
#include "layout.h"
#include "surfaces.h"

namespace quintrick {

namespace {

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
    return BmpRowOffset(kStripWidth, kStripHeight, row);
}

// The header as this game writes it, a file long enough for every row, and the key colour
// around the one-card fan (a file cut short elsewhere is caught by its length).
bool IsWholeStrip(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if (st.st_size < kBmpHeaderBytes + BmpRowBytes(kStripWidth) * kStripHeight) return false;
    std::array<char, kBmpHeaderBytes> header{};
    if (!ReadAt(fd, header.data(), kBmpHeaderBytes, 0) ||
        !IsOwnBmpHeader(header.data(), kStripWidth, kStripHeight)) {
        return false;
    }
    for (const auto& [x, y] : {std::pair{0, 0}, {150, 0}, {0, 341}, {150, 341}}) {
        char bgr[3];
        if (!ReadAt(fd, bgr, 3, FileRowOffset(y) + 3 * x) || BgrToPixel(bgr) != kKeyStrip) {
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
    // Without waiting: a pipe or a device planted under the name is refused, never waited on.
    return UseFile(FileDescriptor(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)));
}

bool HandFans::UseStrip(QImage strip) {
    if (strip.width() != kStripWidth || strip.height() != kStripHeight) return false;
    QImage keyed = KeyToAlpha(std::move(strip), kKeyStrip);
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
            const QRgb pixel = BgrToPixel(row.data() + 3 * x);
            out[x] = pixel == kKeyStrip ? 0 : pixel;
        }
    }
    return fan;
}

}  // namespace quintrick
