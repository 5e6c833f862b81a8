#include "shell/profile.h"

#include <QFileInfo>
#include <QLockFile>
#include <QStringList>

namespace quintrick {
namespace {

QString Key(std::string_view section, std::string_view entry) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + u'/' +
           QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size()));
}

}  // namespace

CProfile::CProfile() : m_settings("Orvendel", "Quintrick") {
    // Only the user's own file: no organisation-wide or system-wide fallbacks.
    m_settings.setFallbacksEnabled(false);
}

CProfile::CProfile(const QString& iniFile) : m_settings(iniFile, QSettings::IniFormat) {
    m_settings.setFallbacksEnabled(false);
}

QString ProfileText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u',');
    return value.toString();
}

int ProfileInt(const QString& text, int def) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : def;
}

QVariant CProfile::Value(std::string_view section, std::string_view entry) {
    // Cheap when the file has not changed (one stat); re-reads it when another process wrote.
    m_settings.sync();
    return m_settings.value(Key(section, entry));
}

void CProfile::ClearStaleLock() {
    // QSettings guards the file with "<file>.lock". A writer killed right after creating that
    // file leaves it empty, and QSettings would then wait 30 s before it takes it as stale. Take
    // such a leftover as stale after one second instead; a live writer holds it for milliseconds.
    const QString lockName = m_settings.fileName() + QStringLiteral(".lock");
    if (!QFileInfo::exists(lockName)) return;
    QLockFile lock(lockName);
    lock.setStaleLockTime(1000);
    if (lock.tryLock(2000)) lock.unlock();
}

void CProfile::Store(std::string_view section, std::string_view entry, const QVariant& value) {
    ClearStaleLock();
    m_settings.setValue(Key(section, entry), value);
    // A file that cannot be written keeps the value for this process; nothing is reported.
    m_settings.sync();
}

int CProfile::ReadInt(std::string_view section, std::string_view entry, int def) {
    const QVariant value = Value(section, entry);
    return value.isValid() ? ProfileInt(ProfileText(value), def) : def;
}

void CProfile::WriteInt(std::string_view section, std::string_view entry, int value) {
    Store(section, entry, value);
}

std::string CProfile::ReadString(std::string_view section, std::string_view entry,
                                 std::string_view def) {
    const QVariant value = Value(section, entry);
    if (!value.isValid()) return std::string(def);
    return ProfileText(value).toStdString();
}

void CProfile::WriteString(std::string_view section, std::string_view entry,
                           std::string_view value) {
    Store(section, entry, QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

}  // namespace quintrick
