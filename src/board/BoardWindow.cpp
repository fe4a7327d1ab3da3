#include "BoardWindow.h"

#include "BoardControls.h"
#include "BoardTexts.h"
#include "SavedGame.h"
#include "engine/GameFiles.h"
#include "engine/Hint.h"
#include "engine/Index.h"
#include "platform/CheckBoxControl.h"
#include "platform/FitForm.h"
#include "platform/FormWindow.h"
#include "platform/GameTexts.h"
#include "platform/ImageControl.h"
#include "platform/LabelControl.h"
#include "platform/SpokenStatus.h"
#include "screens/ScreenBuilder.h"
#include "screens/Screens.h"

#include <QSignalBlocker>

namespace nf {
namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

} // namespace

BoardWindow::BoardWindow(Environment& env, Opening opening)
    : BoardWindow(env,
                  {ninefoldSpec(),
                   [&env](GameDisplay& display) {
                       return std::make_unique<Game>(env.match, display, env.scheduler, env.random,
                                                     env.clock);
                   },
                   true},
                  opening) {}

BoardWindow::BoardWindow(Environment& env, const Design& design, Opening opening)
    : WindowOwner(buildWindow(design.window, env.services.folder())), env_(env),
      totalsOfThePlayers_(design.totalsOfThePlayers), game_(design.makeGame(*this)),
      hint_(env.scheduler), kind_(design.kind),
      logger_([this](const MatchLog& log, const Game&) { finishMatch(log); }) {
    game_->setObserver(&logger_);
    // The board's keys reach the window: 1 to 9 for the numbers, Space or Enter to throw.
    window().setKeyboardButtons(false);
    ui_ = completeBoard(window(), design.window,
                        {[this] { pressFromKeyboardOrMouse([this] { game_->clickThrowDice(); }); },
                         [this] {
                             pressFromKeyboardOrMouse([this] {
                                 if (game_->clickNewGame()) {
                                     resumed_ = false;
                                     continuedFrom_.clear();
                                 }
                             });
                         },
                         [this] { clickButton([this] { exitBoard(); }); },
                         [this] { clickSingleDieBox(); },
                         [this](int number) {
                             personActs();
                             game_->clickNumber(number);
                         }});
    connectWindow();
    load(opening);
}

BoardWindow::~BoardWindow() = default;

void BoardWindow::connectWindow() {
    window().onKey([this](int key) { return pressKey(key); });
    ui_.singleDie->setFocusPolicy(Qt::TabFocus); // a click leaves Space to the throw
    // Tab reaches the buttons; a click gives them no focus, so the mouse sees no focus frame.
    for (LabelControl* button : {ui_.throwDice, ui_.newGame, ui_.exit})
        button->setActsAsButton(true);
    window().onCloseRequest([this] {
        if (game_->handOverPending())
            return false;
        leave();
        return true;
    });
}

void BoardWindow::load(Opening opening) {
    fitform(&window());
    ui_.singleDie->setColours(ui_.singleDie->foreColour(), window().background());
    ui_.frame->lower();
    showPlayersScoreLabels();
    reader_ = new BoardReader(window(), ui_, *game_, env_.match.PlayerCount);
    nameForScreenReaders();
    resumed_ = opening == Opening::Resume;
    game_->load(opening);
    if (resumed_)
        continuedFrom_ = savedBytes();
    ui_.singleDie->setColours(ui_.message->foreColour(), window().background());
    ui_.round->setForeColour(ui_.message->foreColour());
}

void BoardWindow::show() {
    window().show();
    fitform(&window()); // again, now that the window manager has framed the window
}

// The one-player board keeps Red's and Magenta's, as designed, whatever a saved game says.
void BoardWindow::showPlayersScoreLabels() {
    const int players = env_.match.PlayerCount;
    if (!totalsOfThePlayers_ || players < 2 || players > 4)
        return;
    for (std::size_t i = 0; i < ui_.totals.size(); ++i)
        ui_.totals[i]->setVisible(static_cast<int>(i) < players);
}

bool BoardWindow::pressKey(int key) {
    if (key == Qt::Key_H) {
        showHint();
        return true;
    }
    if (key == Qt::Key_S) {
        emit statisticsAsked();
        return true;
    }
    personActs();
    if (key >= Qt::Key_1 && key <= Qt::Key_9) {
        game_->clickNumber(key - Qt::Key_1 + 1);
        return true;
    }
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        pressFromKeyboardOrMouse([this] { game_->clickThrowDice(); });
        return true;
    }
    return false;
}

