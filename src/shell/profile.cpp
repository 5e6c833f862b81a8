#include "shell/profile.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QStringList>
#include <cstdio>
#include <utility>

#include "engine/settings_table.h"
#include "engine/strings.h"

namespace quintrick {
namespace {

// How long a write waits for another process's hold on the lock; a live writer holds it for
// milliseconds.
constexpr int kLockWaitMs = 2000;

QString Key(std::string_view section, std::string_view entry) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + u'/' +
           QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size()));
}

QString UserProfilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Orvendel/Quintrick.conf");
}

// True when a value of the file is one QSettings would decode as a serialised variant
// ("@Variant(...)" where a value or an item of a list begins). The game writes only numbers and
// text, which never read as one (a text that starts with "@" is written as "@@..."); decoding such
// a value from a damaged or hostile file can nest without bound and exhaust the stack.
bool HoldsEncodedValues(const QString& iniFile) {
    QFile file(iniFile);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.read(kMaxProfileBytes + 1);
    static const QByteArray marker = QByteArrayLiteral("@Variant(");
    for (qsizetype at = bytes.indexOf(marker); at >= 0; at = bytes.indexOf(marker, at + 1)) {
        // Only where a value (or an item of a list of values) begins.
        qsizetype before = at - 1;
        while (before >= 0 &&
               (bytes[before] == ' ' || bytes[before] == '\t' || bytes[before] == '"')) {
            --before;
        }
        if (before < 0 || bytes[before] == '=' || bytes[before] == ',') return true;
    }
    return false;
}

}  // namespace

CProfile::CProfile() : CProfile(UserProfilePath()) {}

QString StoredLanguage(const QString& iniFile) {
    const QString file = iniFile.isEmpty() ? UserProfilePath() : iniFile;
    // Only a profile the game would read; nothing is written or set aside here.
    const QFileInfo info(file);
    if (!info.isFile() || info.size() > kMaxProfileBytes || HoldsEncodedValues(file)) return {};
    const QSettings settings(file, QSettings::IniFormat);
    return ProfileText(settings.value(Key(entries::kLanguage.section, entries::kLanguage.entry)));
}

CProfile::CProfile(const QString& iniFile) : m_fileName(iniFile) {
    // QSettings reads the whole file at once: a file far larger than any profile (a damaged or
    // foreign one) is moved aside instead, and the game starts with the defaults. So is one
    // holding encoded values, which the game never writes.
    const QFileInfo info(iniFile);
    if (info.isFile() && (info.size() > kMaxProfileBytes || HoldsEncodedValues(iniFile))) {
        const QString bad = iniFile + QStringLiteral(".bad");
        if (std::rename(QFile::encodeName(iniFile).constData(),
                        QFile::encodeName(bad).constData()) == 0) {
            Notify(kMsgProfileSetAside, bad);
        } else {
            m_memoryOnly = true;  // it stays where it is, unread and untouched
            Notify(kMsgProfileUnsaved, iniFile);
            return;
        }
    }
    m_settings = std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
    // Only the user's own file: no organisation-wide or system-wide fallbacks.
    m_settings->setFallbacksEnabled(false);
}

CProfile::~CProfile() {
    m_groupDepth = 0;
    Commit();
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

void CProfile::SetNoticeHandler(Notice handler) {
    m_notice = std::move(handler);
    if (!m_notice) return;
    if (m_toldSetAside) m_notice(kMsgProfileSetAside, m_fileName + QStringLiteral(".bad"));
    if (m_toldUnsaved) m_notice(kMsgProfileUnsaved, m_fileName);
}

void CProfile::Notify(int stringId, const QString& file) {
    bool& told = stringId == kMsgProfileSetAside ? m_toldSetAside : m_toldUnsaved;
    if (told) return;
    told = true;
    if (m_notice) m_notice(stringId, file);
}

QVariant CProfile::Value(std::string_view section, std::string_view entry) {
    const QString key = Key(section, entry);
    if (const auto it = m_pending.constFind(key); it != m_pending.cend()) return *it;
    if (const auto it = m_memory.constFind(key); it != m_memory.cend()) return *it;
    if (!m_settings) return {};
    // Cheap when the file has not changed (one stat); re-reads it when another process wrote.
    // Reading takes no lock. Once a write has failed, QSettings would retry it on every sync,
    // so the file is no longer re-read then.
    if (!m_memoryOnly) m_settings->sync();
    return m_settings->value(key);
}

bool CProfile::LockUsable() const {
    // QSettings guards the file with "<file>.lock", a plain file it creates and removes, and
    // waits for it without limit. Whatever else stands there (a folder, a link, a file this user
    // may not read or write) can never be taken: the profile is not written then.
    const QString lockName = m_fileName + QStringLiteral(".lock");
    const QFileInfo info(lockName);
    if (info.isSymLink()) return false;
    if (!info.exists()) return true;
    if (!info.isFile() || !info.isReadable() || !info.isWritable()) return false;
    // A writer killed right after creating the lock leaves it empty, and QSettings would then
    // wait 30 s before it takes it as stale. Take such a leftover as stale after one second.
    QLockFile lock(lockName);
    lock.setStaleLockTime(1000);
    if (!lock.tryLock(kLockWaitMs)) return false;
    lock.unlock();
    return true;
}

void CProfile::Store(std::string_view section, std::string_view entry, const QVariant& value) {
    m_pending.insert(Key(section, entry), value);
    if (m_groupDepth == 0) Commit();
}

void CProfile::BeginGroup() {
    ++m_groupDepth;
}

void CProfile::EndGroup() {
    if (m_groupDepth > 0 && --m_groupDepth == 0) Commit();
}

namespace {

// Whether the profile file on disk holds at least `entries` entries: QSettings may read back its
// own copy in memory, so the file itself is read (one "key=value" line per entry).
bool FileHoldsEntries(const QString& path, qsizetype entries) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return entries == 0;
    qsizetype found = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (!line.startsWith('[') && line.contains('=')) ++found;
    }
    return found >= entries;
}

}  // namespace

void CProfile::Commit() {
    if (m_pending.isEmpty()) return;
    const QMap<QString, QVariant> values = std::exchange(m_pending, {});
    if (m_memoryOnly || !LockUsable()) return KeepInMemory(values);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        m_settings->setValue(it.key(), it.value());
    // QSettings reports success for a file a full disk left empty. The file as it was stays
    // reachable under a second name (a link, which needs no room for the data) until the new one
    // reads back whole, and takes its place again when it does not.
    const QByteArray native = QFile::encodeName(m_fileName);
    const QByteArray keep = QFile::encodeName(m_fileName + QStringLiteral(".keep"));
    ::unlink(keep.constData());
    const bool kept = ::link(native.constData(), keep.constData()) == 0;
    // One rewrite of the whole file for the group, however many entries it holds.
    m_settings->sync();
    const bool ok = m_settings->status() != QSettings::AccessError &&
                    FileHoldsEntries(m_fileName, m_settings->allKeys().size());
    if (kept) {
        // A failed write put the old file back; when the file was never replaced the two names
        // are one file, which rename leaves as it is, so the second name goes in any case.
        if (!ok) std::rename(keep.constData(), native.constData());
        ::unlink(keep.constData());
    }
    if (!ok) KeepInMemory(values);
}

void CProfile::KeepInMemory(const QMap<QString, QVariant>& values) {
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        m_memory.insert(it.key(), it.value());
    m_memoryOnly = true;
    Notify(kMsgProfileUnsaved, m_fileName);
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
