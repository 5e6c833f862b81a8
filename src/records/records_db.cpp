#include "records_db.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <algorithm>
#include <atomic>

namespace quintrick {
namespace {

constexpr int kPlayers = kRecordPlayers;

// "name_0, name_1, ..." for the five players, each after `prefix`.
QString Columns(const char* name, const char* prefix = "") {
    QStringList list;
    for (int p = 0; p < kPlayers; ++p) {
        list << QStringLiteral("%1%2_%3").arg(QLatin1String(prefix), QLatin1String(name),
                                              QString::number(p));
    }
    return list.join(QStringLiteral(", "));
}

QString Placeholders(int count) {
    QStringList list;
    for (int i = 0; i < count; ++i) list << QStringLiteral("?");
    return list.join(QStringLiteral(", "));
}

// The steps from each version to the next; a fresh file runs them all.
QStringList MigrationStep(int from) {
    if (from == 0) {
        QString players;
        for (const char* name : {"character", "seat", "points"}) {
            for (int p = 0; p < kPlayers; ++p) {
                players += QStringLiteral("  %1_%2 INTEGER NOT NULL,\n")
                               .arg(QLatin1String(name), QString::number(p));
            }
        }
        QString gamePoints;
        for (int p = 0; p < kPlayers; ++p) {
            gamePoints += QStringLiteral("  points_%1 INTEGER NOT NULL,\n").arg(p);
        }
        return {
            QStringLiteral("CREATE TABLE matches (\n"
                           "  id INTEGER PRIMARY KEY,\n"
                           "  started TEXT NOT NULL,\n"
                           "  ended TEXT NOT NULL,\n"
                           "  finished INTEGER NOT NULL,\n") +
                players +
                QStringLiteral("  rank INTEGER NOT NULL,\n"
                               "  stones_credited INTEGER NOT NULL,\n"
                               "  stones_account INTEGER\n)"),
            QStringLiteral("CREATE TABLE games (\n"
                           "  match_id INTEGER NOT NULL REFERENCES matches(id) ON DELETE CASCADE,\n"
                           "  game INTEGER NOT NULL,\n"
                           "  trump INTEGER NOT NULL,\n"
                           "  battles INTEGER NOT NULL,\n"
                           "  joker_seat INTEGER NOT NULL,\n"
                           "  ace_seat INTEGER NOT NULL,\n"
                           "  joker_player INTEGER NOT NULL,\n"
                           "  ace_player INTEGER NOT NULL,\n"
                           "  winner TEXT NOT NULL CHECK (winner IN ('related', 'unrelated')),\n"
                           "  sweeps INTEGER NOT NULL,\n"
                           "  reverse_sweeps INTEGER NOT NULL,\n"
                           "  sixteen_declared INTEGER NOT NULL,\n"
                           "  sixteen_made INTEGER NOT NULL,\n"
                           "  reverse_declared INTEGER NOT NULL,\n"
                           "  reverse_made INTEGER NOT NULL,\n") +
                gamePoints + QStringLiteral("  PRIMARY KEY (match_id, game)\n)")};
    }
    if (from == 1) {
        // Version 2 keeps the picture cards each player took; older games have none (NULL).
        QStringList steps;
        for (int p = 0; p < kPlayers; ++p) {
            steps << QStringLiteral("ALTER TABLE games ADD COLUMN pictures_%1 INTEGER").arg(p);
        }
        return steps;
    }
    if (from == 2) {
        // Version 3 keeps each game move by move (older games have none: NULL), how often the
        // human took a move back in a match, and the reviews made of stored games.
        return {QStringLiteral("ALTER TABLE games ADD COLUMN moves TEXT"),
                QStringLiteral("ALTER TABLE matches ADD COLUMN take_backs INTEGER NOT NULL "
                               "DEFAULT 0"),
                QStringLiteral("CREATE TABLE reviews (\n"
                               "  match_id INTEGER NOT NULL,\n"
                               "  game INTEGER NOT NULL,\n"
                               "  review TEXT NOT NULL,\n"
                               "  PRIMARY KEY (match_id, game),\n"
                               "  FOREIGN KEY (match_id, game) REFERENCES games(match_id, game) "
                               "ON DELETE CASCADE\n)")};
    }
    return {};
}

// The first bytes of every SQLite database file.
constexpr char kMagic[] = "SQLite format 3";

// SQLITE_BUSY and SQLITE_LOCKED: another connection holds the file.
bool IsBusy(const QSqlError& error) {
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("5") || code == QLatin1String("6");
}

// False when the file is not an SQLite database or shorter than its header says.
bool HeaderOk(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const qint64 size = file.size();
    if (size == 0) return true;  // an empty file is an empty database
    const QByteArray head = file.read(100);
    if (head.size() < 100 || !head.startsWith(QByteArray(kMagic, sizeof kMagic))) return false;
    const auto byte = [&head](int i) { return quint32(quint8(head[i])); };
    quint32 pageSize = byte(16) << 8 | byte(17);
    if (pageSize == 1) pageSize = 65536;
    if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0) return false;
    const quint32 pages = byte(28) << 24 | byte(29) << 16 | byte(30) << 8 | byte(31);
    return size % pageSize == 0 && quint64(size) >= quint64(pages) * pageSize;
}

bool CreateOwnerOnly(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QString NextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("records-%1").arg(++counter);
}

}  // namespace

