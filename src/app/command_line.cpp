#include "command_line.h"

#include <QCommandLineParser>
#include <cstdio>

namespace quintrick {
namespace {

// The game's own options: every "--name" and the short -h, -v, -?. Qt's own single-dash options
// (-platform, -display, -style ...) are left to the application object, "/W" to the game.
QStringList OwnOptions(int argc, char** argv) {
    QStringList options;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(QLatin1String("--")) || arg == QLatin1String("-h") ||
            arg == QLatin1String("-v") || arg == QLatin1String("-?")) {
            options.append(arg);
        }
    }
    return options;
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv) {
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
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("/W"),
                                 QStringLiteral("Open the peek window of a running game."),
                                 QStringLiteral("[/W]"));
    // Without an application object the parser cannot know the program's name.
    const QString usage =
        parser.helpText().replace(QLatin1String("<executable_name>"), QLatin1String("quintrick"));
    if (!parser.parse(QStringList{QStringLiteral("quintrick")} + options)) {
        std::fprintf(stderr, "quintrick: %s\n\n%s", qPrintable(parser.errorText()),
                     qPrintable(usage));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(usage), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("quintrick %s\n", QUINTRICK_VERSION);
        return 0;
    }
    return std::nullopt;
}

}  // namespace quintrick
