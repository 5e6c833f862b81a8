#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quintrick {

QString UiLanguage() {
    // Every text of the program is Japanese.
    return QStringLiteral("ja");
}

bool InstallTranslations(QCoreApplication& app, const QString& language) {
    auto* qtbase = new QTranslator(&app);
    if (!qtbase->load(QStringLiteral("qtbase_") + language,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qtbase;
        return false;
    }
    return QCoreApplication::installTranslator(qtbase);
}

}  // namespace quintrick
