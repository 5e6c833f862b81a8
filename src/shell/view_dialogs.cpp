// The commands that open a window of their own: the province map, the card-back settings, the
// help pages, the about box, and the peeks at a computer player's hand.
#include "records_window.h"
#include "shell/extras/back_set.h"
#include "shell/extras/help_dialogs.h"
#include "view.h"

namespace quintrick {

KunitoriContext CT40913View::MapContext() {
    return KunitoriContext{m_gs.m_entryNo, m_gs.m_playerName, m_set.m_soundOn, m_profile,
                           *this,          m_kunitoriHost,    m_flags.language};
}

bool CT40913View::GameStartedSinceLaunch() const {
    // A game in hand, or a character chosen for one since the program began (a later match's
    // cancelled character dialog leaves no game in hand, but the character stays).
    return m_gs.m_phase != kNoGame || m_gs.m_entryNo >= 0;
}

void CT40913View::OpenMap() {
    // Only after the first game: the human has a character from then on.
    if (!GameStartedSinceLaunch()) return;
    m_dialogs->OpenMap(this, MapContext());
}

void CT40913View::OpenCardBacks() {
    BackSetHost host{m_table.m_s,
                     m_profile,
                     *this,
                     [this] { m_sound.Play(kSoundChoice, false); },
                     [this](bool rebuild) { return PrepareCardBacks(rebuild); },
                     [this] { m_table.RedrawTable(m_gs.m_discardCount > 0); }};
    m_dialogs->OpenCardBacks(this, host);
}

void CT40913View::OpenHelp(int command) {
    if (const std::optional<HelpPage> page = HelpPageFor(command)) {
        m_dialogs->OpenHelp(this, *this, *page);
    }
}

void CT40913View::OpenAbout() {
    m_dialogs->OpenAbout(this);
}

void CT40913View::PeekCommand(int command) {
    m_peekLauncher->SetOwner(window());
    m_peekLauncher->PeekCommand(command - kPeekCommandFirst, m_gs);
}

void CT40913View::SetPeekStarter(CPeekLauncher::Starter starter) {
    m_peekLauncher =
        std::make_unique<CPeekLauncher>(m_profile, *this, QString(), std::move(starter));
}

void CT40913View::OpenRecords() {
    // Matches that waited for the database are in the window once it can be written.
    m_records.WritePending();
    RecordsWindowHost host;
    host.message = [this](int id, std::string_view prefix, int style) {
        return ShowMessage(id, prefix, style);
    };
    host.review = [this](std::int64_t match, int game, QWidget* owner) {
        ReviewStoredGame(match, game, owner);
    };
    CRecordsWindow window(m_records.Db(), std::move(host), this);
    window.exec();
}

void CT40913View::RecordAbandonedMatch() {
    m_recordKeeper.Abandon();
}

}  // namespace quintrick
