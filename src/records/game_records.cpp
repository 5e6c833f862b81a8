#include "game_records.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "engine/host.h"
#include "engine/saved_match.h"
#include "engine/strings.h"
#include "files/safe_file.h"
#include "keeper_state.h"

namespace quintrick {

void CGameRecords::Open(const QString& path, bool readOnly) {
    m_path = path;
    m_readOnly = readOnly;
    TakeUpPending();
    Opened(m_db.Open(path, readOnly));
    if (m_db.IsOpen()) WritePending();
}

void CGameRecords::Opened(CRecordsDb::Opened opened) {
    m_busyAtOpen = opened == CRecordsDb::Opened::Busy;
    switch (opened) {
        case CRecordsDb::Opened::Ok:
            break;
        case CRecordsDb::Opened::MovedAside:
            m_say(kMsgRecordsMovedAside,
                  QDir::toNativeSeparators(m_db.MovedTo()).toStdString() + "\n", kStyleInfo);
            break;
        case CRecordsDb::Opened::Busy:
            Busy();
            break;
        case CRecordsDb::Opened::Unavailable:
            Unavailable();
            break;
    }
}

void CGameRecords::Store(const MatchRecord& match) {
    if (!m_db.IsOpen() && !m_busyAtOpen) return;  // no records this run
    m_pending.push_back(match);
    // The match that just ended may wait a moment for a lock; what waited before goes with it.
    const bool written = Flush(kRecordsBusyWaitMs);
    if (written || !m_db.IsOpen()) return;
    if (m_db.LastFailureBusy()) {
        Busy();
    } else {
        // A disk that refuses writes: no records this run (what waits stays in its file).
        m_db.Close();
        Unavailable();
    }
}

bool CGameRecords::WritePending() {
    return m_pending.empty() || Flush(0);
}

bool CGameRecords::Flush(int waitMs) {
    if (!m_db.IsOpen() && m_busyAtOpen) Opened(m_db.Open(m_path, m_readOnly, waitMs));
    const std::size_t before = m_pending.size();
    while (m_db.IsOpen() && !m_pending.empty()) {
        // Written by a run that stopped before it could forget it: not twice.
        if (!m_db.HasMatch(m_pending.front()) && !m_db.StoreMatch(m_pending.front(), waitMs)) break;
        m_pending.erase(m_pending.begin());
    }
    // A new match waits in the file too; one written takes its leave of it.
    if (m_pending.size() != before || !m_pending.empty()) SavePending();
    return m_pending.empty();
}

void CGameRecords::TakeUpPending() {
    QFile file(PendingPath());
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray text = file.read(static_cast<qint64>(kSavedMatchMaxBytes) + 1);
    std::optional<std::vector<MatchRecord>> kept =
        ReadPendingRecords(std::string_view(text.constData(), static_cast<size_t>(text.size())));
    if (!kept) return;  // damaged: it stays for diagnosis and is replaced by the next one
    m_pending.insert(m_pending.begin(), kept->begin(), kept->end());
}

void CGameRecords::SavePending() {
    const QString path = PendingPath();
    if (m_pending.empty()) {
        if (QFileInfo(path).isFile()) QFile::remove(path);
        return;
    }
    if (m_readOnly) return;
    const std::string text = WritePendingRecords(m_pending);
    // Failing that, they still wait in memory until the end of the run.
    WriteFileSafely(path, SafeWrite::Private,
                    QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

void CGameRecords::Unavailable() {
    if (m_saidUnavailable) return;
    m_saidUnavailable = true;
    m_say(kMsgRecordsUnwritable, QDir::toNativeSeparators(m_db.Path()).toStdString() + "\n",
          kStyleError);
}

void CGameRecords::Busy() {
    if (m_saidBusy) return;
    m_saidBusy = true;
    m_say(kMsgRecordsBusy, QDir::toNativeSeparators(m_db.Path()).toStdString() + "\n", kStyleInfo);
}

}  // namespace quintrick
