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
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace quintrick {
namespace {

constexpr int kPlayers = kRecordPlayers;
using PlayerValues = std::array<int, kPlayers>;

// One column of a record table with the member of the row type it holds: the one declaration
// from which the table's CREATE, INSERT and SELECT are made and a row is bound and read. A
// member of five values (one per player) is five columns, name_0 .. name_4.
template <typename Row>
struct Column {
    enum Store {
        Value,             // as it is, never NULL
        Winner,            // relatedWon as 'related' or 'unrelated'
        NullWhenNegative,  // a negative value is stored as NULL and read back as -1
        Added,             // added by a later version: NULL in older rows, read back as 0
        AddedText,         // added by a later version: NULL in older rows and for "", read back
                           // as ""
        AddedCount,        // added by a later version: 0 in older rows
    };
    using Member = std::variant<int Row::*, bool Row::*, std::string Row::*, PlayerValues Row::*>;
    const char* name;
    Member member;
    Store store = Value;
    int version = 1;  // the version of the records that made it
};

// The matches: MatchRecord is written, MatchRow read, by the same columns.
template <typename Row>
std::vector<Column<Row>> MatchColumns() {
    using C = Column<Row>;
    return {{"started", &Row::started},
            {"ended", &Row::ended},
            {"finished", &Row::finished},
            {"character", &Row::character},
            {"seat", &Row::seat},
            {"points", &Row::points},
            {"rank", &Row::rank},
            {"stones_credited", &Row::stonesCredited},
            {"stones_account", &Row::stonesAccount, C::NullWhenNegative},
            // Version 3 counts the moves the human took back in the match.
            {"take_backs", &Row::takeBacks, C::AddedCount, 3}};
}

std::vector<Column<GameRecord>> GameColumns() {
    using G = GameRecord;
    using C = Column<G>;
    return {{"game", &G::game},
            {"trump", &G::trump},
            {"battles", &G::battles},
            {"joker_seat", &G::jokerSeat},
            {"ace_seat", &G::aceSeat},
            {"joker_player", &G::jokerPlayer},
            {"ace_player", &G::acePlayer},
            {"winner", &G::relatedWon, C::Winner},
            {"sweeps", &G::sweeps},
            {"reverse_sweeps", &G::reverseSweeps},
            {"sixteen_declared", &G::sixteenDeclared},
            {"sixteen_made", &G::sixteenMade},
            {"reverse_declared", &G::reverseDeclared},
            {"reverse_made", &G::reverseMade},
            {"points", &G::points},
            // Version 2 keeps the picture cards each player took; older games have none.
            {"pictures", &G::pictures, C::Added, 2},
            // Version 3 keeps each game move by move; older games have none.
            {"moves", &G::moves, C::AddedText, 3}};
}

// The column names of `column` (five for a player member), each after `prefix`.
template <typename Row>
QStringList Names(const Column<Row>& column, const QString& prefix = {}) {
    const QString name = prefix + QLatin1String(column.name);
    if (!std::holds_alternative<PlayerValues Row::*>(column.member)) return {name};
    QStringList names;
    for (int p = 0; p < kPlayers; ++p)
        names << QStringLiteral("%1_%2").arg(name, QString::number(p));
    return names;
}

// Every column name of `columns` up to `version`, each after `prefix`.
template <typename Row>
QStringList Names(const std::vector<Column<Row>>& columns, const QString& prefix = {},
                  int version = kRecordsVersion) {
    QStringList names;
    for (const Column<Row>& column : columns) {
        if (column.version <= version) names << Names(column, prefix);
    }
    return names;
}

template <typename Row>
QString SqlType(const Column<Row>& column) {
    switch (column.store) {
        case Column<Row>::Winner:
            return QStringLiteral("TEXT NOT NULL CHECK (%1 IN ('related', 'unrelated'))")
                .arg(QLatin1String(column.name));
        case Column<Row>::NullWhenNegative:
        case Column<Row>::Added:
            return QStringLiteral("INTEGER");
        case Column<Row>::AddedText:
            return QStringLiteral("TEXT");
        case Column<Row>::AddedCount:
            return QStringLiteral("INTEGER NOT NULL DEFAULT 0");
        case Column<Row>::Value:
            break;
    }
    return std::holds_alternative<std::string Row::*>(column.member)
               ? QStringLiteral("TEXT NOT NULL")
               : QStringLiteral("INTEGER NOT NULL");
}

// "  name TYPE" lines of the columns a version made.
template <typename Row>
QStringList Definitions(const std::vector<Column<Row>>& columns, int version) {
    QStringList lines;
    for (const Column<Row>& column : columns) {
        if (column.version != version) continue;
        for (const QString& name : Names(column)) {
            lines << QStringLiteral("  %1 %2").arg(name, SqlType(column));
        }
    }
    return lines;
}

QString Placeholders(qsizetype count) {
    QStringList list;
    for (qsizetype i = 0; i < count; ++i) list << QStringLiteral("?");
    return list.join(QStringLiteral(", "));
}

// "INSERT INTO table (first..., columns...) VALUES (?, ...)".
template <typename Row>
QString Insert(const char* table, const QStringList& first,
               const std::vector<Column<Row>>& columns) {
    const QStringList names = first + Names(columns);
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(QLatin1String(table), names.join(QStringLiteral(", ")), Placeholders(names.size()));
}

template <typename Row>
void Bind(QSqlQuery& q, const Row& row, const std::vector<Column<Row>>& columns) {
    for (const Column<Row>& column : columns) {
        std::visit(
            [&](auto member) {
                const auto& value = row.*member;
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, PlayerValues>) {
                    for (int v : value) q.addBindValue(v);
                } else if constexpr (std::is_same_v<T, std::string>) {
                    q.addBindValue(column.store == Column<Row>::AddedText && value.empty()
                                       ? QVariant()
                                       : QVariant(QString::fromStdString(value)));
                } else if constexpr (std::is_same_v<T, bool>) {
                    if (column.store == Column<Row>::Winner) {
                        q.addBindValue(value ? QStringLiteral("related")
                                             : QStringLiteral("unrelated"));
                    } else {
                        q.addBindValue(value ? 1 : 0);
                    }
                } else if (column.store == Column<Row>::NullWhenNegative && value < 0) {
                    q.addBindValue(QVariant());
                } else {
                    q.addBindValue(value);
                }
            },
            column.member);
    }
}

// Reads the columns into `row` from the query's value `c` on; returns the next value's index.
template <typename Row>
int Read(const QSqlQuery& q, int c, Row& row, const std::vector<Column<Row>>& columns) {
    for (const Column<Row>& column : columns) {
        std::visit(
            [&](auto member) {
                auto& value = row.*member;
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, PlayerValues>) {
                    for (int& v : value) v = q.value(c++).toInt();
                } else if constexpr (std::is_same_v<T, std::string>) {
                    value = q.value(c++).toString().toStdString();
                } else if constexpr (std::is_same_v<T, bool>) {
                    const QVariant stored = q.value(c++);
                    value = column.store == Column<Row>::Winner
                                ? stored.toString() == QLatin1String("related")
                                : stored.toInt() != 0;
                } else {
                    const QVariant stored = q.value(c++);
                    value = column.store == Column<Row>::NullWhenNegative && stored.isNull()
                                ? -1
                                : stored.toInt();
                }
            },
            column.member);
    }
    return c;
}

