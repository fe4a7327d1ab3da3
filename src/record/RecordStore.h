#pragma once

#include "RecordBackend.h"

#include <QString>
#include <functional>

class QSqlQuery;

namespace nf {

// The record in SQLite through Qt SQL, opened at the first use. A file that is damaged, or
// another program's database, is set aside under a new name and a new record begun; a
// record locked by another copy of the game is waited for.
class RecordStore : public RecordBackend {
public:
    struct Limits {
        int busyMs = 5000; // how long to wait for another copy's write
        long maxPages = 0; // a smaller disk, for tests; 0: as large as the disk
    };
    explicit RecordStore(QString path) : RecordStore(std::move(path), Limits{}) {}
    RecordStore(QString path, Limits limits);
    ~RecordStore() override;

    bool add(const RecordedMatch& match) override { return addAll({match}); }
    // The matches in one transaction: all of them, or none.
    bool addAll(const std::vector<RecordedMatch>& matches);
    std::optional<RecordFigures> read(int recent) override;
    bool keepUnfinished(const std::string& saved, const std::string& throws,
                        const std::string& replacing) override;
    std::optional<std::string> unfinished(const std::string& saved) override;

    // What went wrong last, as said on standard error; empty when all went well.
    const QString& problem() const { return problem_; }

    static constexpr int kSchemaVersion = 1;

private:
    enum class Opened { Yes, No, Damaged };
    bool open();
    Opened openFile();
    bool createSchema();
    bool setAside(const QString& why); // false when the file could not be renamed
    bool fail(const QSqlQuery& query, const QString& doing);
    template <typename Use>
    auto retryingOnDamage(const Use& use) -> decltype(use());
    // The last problem, in one line on standard error.
    void sayProblem(const QString& what) const;
    bool write(const std::vector<RecordedMatch>& matches);
    // One transaction of the statements `body` runs; rolled back when any fails.
    bool transaction(const std::function<bool(QSqlQuery&)>& body);
    bool insert(QSqlQuery& q, const RecordedMatch& match);
    std::optional<RecordFigures> figures(int recent);

    QString path_;
    Limits limits_;
    QString connection_;
    bool open_ = false;
    bool damaged_ = false; // the last failure said the file is damaged
    QString problem_;
};

} // namespace nf
