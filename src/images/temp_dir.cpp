#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPaintDevice>
#include <QPainter>
#include <QStandardPaths>
#include <QUrl>

#include "engine/strings.h"
#include "images/image_files.h"

namespace quintrick {
namespace {

constexpr int kMsgBrowserFailed = 30048;

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;

// Makes sure the folder exists and only its owner may use it.
bool EnsureOwnerOnlyFolder(const QString& path) {
    if (!QDir().mkpath(path)) return false;
    const QFileInfo info(path);
    if (!info.isDir() || info.isSymLink()) return false;
    return QFile::setPermissions(path, kOwnerOnly);
}

}  // namespace

QString GetTempDir(const QString& subFolder, IMessageBox& box) {
    // A folder of the user's own cache instead of a fixed name in the shared temporary folder,
    // where another local user could plant files or links.
    QString dir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    bool ok = !dir.isEmpty() && EnsureOwnerOnlyFolder(dir);
    if (ok && !subFolder.isEmpty()) {
        dir += u'/' + subFolder;
        ok = EnsureOwnerOnlyFolder(dir);
    }
    if (ok) return dir;
    box.ShowMessage(kMsgReadFailed, "", kStyleError);
    return {};
}

bool DeleteTempCardBack(IMessageBox& box) {
    const QString dir = GetTempDir(QString(), box);
    if (dir.isEmpty()) return false;
    const QString path = dir + QStringLiteral("/CardBackOne.jpg");
    if (!QFileInfo::exists(path)) return false;
    QFile::remove(path);  // a failure to delete is ignored
    return true;
}

QString PreferredGothicFamily() {
    static const char* const kPreferred[] = {"IPAPGothic",        "IPAGothic",  "Noto Sans CJK JP",
                                             "Noto Sans JP",      "VL PGothic", "TakaoPGothic",
                                             "Source Han Sans JP"};
    const QStringList installed = QFontDatabase::families();
    for (const char* family : kPreferred) {
        if (installed.contains(QLatin1String(family), Qt::CaseInsensitive))
            return QString::fromLatin1(family);
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont MakeFont(const QString& face, bool bold, QFont& font, QPainter& painter, int points,
               bool italic, bool strikeOut, bool underline) {
    const QString family = !face.isEmpty() && QFontDatabase::families().contains(face)
                               ? face
                               : PreferredGothicFamily();
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : 96;
    QFont made(family);
    made.setWeight(bold ? QFont::Bold : QFont::Normal);
    made.setPixelSize(qMax(1, (qMax(points, 2) * dpi + 36) / 72));
    made.setItalic(italic);
    made.setStrikeOut(strikeOut);
    made.setUnderline(underline);
    font = made;
    const QFont previous = painter.font();
    painter.setFont(font);
    return previous;
}

bool OpenFolderInExplorer(const QString& filePath, IMessageBox& box) {
    // The folder is the part before the last separator; a bare name has none.
    const qsizetype slash = filePath.lastIndexOf(u'/');
    // a bare name has none, and the browser opens at its usual place, the home folder.
    const QString folder = slash < 0 ? QDir::homePath() : filePath.left(slash == 0 ? 1 : slash);
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(folder))) return true;
    box.ShowMessage(kMsgBrowserFailed, "", kStyleError);
    return false;
}

}  // namespace quintrick