// Names a screen reader gives the parts of the board that tell how the match stands.
void BoardWindow::nameForScreenReaders() {
    using namespace boardText;
    ui_.message->setAccessibleName(gameText(kMessage));
    ui_.dice[0]->setAccessibleName(gameText(kFirstDie));
    ui_.dice[1]->setAccessibleName(gameText(kSecondDie));
    ui_.round->setAccessibleName(gameText(kRoundName));
    for (std::size_t i = 0; i < ui_.totals.size(); ++i)
        ui_.totals[i]->setAccessibleName(gameText(kTotals[i]));
    for (std::size_t i = 0; i < ui_.numbers.size(); ++i)
        ui_.numbers[i]->setAccessibleName(gameText(kNumber).arg(i + 1));
    ui_.message->setAssistiveAction(gameText(kShowHint), [this] { showHint(); });
    ui_.round->setAssistiveAction(gameText(kShowStatistics), [this] { emit statisticsAsked(); });
}

// The totals as the board shows them, the result as the game decided it.
void BoardWindow::finishMatch(const MatchLog& log) {
    const EndState& end = game_->endState();
    std::array<int, 4> totals{};
    for (std::size_t i = 0; i < totals.size(); ++i)
        totals[i] = end.FinalScores[i];
    MatchSummary summary =
        summarize(log, kind_, env_.match.PlayerCount, totals, end.Winner, end.Draw);
    summary.resumed = resumed_;
    resumed_ = false; // a new match on this board is played from its start
    const QByteArray continuedFrom = std::exchange(continuedFrom_, QByteArray());
    emit matchFinished(summary, log, continuedFrom);
}

void BoardWindow::continueLog(const MatchLog& before) {
    logger_.continueFrom(before);
    resumed_ = false;
}

void BoardWindow::personActs() {
    hint_.stop();
    reader_->sayNow();
}

namespace {

// A control lit for a hint takes the player's colour as its background, its text in the
// background's colour.
HintBlink::Light swapColours(LabelControl* label) {
    const QColor fore = label->foreColour();
    const std::optional<QColor> back = label->backColour();
    return [=](bool lit) {
        label->setForeColour(lit ? back.value_or(QColor(Qt::black)) : fore);
        label->setBackColour(lit ? std::optional<QColor>(fore) : back);
    };
}

// The hint in the player's language: "cover 7", "cover 3 and 4", "tick Throw Just One Die".
QString hintSaid(const Hint& hint) {
    const HintPhrase phrase = hintPhrase(hint);
    QString said = gameText(phrase.text);
    for (int n : phrase.numbers)
        said = said.arg(n);
    return said;
}

HintBlink::Light swapColours(CheckBoxControl* box) {
    const QColor fore = box->foreColour(), back = box->backColour();
    return [=](bool lit) { box->setColours(lit ? back : fore, lit ? fore : back); };
}

} // namespace

// The best move for the person now, shown for about a second and said to screen readers.
void BoardWindow::showHint() {
    personActs();
    const std::optional<Hint> hint = hintFor(*game_);
    if (!hint)
        return;
    std::vector<HintBlink::Light> lights;
    if (hint->kind == Hint::Kind::TickBox || hint->kind == Hint::Kind::UntickBox)
        lights.push_back(swapColours(ui_.singleDie));
    else if (hint->kind != Hint::Kind::Cover)
        lights.push_back(swapColours(ui_.throwDice));
    for (int n = 1; n <= 9; ++n)
        if (hint->numbers & numberBit(n))
            lights.push_back(swapColours(ui_.numbers[idx(n - 1)]));
    hint_.start(std::move(lights));
    reader_->hint(hintSaid(*hint));
}

// The focus goes back to what the screen reader follows, wherever Tab had taken it.
void BoardWindow::pressFromKeyboardOrMouse(const std::function<void()>& action) {
    clickButton(action);
    reader_->takeFocus();
}

// The buttons take no clicks while a hand-over runs.
void BoardWindow::clickButton(const std::function<void()>& action) {
    personActs();
    if (!game_->handOverPending())
        action();
}

void BoardWindow::clickSingleDieBox() {
    personActs();
    if (!game_->clickSingleDieBox()) {
        const QSignalBlocker quiet(ui_.singleDie);
        ui_.singleDie->setChecked(game_->throwState().boxTicked);
    }
}

void BoardWindow::exitBoard() {
    leave();
    window().closeWindow();
}

// "Exit": an unfinished match is saved, the title screen takes over, the board goes.
void BoardWindow::leave() {
    if (!markClosed())
        return;
    if (!game_->endState().GameOver)
        saveGame();
    emit exited();
    if (env_.match.soundOn())
        env_.services.playwav(gameName(sounds::click));
}

