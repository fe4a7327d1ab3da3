#include "board/SavedGame.h"
#include "support/ProgramHarness.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace nf {
namespace {

constexpr int kLongestIdle = 3000; // ms between two clicks at most: past any pause of the game

// Random clicks on whatever the open windows offer, with random pauses, in virtual time. The
// number of events comes from NINEFOLD_SOAK_EVENTS (a short run by default).
class Soak : public test::TestEnvironment {
public:
    Soak() : choices_(99) { startProgram(); }

    void run(long events) {
        for (long event = 0; event < events; ++event) {
            act();
            check();
            if (HasFatalFailure())
                return;
        }
    }

private:
    static bool HasFatalFailure() { return ::testing::Test::HasFatalFailure(); }

    void startProgram() {
        program_ = std::make_unique<Program>(env);
        finished_ = false;
        QObject::connect(program_.get(), &Program::finished, [this] { finished_ = true; });
        program_->start();
    }

    std::vector<FormWindow*> usableWindows() const {
        std::vector<FormWindow*> open{program_->titleWindow(), program_->setupWindow()};
        if (BoardWindow* board = program_->board())
            open.push_back(&board->window());
        for (int page = 1; page <= 3; ++page)
            open.push_back(program_->rulesWindow(page));
        open.erase(std::remove(open.begin(), open.end(), nullptr), open.end());
        return open;
    }

    void act() {
        if (choices_.next() < 0.3) {
            wait(static_cast<int>(choices_.next() * kLongestIdle));
            return;
        }
        const auto windows = usableWindows();
        FormWindow* window = windows[static_cast<std::size_t>(choices_.next() * windows.size())];
        QList<QWidget*> controls;
        for (QWidget* w : window->client()->findChildren<QWidget*>())
            if (w->isVisible() && w->isEnabled() && !w->objectName().isEmpty())
                controls << w;
        if (controls.isEmpty())
            return;
        QWidget* control = controls[static_cast<int>(choices_.next() * controls.size())];
        const TitleControls* title = program_->titleControls();
        const bool endsTheProgram = title && control == title->exit;
        if (endsTheProgram && choices_.next() < 0.9)
            return; // the title's Exit, now and then
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
        discardClosed();
        if (finished_)
            startProgram();
    }

    void check() {
        ASSERT_FALSE(usableWindows().empty()) << "no window left to use";
        BoardWindow* board = program_->board();
        if (board != lastBoard_) {
            lastBoard_ = board;
            lastScores_ = match.Scores;
        }
        for (std::size_t p = 0; p < 4; ++p) {
            const bool newMatch = match.Scores == decltype(match.Scores){};
            ASSERT_TRUE(newMatch || match.Scores[p] >= lastScores_[p]) << "a total fell";
        }
        lastScores_ = match.Scores;
        for (std::size_t i = 0; i < 13; ++i)
            ASSERT_TRUE(match.Covered[i] == 0 || (i < 9 && match.Covered[i] == 1));
        if (board) {
            ASSERT_FALSE(board->game().Timer1.enabled() && board->game().Timer2.enabled());
        }
        const QByteArray saved = savedGame();
        if (!saved.isEmpty() && saved != lastSaved_) {
            MatchState read;
            ASSERT_TRUE(SavedGame::decodeInto(saved, read));
            ASSERT_EQ(saved.count("\r\n"), 19);
            lastSaved_ = saved;
        }
    }

    SeededRandom choices_;
    std::unique_ptr<Program> program_;
    bool finished_ = false;
    BoardWindow* lastBoard_ = nullptr;
    std::array<i16, 4> lastScores_{};
    QByteArray lastSaved_;
};

TEST(Soak, RandomClicksOnEveryWindowNeverBreakTheGame) {
    const char* configured = std::getenv("NINEFOLD_SOAK_EVENTS");
    const long events = configured ? std::atol(configured) : 3000;
    Soak soak;
    soak.run(events);
}

} // namespace
} // namespace nf