// The steps from each version to the next; a fresh file runs them all.
QStringList MigrationStep(int from) {
    if (from == 0) {
        return {QStringLiteral("CREATE TABLE matches (\n  id INTEGER PRIMARY KEY,\n") +
                    Definitions(MatchColumns<MatchRecord>(), 1).join(QStringLiteral(",\n")) +
                    QStringLiteral("\n)"),
                QStringLiteral("CREATE TABLE games (\n"
                               "  match_id INTEGER NOT NULL REFERENCES matches(id) ON DELETE "
                               "CASCADE,\n") +
                    Definitions(GameColumns(), 1).join(QStringLiteral(",\n")) +
                    QStringLiteral(",\n  PRIMARY KEY (match_id, game)\n)")};
    }
    // Later versions add columns, which older rows have as NULL or as their default.
    QStringList steps;
    for (const QString& line : Definitions(GameColumns(), from + 1)) {
        steps << QStringLiteral("ALTER TABLE games ADD COLUMN") + line.mid(1);
    }
    for (const QString& line : Definitions(MatchColumns<MatchRecord>(), from + 1)) {
        steps << QStringLiteral("ALTER TABLE matches ADD COLUMN") + line.mid(1);
    }
    if (from == 2) {
        // Version 3 also keeps the reviews made of stored games.
        steps << QStringLiteral(
            "CREATE TABLE reviews (\n"
            "  match_id INTEGER NOT NULL,\n"
            "  game INTEGER NOT NULL,\n"
            "  review TEXT NOT NULL,\n"
            "  PRIMARY KEY (match_id, game),\n"
            "  FOREIGN KEY (match_id, game) REFERENCES games(match_id, game) "
            "ON DELETE CASCADE\n)");
    }
    return steps;
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
    return m_insertMatch->prepare(Insert("matches", {}, MatchColumns<MatchRecord>())) &&
           m_insertGame->prepare(Insert("games", {QStringLiteral("match_id")}, GameColumns()));
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
    Bind(q, match, MatchColumns<MatchRecord>());
    bool ok = q.exec();
    const QVariant id = q.lastInsertId();
    q.finish();
    QSqlQuery& g = *m_insertGame;
    const std::vector<Column<GameRecord>> columns = GameColumns();
    for (const GameRecord& game : match.games) {
        if (!ok) break;
        g.addBindValue(id);
        Bind(g, game, columns);
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
    const std::vector<Column<MatchRow>> columns = MatchColumns<MatchRow>();
    QStringList sums;
    for (int p = 0; p < kPlayers; ++p) sums << QStringLiteral("SUM(g.pictures_%1)").arg(p);
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT m.id, %1, COUNT(g.game), COUNT(g.pictures_0), %2 FROM "
                               "matches m LEFT JOIN games g ON g.match_id = m.id GROUP BY m.id "
                               "ORDER BY m.id")
                    .arg(Names(columns, QStringLiteral("m.")).join(QStringLiteral(", ")),
                         sums.join(QStringLiteral(", "))))) {
        return rows;
    }
    while (q.next()) {
        MatchRow row;
        row.id = q.value(0).toLongLong();
        int c = Read(q, 1, row, columns);
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
    const std::vector<Column<GameRecord>> columns = GameColumns();
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    q.prepare(QStringLiteral("SELECT %1 FROM games WHERE match_id = ? ORDER BY game")
                  .arg(Names(columns).join(QStringLiteral(", "))));
    q.addBindValue(qlonglong(matchId));
    if (!q.exec()) return games;
    while (q.next()) {
        GameRecord g;
        Read(q, 0, g, columns);
        games.push_back(std::move(g));
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
