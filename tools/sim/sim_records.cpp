#include "sim_records.h"

#include <QCoreApplication>

#include "records/record_keeper.h"
#include "records/records_db.h"

namespace quintrick {
namespace {

// Qt SQL loads its driver through the application object.
class AppForSql {
  public:
    AppForSql() {
        if (!QCoreApplication::instance())
            m_app = std::make_unique<QCoreApplication>(m_argc, m_argv);
    }

  private:
    int m_argc = 1;
    char m_arg0[14] = "quintrick-sim";
    char* m_argv[2] = {m_arg0, nullptr};
    std::unique_ptr<QCoreApplication> m_app;
};

class SimRecordsImpl : public SimRecords, private IRecordSink {
  public:
    explicit SimRecordsImpl(const GameState& gs) : m_keeper(gs, *this) {}

    bool Open(const std::string& path, std::string& error) {
        switch (m_db.Open(QString::fromStdString(path))) {
            case CRecordsDb::Opened::Ok:
                return true;
            case CRecordsDb::Opened::MovedAside:
                error = "a damaged " + path + " was moved aside as " + m_db.MovedTo().toStdString();
                return true;
            case CRecordsDb::Opened::Busy:
                error = path + " is held by another program";
                return false;
            case CRecordsDb::Opened::Unavailable:
                error = "cannot write " + path;
                return false;
        }
        return false;
    }
    IGameObserver& Observer() override { return m_keeper; }
    long Stored() const override { return m_stored; }
    bool Failed() const override { return m_failed; }

  private:
    void Store(const MatchRecord& match) override {
        if (m_failed) return;
        if (m_db.StoreMatch(match)) {
            ++m_stored;
        } else {
            m_failed = true;
        }
    }

    AppForSql m_app;
    CRecordsDb m_db;
    RecordKeeper m_keeper;
    long m_stored = 0;
    bool m_failed = false;
};

}  // namespace

std::unique_ptr<SimRecords> SimRecords::Open(const std::string& path, const GameState& gs,
                                             std::string& error) {
    auto records = std::make_unique<SimRecordsImpl>(gs);
    if (!records->Open(path, error)) return nullptr;
    return records;
}

bool LoadStoredGames(const std::string& path, std::vector<StoredGame>& games, std::string& error) {
    AppForSql app;
    CRecordsDb db;
    if (db.Open(QString::fromStdString(path)) != CRecordsDb::Opened::Ok) {
        error = "cannot read the records in " + path;
        return false;
    }
    for (const MatchRow& match : db.LoadMatches()) {
        for (GameRecord& game : db.LoadGames(match.id))
            games.push_back({match.id, std::move(game)});
    }
    return true;
}

}  // namespace quintrick
