#include "command_line.h"

#include <QCommandLineParser>
#include <cstdio>

namespace quintrick {
namespace {

// The game's own options: every "--name" (with the value after "--lang") and the short -h, -v,
// -?. Qt's own single-dash options (-platform, -display, -style ...) are left to the application
// object, "/W" to the game.
QStringList OwnOptions(int argc, char** argv) {
    QStringList options;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(QLatin1String("--")) || arg == QLatin1String("-h") ||
            arg == QLatin1String("-v") || arg == QLatin1String("-?")) {
            options.append(arg);
            if (arg == QLatin1String("--lang") && i + 1 < argc) {
                options.append(QString::fromLocal8Bit(argv[++i]));
            }
        }
    }
    return options;
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv, QString* language) {
    // A plain start, or "/W" for the peek window, needs no parsing: the game starts at once.
    const QStringList options = OwnOptions(argc, argv);
    if (options.isEmpty()) return std::nullopt;

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Quintrick: a five-handed Japanese trick-taking card game against four "
                       "computer players."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
        QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        QStringLiteral("The language of the game: ja (Japanese) or en (English). Without it the "
                       "language chosen in the settings menu, else the desktop's."),
        QStringLiteral("ja|en"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(lang);
    parser.addPositionalArgument(QStringLiteral("/W"),
                                 QStringLiteral("Open the peek window of a running game."),
                                 QStringLiteral("[/W]"));
    // Without an application object the parser cannot know the program's name.
    const QString usage =
        parser.helpText().replace(QLatin1String("<executable_name>"), QLatin1String("quintrick"));
    const auto refuse = [&usage](const QString& error) {
        std::fprintf(stderr, "quintrick: %s\n\n%s", qPrintable(error), qPrintable(usage));
        return 2;
    };
    if (!parser.parse(QStringList{QStringLiteral("quintrick")} + options)) {
        return refuse(parser.errorText());
    }
    const QString chosen = parser.value(lang);
    if (parser.isSet(lang) && chosen != QLatin1String("ja") && chosen != QLatin1String("en")) {
        return refuse(QStringLiteral("Unknown language '%1': use ja or en.").arg(chosen));
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(usage), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("quintrick %s\n", QUINTRICK_VERSION);
        return 0;
    }
    if (language) *language = chosen;
    return std::nullopt;
}

}  // namespace quintrick
