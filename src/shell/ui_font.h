// The font of the windows, menus and dialogs. In Japanese the preferred Japanese gothic face; in
// English the desktop's own interface font, with the Japanese face behind it only for the
// Japanese characters a text may hold (names, the language menu).
#pragma once

#include <QFont>
#include <QString>

namespace quintrick {

// The interface font for `language` ("ja" or "en"), made from the desktop's general font.
QFont InterfaceFont(const QString& language, const QFont& desktop);
// Sets it as the application's font (at start, before any window).
void ApplyInterfaceFont(const QString& language);

}  // namespace quintrick
