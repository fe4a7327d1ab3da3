#include "RecordStore.h"

#include "engine/Index.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <iostream>

namespace nf {
namespace {

// "Ninf": tells the game's record from other SQLite files.
constexpr int kApplicationId = 0x4e696e66;

// SQLite's codes for a file that is damaged or not a database.
bool damagedFile(const QSqlError& error) {
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("11") || code == QLatin1String("26");
}

const char* const kSchema[] = {
    "CREATE TABLE matches(id INTEGER PRIMARY KEY, ended TEXT NOT NULL, kind INTEGER NOT NULL, "
    "players INTEGER NOT NULL, winner INTEGER NOT NULL, draw INTEGER NOT NULL, "
    "resumed INTEGER NOT NULL, throws BLOB NOT NULL)",
    // result: 1 won, 2 shared the best total in a draw, 0 otherwise.
    "CREATE TABLE seats(match INTEGER NOT NULL REFERENCES matches(id), seat INTEGER NOT NULL, "
    "total INTEGER NOT NULL, result INTEGER NOT NULL, clears INTEGER NOT NULL, "
    "choices INTEGER NOT NULL, turns INTEGER NOT NULL, lost REAL NOT NULL, "
    "PRIMARY KEY(match, seat)) WITHOUT ROWID",
    // The figures per kind of board and seat, kept by SQLite as seats are added, so that the
    // statistics read a few rows however long the record.
    "CREATE TABLE figures(kind INTEGER NOT NULL, seat INTEGER NOT NULL, matches INTEGER NOT "
    "NULL, wins INTEGER NOT NULL, draws INTEGER NOT NULL, best INTEGER NOT NULL, totals "
    "INTEGER NOT NULL, clears INTEGER NOT NULL, choices INTEGER NOT NULL, turns INTEGER NOT "
    "NULL, lost REAL NOT NULL, PRIMARY KEY(kind, seat)) WITHOUT ROWID",
    // Matches left with Exit, under their saved game's bytes, until they are finished.
    "CREATE TABLE unfinished(saved BLOB PRIMARY KEY, throws BLOB NOT NULL)",
    "CREATE TRIGGER seat_figures AFTER INSERT ON seats BEGIN "
    "INSERT INTO figures VALUES((SELECT kind FROM matches WHERE id = NEW.match), NEW.seat, 1, "
    "NEW.result = 1, NEW.result = 2, NEW.total, NEW.total, NEW.clears, NEW.choices, NEW.turns, "
    "NEW.lost) ON CONFLICT(kind, seat) DO UPDATE SET matches = matches + 1, "
    "wins = wins + excluded.wins, draws = draws + excluded.draws, "
    "best = max(best, excluded.best), totals = totals + excluded.totals, "
    "clears = clears + excluded.clears, choices = choices + excluded.choices, "
    "turns = turns + excluded.turns, lost = lost + excluded.lost; END",
};

QByteArray bytes(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

int seatResult(const MatchSummary& m, int seat) {
    if (m.draw)
        return m.seats[idx(seat)].total == m.seats[idx(m.winner)].total ? 2 : 0;
    return seat == m.winner ? 1 : 0;
}

} // namespace

RecordStore::RecordStore(QString path, Limits limits)
    : path_(std::move(path)), limits_(limits),
      connection_(QStringLiteral("ninefold-record-%1").arg(reinterpret_cast<quintptr>(this))) {}

RecordStore::~RecordStore() {
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
}

bool RecordStore::open() {
    if (open_)
        return true;
    problem_.clear();
    Opened opened = openFile();
    if (opened == Opened::Damaged)
        opened = setAside(QStringLiteral("damaged")) ? openFile() : Opened::No;
    open_ = opened == Opened::Yes;
    if (!open_ && problem_.isEmpty())
        problem_ = QStringLiteral("cannot open the record");
    return open_;
}

RecordStore::Opened RecordStore::openFile() {
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        problem_ = QStringLiteral("cannot make the folder of ") + path_;
        return Opened::No;
    }
    const QFileInfo file(path_);
    if (file.exists() && !file.isFile())
        return Opened::Damaged;
    {
        QSqlDatabase db = QSqlDatabase::contains(connection_)
                              ? QSqlDatabase::database(connection_, false)
                              : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
        db.close();
        db.setDatabaseName(path_);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(limits_.busyMs));
        if (!db.open()) {
            problem_ = db.lastError().text();
            return Opened::No;
        }
        QSqlQuery q(db);
        if (limits_.maxPages > 0)
            q.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(limits_.maxPages));
        if (!q.exec(QStringLiteral("SELECT (SELECT application_id FROM pragma_application_id), "
                                   "(SELECT user_version FROM pragma_user_version), "
                                   "(SELECT count(*) FROM sqlite_master)")) ||
            !q.next()) {
            fail(q, QStringLiteral("reading"));
            return damaged_ ? Opened::Damaged : Opened::No;
        }
        const int id = q.value(0).toInt(), version = q.value(1).toInt();
        const int objects = q.value(2).toInt();
        if (id == kApplicationId && version == kSchemaVersion)
            return Opened::Yes;
        if (id == kApplicationId && version > kSchemaVersion) {
            problem_ = QStringLiteral("ninefold: the record %1 was made by a later version of "
                                      "the game; it is left as it is")
                           .arg(path_);
            return Opened::No;
        }
        if (id == 0 && objects == 0)
            return createSchema() ? Opened::Yes : Opened::No;
        // Another program's database, or the record of a later version of the game: kept
        // whole for whoever made it.
    }
    if (!setAside(QStringLiteral("foreign")))
        return Opened::No;
    return openFile() == Opened::Yes ? Opened::Yes : Opened::No;
}

