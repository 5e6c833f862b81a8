// The translations installed at start: Qt's own catalogue, so that the standard buttons and
// dialogs (message boxes, the file dialog) speak the language of the program's own texts.
#pragma once

#include <QString>

class QCoreApplication;

namespace quintrick {

// The language of the user interface, as a catalogue suffix ("ja").
QString UiLanguage();

// Installs Qt's translation "qtbase_<language>" from Qt's translations folder into `app` (the
// translator lives as long as the application). False when there is no such catalogue: the
// standard buttons then keep Qt's own words.
bool InstallTranslations(QCoreApplication& app, const QString& language = UiLanguage());

}  // namespace quintrick