CRecordsDb::CRecordsDb() : m_name(NextConnectionName()) {}

CRecordsDb::~CRecordsDb() {
    Close();
}

QString CRecordsDb::DefaultPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("records.sqlite"));
}

void CRecordsDb::Close() {
    m_open = false;
    m_insertMatch.reset();
    m_insertGame.reset();
    if (!QSqlDatabase::contains(m_name)) return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

bool CRecordsDb::Connect(const QString& path, bool readOnly, int waitMs) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setDatabaseName(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(std::max(0, waitMs));
    if (readOnly) options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    return db.open();
}

CRecordsDb::Health CRecordsDb::Check() {
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    if (!q.exec(QStringLiteral("PRAGMA integrity_check"))) {
        // A lock held by another program is no damage: the file is left alone.
        return IsBusy(q.lastError()) ? Health::Busy : Health::Damaged;
    }
    if (!q.next() || q.value(0).toString() != QLatin1String("ok")) return Health::Damaged;
    const int version = SchemaVersion();
    if (version < 0 || version > kRecordsVersion) return Health::Damaged;
    // Version 0 is a file this program has not set up yet: it must hold no tables of its own
    // (another program's database is never added to).
    if (version == 0) {
        if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")) || !q.next()) {
            return IsBusy(q.lastError()) ? Health::Busy : Health::Damaged;
        }
        if (q.value(0).toInt() != 0) return Health::Foreign;
    }
    return Health::Ok;
}

int CRecordsDb::SchemaVersion() const {
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) return -1;
    return q.value(0).toInt();
}

bool CRecordsDb::Migrate() {
    const int version = SchemaVersion();
    if (version == kRecordsVersion) return true;
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (!db.transaction()) return false;
    QSqlQuery q(db);
    for (int from = version; from < kRecordsVersion; ++from) {
        for (const QString& statement : MigrationStep(from)) {
            if (!q.exec(statement)) {
                db.rollback();
                return false;
            }
        }
    }
    if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kRecordsVersion))) {
        db.rollback();
        return false;
    }
    return db.commit();
}

QString CRecordsDb::MoveAside(const QString& path) {
    // An older damaged file keeps its name: the next one gets a number.
    QString target = path + QStringLiteral(".bad");
    for (int n = 1; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n) {
        if (n > 99) return {};
        target = path + QStringLiteral(".bad.%1").arg(n);
    }
    if (!QDir().rename(path, target)) return {};
    // Its journal belongs to it: left behind, it would be read into the fresh database.
    for (const char* side : {"-wal", "-shm"}) {
        const QString from = path + QLatin1String(side);
        if (QFileInfo::exists(from)) QDir().rename(from, target + QLatin1String(side));
    }
    return target;
}

