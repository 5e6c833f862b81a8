// The game window's view: owns the game state, the setting copies, the computer players, the
// engine, the table, the profile and the sound player, implements the engine's host, and passes
// the mouse and the keyboard to the human's input handling.
#pragma once

#include <QCursor>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "conquest/kunitori_host.h"
#include "engine/engine.h"
#include "engine/game_moves.h"
#include "game_result.h"
#include "interaction/human_input.h"
#include "message_box.h"
#include "players/fuda_dashi.h"
#include "players/level_players.h"
#include "players/play_log.h"
#include "players/sampling_player.h"
#include "profile.h"
#include "records/game_records.h"
#include "records/record_keeper.h"
#include "saved_match_file.h"
#include "shell/extras/peek_exchange.h"
#include "sound_player.h"
#include "table/table.h"
#include "table_accessible.h"
#include "table_speech.h"

class QMenu;
class QLabel;
class QTimer;

namespace quintrick {

class CTipWindow;
struct ReviewCache;
class CHintSearch;
class CKeyReference;

// The flags the application finds at start.
struct AppFlags {
    bool isNt6 = true;
    bool thumbBar = true;
    AssetLanguage language = AssetLanguage::Japanese;  // of the artwork, voices and map words
};

class CT40913View : public QWidget, public IHost, private IInputHost {
    Q_OBJECT
  public:
    // `dialogs` answers the message boxes, dialogs and menus (the real windows when null).
    CT40913View(AppFlags flags, IDialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~CT40913View() override;

    // What the first painted table needs: its surfaces, the card data file checked, settings,
    // conquest start-up, game fields, the composed table, the set-up timer. False when the
    // surfaces cannot be made or the card data file is missing or damaged (no timer is started
    // then).
    bool OnInitialUpdate();
    // The rest of the start-up, once the first table is painted or at the first click, key, tick
    // or command before that: the card sheet decoded with the remaining surfaces, the explanation
    // tip, the cursors, the records opened and the hands published. Runs once; false when the
    // cards cannot be had (the set-up timer is stopped then and no tick runs the game).
    bool CompleteStartup();

    // IHost.
    int ShowMessage(int stringId, std::string_view prefix, int style) override;
    int SetTimer(int eventId, int intervalMs) override;
    void KillTimer(int eventId) override;
    int ChooseSuit(std::string_view prompt) override;
    int ChooseCharacter() override;
    void ShowCallout(Callout callout, int seat, int suit, int sound, int pauseMs) override;
    void PlaySound(int sound, bool toEnd) override;
    void RedrawTable() override;
    bool PrepareCardBacks() override;
    // The card backs made again (or read from the cache), the F1 button flickering meanwhile.
    bool PrepareCardBacks(bool rebuild);
    // Inverts the F1 button on the screen at once, or puts it back (the flicker while the card
    // backs are made).
    void FlickerF1Button();
    bool F1ButtonInverted() const { return m_f1Inverted; }
    void RequestClose() override;
    LocalTime LocalTimeOfDay() override;
    IProfile& Profile() override { return m_profile; }
    void SaveResumePoint(const ResumePoint& point) override;
    void MatchCredited() override;
    std::optional<ResumePoint> TakeUpSavedMatch() override;
    // Shows the result panel of the game just over (unless switched off) and waits for it.
    void GameOver() override;
    // The last game's result, and as plain text (for announcements).
    const GameResult& LastResult() const { return m_gameResult.Result(); }
    QString LastResultText() const { return ResultPlainText(m_gameResult.Result()); }

    // Saves the match as it stands (closing, a logout); nothing when no match runs or a step is
    // half-way (the file then holds the point before it). True when the file keeps a match.
    bool SaveAtClose();
    // The end of the session (a logout, a terminating signal, the session manager's request to
    // save): the match kept as at a close, still in progress (not given up in the records), a
    // running peek process told to close, and a close that follows not asked about.
    void SaveForSessionEnd();
    // "新しいマッチ": after the question, gives up the match in progress and starts a new one.
    void NewMatchCommand();

    // Commands of the menus and the accelerator keys.
    void OnCommand(int id);
    // Builds popup 0 (game), 1 (settings) or 2 (help) with the current checks and greyed items.
    std::unique_ptr<QMenu> BuildPopupMenu(int position);
    void ShowPopupMenu(int position);
    // The speed commands (1, 5, 9, 13, 17); false when the game timer could not be set again.
    bool SetSpeedCommand(int speed);
    void SetScreenSize(int width);
    // Whether a command can be chosen now: the start only before the first game, the score, the
    // map and the card backs only after it, the peek commands only with `m_thumbBar`.
    bool CommandEnabled(int id) const;
    // Whether a game has been started since the program began (the map, the score and the card
    // backs are offered from then on).
    bool GameStartedSinceLaunch() const;

    // The commands that open a window of their own.
    void OpenMap();
    void OpenCardBacks();
    void OpenHelp(int command);
    void OpenAbout();
    // The 戦績 window (game menu and F6).
    void OpenRecords();
    // Keeps the match in progress in the records as abandoned (a new match or closing the
    // window gives it up); nothing when no match runs.
    void RecordAbandonedMatch();
    CGameRecords& Records() { return m_records; }
    RecordKeeper& RecordKeeperOf() { return m_recordKeeper; }
    // A peek command (701-704) for computer seat id - 701.
    void PeekCommand(int command);
    // What the map dialog takes from the game.
    KunitoriContext MapContext();
    // Replaces the way the peek process is started (tests).
    void SetPeekStarter(CPeekLauncher::Starter starter);
    // The explanation tip (made at the initial update).
    CTipWindow* ToolTip() const { return m_toolTip; }

    // 一手戻す: back to the point just before the human's last card, while the match is in
    // progress and nothing is half-way; as often as the player likes. The match is kept in the
    // records as played with take-backs.
    bool TakeBackAvailable() const;
    bool TakeBack();
    // The points the human can go back to (tests).
    int TakeBackPoints() const { return static_cast<int>(m_takeBackPoints.size()); }

    // 振り返り: the review window of the last game that came to an end (of the match in
    // progress, else the last one stored), or of a stored game; a message when there is none.
    void ReviewLastGame();
    void ReviewStoredGame(std::int64_t match, int game, QWidget* owner);
    // Replaces the review window's opening (tests): it gets the game's moves.
    std::function<void(const GameMoves& moves)> m_openReview;

    // The computers' strength (強さ): false 標準, true 強い; stored in the profile at once.
    void SetStrongComputers(bool strong);
    CLevelPlayers& LevelPlayers() { return m_levelPlayers; }
    // The hint: only while the human may choose a card to play (not while showing cards, not
    // while holding anything). Asks the search; its answer moves the keyboard mark and shows
    // the tip, unless the state has changed meanwhile.
    bool HintAvailable() const;
    bool RequestHint();
    CHintSearch& Hint() { return *m_hint; }
    // The last hint shown (empty when none), for tests.
    QString LastHintText() const { return m_lastHint; }
    // The hint's balloon (null before the first hint); a press or a key takes it down.
    QLabel* HintTip() const { return m_hintTip; }
    void HideHintTip();

    // Set when the engine asks to close after the match: the frame then closes without asking.
    bool m_closeWithoutAsking = false;
    // Delivers a tick as the timer would (tests).
    void FireTimer(int eventId);
    // The match waits: paused (P), or a menu or a question is open.
    bool GameHeldStill() const;
    bool Paused() const { return m_paused; }
    void TogglePause();
    // Shows the last trick or the discards as the mouse does while pressing (keys L and D);
    // the same view again hides it. False when it cannot be shown now.
    bool ShowHeldView(CEngine::Held view);

    GameState& Gs() { return m_gs; }
    SettingCopies& Settings() { return m_set; }
    CTable& Table() { return m_table; }
    // Where the table lies in the view: the centred 4:3 area; the rest is margin.
    QRect TableArea() const { return m_area; }
    CHumanInput& Input() { return m_input; }
    CProfile& ProfileStore() { return m_profile; }
    // The engine, for the desktop test's scenes that start a step of the game directly.
    CEngine& Engine() { return m_engine; }
    // The table in words for screen readers.
    CTableWords& Words() { return m_words; }

  protected:
    // Every event reaches the explanation tip before the view handles it.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // IInputHost.
    void SetPointer(Pointer pointer) override;
    void RepaintNow() override;
    void RepaintArea(const Rect& screen) override;
    void OpenMenu(int position) override { ShowPopupMenu(position); }

    void PaintCallout(QPainter& p);
    void PaintStatusLine(QPainter& p);

  public:
    // The line the table shows about what the game waits for (empty when nothing): the show cards
    // the human is to put out, or the pause.
    QString StatusLine() const;

  private:
    // A point of the view in the table area's pixels.
    QPoint ToTable(const QPointF& view) const { return view.toPoint() - m_area.topLeft(); }
    // The F1 button of the icon row, in the table area's pixels.
    QRect F1ButtonRect() const;
    // A base rectangle on the screen (screen coordinates).
    QRect ScreenRect(const Rect& base) const;
    void AddSettingsItems(QMenu& menu);
    // Playing without sight, colour or the mouse (view_access.cpp): the volume read at start, the
    // volume steps and the text line in the settings menu, and their commands with the keys ?, I,
    // M, - and +. AccessCommand is false for any other command.
    void LoadAccessSettings();
    void AddAccessItems(QMenu& menu);
    bool AccessCommand(int id);
    void SetVolume(int percent);
    void MuteCommand();
    // An announcement of the view's own (the volume, the sound switched): told to screen readers
    // and shown on the text line when that is on.
    void Say(const QString& text);
    void ShowJimaku(const QString& text);
    void AddLanguageItems(QMenu& menu);
    void AddPeekItems(QMenu& menu);
    QAction* AddItem(QMenu& menu, int command, const QString& label) const;
    void ToggleCommand(int id);
    void AutoStartCommand();
    // Stores the chosen language for the next start and says so.
    void LanguageCommand(int id);
    void ShowHint(const GameState& asked, const SearchResult& result);
    // Whether the records already hold the finished match that began at `started` (a run killed
    // after recording it, before its saved match was removed).
    bool FinishedMatchRecorded(const std::string& started);
    // Keeps the state as a point to go back to when the game waits for the human's card.
    void NoteTakeBackPoint();
    void OpenReview(const GameMoves& moves, ReviewCache cache, QWidget* owner);

    AppFlags m_flags;
    bool m_startupPending = false;  // CompleteStartup has yet to run
    bool m_startupFailed = false;
    bool m_completionPosted = false;
    bool m_f1Inverted = false;  // the F1 button is shown inverted (overlay)
    bool m_paused = false;      // P: the match waits until P again
    QRect m_area;               // the table's 4:3 area in the view
    // The table composed again at the view's size in the screen's pixels, a moment after the
    // last change of size.
    QTimer m_rescale;
    static constexpr int kRescaleMs = 150;
    double WantedPixelScale() const;
    void Rescale();
    std::unique_ptr<IDialogs> m_ownDialogs;
    IDialogs* m_dialogs;
    CProfile m_profile;
    CSavedMatchFile m_savedMatch;
    bool m_toldSaveFailed = false;  // the player was told that the match cannot be saved
    GameState m_gs;
    SettingCopies m_set;
    CSoundPlayer m_sound;
    CFudaDashi m_players;
    CPlayLog m_playLog;
    CSamplingPlayer m_strong;
    CLevelPlayers m_levelPlayers;
    CEngine m_engine;
    CTable m_table;
    CHumanInput m_input;
    CHandPublisher m_publisher;
    CTableWords m_words;
    CTableAnnouncer m_announcer;
    CQtKunitoriHost m_kunitoriHost;
    CGameRecords m_records;
    CGameResultCollector m_gameResult{m_gs};
    RecordKeeper m_recordKeeper;
    std::unique_ptr<CPeekLauncher> m_peekLauncher;
    CTipWindow* m_toolTip = nullptr;          // a child window, deleted with the view
    CHintSearch* m_hint = nullptr;            // a child object, deleted with the view
    QLabel* m_hintTip = nullptr;              // the hint's balloon, a child made at the first hint
    CKeyReference* m_keyReference = nullptr;  // the key reference, made at the first "?"
    QLabel* m_jimaku = nullptr;  // the announcements as a text line, made when first shown
    QTimer* m_hintTipTimer = nullptr;
    static constexpr int kHintTipMs = 6000;
    QString m_lastHint;
    // The states at which the game waited for the human's card in the match in progress, with
    // what the records and the table had seen then.
    struct TakeBackPoint {
        TakeBackPoint(const GameState& state, const CPlayLog& log,
                      std::optional<KeeperState> records)
            : gs(state), seen(gs, log), kept(std::move(records)), dump(gs.Dump()) {}
        GameState gs;
        CPlayLog seen;
        std::optional<KeeperState> kept;
        std::string dump;  // to know the state again
    };
    std::vector<std::unique_ptr<TakeBackPoint>> m_takeBackPoints;

    std::map<int, int> m_timers;       // event id -> Qt timer id
    std::map<int, int> m_timerEvents;  // Qt timer id -> event id
    std::array<QCursor, 5> m_cursors;  // by Pointer
    struct {
        bool active = false;
        QImage image;  // the plate, keyed and stamped
        QRect screen;
    } m_callout;
};

}  // namespace quintrick
