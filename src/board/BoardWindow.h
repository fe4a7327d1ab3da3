#pragma once

#include "BoardControls.h"
#include "BoardReader.h"
#include "Environment.h"
#include "HintBlink.h"
#include "engine/Game.h"
#include "engine/GameDisplay.h"
#include "engine/MatchLog.h"
#include "platform/WindowOwner.h"
#include "screens/Catalogue.h"

#include <functional>
#include <memory>

namespace nf {

class LabelControl;

// The board window `ninefold`: the game on screen for two to four people. It shows the
// engine's game on the catalogue's controls, reading colours back from them as the game
// does, and turns clicks into the game's operations. "Exit" saves an unfinished match and
// closes the window; the window is discarded when it closes.
class BoardWindow : public WindowOwner, protected GameDisplay {
    Q_OBJECT
public:
    // The board for two to four people, built and loaded: a new match, or the match in the
    // shared state resumed.
    BoardWindow(Environment& env, Opening opening);
    ~BoardWindow() override;

    void show();
    const BoardControls& controls() const { return ui_; }
    // The saved game's bytes of the match this board continues; empty for a new match.
    const QByteArray& continuedFrom() const { return continuedFrom_; }
    // The throws before the Exit of the match this board continues, as the record kept them.
    void continueLog(const MatchLog& before);
    Game& game() const { return *game_; }
    // What a screen reader follows on the board.
    const BoardReader& reader() const { return *reader_; }

signals:
    // "Exit" has saved the match: the title screen takes over. The board closes right after.
    void exited();
    // The key S, or the screen reader's action "Show statistics".
    void statisticsAsked();
    // A match played to its end on this board, for the player's record.
    void matchFinished(const nf::MatchSummary& summary, const nf::MatchLog& log,
                       const QByteArray& continuedFrom);
    // A match left with Exit and saved as `saved`; it was continued from `continuedFrom`.
    void matchLeft(const QByteArray& saved, const nf::MatchLog& log,
                   const QByteArray& continuedFrom);

protected:
    // What makes one board differ from the other.
    struct Design {
        WindowSpec window;
        std::function<std::unique_ptr<Game>(GameDisplay&)> makeGame;
        bool totalsOfThePlayers; // shows the totals of the colours in the match, else as designed
        BoardKind kind = BoardKind::People;
    };
    BoardWindow(Environment& env, const Design& design, Opening opening);

    // What the board shows of the game.
    void playSound(std::string_view file) override;
    void showMessage(MessageKind kind, int player) override;
    void setMessageColour(Rgb colour) override;
    void dressBoard(int player) override;
    void dressResult(int winner) override;
    void showRound(long round) override;
    void showEndOfGame() override;
    void showScore(int player, long total) override;
    void showSpot(int number, int player) override;
    void clearSpots() override;
    void showCovered(int number) override;
    void showDie(int die, int figure) override;
    void showSecondDie(bool visible) override;
    void showSingleDieBox(bool visible) override;
    void tickSingleDieBox(bool ticked) override;
    void enableThrow(bool enabled) override;

    Environment& env_;
    const bool totalsOfThePlayers_;

private:
    void load(Opening opening);
    void connectWindow();
    void showPlayersScoreLabels();
    void clickButton(const std::function<void()>& action);
    void pressFromKeyboardOrMouse(const std::function<void()>& action);
    bool pressKey(int key);
    // Whatever the person does ends a hint that is showing.
    void personActs();
    void showHint();
    void nameForScreenReaders();
    void clickSingleDieBox();
    void exitBoard();
    void leave();
    void saveGame();
    QByteArray savedBytes() const;
    void setDiceColours(const QColor& back, const QColor& text);
    void finishMatch(const MatchLog& log);

    std::unique_ptr<Game> game_;
    BoardControls ui_;
    HintBlink hint_;
    BoardReader* reader_ = nullptr; // the window's child
    const BoardKind kind_;
    bool resumed_ = false; // the match was continued from a saved game, its throws before unknown
    QByteArray continuedFrom_;
    MatchLogger logger_;
};

} // namespace nf
