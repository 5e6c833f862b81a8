// Where the computers' face-down fans come from: the stored strip file "CardBackTen.bmp", read
// one fan at a time, or, when the strip could not be stored, the whole strip in memory. Either
// way a fan comes with the strip's key colour transparent.
#pragma once

#include <QImage>
#include <QString>
#include <memory>

#include "files/safe_file.h"

namespace quintrick {

class HandFans {
  public:
    // The strip in the open file `file` when it holds a whole strip as this game stores it (a
    // 24-bit BMP of 3575 x 342 with the key colour around the one-card fan); false, and nothing
    // changed, otherwise. The file stays open: a later change of the stored file (another game
    // storing other backs) does not reach these fans.
    bool UseFile(FileDescriptor file);
    // The same for the file at `path`.
    bool UseFile(const QString& path);
    // The strip itself (a 3575 x 342 surface), keyed in place when nothing else holds it; false,
    // and nothing changed, for anything else.
    bool UseStrip(QImage strip);
    void Clear();
    bool IsEmpty() const { return !m_file && m_strip.isNull(); }

    // Fan n (1..10), FanWidth(n) x 342 with the key colour transparent
    // (Format_ARGB32_Premultiplied); null when there is none or the file cannot be read.
    QImage Fan(int n) const;
    // Changes with every new source of fans, never 0 for one.
    qint64 Key() const { return m_key; }

  private:
    void NewKey();

    // Shared by copies (it is only read, at given offsets), closed with the last of them.
    std::shared_ptr<const FileDescriptor> m_file;
    QImage m_strip;  // keyed: Format_ARGB32_Premultiplied
    qint64 m_key = 0;
    qint64 m_sources = 0;  // sources taken so far
};

}  // namespace quintrick
