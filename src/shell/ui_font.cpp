#include "ui_font.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include "images/image_files.h"

namespace quintrick {
namespace {

// Japanese faces: as the desktop's face on a Japanese desktop they set Latin text in their wide,
// fixed-pitch letters.
bool IsJapaneseFace(const QString& family) {
    static const char* const kJapanese[] = {"IPAGothic",    "IPAPGothic",        "IPAMincho",
                                            "IPAPMincho",   "VL Gothic",         "VL PGothic",
                                            "TakaoGothic",  "TakaoPGothic",      "Noto Sans CJK JP",
                                            "Noto Sans JP", "Source Han Sans JP"};
    for (const char* face : kJapanese) {
        if (family.compare(QLatin1String(face), Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

// The first installed proportional Latin face, for a desktop whose own face is Japanese.
QString LatinFace() {
    static const char* const kLatin[] = {"Cantarell", "Noto Sans", "DejaVu Sans", "Liberation Sans",
                                         "FreeSans"};
    const QStringList installed = QFontDatabase::families();
    for (const char* face : kLatin) {
        if (installed.contains(QLatin1String(face), Qt::CaseInsensitive)) {
            return QString::fromLatin1(face);
        }
    }
    return {};
}

}  // namespace

QFont InterfaceFont(const QString& language, const QFont& desktop) {
    QFont font = desktop;
    const QString japanese = PreferredGothicFamily();
    if (language != QLatin1String("en")) {
        font.setFamilies({japanese, QFontInfo(desktop).family()});
        return font;
    }
    // The face the desktop's font really resolves to (an alias such as "Sans Serif" may become a
    // Japanese face under a Japanese locale).
    QString face = QFontInfo(desktop).family();
    if (IsJapaneseFace(face)) {
        const QString latin = LatinFace();
        if (!latin.isEmpty()) face = latin;
    }
    font.setFamilies({face, japanese});
    return font;
}

void ApplyInterfaceFont(const QString& language) {
    QApplication::setFont(
        InterfaceFont(language, QFontDatabase::systemFont(QFontDatabase::GeneralFont)));
}

}  // namespace quintrick
