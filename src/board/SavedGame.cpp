#include "SavedGame.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace nf::SavedGame {
namespace {

QByteArray line(long value) {
    return QByteArray::number(qlonglong(value)) + "\r\n";
}

// A covered flag as the game has always written it: a sign place (blank when positive), the
// number, a blank.
QByteArray flagLine(long value) {
    return (value < 0 ? QByteArray() : QByteArray(" ")) + QByteArray::number(qlonglong(value)) +
           " \r\n";
}

// Values one after another: blanks and line ends before a value are skipped; it ends at a
// blank, a comma or a line end.
class ValueReader {
public:
    explicit ValueReader(const QByteArray& bytes) : bytes_(bytes) {}

    std::optional<i16> next() {
        while (at_ < bytes_.size() && isGap(bytes_[at_]))
            ++at_;
        if (at_ >= bytes_.size())
            return std::nullopt;
        const int start = at_;
        while (at_ < bytes_.size() && !isGap(bytes_[at_]) && bytes_[at_] != ',')
            ++at_;
        const QByteArray text = bytes_.mid(start, at_ - start);
        // Blanks after a value belong to it, and so does the comma that may follow them.
        while (at_ < bytes_.size() && (bytes_[at_] == ' ' || bytes_[at_] == '\t'))
            ++at_;
        if (at_ < bytes_.size() && bytes_[at_] == ',')
            ++at_;
        return parse(text);
    }

private:
    static bool isGap(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

    static std::optional<i16> parse(const QByteArray& text) {
        bool ok = false;
        const qlonglong value = text.toLongLong(&ok);
        if (!ok || value < std::numeric_limits<i16>::min() ||
            value > std::numeric_limits<i16>::max())
            return std::nullopt;
        return static_cast<i16>(value);
    }

    const QByteArray& bytes_;
    int at_ = 0;
};

Field field(Form form, i16 MatchState::*member) {
    return {form, [member](const MatchState& m) { return std::optional<i16>(m.*member); },
            [member](MatchState& m, i16 v) { m.*member = v; }};
}

template <std::size_t N>
Field element(Form form, std::array<i16, N> MatchState::*array, std::size_t i) {
    return {form, [array, i](const MatchState& m) { return std::optional<i16>((m.*array)[i]); },
            [array, i](MatchState& m, i16 v) { (m.*array)[i] = v; }};
}

} // namespace

const std::vector<Field>& fields() {
    static const std::vector<Field> all = [] {
        std::vector<Field> f = {field(Form::Number, &MatchState::PlayerCount),
                                field(Form::Number, &MatchState::CurrentPlayer),
                                field(Form::Number, &MatchState::RoundNumber),
                                field(Form::Number, &MatchState::ComputerGame)};
        for (std::size_t i = 0; i < 4; ++i)
            f.push_back(element(Form::Total, &MatchState::Scores, i));
        for (std::size_t i = 0; i < 9; ++i)
            f.push_back(element(Form::Flag, &MatchState::Covered, i));
        f.push_back(field(Form::Number, &MatchState::SoundOn));
        f.push_back({Form::Number, [](const MatchState& m) { return m.HideDesktop; },
                     [](MatchState& m, i16 v) { m.HideDesktop = v; }});
        return f;
    }();
    return all;
}

bool sameFields(const MatchState& a, const MatchState& b) {
    const auto& all = fields();
    return std::all_of(all.begin(), all.end(),
                       [&](const Field& f) { return f.get(a) == f.get(b); });
}

QByteArray encode(const MatchState& m, const std::array<long, 4>& totals) {
    QByteArray out;
    std::size_t total = 0;
    for (const Field& f : fields()) {
        const long value = f.form == Form::Total ? totals[total++] : f.get(m).value_or(0);
        out += f.form == Form::Flag ? flagLine(value) : line(value);
    }
    return out;
}

bool commitWhole(QSaveFile& file, const QByteArray& bytes) {
    // A full disk can accept the write into Qt's buffer and fail only at the flush, after
    // which the save file would still rename an empty file over the previous one.
    const bool whole =
        file.write(bytes) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0;
    if (!whole) {
        file.cancelWriting();
        file.commit(); // removes the temporary file
        return false;
    }
    return file.commit();
}

bool write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && commitWhole(file, bytes);
}

std::optional<QString> save(const SavedGamePlaces& places, const QByteArray& bytes) {
    if (!places.besideProgram.isEmpty() && write(places.besideProgram, bytes))
        return places.besideProgram;
    if (!places.userState.isEmpty() && QDir().mkpath(QFileInfo(places.userState).path()) &&
        write(places.userState, bytes))
        return places.userState;
    return std::nullopt;
}

bool decodeInto(const QByteArray& bytes, MatchState& m) {
    ValueReader reader(bytes);
    for (const Field& f : fields()) {
        const std::optional<i16> value = reader.next();
        if (!value)
            return false;
        f.set(m, *value);
    }
    return true;
}

bool read(const QString& path, MatchState& match) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    QFile file;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    // The file is a few dozen bytes; anything far larger is not a saved game.
    return decodeInto(file.read(1 << 20), match);
}

bool load(const SavedGamePlaces& places, MatchState& match, QString* skipped) {
    std::vector<QFileInfo> files;
    for (const QString& path : {places.besideProgram, places.userState})
        if (!path.isEmpty() && QFileInfo::exists(path))
            files.emplace_back(path);
    // Newer first; on a tie the one beside the program.
    std::stable_sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.lastModified() > b.lastModified();
    });
    if (files.empty())
        return false;
    // Each file is read into a copy, so that the match continued is exactly one file's.
    MatchState newer = match;
    if (read(files.front().filePath(), newer)) {
        match = newer;
        return true;
    }
    if (files.size() > 1) {
        MatchState older = match;
        if (read(files.back().filePath(), older)) {
            match = older;
            if (skipped)
                *skipped = files.front().filePath();
            return true;
        }
    }
    match = newer; // no file to continue: what the newer held before its fault stays
    return false;
}

} // namespace nf::SavedGame
