// The saved match on disk: match.json in the per-user data folder (created owner-only), written
// whole through a new file renamed over it, so a write cut short or a full disk leaves the
// previous file and a link in its place is replaced, never written through; an unusable one is
// set aside as match.json.bad (replacing an older one) for diagnosis.
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace quintrick {

class CSavedMatchFile {
  public:
    // The file in the user's data folder (~/.local/share/Orvendel/Quintrick/match.json).
    CSavedMatchFile();
    // A file of one's own (tests).
    explicit CSavedMatchFile(const QString& path) : m_path(path) {}

    const QString& Path() const { return m_path; }
    QString BadPath() const { return m_path + QStringLiteral(".bad"); }
    // True when a saved match file is there (a folder in its place is none).
    bool Exists() const;

    // The whole text; nullopt when the file cannot be read. A file larger than a saved match
    // can be is read only up to that size (and then refused by the reader).
    std::optional<std::string> Read() const;
    // Replaces the file with `text` at once (owner-only); false when that failed, with the
    // reason in `why` (the old file stays).
    bool Write(const std::string& text, QString* why = nullptr) const;
    void Remove() const;
    // Moves the file to match.json.bad, replacing an older one.
    bool SetAside() const;

  private:
    QString m_path;
};

}  // namespace quintrick