CRecordsDb::Opened CRecordsDb::Open(const QString& path, bool readOnly, int waitMs) {
    Close();
    m_path = path;
    m_movedTo.clear();
    m_busy = false;
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    if (!QFileInfo(folder).isDir()) {
        if (readOnly || !QDir().mkpath(folder)) return Opened::Unavailable;
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    bool bad = false;
    if (info.exists() || info.isSymLink()) {
        bad = !info.isFile() || !HeaderOk(path);
    } else if (readOnly || !CreateOwnerOnly(path)) {
        return Opened::Unavailable;
    }
    if (!bad) {
        if (!Connect(path, readOnly, waitMs)) {
            bad = true;
        } else {
            const Health health = Check();
            if (health == Health::Busy) {
                Close();
                m_busy = true;
                return Opened::Busy;
            }
            bad = health != Health::Ok;
        }
    }
    if (bad) {
        Close();
        if (readOnly) return Opened::Unavailable;
        m_movedTo = MoveAside(path);
        if (m_movedTo.isEmpty() || !CreateOwnerOnly(path) || !Connect(path, false, waitMs)) {
            Close();
            return Opened::Unavailable;
        }
    }
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    if (!readOnly) {
        if (!q.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !q.next() ||
            q.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0) {
            m_busy = IsBusy(q.lastError());
            Close();
            return m_busy ? Opened::Busy : Opened::Unavailable;
        }
        // A commit is on disk in order; a power cut may lose the last match, never the file.
        q.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    }
    q.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    if (!Migrate() || !PrepareInserts()) {
        m_busy = IsBusy(QSqlDatabase::database(m_name, false).lastError()) || IsBusy(q.lastError());
        Close();
        return m_busy ? Opened::Busy : Opened::Unavailable;
    }
    m_open = true;
    return m_movedTo.isEmpty() ? Opened::Ok : Opened::MovedAside;
}

bool CRecordsDb::PrepareInserts() {
    const QSqlDatabase db = QSqlDatabase::database(m_name, false);
    m_insertMatch = std::make_unique<QSqlQuery>(db);
    m_insertGame = std::make_unique<QSqlQuery>(db);
    return m_insertMatch->prepare(
               QStringLiteral("INSERT INTO matches (started, ended, finished, %1, %2, %3, rank, "
                              "stones_credited, stones_account, take_backs) VALUES (%4)")
                   .arg(Columns("character"), Columns("seat"), Columns("points"),
                        Placeholders(7 + 3 * kPlayers))) &&
           m_insertGame->prepare(
               QStringLiteral("INSERT INTO games (match_id, game, trump, battles, joker_seat, "
                              "ace_seat, joker_player, ace_player, winner, sweeps, reverse_sweeps, "
                              "sixteen_declared, sixteen_made, reverse_declared, reverse_made, %1, "
                              "%2, moves) VALUES (%3)")
                   .arg(Columns("points"), Columns("pictures"), Placeholders(16 + 2 * kPlayers)));
}

bool CRecordsDb::StoreMatch(const MatchRecord& match, int waitMs) {
    m_busy = false;
    if (!m_open) return false;
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    QSqlQuery(db).exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(std::max(0, waitMs)));
    // IMMEDIATE: the write lock is taken (or found held) before anything is written.
    QSqlQuery begin(db);
    if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        m_busy = IsBusy(begin.lastError());
        return false;
    }
    QSqlQuery& q = *m_insertMatch;
    q.addBindValue(QString::fromStdString(match.started));
    q.addBindValue(QString::fromStdString(match.ended));
    q.addBindValue(match.finished ? 1 : 0);
    for (const auto* values : {&match.character, &match.seat, &match.points}) {
        for (int v : *values) q.addBindValue(v);
    }
    q.addBindValue(match.rank);
    q.addBindValue(match.stonesCredited);
    q.addBindValue(match.stonesAccount < 0 ? QVariant() : QVariant(match.stonesAccount));
    q.addBindValue(match.takeBacks);
    bool ok = q.exec();
    const QVariant id = q.lastInsertId();
    q.finish();
    QSqlQuery& g = *m_insertGame;
    for (const GameRecord& game : match.games) {
        if (!ok) break;
        g.addBindValue(id);
        for (int v : {game.game, game.trump, game.battles, game.jokerSeat, game.aceSeat,
                      game.jokerPlayer, game.acePlayer}) {
            g.addBindValue(v);
        }
        g.addBindValue(game.relatedWon ? QStringLiteral("related") : QStringLiteral("unrelated"));
        for (int v : {game.sweeps, game.reverseSweeps, game.sixteenDeclared, game.sixteenMade,
                      game.reverseDeclared, game.reverseMade}) {
            g.addBindValue(v);
        }
        for (int v : game.points) g.addBindValue(v);
        for (int v : game.pictures) g.addBindValue(v);
        g.addBindValue(game.moves.empty() ? QVariant()
                                          : QVariant(QString::fromStdString(game.moves)));
        ok = g.exec();
        g.finish();
    }
    if (ok && db.commit()) return true;
    m_busy = IsBusy(q.lastError()) || IsBusy(g.lastError()) || IsBusy(db.lastError());
    db.rollback();
    return false;
}

bool CRecordsDb::HasMatch(const MatchRecord& match) const {
    if (!m_open) return false;
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    q.prepare(QStringLiteral("SELECT 1 FROM matches WHERE started = ? AND ended = ? LIMIT 1"));
    q.addBindValue(QString::fromStdString(match.started));
    q.addBindValue(QString::fromStdString(match.ended));
    return q.exec() && q.next();
}

