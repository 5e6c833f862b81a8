// The match records in an SQLite database (records.sqlite in the per-user data folder): the
// schema and its migrations, one transaction per match, reading back for the window and the
// export. A file that is damaged or from a newer version is moved aside, never used or lost.
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "match_record.h"
#include "records_stats.h"

namespace quintrick {

// The schema version this program writes (PRAGMA user_version).
inline constexpr int kRecordsVersion = 3;
// How long opening and writing wait for another program's lock on the file.
inline constexpr int kRecordsBusyWaitMs = 1000;

class CRecordsDb {
  public:
    enum class Opened { Ok, MovedAside, Busy, Unavailable };

    CRecordsDb();
    ~CRecordsDb();
    CRecordsDb(const CRecordsDb&) = delete;
    CRecordsDb& operator=(const CRecordsDb&) = delete;

    // records.sqlite in the per-user data folder.
    static QString DefaultPath();

    // Opens or creates the database at `path` (owner-only), checks it and brings its schema up to
    // date. A file that is not a database, truncated, fails the integrity check, carries a newer
    // version or is another program's database is moved aside (MovedAside, with MovedTo() naming
    // it) and a fresh one made. Busy: another program holds the file locked beyond a wait of
    // about a second; the file is left as it is (open it again later). Unavailable: nothing can
    // be written there (the game plays on without records).
    // `readOnly` opens an existing file without writing (tests of a read-only disk).
    // `waitMs` bounds the wait for another program's lock.
    Opened Open(const QString& path, bool readOnly = false, int waitMs = kRecordsBusyWaitMs);
    bool IsOpen() const { return m_open; }
    const QString& MovedTo() const { return m_movedTo; }
    const QString& Path() const { return m_path; }
    void Close();

    // Writes one match with its games in one transaction; false (nothing written) on failure,
    // with LastFailureBusy() telling whether another program held the file locked. `waitMs`
    // bounds the wait for such a lock.
    bool StoreMatch(const MatchRecord& match, int waitMs = kRecordsBusyWaitMs);
    bool LastFailureBusy() const { return m_busy; }
    // Whether a match that began and ended at these times is stored already.
    bool HasMatch(const MatchRecord& match) const;
    // Every match in the order they were played.
    std::vector<MatchRow> LoadMatches() const;
    // The games of one match, in order.
    std::vector<GameRecord> LoadGames(std::int64_t matchId) const;
    // The cached review of a game (its text form), empty when there is none.
    std::string LoadReview(std::int64_t matchId, int game) const;
    // Keeps the review of a stored game, replacing an older one; false when it was not written.
    bool StoreReview(std::int64_t matchId, int game, const std::string& review);
    // Deletes every record in one transaction.
    bool Clear();
    int SchemaVersion() const;

  private:
    bool Connect(const QString& path, bool readOnly, int waitMs);
    enum class Health { Ok, Damaged, Foreign, Busy };
    Health Check();
    bool Migrate();
    QString MoveAside(const QString& path);
    bool PrepareInserts();

    QString m_name;  // the connection's name, unique per object
    QString m_path;
    QString m_movedTo;
    bool m_open = false;
    bool m_busy = false;  // the last failure was another program's lock
    // The two inserts, prepared once per opening.
    std::unique_ptr<QSqlQuery> m_insertMatch, m_insertGame;
};

}  // namespace quintrick
