// The records database: schema, migration, one match in and out, the damaged files that are
// moved aside, a disk that cannot be written, and the CSV export.
#include "records/records_db.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>

#include "engine/roster.h"
#include "engine/strings.h"
#include "records/game_records.h"
#include "records/records_csv.h"
#include "records_test_support.h"

namespace quintrick {
namespace {

MatchRecord SampleMatch(int humanPoints, bool finished = true) {
    MatchRecord m;
    m.started = "2026-12-01 20:00:00";
    m.ended = "2026-12-01 20:30:00";
    m.finished = finished;
    m.character = {5, 8, 6, 2, 7};
    m.seat = {0, 1, 2, 3, 4};
    for (int g = 1; g <= (finished ? 10 : 3); ++g) {
        GameRecord game;
        game.game = g;
        game.trump = g == 10 ? 3 : (g - 1) % 3;
        game.battles = 1 + g % 3;
        game.jokerSeat = 4;
        game.aceSeat = 1;
        game.jokerPlayer = 4;
        game.acePlayer = 1;
        game.relatedWon = g % 2 == 0;
        game.sweeps = g == 3;
        game.sixteenDeclared = g == 3;
        game.points = {-2, 3, -2, -2, 3};
        game.pictures = {1, 4, 2, 3, 6};
        m.games.push_back(game);
    }
    m.points = {-10, 10, -10, -10 - humanPoints + 10, humanPoints + 10};
    m.rank = RankOf(m.points, 4);
    m.stonesCredited = finished ? m.points[4] : 0;
    m.stonesAccount = finished ? 120 : -1;
    return m;
}

class RecordsDbTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::EnsureApp();
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.filePath("data/records.sqlite");
    }
    QSqlQuery Query(const QString& connectionPath, const QString& sql) {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "probe");
        db.setDatabaseName(connectionPath);
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
        return q;
    }
    QTemporaryDir m_dir;
    QString m_path;
};

TEST_F(RecordsDbTest, FreshDatabaseHasTheCurrentSchemaInWalModeOwnerOnly) {
    CRecordsDb db;
    ASSERT_EQ(db.Open(m_path), CRecordsDb::Opened::Ok);
    EXPECT_EQ(db.SchemaVersion(), kRecordsVersion);
    constexpr auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                            QFileDevice::WriteOther | QFileDevice::ExeOther;
    EXPECT_FALSE(QFileInfo(m_path).permissions() & others);
    EXPECT_FALSE(QFileInfo(QFileInfo(m_path).absolutePath()).permissions() & others);
    {
        QSqlQuery q = Query(m_path, "PRAGMA journal_mode");
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toString(), "wal");
        EXPECT_TRUE(
            q.exec("SELECT m.stones_account, g.winner, g.pictures_4, g.reverse_made "
                   "FROM matches m JOIN games g ON g.match_id = m.id"));
        EXPECT_FALSE(q.exec("SELECT no_such_column FROM games"));
    }
    QSqlDatabase::removeDatabase("probe");
}

TEST_F(RecordsDbTest, MatchGoesInAndComesBackWhole) {
    CRecordsDb db;
    ASSERT_EQ(db.Open(m_path), CRecordsDb::Opened::Ok);
    const MatchRecord m = SampleMatch(25);
    ASSERT_TRUE(db.StoreMatch(m));
    ASSERT_TRUE(db.StoreMatch(SampleMatch(-5, false)));
    const auto rows = db.LoadMatches();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].started, m.started);
    EXPECT_EQ(rows[0].points, m.points);
    EXPECT_EQ(rows[0].character, m.character);
    EXPECT_EQ(rows[0].rank, m.rank);
    EXPECT_EQ(rows[0].games, 10);
    EXPECT_TRUE(rows[0].hasPictures);
    EXPECT_EQ(rows[0].pictures[4], 60);
    EXPECT_EQ(rows[0].stonesAccount, 120);
    EXPECT_FALSE(rows[1].finished);
    EXPECT_EQ(rows[1].stonesAccount, -1);
    EXPECT_EQ(rows[1].games, 3);
    const auto games = db.LoadGames(rows[0].id);
    ASSERT_EQ(games.size(), 10u);
    EXPECT_EQ(games[2].sweeps, 1);
    EXPECT_EQ(games[2].sixteenDeclared, 1);
    EXPECT_EQ(games[9].trump, 3);
    EXPECT_EQ(games[9].pictures, m.games[9].pictures);
    EXPECT_TRUE(games[1].relatedWon);
    EXPECT_FALSE(games[0].relatedWon);

    // Reopening finds the same rows; clearing empties both tables.
    db.Close();
    ASSERT_EQ(db.Open(m_path), CRecordsDb::Opened::Ok);
    EXPECT_EQ(db.LoadMatches().size(), 2u);
    ASSERT_TRUE(db.Clear());
    EXPECT_TRUE(db.LoadMatches().empty());
    EXPECT_TRUE(db.LoadGames(rows[0].id).empty());
}

