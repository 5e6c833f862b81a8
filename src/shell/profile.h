// The application profile on QSettings: ~/.config/Orvendel/Quintrick.conf, sections and entries
// as the rest of the program names them. Every write goes to the file at once (through a
// temporary file and a rename), and every read first takes up what another process has written,
// so the game and the peek process see each other's values.
#pragma once

#include <QSettings>

#include "engine/host.h"

namespace quintrick {

class CProfile final : public IProfile {
  public:
    CProfile();
    // A profile in a file of one's own (tests and the fuzz target).
    explicit CProfile(const QString& iniFile);

    int ReadInt(std::string_view section, std::string_view entry, int def) override;
    void WriteInt(std::string_view section, std::string_view entry, int value) override;
    std::string ReadString(std::string_view section, std::string_view entry,
                           std::string_view def) override;
    void WriteString(std::string_view section, std::string_view entry,
                     std::string_view value) override;

    // The file behind the profile.
    QString FileName() const { return m_settings.fileName(); }

  private:
    QVariant Value(std::string_view section, std::string_view entry);
    void ClearStaleLock();
    void Store(std::string_view section, std::string_view entry, const QVariant& value);

    QSettings m_settings;
};

// The text of a stored value. An unquoted value with commas comes back from QSettings as a
// list; it is joined again with commas, so "5,17,40," reads as written.
QString ProfileText(const QVariant& value);

// An int entry's text as a number: surrounding blanks are allowed, anything else that is not a
// decimal 32-bit number gives `def`.
int ProfileInt(const QString& text, int def);

}  // namespace quintrick
