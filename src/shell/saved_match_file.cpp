#include "saved_match_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "engine/saved_match.h"

namespace quintrick {

CSavedMatchFile::CSavedMatchFile()
    : m_path(QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                 .filePath(QStringLiteral("match.json"))) {}

bool CSavedMatchFile::Exists() const {
    return QFileInfo(m_path).isFile();
}

std::optional<std::string> CSavedMatchFile::Read() const {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(static_cast<qint64>(kSavedMatchMaxBytes) + 1);
    return bytes.toStdString();
}

bool CSavedMatchFile::Write(const std::string& text) const {
    const QFileInfo info(m_path);
    QDir dir = info.absoluteDir();
    if (!dir.exists()) {
        if (!dir.mkpath(QStringLiteral("."))) return false;
        QFile::setPermissions(dir.absolutePath(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    if (file.write(text.data(), static_cast<qint64>(text.size())) !=
        static_cast<qint64>(text.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void CSavedMatchFile::Remove() const {
    QFile::remove(m_path);
}

bool CSavedMatchFile::SetAside() const {
    const QString bad = BadPath();
    if (QFileInfo::exists(bad) || QFileInfo(bad).isSymLink()) QFile::remove(bad);
    return QFile::rename(m_path, bad);
}

}  // namespace quintrick