TEST_F(RecordsDbTest, VersionOneFileIsMigratedKeepingItsRows) {
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUINTRICK_RECORDS_DATA "/records-v1.sqlite"), m_path));
    QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    CRecordsDb db;
    ASSERT_EQ(db.Open(m_path), CRecordsDb::Opened::Ok);
    EXPECT_EQ(db.SchemaVersion(), kRecordsVersion);
    auto rows = db.LoadMatches();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].points, (std::array<int, 5>{-10, 14, 6, -20, 10}));
    EXPECT_EQ(rows[0].games, 3);
    EXPECT_FALSE(rows[0].hasPictures);  // the first version kept no picture counts
    EXPECT_FALSE(rows[1].finished);
    EXPECT_EQ(rows[1].stonesAccount, -1);
    EXPECT_EQ(db.LoadGames(rows[0].id)[2].sixteenMade, 1);
    // New matches go in beside the old ones, with their pictures.
    ASSERT_TRUE(db.StoreMatch(SampleMatch(3)));
    rows = db.LoadMatches();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_TRUE(rows[2].hasPictures);
}

TEST_F(RecordsDbTest, VersionTwoFileIsMigratedKeepingItsRowsAndTakesMovesAndReviews) {
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUINTRICK_RECORDS_DATA "/records-v2.sqlite"), m_path));
    QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    CRecordsDb db;
    ASSERT_EQ(db.Open(m_path), CRecordsDb::Opened::Ok);
    EXPECT_EQ(db.SchemaVersion(), kRecordsVersion);
    auto rows = db.LoadMatches();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].points, (std::array<int, 5>{-10, 14, 6, -20, 10}));
    EXPECT_TRUE(rows[0].hasPictures);
    EXPECT_EQ(rows[0].pictures[4], 5 + 3 + 4);
    EXPECT_EQ(rows[0].takeBacks, 0);
    const auto old = db.LoadGames(rows[0].id);
    ASSERT_EQ(old.size(), 3u);
    for (const GameRecord& g : old) EXPECT_TRUE(g.moves.empty());  // kept before moves were
    EXPECT_TRUE(db.LoadReview(rows[0].id, 1).empty());
    // New matches go in beside the old ones with their moves and take-backs; reviews are kept
    // for stored games, replaced when made again, and go with the records when they are cleared.
    MatchRecord m = SampleMatch(3);
    m.takeBacks = 4;
    m.games[1].moves = "M1 g2 e7 s01234 G2,1 D17";
    ASSERT_TRUE(db.StoreMatch(m));
    rows = db.LoadMatches();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2].takeBacks, 4);
    EXPECT_EQ(db.LoadGames(rows[2].id)[1].moves, m.games[1].moves);
    EXPECT_TRUE(db.LoadGames(rows[2].id)[0].moves.empty());
    EXPECT_TRUE(db.StoreReview(rows[2].id, 2, "first"));
    EXPECT_TRUE(db.StoreReview(rows[2].id, 2, "second"));
    EXPECT_FALSE(db.StoreReview(rows[2].id, 11, "of no stored game"));
    EXPECT_EQ(db.LoadReview(rows[2].id, 2), "second");
    EXPECT_TRUE(db.LoadReview(rows[2].id, 3).empty());
    db.Close();
    ASSERT_EQ(db.Open(m_path), CRecordsDb::Opened::Ok);
    EXPECT_EQ(db.LoadReview(rows[2].id, 2), "second");
    ASSERT_TRUE(db.Clear());
    EXPECT_TRUE(db.LoadReview(rows[2].id, 2).empty());
}