bool RecordStore::createSchema() {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(q, QStringLiteral("creating"));
    // Another copy may have made it while this one waited.
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next())
        return fail(q, QStringLiteral("creating"));
    if (q.value(0).toInt() == 0) {
        for (const char* statement : kSchema)
            if (!q.exec(QString::fromLatin1(statement)))
                return fail(q, QStringLiteral("creating"));
        q.exec(QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId));
        q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
    }
    if (!q.exec(QStringLiteral("COMMIT")))
        return fail(q, QStringLiteral("creating"));
    return true;
}

bool RecordStore::setAside(const QString& why) {
    if (QSqlDatabase::contains(connection_))
        QSqlDatabase::database(connection_, false).close();
    const QString aside =
        path_ + QLatin1Char('.') + why + QLatin1Char('-') +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    damaged_ = false;
    if (!QFile::rename(path_, aside)) {
        problem_ = QStringLiteral("ninefold: the record %1 is %2 and cannot be set aside; the "
                                  "game goes on without it")
                       .arg(path_, why);
        return false;
    }
    std::cerr << "ninefold: the record " << qPrintable(path_) << " was " << qPrintable(why)
              << "; it is kept as " << qPrintable(aside) << " and a new record begun\n";
    return true;
}

bool RecordStore::fail(const QSqlQuery& query, const QString& doing) {
    const QSqlError error = query.lastError();
    damaged_ = damagedFile(error);
    problem_ = QStringLiteral("ninefold: the record %1 could not be %2 (%3); the game goes on")
                   .arg(path_, doing, error.text());
    QSqlQuery(QSqlDatabase::database(connection_, false)).exec(QStringLiteral("ROLLBACK"));
    return false;
}

// `use` once the record is open; where the file proves damaged, once more on a new record.
template <typename Use>
auto RecordStore::retryingOnDamage(const Use& use) -> decltype(use()) {
    decltype(use()) result{};
    if (open())
        result = use();
    if (!result && damaged_) {
        setAside(QStringLiteral("damaged"));
        open_ = false;
        if (open())
            result = use();
    }
    return result;
}

void RecordStore::sayProblem(const QString& what) const {
    if (problem_.startsWith(QLatin1String("ninefold")))
        std::cerr << qPrintable(problem_) << '\n';
    else
        std::cerr << "ninefold: " << qPrintable(what) << ": " << qPrintable(problem_) << '\n';
}

bool RecordStore::addAll(const std::vector<RecordedMatch>& matches) {
    const bool done = retryingOnDamage([&] { return write(matches); });
    if (!done)
        sayProblem(QStringLiteral("the match was not recorded"));
    return done;
}

bool RecordStore::transaction(const std::function<bool(QSqlQuery&)>& body) {
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(q, QStringLiteral("written"));
    if (!body(q))
        return false;
    if (!q.exec(QStringLiteral("COMMIT")))
        return fail(q, QStringLiteral("written"));
    return true;
}

bool RecordStore::write(const std::vector<RecordedMatch>& matches) {
    return transaction([&](QSqlQuery& q) {
        for (const RecordedMatch& match : matches)
            if (!insert(q, match))
                return false;
        return true;
    });
}

bool RecordStore::keepUnfinished(const std::string& saved, const std::string& throws,
                                 const std::string& replacing) {
    const bool done =
        open() && transaction([&](QSqlQuery& q) {
            q.prepare(QStringLiteral("DELETE FROM unfinished WHERE saved = ?"));
            q.addBindValue(bytes(replacing));
            if (!q.exec())
                return fail(q, QStringLiteral("written"));
            q.prepare(QStringLiteral("INSERT OR REPLACE INTO unfinished VALUES(?, ?)"));
            q.addBindValue(bytes(saved));
            q.addBindValue(bytes(throws));
            if (!q.exec())
                return fail(q, QStringLiteral("written"));
            // Matches never continued are forgotten after a while.
            return q.exec(QStringLiteral("DELETE FROM unfinished WHERE rowid NOT IN (SELECT rowid "
                                         "FROM unfinished ORDER BY rowid DESC LIMIT 20)")) ||
                   fail(q, QStringLiteral("written"));
        });
    if (!done)
        sayProblem(QStringLiteral("the unfinished match was not kept"));
    return done;
}

