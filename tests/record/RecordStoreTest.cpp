#include "record/RecordStore.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace nf {
namespace {

// A two-player match Red wins 60 to 45 with one clear, and its throws.
RecordedMatch aMatch(BoardKind kind = BoardKind::People, int red = 60) {
    RecordedMatch r;
    r.summary.kind = kind;
    r.summary.players = 2;
    r.summary.seats[0] = {red, 1, 12, 5, 1.5};
    r.summary.seats[1] = {45, 0, 10, 5, 0.25};
    r.summary.winner = red > 45 ? 0 : 1;
    MatchLog log;
    // Longer than a page of the database.
    for (int i = 0; i < 200; ++i)
        log.throws.insert(log.throws.end(), {{1, 0, 0, false, 3, 4, numberBit(7)},
                                             {1, 1, 0, false, 2, 2, numberBit(4)},
                                             {3, 0, 0x1c0, true, 5, 0, numberBit(5)}});
    r.throws = log.encode();
    return r;
}

struct Record : ::testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("ninefold/record.sqlite"));
    long matches(const QString& file) {
        const std::optional<RecordFigures> f = RecordStore(file).read(50);
        return f ? f->matches : -1;
    }
};

TEST_F(Record, KeepsEveryMatchWithItsThrowsAcrossAReopen) {
    {
        RecordStore store(path);
        ASSERT_TRUE(store.add(aMatch()));
        ASSERT_TRUE(store.add(aMatch(BoardKind::People, 30)));
        ASSERT_TRUE(store.add(aMatch(BoardKind::ExpertComputer, 70)));
    }
    const std::optional<RecordFigures> f = RecordStore(path).read(2);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->matches, 3);
    const SeatFigures& red = f->seats[0][0];
    EXPECT_EQ(std::make_tuple(red.matches, red.wins, red.draws, red.best, red.totals, red.clears,
                              red.choices, red.turns, red.lost),
              std::make_tuple(2L, 1L, 0L, 60L, 90.0, 2L, 24L, 10L, 3.0));
    EXPECT_EQ(f->seats[0][1].wins, 1);
    EXPECT_EQ(f->seats[2][0].matches, 1);
    ASSERT_EQ(f->recent.size(), 2u);
    EXPECT_EQ(f->recent[0].summary.seats[0].total, 30);
    ASSERT_TRUE(f->last);
    EXPECT_EQ(f->last->summary.kind, BoardKind::ExpertComputer);
    EXPECT_EQ(f->last->throws, aMatch().throws) << "the throws' bytes as written";
}

// What the store cannot use it sets aside (a damaged file, another program's database) or
// leaves alone (locked too long, a folder it cannot make, a full disk), saying so in one line;
// a match it could not write leaves the record as it was.
TEST_F(Record, SetsAsideOrLeavesAloneWhatItCannotUse) {
    struct Case {
        const char* name;
        std::function<void(const QString& path, RecordStore::Limits&)> prepare;
        bool added;
        const char* aside; // the suffix of a file set aside, or none
    };
    std::unique_ptr<QSqlDatabase> holder;
    const auto otherDatabase = [&holder](const QString& file, const QString& statement) {
        holder = std::make_unique<QSqlDatabase>(
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other")));
        holder->setDatabaseName(file);
        holder->open();
        QSqlQuery(*holder).exec(statement);
    };
    const Case cases[] = {
        {"damaged",
         [](const QString& file, RecordStore::Limits&) {
             QFile f(file);
             f.open(QIODevice::WriteOnly);
             f.write(QByteArray(5000, 'x'));
         },
         true, ".damaged-"},
        {"foreign",
         [&](const QString& file, RecordStore::Limits&) {
             otherDatabase(file, QStringLiteral("CREATE TABLE notes(text)"));
         },
         true, ".foreign-"},
        {"locked",
         [&](const QString& file, RecordStore::Limits& limits) {
             RecordStore(file).read(1);
             otherDatabase(file, QStringLiteral("BEGIN EXCLUSIVE"));
             QSqlQuery(*holder).exec(QStringLiteral("INSERT INTO matches VALUES(99, '', 0, 2, 0, "
                                                    "0, 0, x'')"));
             limits.busyMs = 50;
         },
         false, nullptr},
        {"unwritable",
         [](const QString& file, RecordStore::Limits&) {
             const QString folder = QFileInfo(file).absolutePath();
             QDir().rmdir(folder);
             QFile f(folder); // a file where the folder should be
             f.open(QIODevice::WriteOnly);
         },
         false, nullptr},
        {"full",
         [](const QString& file, RecordStore::Limits& limits) {
             RecordStore(file).read(1);
             limits.maxPages = QFileInfo(file).size() / 4096; // the empty record's pages
         },
         false, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir here;
        const QString file = here.filePath(QStringLiteral("ninefold/record.sqlite"));
        QDir().mkpath(here.filePath(QStringLiteral("ninefold")));
        RecordStore::Limits limits;
        c.prepare(file, limits);
        ::testing::internal::CaptureStderr();
        {
            RecordStore store(file, limits);
            EXPECT_EQ(store.add(aMatch()), c.added);
        }
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        if (holder) {
            holder->close();
            holder.reset();
            QSqlDatabase::removeDatabase(QStringLiteral("other"));
        }
        const QStringList aside = QDir(here.filePath(QStringLiteral("ninefold")))
                                      .entryList({QStringLiteral("record.sqlite.*")}, QDir::Files);
        EXPECT_EQ(aside.size(), c.aside ? 1 : 0);
        if (c.aside && !aside.isEmpty()) {
            EXPECT_TRUE(aside[0].contains(QLatin1String(c.aside))) << aside[0].toStdString();
        }
        if (QFileInfo(file).isFile()) {
            EXPECT_EQ(matches(file), c.added ? 1 : 0) << "the record is whole";
        }
    }
}

TEST_F(Record, TwoCopiesWritingAtOnceBothRecordEveryMatch) {
    RecordStore(path).read(1);
    const auto writer = [this](int red) {
        RecordStore store(path);
        for (int i = 0; i < 25; ++i)
            store.add(aMatch(BoardKind::People, red));
    };
    std::thread first(writer, 60), second(writer, 30);
    first.join();
    second.join();
    const std::optional<RecordFigures> f = RecordStore(path).read(1);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->matches, 50);
    EXPECT_EQ(f->seats[0][0].wins, 25);
}

} // namespace
} // namespace nf