// Writes `content` as the database file (or makes a folder of that name).
struct BadFile {
    const char* what;
    std::function<void(const QString& path)> make;
};

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray GoodDatabase(const QString& folder) {
    const QString path = folder + "/good.sqlite";
    {
        CRecordsDb db;
        EXPECT_EQ(db.Open(path), CRecordsDb::Opened::Ok);
        for (int i = 0; i < 30; ++i) db.StoreMatch(SampleMatch(i));
    }
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

TEST_F(RecordsDbTest, DamagedFilesAreMovedAsideAndAFreshOneMade) {
    const QString folder = QFileInfo(m_path).absolutePath();
    QDir().mkpath(folder);
    const QByteArray good = GoodDatabase(m_dir.path());
    ASSERT_GT(good.size(), 8192);
    const std::vector<BadFile> cases = {
        {"not SQLite", [](const QString& p) { WriteFile(p, "name,points\nkestrel,12\n"); }},
        {"truncated", [&](const QString& p) { WriteFile(p, good.left(good.size() / 2)); }},
        {"integrity check fails",
         [&](const QString& p) {
             // Garbage over every page after the first two: the header stays valid.
             QByteArray bytes = good;
             for (qsizetype i = 2 * 4096; i < bytes.size(); ++i) bytes[i] = char(i * 7);
             WriteFile(p, bytes);
         }},
        {"newer version",
         [&](const QString& p) {
             WriteFile(p, good);
             QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "newer");
             db.setDatabaseName(p);
             ASSERT_TRUE(db.open());
             QSqlQuery(db).exec(QString("PRAGMA user_version = %1").arg(kRecordsVersion + 1));
             db.close();
         }},
        {"cannot be opened", [](const QString& p) { QDir().mkpath(p + "/inside"); }},
    };
    for (const BadFile& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        c.make(m_path);
        QSqlDatabase::removeDatabase("newer");
        std::vector<std::pair<int, std::string>> said;
        {
            CGameRecords records(
                [&](int id, const std::string& prefix, int) { said.emplace_back(id, prefix); });
            records.Open(m_path);
            ASSERT_TRUE(records.Available());
            EXPECT_EQ(records.Db().MovedTo(), m_path + ".bad");
            ASSERT_EQ(said.size(), 1u);
            EXPECT_EQ(said[0].first, kMsgRecordsMovedAside);
            EXPECT_EQ(said[0].second, (m_path + ".bad\n").toStdString());
            EXPECT_TRUE(records.Db().LoadMatches().empty());
            records.Store(SampleMatch(7));
            EXPECT_EQ(records.Db().LoadMatches().size(), 1u);
        }
        EXPECT_TRUE(QFileInfo::exists(m_path + ".bad"));
        EXPECT_EQ(said.size(), 1u);
    }
    // A second damaged file does not replace the first one set aside.
    WriteFile(m_path, "still not a database");
    CRecordsDb db;
    ASSERT_EQ(db.Open(m_path), CRecordsDb::Opened::MovedAside);
    EXPECT_EQ(db.MovedTo(), m_path + ".bad.1");
    EXPECT_TRUE(QFileInfo(m_path + ".bad").isDir());
}

TEST_F(RecordsDbTest, StaleJournalOfADamagedFileGoesWithIt) {
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    WriteFile(m_path, "not a database at all");
    WriteFile(m_path + "-wal", "junk journal");
    CRecordsDb db;
    ASSERT_EQ(db.Open(m_path), CRecordsDb::Opened::MovedAside);
    EXPECT_TRUE(QFileInfo::exists(m_path + ".bad-wal"));
    EXPECT_TRUE(db.StoreMatch(SampleMatch(1)));
}

