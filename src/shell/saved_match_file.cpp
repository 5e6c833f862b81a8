#include "saved_match_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

#include "engine/saved_match.h"
#include "files/safe_file.h"

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

bool CSavedMatchFile::Write(const std::string& text, QString* why) const {
    const QFileInfo info(m_path);
    QDir dir = info.absoluteDir();
    if (!dir.exists()) {
        if (!dir.mkpath(QStringLiteral("."))) {
            if (why) *why = QStringLiteral("the folder cannot be created");
            return false;
        }
        QFile::setPermissions(dir.absolutePath(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return WriteFileSafely(m_path, SafeWrite::Private,
                           QByteArray(text.data(), static_cast<qsizetype>(text.size())), why);
}

void CSavedMatchFile::Remove() const {
    QFile::remove(m_path);
}

bool CSavedMatchFile::SetAside() const {
    const QString bad = BadPath();
    // One rename, which replaces an older one (a link there is replaced, not followed); never a
    // copy, which could leave two halves.
    return std::rename(QFile::encodeName(m_path).constData(), QFile::encodeName(bad).constData()) ==
           0;
}

}  // namespace quintrick
