// The application profile on QSettings: ~/.config/Orvendel/Quintrick.conf, sections and entries
// as the rest of the program names them. Every write (or group of writes) goes to the file at
// once, through a temporary file and a rename, and every read first takes up what another
// process has written, so the game and the peek process see each other's values.
//
// A profile that cannot be saved (its lock file or the file itself cannot be used) never stalls
// the program: it plays on with its values in memory and says so once. A file too large to be a
// profile, or holding encoded values the game never writes, is set aside as "<file>.bad" and the
// game starts with the defaults.
#pragma once

#include <QHash>
#include <QMap>
#include <QSettings>
#include <functional>
#include <memory>

#include "engine/host.h"

namespace quintrick {

// A profile larger than this is not read as settings (the game's own is a few kilobytes).
inline constexpr qint64 kMaxProfileBytes = 1LL << 20;

class CProfile final : public IProfile {
  public:
    CProfile();
    // A profile in a file of one's own (tests and the fuzz target).
    explicit CProfile(const QString& iniFile);
    ~CProfile() override;

    int ReadInt(std::string_view section, std::string_view entry, int def) override;
    void WriteInt(std::string_view section, std::string_view entry, int value) override;
    std::string ReadString(std::string_view section, std::string_view entry,
                           std::string_view def) override;
    void WriteString(std::string_view section, std::string_view entry,
                     std::string_view value) override;
    void BeginGroup() override;
    void EndGroup() override;

    // The file behind the profile.
    QString FileName() const { return m_fileName; }

    // What the player is told about the profile: a string id (30170 cannot be saved, 30171 set
    // aside) and the file it names. The handler is called once for each, also for one that
    // happened before it was set.
    using Notice = std::function<void(int stringId, const QString& file)>;
    void SetNoticeHandler(Notice handler);

    // True once the profile has stopped writing its file and keeps its values in memory.
    bool InMemoryOnly() const { return m_memoryOnly; }

  private:
    QVariant Value(std::string_view section, std::string_view entry);
    void Store(std::string_view section, std::string_view entry, const QVariant& value);
    void Commit();
    bool LockUsable() const;
    void KeepInMemory(const QMap<QString, QVariant>& values);
    void Notify(int stringId, const QString& file);

    QString m_fileName;
    std::unique_ptr<QSettings> m_settings;  // none when the file could not be set aside
    QMap<QString, QVariant> m_pending;      // the writes of the open group
    QHash<QString, QVariant> m_memory;      // values that could not be saved
    int m_groupDepth = 0;
    bool m_memoryOnly = false;
    QString m_setAsideName;
    Notice m_notice;
    bool m_toldUnsaved = false;
    bool m_toldSetAside = false;
};

// The language stored in the profile ("ja", "en", or empty to follow the desktop), read before
// the game opens the profile: from `iniFile`, by default the user's profile.
QString StoredLanguage(const QString& iniFile = {});

// The text of a stored value. An unquoted value with commas comes back from QSettings as a
// list; it is joined again with commas, so "5,17,40," reads as written.
QString ProfileText(const QVariant& value);

// An int entry's text as a number: surrounding blanks are allowed, anything else that is not a
// decimal 32-bit number gives `def`.
int ProfileInt(const QString& text, int def);

}  // namespace quintrick
