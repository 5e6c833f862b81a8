// The language of the user interface, chosen once at start: the program's own catalogue (English;
// Japanese is the language of the sources and needs none) and Qt's own, so that the standard
// buttons and dialogs (message boxes, the file dialog) speak the language of the program's texts.
#pragma once

#include <QLocale>
#include <QString>

#include "resource_paths.h"

class QCoreApplication;

namespace quintrick {

// The language of the user interface as a catalogue suffix: "ja" until InstallTranslations
// chose another.
QString UiLanguage();
// The artwork and voices that go with it.
AssetLanguage UiAssetLanguage();

// "ja" or "en" for a language the program speaks (given as "ja", "en", "ja_JP", "en_GB" ...);
// empty for any other.
QString SpokenLanguage(const QString& name);

// The language of this run: the command line's --lang, else the one stored in the profile, else
// the desktop's (Japanese for a Japanese locale, English for any other). An empty or unknown
// choice passes to the next.
QString ChooseLanguage(const QString& commandLine, const QString& stored,
                       const QLocale& desktop = QLocale::system());

// Installs the catalogues of `language` into `app` (the translators live as long as the
// application) and makes it UiLanguage(). False when the language is not one the program speaks
// or a catalogue it needs is missing: the texts concerned then keep their Japanese or Qt's words.
bool InstallTranslations(QCoreApplication& app, const QString& language = UiLanguage());

}  // namespace quintrick
