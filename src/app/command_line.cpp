#include "command_line.h"

#include <QCommandLineParser>
#include <cstdio>

#include "shell/profile.h"
#include "text/translations.h"

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

// The language the help speaks: --lang when given, else the one chosen in the settings menu,
// else the desktop's (as the game itself chooses).
bool HelpInJapanese(const QStringList& options) {
    QString given;
    for (int i = 0; i < options.size(); ++i) {
        if (options[i] == QLatin1String("--lang") && i + 1 < options.size()) given = options[i + 1];
        if (options[i].startsWith(QLatin1String("--lang="))) given = options[i].mid(7);
    }
    return ChooseLanguage(given, StoredLanguage()) == QLatin1String("ja");
}

// One text of the help in both languages.
QString Say(bool japanese, const char* ja, const char* en) {
    return japanese ? QString::fromUtf8(ja) : QString::fromUtf8(en);
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv, QString* language) {
    // A plain start, or "/W" for the peek window, needs no parsing: the game starts at once.
    const QStringList options = OwnOptions(argc, argv);
    if (options.isEmpty()) return std::nullopt;

    const bool ja = HelpInJapanese(options);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Say(ja, "Quintrick：４人のコンピュータと遊ぶ、５人で絵札を取り合うトランプゲームです。",
            "Quintrick: a five-handed Japanese trick-taking card game against four computer "
            "players."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
        Say(ja, "このヘルプを表示して終了します。", "Show this help and exit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        Say(ja, "バージョンを表示して終了します。", "Show the version and exit."));
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        Say(ja,
            "ゲームの言語：ja（日本語）または "
            "en（英語）。指定しないときは設定メニューで選んだ言語、"
            "それもなければデスクトップの言語です。",
            "The language of the game: ja (Japanese) or en (English). Without it the language "
            "chosen in the settings menu, else the desktop's."),
        QStringLiteral("ja|en"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(lang);
    parser.addPositionalArgument(QStringLiteral("/W"),
                                 Say(ja, "動いているゲームのカンニングウィンドウを開きます。",
                                     "Open the peek window of a running game."),
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