TEST_F(RecordsDbTest, UnwritableRecordsAreSaidOnceAndTheGamePlaysOn) {
    std::vector<int> said;
    const auto say = [&](int id, const std::string&, int) { said.push_back(id); };
    {
        // The data folder cannot be made: a file stands in its way.
        WriteFile(m_dir.filePath("data"), "a file, not a folder");
        CGameRecords records(say);
        records.Open(m_path);
        EXPECT_FALSE(records.Available());
        records.Store(SampleMatch(1));
        records.Store(SampleMatch(2));
        EXPECT_EQ(said, std::vector<int>{kMsgRecordsUnwritable});
        QFile::remove(m_dir.filePath("data"));
    }
    said.clear();
    {
        // A good file on a disk that refuses writes: reading works, the first write fails.
        CRecordsDb().Open(m_path);
        CGameRecords records(say);
        records.Open(m_path, true);
        EXPECT_TRUE(records.Available());
        EXPECT_TRUE(said.empty());
        records.Store(SampleMatch(1));
        records.Store(SampleMatch(2));
        EXPECT_FALSE(records.Available());
        EXPECT_EQ(said, std::vector<int>{kMsgRecordsUnwritable});
    }
}

// A small reader of the export's CSV: quoted fields, doubled quotes, CRLF or LF.
std::vector<std::vector<std::string>> ReadCsv(const QByteArray& data) {
    std::vector<std::vector<std::string>> rows(1);
    std::string field;
    bool quoted = false;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const char c = data[i];
        if (quoted) {
            if (c == '"' && i + 1 < data.size() && data[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().push_back(field);
            field.clear();
        } else if (c == '\n') {
            rows.back().push_back(field);
            field.clear();
            rows.emplace_back();
        } else if (c != '\r') {
            field += c;
        }
    }
    if (rows.back().empty()) rows.pop_back();
    return rows;
}

TEST_F(RecordsDbTest, CsvExportReadsBackAsTheSameRows) {
    CRecordsDb db;
    ASSERT_EQ(db.Open(m_path), CRecordsDb::Opened::Ok);
    db.StoreMatch(SampleMatch(31));
    db.StoreMatch(SampleMatch(-12, false));
    MatchRecord odd = SampleMatch(0);
    odd.started = "2026-12-02 \"late\", evening";  // a field that must be quoted
    db.StoreMatch(odd);
    const auto rows = db.LoadMatches();
    const QString csvPath = m_dir.filePath("export.csv");
    WriteFile(csvPath, "an older export");
    ASSERT_TRUE(ExportMatchesCsv(rows, csvPath));

    QFile f(csvPath);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray data = f.readAll();
    ASSERT_TRUE(data.startsWith("\xEF\xBB\xBF"));
    const auto csv = ReadCsv(data.mid(3));
    ASSERT_EQ(csv.size(), rows.size() + 1);
    const auto& header = csv[0];
    const auto col = [&header](const std::string& name) {
        return int(std::find(header.begin(), header.end(), name) - header.begin());
    };
    ASSERT_LT(col("stones_account"), int(header.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        const auto& line = csv[i + 1];
        ASSERT_EQ(line.size(), header.size());
        EXPECT_EQ(std::stoll(line[col("id")]), rows[i].id);
        EXPECT_EQ(line[col("started")], rows[i].started);
        EXPECT_EQ(line[col("finished")] == "1", rows[i].finished);
        EXPECT_EQ(std::stoi(line[col("games")]), rows[i].games);
        for (int p = 0; p < 5; ++p) {
            const std::string k = std::to_string(p);
            EXPECT_EQ(std::stoi(line[col("character_" + k)]), rows[i].character[p]);
            EXPECT_EQ(line[col("name_" + k)], std::string(RosterName(rows[i].character[p])));
            EXPECT_EQ(std::stoi(line[col("seat_" + k)]), rows[i].seat[p]);
            EXPECT_EQ(std::stoi(line[col("points_" + k)]), rows[i].points[p]);
        }
        EXPECT_EQ(std::stoi(line[col("rank")]), rows[i].rank);
        EXPECT_EQ(std::stoi(line[col("stones_credited")]), rows[i].stonesCredited);
        const std::string account = line[col("stones_account")];
        EXPECT_EQ(account.empty() ? -1 : std::stoi(account), rows[i].stonesAccount);
    }
    // A folder that cannot take the file: false, and nothing half-written is left.
    EXPECT_FALSE(ExportMatchesCsv(rows, m_dir.filePath("no/such/folder/x.csv")));
}

}  // namespace
}  // namespace quintrick