std::optional<std::string> RecordStore::unfinished(const std::string& saved) {
    if (!open())
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("SELECT throws FROM unfinished WHERE saved = ?"));
    q.addBindValue(bytes(saved));
    if (!q.exec() || !q.next())
        return std::nullopt;
    const QByteArray throws = q.value(0).toByteArray();
    return std::string(throws.constData(), static_cast<std::size_t>(throws.size()));
}

bool RecordStore::insert(QSqlQuery& q, const RecordedMatch& match) {
    const MatchSummary& m = match.summary;
    const QString doing = QStringLiteral("written");
    q.prepare(QStringLiteral("INSERT INTO matches(ended, kind, players, winner, draw, resumed, "
                             "throws) VALUES(?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    q.addBindValue(static_cast<int>(m.kind));
    q.addBindValue(m.players);
    q.addBindValue(m.winner);
    q.addBindValue(m.draw ? 1 : 0);
    q.addBindValue(m.resumed ? 1 : 0);
    q.addBindValue(bytes(match.throws));
    if (!q.exec())
        return fail(q, doing);
    const QVariant id = q.lastInsertId();
    q.prepare(QStringLiteral("INSERT INTO seats VALUES(?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int seat = 0; seat < m.players && seat < kPlayers; ++seat) {
        const SeatSummary& s = m.seats[idx(seat)];
        for (const QVariant& v :
             {id, QVariant(seat), QVariant(s.total), QVariant(seatResult(m, seat)),
              QVariant(s.clears), QVariant(s.choices), QVariant(s.turns), QVariant(s.lost)})
            q.addBindValue(v);
        if (!q.exec())
            return fail(q, doing);
    }
    if (match.continuedFrom.empty())
        return true;
    q.prepare(QStringLiteral("DELETE FROM unfinished WHERE saved = ?"));
    q.addBindValue(bytes(match.continuedFrom));
    return q.exec() || fail(q, doing);
}

std::optional<RecordFigures> RecordStore::read(int recent) {
    std::optional<RecordFigures> read = retryingOnDamage([&] { return figures(recent); });
    if (!read)
        sayProblem(QStringLiteral("the record could not be read"));
    return read;
}

std::optional<RecordFigures> RecordStore::figures(int recent) {
    RecordFigures f;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    const QString doing = QStringLiteral("read");
    // One read transaction: the figures and the last matches agree.
    if (!q.exec(QStringLiteral("BEGIN")))
        return fail(q, doing), std::nullopt;
    if (!q.exec(QStringLiteral("SELECT kind, seat, matches, wins, draws, best, totals, clears, "
                               "choices, turns, lost FROM figures")))
        return fail(q, doing), std::nullopt;
    while (q.next()) {
        const int kind = q.value(0).toInt(), seat = q.value(1).toInt();
        if (kind < 0 || kind >= kBoardKinds || seat < 0 || seat >= kPlayers)
            continue;
        SeatFigures& s = f.seats[idx(kind)][idx(seat)];
        s = {q.value(2).toLongLong(), q.value(3).toLongLong(), q.value(4).toLongLong(),
             q.value(5).toLongLong(), q.value(6).toDouble(),   q.value(7).toLongLong(),
             q.value(8).toLongLong(), q.value(9).toLongLong(), q.value(10).toDouble()};
        if (seat == 0)
            f.matches += s.matches;
    }
    q.prepare(QStringLiteral(
        "SELECT m.id, m.kind, m.players, m.winner, m.draw, m.resumed, s.seat, s.total, s.clears, "
        "s.choices, s.turns, s.lost, CASE WHEN m.id = (SELECT max(id) FROM matches) THEN m.throws "
        "END FROM (SELECT * FROM matches ORDER BY id DESC LIMIT ?) m JOIN seats s ON s.match = "
        "m.id ORDER BY m.id, s.seat"));
    q.addBindValue(std::max(recent, 1));
    if (!q.exec())
        return fail(q, doing), std::nullopt;
    qlonglong current = -1;
    while (q.next()) {
        if (q.value(0).toLongLong() != current) {
            current = q.value(0).toLongLong();
            RecordedMatch r;
            r.summary.kind = static_cast<BoardKind>(std::clamp(q.value(1).toInt(), 0, 2));
            r.summary.players = q.value(2).toInt();
            r.summary.winner = std::clamp(q.value(3).toInt(), 0, kPlayers - 1);
            r.summary.draw = q.value(4).toBool();
            r.summary.resumed = q.value(5).toBool();
            const QByteArray throws = q.value(12).toByteArray();
            r.throws.assign(throws.constData(), static_cast<std::size_t>(throws.size()));
            f.recent.push_back(r);
        }
        const int seat = q.value(6).toInt();
        if (seat >= 0 && seat < kPlayers)
            f.recent.back().summary.seats[idx(seat)] = {q.value(7).toInt(), q.value(8).toInt(),
                                                        q.value(9).toInt(), q.value(10).toInt(),
                                                        q.value(11).toDouble()};
    }
    q.exec(QStringLiteral("COMMIT"));
    if (!f.recent.empty())
        f.last = f.recent.back();
    for (RecordedMatch& r : f.recent)
        r.throws.clear();
    return f;
}

} // namespace nf