QByteArray BoardWindow::savedBytes() const {
    std::array<long, 4> totals{};
    for (std::size_t i = 0; i < totals.size(); ++i)
        totals[i] = ui_.totals[i]->text().toLong();
    return SavedGame::encode(env_.match, totals);
}

void BoardWindow::saveGame() {
    const SavedGamePlaces& places = env_.services.savedGamePlaces();
    const QByteArray saved = savedBytes();
    if (SavedGame::save(places, saved)) {
        // Its throws are kept apart, for the record once the match is continued and ends.
        if (!resumed_)
            emit matchLeft(saved, logger_.log(), continuedFrom_);
        return;
    }
    env_.services.tellOnce(
        "Ninefold could not save the match in " + places.besideProgram.toStdString() +
        (places.userState.isEmpty() ? "" : " or " + places.userState.toStdString()) +
        "; the game goes on without it.");
}

void BoardWindow::playSound(std::string_view file) {
    env_.services.playwav(qs(file));
}

void BoardWindow::showMessage(MessageKind kind, int player) {
    ui_.message->showText(gameText(messageText(kind, player)));
    reader_->message(kind != MessageKind::ToPlay);
}

void BoardWindow::setMessageColour(Rgb colour) {
    ui_.message->setForeColour(toQColor(colour));
}

void BoardWindow::setDiceColours(const QColor& back, const QColor& text) {
    for (LabelControl* die : ui_.dice) {
        die->setBackColour(back);
        die->setForeColour(text);
    }
}

// The player's colours come from the message line; the dice figures take the text colour of
// the score label in the dice's colour.
void BoardWindow::dressBoard(int) {
    const QColor colour = ui_.message->foreColour();
    ui_.throwDice->setForeColour(colour);
    QColor figures = ui_.dice[0]->foreColour();
    for (LabelControl* total : ui_.totals)
        if (total->backColour() == colour)
            figures = total->foreColour();
    setDiceColours(colour, figures);
    for (LabelControl* number : ui_.numbers) {
        number->setBackColour(QColor(Qt::black));
        number->setForeColour(colour);
    }
    ui_.throwDice->setBackColour(QColor(Qt::black));
    ui_.round->setForeColour(colour);
    ui_.singleDie->setColours(colour, ui_.singleDie->backColour());
}

void BoardWindow::dressResult(int winner) {
    LabelControl* score = ui_.totals[idx(playerOf(winner))];
    const QColor colour = score->backColour().value_or(QColor(Qt::black));
    ui_.message->setForeColour(colour);
    ui_.round->setForeColour(colour);
    ui_.throwDice->setBackColour(colour);
    setDiceColours(colour, score->foreColour());
}

void BoardWindow::showRound(long round) {
    ui_.round->showText(gameText(kRoundCaption).arg(round));
    reader_->round();
}

void BoardWindow::showEndOfGame() {
    ui_.round->showText(gameText(kEndOfGameCaption));
    reader_->round();
}

void BoardWindow::showScore(int player, long total) {
    ui_.totals[idx(playerOf(player))]->setText(QString::number(total));
    reader_->score(playerOf(player), total);
}

void BoardWindow::showSpot(int number, int player) {
    ui_.spots[idx(number - 1)]->loadPicture(
        env_.services.path(gameName(pictures::spots[idx(playerOf(player))])));
    reader_->spot(number, playerOf(player));
}

void BoardWindow::clearSpots() {
    for (ImageControl* spot : ui_.spots)
        spot->clearPicture();
    reader_->clearSpots();
}

void BoardWindow::showCovered(int number) {
    LabelControl* tile = ui_.numbers[idx(number - 1)];
    tile->setBackColour(toQColor(colours::covered));
    tile->setForeColour(toQColor(colours::covered));
    reader_->covered(number);
}

void BoardWindow::showDie(int die, int figure) {
    ui_.dice[idx(die)]->setText(figure == 0 ? QString() : QString::number(figure));
    reader_->die(die, figure);
}

void BoardWindow::showSecondDie(bool visible) {
    ui_.dice[1]->setVisible(visible);
}

void BoardWindow::showSingleDieBox(bool visible) {
    ui_.singleDie->setVisible(visible);
}

void BoardWindow::tickSingleDieBox(bool ticked) {
    const QSignalBlocker quiet(ui_.singleDie); // the game has already run the box's click
    ui_.singleDie->setChecked(ticked);
}

void BoardWindow::enableThrow(bool enabled) {
    ui_.throwDice->setEnabled(enabled);
}

} // namespace nf
