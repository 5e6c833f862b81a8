#include "shell/extras/peek_exchange.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <cerrno>
#include <csignal>

#include "engine/settings_table.h"
#include "engine/strings.h"
#include "shell/extras/peek_place.h"
#include "text/translations.h"

namespace quintrick {

QString PeekCommandLabel(int seat) {
    static const char* const kLabels[4] = {QT_TRANSLATE_NOOP("Peek", "右隣りの\n手札のカンニング"),
                                           QT_TRANSLATE_NOOP("Peek", "右向いの\n手札のカンニング"),
                                           QT_TRANSLATE_NOOP("Peek", "左向いの\n手札のカンニング"),
                                           QT_TRANSLATE_NOOP("Peek", "左隣りの\n手札のカンニング")};
    return (seat >= 0 && seat < 4) ? QCoreApplication::translate("Peek", kLabels[seat]) : QString();
}

bool IsPeekCommandLine(const QStringList& arguments) {
    // The program's own path is no part of the switches.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i].contains(QStringLiteral("/W"), Qt::CaseSensitive)) return true;
    }
    return false;
}

std::vector<CardId> ParsePeekHand(std::string_view text) {
    std::vector<CardId> cards;
    std::size_t pos = 0;
    for (int field = 0; field < kHandSize && pos < text.size(); ++field) {
        const std::size_t comma = text.find(',', pos);
        const std::string_view f = text.substr(
            pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos);
        if (f.empty()) break;
        pos = comma == std::string_view::npos ? text.size() : comma + 1;
        // The leading number: blanks, a sign, digits (capped, so no field can overflow).
        std::size_t i = 0;
        while (i < f.size() && (f[i] == ' ' || f[i] == '\t')) ++i;
        bool negative = false;
        if (i < f.size() && (f[i] == '-' || f[i] == '+')) negative = f[i++] == '-';
        long value = 0;
        for (; i < f.size() && f[i] >= '0' && f[i] <= '9'; ++i) {
            if (value < 1000) value = value * 10 + (f[i] - '0');
        }
        if (negative) value = -value;
        // A damaged profile must not make the window draw outside the card sheet.
        if (value < 0 || value > 51) continue;
        cards.push_back(static_cast<CardId>(value));
    }
    return cards;
}

void CHandPublisher::Publish() {
    if (!m_enabled) return;
    for (int seat = 0; seat < 4; ++seat) {
        std::string text;
        const int n = std::clamp(m_gs.m_handCount[seat], 0, kHandSize);
        for (int i = 0; i < n; ++i) {
            text += std::to_string(m_gs.m_hand[seat][i]);
            text += ',';
        }
        // Written only when it changed: the peek process polls the profile.
        if (m_published[seat] == text) continue;
        Write(m_profile, entries::kCunHand[seat], text);
        m_published[seat] = std::move(text);
    }
}

void WritePeekCloseEntries(IProfile& profile) {
    // Already telling any peek window to close (none was opened since): the profile is not
    // written again, which spares the close a rewrite of the whole file.
    if (Read(profile, entries::kCunningView) == 0 &&
        Read(profile, entries::kCunNow) == kPeekCloseSeat) {
        return;
    }
    const ProfileGroup group(profile);
    Write(profile, entries::kCunningView, 0);
    Write(profile, entries::kCunNow, kPeekCloseSeat);
}

bool ProcessRuns(qint64 pid, const QString& program) {
    if (pid <= 0) return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) return false;
    // A process id may have been given to another program since: it must still be ours.
    const QFileInfo exe(QStringLiteral("/proc/%1/exe").arg(pid));
    // Without /proc the signal test is all there is; with it, a process whose executable is gone
    // has ended (a zombie not yet reaped still answers the signal test).
    if (!exe.exists()) return !QFileInfo::exists(QStringLiteral("/proc/self/exe"));
    return program.isEmpty() || exe.symLinkTarget() == QFileInfo(program).canonicalFilePath();
}

CPeekLauncher::CPeekLauncher(IProfile& profile, IMessageBox& messages, QString program,
                             Starter starter)
    : m_profile(profile),
      m_messages(messages),
      m_program(program.isEmpty() ? QCoreApplication::applicationFilePath() : std::move(program)),
      m_starter(std::move(starter)) {
    if (!m_starter) {
        m_starter = [this](const QString& exe, qint64* pid) {
            QProcess process;
            process.setProgram(exe);
            // The peek window speaks the game's language.
            process.setArguments({QStringLiteral("/W"), QStringLiteral("--lang=") + UiLanguage()});
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.remove(QString::fromLatin1(kPeekOwnerVariable));
            const QString owner = DescribePeekOwner(m_owner ? m_owner->window() : nullptr);
            if (!owner.isEmpty())
                environment.insert(QString::fromLatin1(kPeekOwnerVariable), owner);
            process.setProcessEnvironment(environment);
            return process.startDetached(pid);
        };
    }
}

bool CPeekLauncher::LaunchedProcessRuns() const {
    return ProcessRuns(m_pid, m_program);
}

void CPeekLauncher::PeekCommand(int seat, const GameState& gs) {
    if (seat < 0 || seat > 3) return;
    {
        // The seat and its name reach the peek process together.
        const ProfileGroup group(m_profile);
        Write(m_profile, entries::kCunNow, seat);
        const int player = gs.m_seatPlayer[seat];
        Write(m_profile, entries::kCunName,
              (player >= 0 && player < kSeats) ? gs.m_playerName[player] : std::string());
    }
    // "CunningView" 1 is believed only while the process this game started still runs: a peek
    // process that died without closing does not block the next one.
    bool running = Read(m_profile, entries::kCunningView) != 0;
    if (running && m_pid != 0 && !LaunchedProcessRuns()) running = false;
    if (!running && gs.m_handCount[seat] > 0 && LaunchPeekProcess())
        Write(m_profile, entries::kCunningView, 1);
}

bool CPeekLauncher::LaunchPeekProcess() {
    qint64 pid = 0;
    if (!m_starter(m_program, &pid)) {
        m_messages.ShowMessage(kMsgPeekLaunchFailed, {}, kStyleInfo);
        return false;
    }
    m_pid = pid;
    return true;
}

}  // namespace quintrick
