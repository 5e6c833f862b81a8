// The exchange with the peek process through the profile section "Cun": parsing a published
// hand, the window size for a hand, the entries both processes write when they close, the peek
// command's switch on the command line, and the game side of the peek commands.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cards.h"
#include "engine/game_state.h"
#include "engine/host.h"
#include "engine/observer.h"
#include "shell/extras/command_ids.h"

namespace quintrick {

inline constexpr int kPeekTickMs = 500;
inline constexpr int kPeekCloseSeat = 4;  // "Now" = 4 tells the peek process to close

// The peek commands' labels, by seat.
QString PeekCommandLabel(int seat);

// "/W" anywhere in the arguments (case-sensitive) starts the program as a peek process.
bool IsPeekCommandLine(const QStringList& arguments);

// The cards of a published hand text "5,17,40,": at most ten comma-separated fields in order,
// up to the first empty one; a field's value is its leading decimal number (none counts as 0).
// Values that are no card of the sheet (outside 0..51) are left out.
std::vector<CardId> ParsePeekHand(std::string_view text);

// The peek window's client size for a hand of `count` cards: each card 30 pixels right of the
// one before, the last one whole.
inline constexpr int PeekClientWidth(int count) {
    return 30 * count + 123;
}
inline constexpr int kPeekClientHeight = 215;
// The client size before the first hand arrives: room for ten cards.
inline constexpr int kPeekInitialWidth = 423;
inline constexpr int kPeekInitialHeight = 217;

// What both processes write when they close: no peek process runs, and one still running is
// told to close.
void WritePeekCloseEntries(IProfile& profile);

// Publishes the four computer hands for the peek process ("Cun", "0".."3", e.g. "5,17,40,")
// whenever the game changes them: the engine reports its events here (deal, exchange, play, the
// end of a trick, game or match), and Publish writes each hand whose text changed since the last
// time. Drawing the table writes nothing.
class CHandPublisher final : public IGameObserver {
  public:
    CHandPublisher(IProfile& profile, const GameState& gs) : m_profile(profile), m_gs(gs) {}
    // Off, nothing is written (no peek commands on this system).
    bool m_enabled = true;
    void Publish();

    void OnDeal(int) override { Publish(); }
    void OnExchange(int, int) override { Publish(); }
    void OnRelated() override { Publish(); }
    void OnLeader(int) override { Publish(); }
    void OnShow(int, CardId, CardId) override { Publish(); }
    void OnPlay(int, CardId, const char*) override { Publish(); }
    void OnTrick(int, int, int) override { Publish(); }
    void OnResult(int) override { Publish(); }
    void OnStones(int, int, int, int) override { Publish(); }

  private:
    IProfile& m_profile;
    const GameState& m_gs;
    std::array<std::optional<std::string>, 4> m_published{};
};

// The game side of the peek commands.
class CPeekLauncher {
  public:
    // Starts `program` with "/W" (by default the running executable), telling it in its
    // environment where the game window is; false when it could not be started. Tests pass a
    // starter of their own.
    using Starter = std::function<bool(const QString& program, qint64* pid)>;

    CPeekLauncher(IProfile& profile, IMessageBox& messages, QString program = {},
                  Starter starter = {});

    // A peek command for computer seat 0-3: names the seat and the player to show, and starts
    // the peek process unless one runs or the seat's hand is empty.
    void PeekCommand(int seat, const GameState& gs);

    // Starts the peek process; on failure shows 30041 and returns false.
    bool LaunchPeekProcess();

    // The game window the peek window opens beside and stays above.
    void SetOwner(QWidget* window) { m_owner = window; }

    // Whether the process this game started last still runs.
    bool LaunchedProcessRuns() const;
    qint64 LaunchedPid() const { return m_pid; }

  private:
    IProfile& m_profile;
    IMessageBox& m_messages;
    QString m_program;
    Starter m_starter;
    qint64 m_pid = 0;
    QPointer<QWidget> m_owner;
};

// Whether a process with this id runs the given executable.
bool ProcessRuns(qint64 pid, const QString& program);

}  // namespace quintrick