std::vector<MatchRow> CRecordsDb::LoadMatches() const {
    std::vector<MatchRow> rows;
    if (!m_open) return rows;
    QString sums;
    for (int p = 0; p < kPlayers; ++p) sums += QStringLiteral(", SUM(g.pictures_%1)").arg(p);
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT m.id, m.started, m.ended, m.finished, %1, %2, %3, m.rank, "
                               "m.stones_credited, m.stones_account, m.take_backs, COUNT(g.game), "
                               "COUNT(g.pictures_0)%4 FROM matches m LEFT JOIN games g ON "
                               "g.match_id = m.id GROUP BY m.id ORDER BY m.id")
                    .arg(Columns("character", "m."), Columns("seat", "m."), Columns("points", "m."),
                         sums))) {
        return rows;
    }
    while (q.next()) {
        MatchRow row;
        int c = 0;
        row.id = q.value(c++).toLongLong();
        row.started = q.value(c++).toString().toStdString();
        row.ended = q.value(c++).toString().toStdString();
        row.finished = q.value(c++).toInt() != 0;
        for (auto* values : {&row.character, &row.seat, &row.points}) {
            for (int& v : *values) v = q.value(c++).toInt();
        }
        row.rank = q.value(c++).toInt();
        row.stonesCredited = q.value(c++).toInt();
        const QVariant account = q.value(c++);
        row.stonesAccount = account.isNull() ? -1 : account.toInt();
        row.takeBacks = q.value(c++).toInt();
        row.games = q.value(c++).toInt();
        const int withPictures = q.value(c++).toInt();
        row.hasPictures = row.games > 0 && withPictures == row.games;
        for (int& v : row.pictures) v = q.value(c++).toInt();
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<GameRecord> CRecordsDb::LoadGames(std::int64_t matchId) const {
    std::vector<GameRecord> games;
    if (!m_open) return games;
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    q.prepare(
        QStringLiteral("SELECT game, trump, battles, joker_seat, ace_seat, joker_player, "
                       "ace_player, winner, sweeps, reverse_sweeps, sixteen_declared, "
                       "sixteen_made, reverse_declared, reverse_made, %1, %2, moves FROM games "
                       "WHERE match_id = ? ORDER BY game")
            .arg(Columns("points"), Columns("pictures")));
    q.addBindValue(qlonglong(matchId));
    if (!q.exec()) return games;
    while (q.next()) {
        GameRecord g;
        int c = 0;
        for (int* v : {&g.game, &g.trump, &g.battles, &g.jokerSeat, &g.aceSeat, &g.jokerPlayer,
                       &g.acePlayer}) {
            *v = q.value(c++).toInt();
        }
        g.relatedWon = q.value(c++).toString() == QLatin1String("related");
        for (int* v : {&g.sweeps, &g.reverseSweeps, &g.sixteenDeclared, &g.sixteenMade,
                       &g.reverseDeclared, &g.reverseMade}) {
            *v = q.value(c++).toInt();
        }
        for (int& v : g.points) v = q.value(c++).toInt();
        for (int& v : g.pictures) v = q.value(c++).toInt();
        g.moves = q.value(c++).toString().toStdString();
        games.push_back(g);
    }
    return games;
}

bool CRecordsDb::Clear() {
    if (!m_open) return false;
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (!db.transaction()) return false;
    QSqlQuery q(db);
    if (q.exec(QStringLiteral("DELETE FROM reviews")) &&
        q.exec(QStringLiteral("DELETE FROM games")) &&
        q.exec(QStringLiteral("DELETE FROM matches")) && db.commit()) {
        return true;
    }
    db.rollback();
    return false;
}

std::string CRecordsDb::LoadReview(std::int64_t matchId, int game) const {
    if (!m_open) return {};
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    q.prepare(QStringLiteral("SELECT review FROM reviews WHERE match_id = ? AND game = ?"));
    q.addBindValue(qlonglong(matchId));
    q.addBindValue(game);
    if (!q.exec() || !q.next()) return {};
    return q.value(0).toString().toStdString();
}

bool CRecordsDb::StoreReview(std::int64_t matchId, int game, const std::string& review) {
    if (!m_open) return false;
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    q.prepare(
        QStringLiteral("INSERT OR REPLACE INTO reviews (match_id, game, review) "
                       "VALUES (?, ?, ?)"));
    q.addBindValue(qlonglong(matchId));
    q.addBindValue(game);
    q.addBindValue(QString::fromStdString(review));
    return q.exec();
}

}  // namespace quintrick
