// The game's records: the database at the per-user path, written at the end of every match, and
// what the player is told when it cannot be used. A failure never stops the game: the player is
// told once and plays on. A match that cannot be written because another program holds the
// database (or the disk is full) is never lost: it waits in memory and in a file beside the
// database ("<file>.pending") and is written when the database can be used again.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "record_keeper.h"
#include "records_db.h"

namespace quintrick {

class CGameRecords : public IRecordSink {
  public:
    // Shows one of the records' messages (string id, prefix, box style).
    using Say = std::function<void(int stringId, const std::string& prefix, int style)>;
    explicit CGameRecords(Say say) : m_say(std::move(say)) {}

    // Opens the database; tells which file was moved aside, that another program holds it, or
    // that there are no records. Records left waiting by an earlier run are written now.
    void Open(const QString& path = CRecordsDb::DefaultPath(), bool readOnly = false);
    // IRecordSink: writes the match in one transaction; one that cannot be written waits.
    void Store(const MatchRecord& match) override;
    // Writes what waits, without waiting for a lock; true when nothing waits any more. A
    // database that was busy at the start is opened now.
    bool WritePending();

    CRecordsDb& Db() { return m_db; }
    bool Available() const { return m_db.IsOpen(); }
    // The matches waiting to be written.
    const std::vector<MatchRecord>& Pending() const { return m_pending; }
    QString PendingPath() const { return m_path + QStringLiteral(".pending"); }

  private:
    void Opened(CRecordsDb::Opened opened);
    // Writes what waits, each waiting at most `waitMs` for a lock; true when nothing waits.
    bool Flush(int waitMs);
    void TakeUpPending();
    void SavePending();
    void Unavailable();
    void Busy();

    Say m_say;
    CRecordsDb m_db;
    QString m_path;
    bool m_readOnly = false;
    bool m_busyAtOpen = false;  // opened busy: opened again when the records are next written
    std::vector<MatchRecord> m_pending;
    bool m_saidUnavailable = false;
    bool m_saidBusy = false;
};

}  // namespace quintrick
