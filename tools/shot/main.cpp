// quintrick-shot: composes the real table off screen after a few tricks of a simulated match and
// writes it as a PNG, the way the window would show it.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <charconv>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "cli_args.h"
#include "engine/settings_table.h"
#include "engine/strings.h"
#include "match_runner.h"
#include "table/table.h"

namespace {

constexpr std::string_view kUsage =
    "usage: quintrick-shot [--angle A] [--width W] [--start S] [--tricks T] [--open] [--score]\n"
    "                      --out FILE\n"
    "  --angle A     bird's-eye angle, 9..26 (default 21)\n"
    "  --width W     window width: 640, 800, 1024, 1200, 1400 or 1600 (default 1200)\n"
    "  --start S     simulated local time of day in seconds, 0..86399 (default 0)\n"
    "  --tricks T    tricks of the simulated match to play first, 0..100 (default 3)\n"
    "  --open        computer hands face up (open mode, games 1 to 3)\n"
    "  --score       show the score board\n"
    "  --out FILE    the PNG to write\n";

int Usage(std::string_view problem) {
    return quintrick::Usage("quintrick-shot", problem, kUsage);
}

class ConsoleMessages : public quintrick::IMessageBox {
  public:
    int ShowMessage(int stringId, std::string_view prefix, int) override {
        std::cerr << "quintrick-shot: " << prefix << quintrick::LoadString(stringId) << '\n';
        return quintrick::IDOK;
    }
};

}  // namespace

int main(int argc, char** argv) {
    using namespace quintrick;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    int angle = 21, width = 1200, start = 0, tricks = 3;
    bool open = false, score = false;
    QString out;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--open") {
            open = true;
            continue;
        }
        if (arg == "--score") {
            score = true;
            continue;
        }
        if (i + 1 >= argc) return Usage("missing value for " + std::string(arg));
        const std::string_view value = argv[++i];
        std::optional<int> number;
        if (arg == "--out") {
            out = QString::fromLocal8Bit(value.data(), qsizetype(value.size()));
            continue;
        } else if (arg == "--angle") {
            if ((number = ParseInt(value, 9, 26))) angle = *number;
        } else if (arg == "--width") {
            number = ParseInt(value, 640, 1600);
            if (number && *number != 640 && *number != 800 && *number != 1024 && *number != 1200 &&
                *number != 1400 && *number != 1600) {
                number.reset();
            }
            if (number) width = *number;
        } else if (arg == "--start") {
            if ((number = ParseInt(value, 0, 86399))) start = *number;
        } else if (arg == "--tricks") {
            if ((number = ParseInt(value, 0, 100))) tricks = *number;
        } else {
            return Usage("unknown option " + std::string(arg));
        }
        if (!number) return Usage("bad value '" + std::string(value) + "' for " + std::string(arg));
    }
    if (out.isEmpty()) return Usage("--out FILE is required");

    // The match: the engine and the computer players with the scripted host.
    MatchRunner runner(0, start, 1);
    runner.m_settings.m_openMode = open ? 1 : 0;
    runner.Start();
    runner.RunTricks(tricks);
    GameState gs = runner.m_gs;
    gs.m_notReady = 0;
    if (score) gs.m_showScore = 1;

    ConsoleMessages messages;
    IProfile& profile = runner.m_host.Profile();
    Write(profile, entries::kKakudo, angle);
    CTable table(gs, runner.m_settings, profile, messages);
    if (!table.BuildSurfaces()) return 1;
    if (!table.LoadCardSheet()) {
        std::cerr << "quintrick-shot: cannot read the card data file beside the program\n";
        return 1;
    }
    if (!table.PrepareCardBacks(false)) {
        std::cerr << "quintrick-shot: " << LoadString(kMsgCardBackFailed) << '\n';
        return 1;
    }
    table.RedrawTable(true);

    // After start-up both scales are the larger client side / 1200.
    const QSize client(width, width / 4 * 3);
    table.m_scales = {float(width) / 1200, float(width) / 1200};
    QImage screen(client, QImage::Format_RGB32);
    {
        QPainter p(&screen);
        table.Paint(p, client);
    }
    if (!screen.save(out, "PNG")) {
        std::cerr << "quintrick-shot: cannot write " << out.toStdString() << '\n';
        return 1;
    }
    std::cout << out.toStdString() << ": " << width << " x " << client.height() << ", " << angle
              << " degrees, game " << gs.m_game << " battle " << gs.m_battle << '\n';
    return 0;
}
