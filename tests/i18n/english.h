// The English user interface for the tests of this folder: installed once in the test process.
#pragma once

#include <QApplication>

#include "text/translations.h"

namespace quintrick::testing {

inline void English() {
    static const bool installed = InstallTranslations(*qApp, QStringLiteral("en"));
    (void)installed;
}

// Japanese characters: CJK punctuation, kana, ideographs and the full-width forms.
inline bool HasJapanese(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x9FFF) ||
            (u >= 0xFF00 && u <= 0xFFEF)) {
            return true;
        }
    }
    return false;
}

}  // namespace quintrick::testing
