#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quintrick {
namespace {

QString& Chosen() {
    static QString language = QStringLiteral("ja");
    return language;
}

bool Install(QCoreApplication& app, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(name, folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace

QString UiLanguage() {
    return Chosen();
}

AssetLanguage UiAssetLanguage() {
    return Chosen() == QLatin1String("en") ? AssetLanguage::English : AssetLanguage::Japanese;
}

QString SpokenLanguage(const QString& name) {
    const QString lower = name.trimmed().toLower();
    for (const QLatin1String language : {QLatin1String("ja"), QLatin1String("en")}) {
        if (lower == language || lower.startsWith(language + u'_') ||
            lower.startsWith(language + u'-') || lower.startsWith(language + u'.')) {
            return language;
        }
    }
    return {};
}

QString ChooseLanguage(const QString& commandLine, const QString& stored, const QLocale& desktop) {
    for (const QString& choice : {commandLine, stored}) {
        const QString language = SpokenLanguage(choice);
        if (!language.isEmpty()) return language;
    }
    return desktop.language() == QLocale::Japanese ? QStringLiteral("ja") : QStringLiteral("en");
}

bool InstallTranslations(QCoreApplication& app, const QString& language) {
    if (language == QLatin1String("ja")) {
        Chosen() = language;
        return Install(app, QStringLiteral("qtbase_ja"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    if (language == QLatin1String("en")) {
        // Qt's own words are English already.
        Chosen() = language;
        return Install(app, QStringLiteral("quintrick_en"), QStringLiteral(":/i18n"));
    }
    return false;
}

}  // namespace quintrick
