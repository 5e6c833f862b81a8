// The three popup menus, built afresh at every opening, and the commands of the menus and keys.
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "conquest/kuni_state.h"
#include "engine/settings_table.h"
#include "engine/strings.h"
#include "hint_search.h"
#include "main_frame.h"
#include "records_window.h"
#include "screen_size.h"
#include "setting_toggles.h"
#include "shell/extras/command_ids.h"
#include "shell/extras/help_dialogs.h"
#include "shell/extras/tip_window.h"
#include "text/translations.h"
#include "text/ui_text.h"
#include "view.h"

namespace quintrick {
namespace {

// The context of this file's texts in the catalogue.
struct Menu {
    Q_DECLARE_TR_FUNCTIONS(Menu)
};

struct SpeedItem {
    int speed;
    int command;
    const char* label;
};
constexpr SpeedItem kSpeeds[5] = {{1, kCmdSpeedFast, QT_TRANSLATE_NOOP("Menu", "速い(&F)")},
                                  {5, kCmdSpeedFaster, QT_TRANSLATE_NOOP("Menu", "やや速い(&G)")},
                                  {9, kCmdSpeedNormal, QT_TRANSLATE_NOOP("Menu", "普通(&N)")},
                                  {13, kCmdSpeedSlower, QT_TRANSLATE_NOOP("Menu", "やや遅い(&T)")},
                                  {17, kCmdSpeedSlow, QT_TRANSLATE_NOOP("Menu", "遅い(&S)")}};

struct SwitchItem {
    int command;
    const char* label;
    SettingToggle toggle;
};
constexpr SwitchItem kSwitches[7] = {
    {kCmdOpenMode, QT_TRANSLATE_NOOP("Menu", "オープンモード(&O)"), SettingToggle::OpenMode},
    {kCmdSound, QT_TRANSLATE_NOOP("Menu", "効果音(&K)"), SettingToggle::Sound},
    {kCmdRuleRem, QT_TRANSLATE_NOOP("Menu", "ルール説明(&R)"), SettingToggle::RuleRem},
    {kCmdDspRem, QT_TRANSLATE_NOOP("Menu", "画面表示説明(&D)"), SettingToggle::DspRem},
    {kCmdNokori, QT_TRANSLATE_NOOP("Menu", "残り札(&N)"), SettingToggle::NokoriDsp},
    {kCmdDspInfo, QT_TRANSLATE_NOOP("Menu", "現状表示(&J)"), SettingToggle::DspInfo},
    {kCmdAutoStart, QT_TRANSLATE_NOOP("Menu", "自動スタート(&A)"), SettingToggle::AutoStart},
};

const char* SizeLabel(int width) {
    switch (width) {
        case 640:
            return "640 X 480(&1)";
        case 800:
            return "800 X 600(&2)";
        case 1024:
            return "1024 X 768(&3)";
        case 1200:
            return QT_TRANSLATE_NOOP("Menu", "1200 X 900(&4)\t推奨");
        case 1400:
            return "1400 X 1050(&5)";
        default:
            return "1600 X 1200(&6)";
    }
}

// The speeds, the strengths and the window sizes are each one choice of several: their items
// stand in an exclusive group and show a radio mark.
void Check(QAction* action, bool on) {
    action->setCheckable(true);
    action->setChecked(on);
}

}  // namespace

bool CT40913View::CommandEnabled(int id) const {
    switch (id) {
        case kCmdStart:
            return m_gs.m_phase == kNoGame;
        case kCmdNewMatch:
            return m_gs.m_phase != kNoGame;
        // The score, the map (the human has a character only then) and the card backs wait for
        // the first game since the program began, and stay after a later match's character
        // dialog was cancelled.
        case kCmdHint:
            return HintAvailable();
        case kCmdTakeBack:
            return TakeBackAvailable();
        case kCmdPause:
            return m_gs.m_phase != kNoGame;
        case kCmdLastTrick:
            return m_engine.HeldNow() == CEngine::Held::kLastTrick ||
                   (m_engine.HumanTurn() && m_gs.m_handCount[kHumanSeat] < kHandSize);
        case kCmdDiscards:
            return m_engine.HeldNow() == CEngine::Held::kDiscards ||
                   (m_engine.HumanTurn() && m_gs.m_discardCount > 0);
        case kCmdScore:
        case kCmdMap:
        case kCmdCardBacks:
            return GameStartedSinceLaunch();
        default:
            if (id >= kPeekCommandFirst && id <= kPeekCommandLast) return m_flags.thumbBar;
            return true;
    }
}

QAction* CT40913View::AddItem(QMenu& menu, int command, const QString& label) const {
    QAction* action = menu.addAction(label);
    action->setObjectName(QString::number(command));
    action->setData(command);
    action->setEnabled(CommandEnabled(command));
    return action;
}

std::unique_ptr<QMenu> CT40913View::BuildPopupMenu(int position) {
    auto menu = std::make_unique<QMenu>(this);
    if (position == 0) {
        AddItem(*menu, kCmdStart, Menu::tr("開始(&P)"));
        AddItem(*menu, kCmdNewMatch, Menu::tr("新しいマッチ(&N)\tCtrl+N"));
        //: The records item: %1 the records window's title (string 30300).
        AddItem(*menu, kCmdRecords, Menu::tr("%1(&R)\tF6").arg(UiText(kRecTitle)));
        AddItem(*menu, kCmdHint, UiText(kHintMenu));
        AddItem(*menu, kCmdTakeBack, Menu::tr("一手戻す(&Z)\tCtrl+Z"));
        AddItem(*menu, kCmdReview, Menu::tr("振り返り(&V)\tV"));
        menu->addSeparator();
        AddItem(*menu, kCmdLastTrick, Menu::tr("前のトリックを見る(&L)\tL"));
        AddItem(*menu, kCmdDiscards, Menu::tr("捨て札を見る(&D)\tD"));
        Check(AddItem(*menu, kCmdPause, Menu::tr("一時停止(&U)\tP")), m_paused);
        if (m_flags.thumbBar) AddPeekItems(*menu);
        menu->addSeparator();
        AddItem(*menu, kCmdExit, Menu::tr("終了(&X)"));
    } else if (position == 1) {
        AddSettingsItems(*menu);
    } else if (position == 2) {
        AddItem(*menu, kCmdHelpOperation, Menu::tr("操作方法(&S)"));
        AddItem(*menu, kCmdHelpRules, Menu::tr("ルール(&R)"));
        AddItem(*menu, kCmdHelpTactics, Menu::tr("カケヒキ(&K)"));
        menu->addSeparator();
        AddItem(*menu, kCmdAbout, Menu::tr("バージョン情報 (&A)"));
    } else {
        return nullptr;
    }
    return menu;
}

void CT40913View::AddSettingsItems(QMenu& menu) {
    QMenu* speed = menu.addMenu(Menu::tr("スピード(&S)"));
    auto* speeds = new QActionGroup(speed);
    bool speedChecked = false;
    for (const SpeedItem& item : kSpeeds) {
        const bool on = item.speed != 9 && m_set.m_speed == item.speed;
        speedChecked = speedChecked || on;
        Check(speeds->addAction(AddItem(*speed, item.command, Menu::tr(item.label))), on);
    }
    if (!speedChecked) speed->actions()[2]->setChecked(true);  // normal, for 9 and any other
    QMenu* level = menu.addMenu(UiText(kLevelMenu));
    level->setObjectName(QStringLiteral("levelMenu"));
    const bool strong = Read(m_profile, entries::kTsuyosa) == 1;  // any other value is 標準
    auto* levels = new QActionGroup(level);
    Check(levels->addAction(AddItem(*level, kCmdLevelNormal, UiText(kLevelNormal))), !strong);
    Check(levels->addAction(AddItem(*level, kCmdLevelStrong, UiText(kLevelStrong))), strong);
    menu.addSeparator();
    const int values[7] = {m_set.m_openMode != 0,
                           m_set.m_soundOn != 0,
                           m_set.m_ruleRem != 0,
                           m_set.m_dspRem != 0,
                           m_set.m_nokoriDsp != 0,
                           m_set.m_dspInfo != 0,
                           Read(m_profile, entries::kAutoStart) == 1};
    for (int i = 0; i < 7; ++i)
        Check(AddItem(menu, kSwitches[i].command, Menu::tr(kSwitches[i].label)), values[i]);
    AddAccessItems(menu);
    menu.addSeparator();
    Check(AddItem(menu, kCmdScore, Menu::tr("得点(&T)\tS")), m_gs.m_showScore != 0);
    Check(AddItem(menu, kCmdResultPanel, Menu::tr("ゲームごとの結果(&E)")),
          Read(m_profile, entries::kResultPanel) == 1);
    menu.addSeparator();
    AddItem(menu, kCmdMap, Menu::tr("国盗り(&M)"));
    AddItem(menu, kCmdResetMap, Menu::tr("国盗りの初期化(&I)"));
    menu.addSeparator();
    AddItem(menu, kCmdCardBacks, Menu::tr("カード背面の設定(&B)"));
    QMenu* sizes = menu.addMenu(Menu::tr("画面サイズ(&G)"));
    auto* sizeGroup = new QActionGroup(sizes);
    const int gamen = Read(m_profile, entries::kGamen);
    bool sizeChecked = false;
    for (const ScreenSize& size : kScreenSizes) {
        const bool on = size.width != 640 && gamen == size.width;
        sizeChecked = sizeChecked || on;
        Check(sizeGroup->addAction(AddItem(*sizes, size.command, Menu::tr(SizeLabel(size.width)))),
              on);
    }
    if (!sizeChecked) sizes->actions()[0]->setChecked(true);  // 640, for any other value
    sizes->addSeparator();
    Check(AddItem(*sizes, kCmdFullScreen, Menu::tr("全画面表示(&F)\tF11")),
          window()->isFullScreen());
    AddLanguageItems(menu);
}

void CT40913View::AddLanguageItems(QMenu& menu) {
    // The mark shows the language of the next start: the one chosen here, else this run's.
    QString next = SpokenLanguage(QString::fromStdString(Read(m_profile, entries::kLanguage)));
    if (next.isEmpty()) next = UiLanguage();
    menu.addSeparator();
    QMenu* language = menu.addMenu(Menu::tr("言語 / Language(&U)"));
    language->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(language);
    // Each language is named in its own words.
    const struct {
        int command;
        QString name;
        QLatin1String code;
    } choices[] = {{kCmdLanguageJapanese, QStringLiteral("日本語"), QLatin1String("ja")},
                   {kCmdLanguageEnglish, QStringLiteral("English"), QLatin1String("en")}};
    for (const auto& choice : choices) {
        Check(group->addAction(AddItem(*language, choice.command, choice.name)),
              next == choice.code);
    }
    language->addSeparator();
    language->addAction(UiText(kMsgAutoStartNext))->setEnabled(false);
}

void CT40913View::LanguageCommand(int id) {
    Write(m_profile, entries::kLanguage, id == kCmdLanguageEnglish ? "en" : "ja");
    ShowMessage(kMsgAutoStartNext, "", kStyleInfo);
}

void CT40913View::AddPeekItems(QMenu& menu) {
    // The four peeks, left neighbour first as the players sit; each label names the hand.
    menu.addSeparator();
    QMenu* peek = menu.addMenu(Menu::tr("カンニング(&C)"));
    peek->setObjectName(QStringLiteral("peekMenu"));
    for (int command = kPeekCommandLast; command >= kPeekCommandFirst; --command) {
        const QString label = PeekCommandLabel(command - kPeekCommandFirst).remove(u'\n');
        AddItem(*peek, command, label);
    }
}

void CT40913View::ShowPopupMenu(int position) {
    std::unique_ptr<QMenu> menu = BuildPopupMenu(position);
    if (!menu) return;
    int chosen = 0;
    QObject::connect(menu.get(), &QMenu::triggered, menu.get(),
                     [&chosen](QAction* action) { chosen = action->data().toInt(); });
    const Scales& s = m_table.m_scales;
    m_dialogs->RunMenu(*menu, mapToGlobal(m_area.topLeft() + QPoint(s.X(10), s.Y(96))));
    menu.reset();
    if (chosen != 0) OnCommand(chosen);
}

bool CT40913View::SetSpeedCommand(int speed) {
    if (!m_engine.RestartGameTimer(speed)) return false;
    SetSpeed(m_profile, m_set, speed);
    return true;
}

void CT40913View::ToggleCommand(int id) {
    for (const SwitchItem& item : kSwitches) {
        if (item.command != id) continue;
        // Switching the explanations off empties the tip first: none stays on view.
        if (item.toggle == SettingToggle::DspRem && m_set.m_dspRem != 0 && m_toolTip) {
            m_toolTip->SetToolText({});
        }
        ToggleSetting(m_profile, m_set, item.toggle);
        if ((id == kCmdOpenMode || id == kCmdNokori) && m_gs.m_phase == kPlaying) RedrawTable();
        if (id == kCmdDspInfo) repaint();
        return;
    }
}

void CT40913View::AutoStartCommand() {
    const bool wasOn = ToggleSetting(m_profile, m_set, SettingToggle::AutoStart) == 0;
    const QString prefix = wasOn ? Menu::tr("自動スタートの設定を解除しました\n")
                                 : Menu::tr("自動スタートに設定しました\n");
    ShowMessage(kMsgAutoStartNext, prefix.toStdString(), kStyleInfo);
}

void CT40913View::OnCommand(int id) {
    CompleteStartup();
    if (!CommandEnabled(id)) return;
    for (const SpeedItem& item : kSpeeds) {
        if (item.command == id) {
            SetSpeedCommand(item.speed);
            return;
        }
    }
    for (const ScreenSize& size : kScreenSizes) {
        if (size.command == id) {
            SetScreenSize(size.width);
            return;
        }
    }
    switch (id) {
        case kCmdStart:
            // The card images are ready only after the start-up tick.
            if (m_gs.m_notReady == 0) {
                m_engine.StartGame();
                RedrawTable();
            }
            break;
        case kCmdNewMatch:
            NewMatchCommand();
            break;
        case kCmdTakeBack:
            TakeBack();
            break;
        case kCmdReview:
            ReviewLastGame();
            break;
        case kCmdExit:
            QMetaObject::invokeMethod(window(), "close", Qt::QueuedConnection);
            break;
        case kCmdAutoStart:
            AutoStartCommand();
            break;
        case kCmdLanguageJapanese:
        case kCmdLanguageEnglish:
            LanguageCommand(id);
            break;
        case kCmdLevelNormal:
        case kCmdLevelStrong:
            SetStrongComputers(id == kCmdLevelStrong);
            break;
        case kCmdHint:
            RequestHint();
            break;
        case kCmdScore:
            m_gs.m_showScore = m_gs.m_showScore == 0 ? 1 : 0;
            if (m_gs.m_phase == kPlaying) RedrawTable();
            break;
        case kCmdResultPanel:
            Write(m_profile, entries::kResultPanel,
                  Read(m_profile, entries::kResultPanel) == 1 ? 0 : 1);
            break;
        case kCmdLastTrick:
            ShowHeldView(CEngine::Held::kLastTrick);
            break;
        case kCmdDiscards:
            ShowHeldView(CEngine::Held::kDiscards);
            break;
        case kCmdPause:
            TogglePause();
            break;
        case kCmdMap:
            OpenMap();
            break;
        case kCmdResetMap:
            ResetKunitori(m_profile, *this, true);
            break;
        case kCmdCardBacks:
            OpenCardBacks();
            break;
        case kCmdRecords:
            OpenRecords();
            break;
        case kCmdHelpOperation:
        case kCmdHelpRules:
        case kCmdHelpTactics:
            OpenHelp(id);
            break;
        case kCmdAbout:
            OpenAbout();
            break;
        case kCmdGameMenu:
            ShowPopupMenu(0);
            break;
        case kCmdSettingsMenu:
            ShowPopupMenu(1);
            break;
        case kCmdHelpMenu:
            ShowPopupMenu(2);
            break;
        case kCmdAngleUp:
            if (m_gs.m_phase != kNoGame) m_table.AngleUp();
            break;
        case kCmdAngleDown:
            if (m_gs.m_phase != kNoGame) m_table.AngleDown();
            break;
        case kCmdFullScreen:
            if (auto* frame = qobject_cast<CMainFrame*>(window())) frame->ToggleFullScreen();
            break;
        default:
            if (id >= kPeekCommandFirst && id <= kPeekCommandLast) {
                PeekCommand(id);
            } else if (!AccessCommand(id)) {
                ToggleCommand(id);
            }
            break;
    }
}

void CT40913View::SetScreenSize(int width) {
    m_table.m_saveUnderRect = {};
    Write(m_profile, entries::kGamen, width);
    if (auto* frame = qobject_cast<CMainFrame*>(window())) frame->ApplyScreenSize(width);
    update();
}

}  // namespace quintrick
