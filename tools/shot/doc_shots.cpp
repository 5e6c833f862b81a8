// quintrick-doc-shots LANG FOLDER: the real game window on the desktop (run it under Xvfb with a
// window manager and a fresh profile) playing a match by itself, the human playing its first
// card that may be played, and the screen saved as PNG files in FOLDER at the moments the
// documentation shows:
//   result-LANG.png      the result panel after the first game
//   result10-LANG.png    the result panel after the tenth game (ranks and stones)
//   showcards-LANG.png   the table waiting for the human's show cards
//   newmatch-LANG.png    the question of 新しいマッチ, No the default
//   records-LANG.png     the records window after the match
//   menu-LANG.png        the settings menu (after the match: the window is closed by then,
//                        so this one is not kept in docs/)
//   takeback-LANG.png    the game menu with 一手戻す (take back) ready, after the human's third
//   card
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "engine/settings_table.h"
#include "engine/strings.h"
#include "records/records_db.h"
#include "shell/main_frame.h"
#include "shell/message_box.h"
#include "shell/records_window.h"
#include "shell/result_panel.h"
#include "shell/ui_font.h"
#include "text/translations.h"

using namespace quintrick;

namespace {

QString g_folder;
QString g_lang;

void Settle(int ms = 400) {
    const QDeadlineTimer until(ms);
    while (!until.hasExpired()) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void Shoot(const char* name) {
    Settle();
    const QString path =
        QDir(g_folder).filePath(QStringLiteral("%1-%2.png").arg(QString::fromLatin1(name), g_lang));
    const bool saved = QApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
}

// Answers every question itself (Yes to declarations, No to another match), and shows the result
// panels for real, one of them on the picture.
struct ShotDialogs : IDialogs {
    bool firstResultShot = false;
    int Message(QWidget*, int stringId, std::string_view, int style) override {
        if (style != kStyleQuestion) return IDOK;
        return stringId == kMsgContinue ? IDNO : IDYES;
    }
    int ChooseSuit(QWidget*, std::string_view) override { return 2; }
    int ChooseCharacter(QWidget*) override { return 3; }
    void RunMenu(QMenu&, QPoint) override {}
    void OpenMap(QWidget*, const KunitoriContext&) override {}
    void OpenCardBacks(QWidget*, BackSetHost&) override {}
    void OpenHelp(QWidget*, IMessageBox&, const HelpPage&) override {}
    void OpenAbout(QWidget*) override {}
    void Pause(int) override {}
    bool ShowResult(QWidget* owner, const GameResult& result) override {
        if (firstResultShot && !result.matchOver) return false;
        CResultPanel panel(result, owner);
        panel.show();
        Shoot(result.matchOver ? "result10" : "result");
        firstResultShot = true;
        return false;
    }
};

// The game menu as the menu bar opens it, the take-back item highlighted.
void ShootTakeBackMenu(CT40913View& view) {
    view.repaint();
    std::unique_ptr<QMenu> menu = view.BuildPopupMenu(0);
    menu->popup(view.mapToGlobal(QPoint(10, 90)));
    for (QAction* action : menu->actions()) {
        if (action->data().toInt() == kCmdTakeBack) menu->setActiveAction(action);
    }
    Shoot("takeback");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: quintrick-doc-shots ja|en FOLDER\n");
        return 2;
    }
    g_lang = QString::fromLocal8Bit(argv[1]);
    g_folder = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(g_folder)) {
        std::fprintf(stderr, "cannot make the folder %s\n", argv[2]);
        return 1;
    }
    QCoreApplication::setOrganizationName("Orvendel");
    QCoreApplication::setApplicationName("Quintrick");
    InstallTranslations(app, g_lang);
    ApplyInterfaceFont(UiLanguage());
    ShotDialogs dialogs;
    CMainFrame frame(AppFlags{}, &dialogs);
    CT40913View& view = frame.View();
    view.OnInitialUpdate();
    frame.CentreOnDesktop();
    frame.show();
    view.Settings().m_speed = 1;
    view.Settings().m_soundOn = 0;
    view.Settings().m_ruleRem = 0;
    view.FireTimer(kSetupTimerEvent);
    view.OnCommand(kCmdStart);
    Settle(800);

    // The new match question over the table, its default No.
    QTimer::singleShot(600, [] {
        Shoot("newmatch");
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->done(QMessageBox::No);
    });
    ShowMessageBox(&view, kMsgAbandonMatch, {}, kStyleQuestion);

    // The match, played through.
    bool showShot = false, takeBackShot = false;
    GameState& gs = view.Gs();
    for (int i = 0; i < 200000 && gs.m_game <= 10; ++i) {
        if (gs.m_turn == kHumanSeat && (gs.m_busy == 1 || gs.m_phase == kShowingCards)) {
            if (gs.m_phase == kShowingCards && gs.m_showCount == 0 && !showShot) {
                view.repaint();
                Shoot("showcards");
                showShot = true;
            }
            if (!takeBackShot && gs.m_game == 1 && gs.m_phase != kShowingCards &&
                view.TakeBackPoints() >= 3) {
                ShootTakeBackMenu(view);
                takeBackShot = true;
            }
            for (int pos = 0; pos < gs.m_handCount[kHumanSeat]; ++pos) {
                if (view.Engine().PlayCardAt(pos)) break;
            }
        }
        view.FireTimer(kGameTimerEvent);
        if (i % 50 == 0) QApplication::processEvents();
    }
    Settle(300);

    // The settings menu over the table.
    std::unique_ptr<QMenu> menu = view.BuildPopupMenu(1);
    menu->popup(view.mapToGlobal(QPoint(20, 90)));
    Shoot("menu");
    menu.reset();

    // The records of the match just played.
    RecordsWindowHost host;
    host.message = [](int, std::string_view, int) { return IDOK; };
    CRecordsWindow records(view.Records().Db(), host, &view);
    records.resize(900, 700);
    records.show();
    Shoot("records");
    return 0;
}
