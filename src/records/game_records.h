// The game's records: the database at the per-user path, written at the end of every match, and
// what the player is told when it cannot be used. A failure never stops the game: the player is
// told once and plays on without records.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "record_keeper.h"
#include "records_db.h"

namespace quintrick {

class CGameRecords : public IRecordSink {
  public:
    // Shows one of the records' messages (string id, prefix, box style).
    using Say = std::function<void(int stringId, const std::string& prefix, int style)>;
    explicit CGameRecords(Say say) : m_say(std::move(say)) {}

    // Opens the database; tells which file was moved aside, or that there are no records.
    void Open(const QString& path = CRecordsDb::DefaultPath(), bool readOnly = false);
    // IRecordSink: writes the match in one transaction; a failed write is said once and ends
    // the records for this run.
    void Store(const MatchRecord& match) override;

    CRecordsDb& Db() { return m_db; }
    bool Available() const { return m_db.IsOpen(); }
    // How long the last match took to write, in milliseconds.
    double LastWriteMs() const { return m_lastWriteMs; }

  private:
    void Unavailable();

    Say m_say;
    CRecordsDb m_db;
    bool m_saidUnavailable = false;
    double m_lastWriteMs = 0;
};

}  // namespace quintrick
