#include "BoardWindow.h"

#include "SavedGame.h"
#include "platform/CheckBoxControl.h"
#include "platform/FitForm.h"
#include "platform/FormWindow.h"
#include "platform/ImageControl.h"
#include "platform/LabelControl.h"
#include "screens/ScreenBuilder.h"
#include "screens/Screens.h"

#include <QSignalBlocker>

namespace nf {
namespace {

constexpr int kNumbers = 9;
constexpr int kTileGapTwips = 120;
const char* const kSpotFiles[] = {"Images\\redspot.jpg", "Images\\magentaspot.jpg",
                                  "Images\\yellowspot.jpg", "Images\\greenspot.jpg"};

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
    : env_(env), design_(design.window), totalsOfThePlayers_(design.totalsOfThePlayers),
      window_(buildWindow(design.window, env.services.folder())), game_(design.makeGame(*this)) {
    connectHandlers();
    load(opening);
}

BoardWindow::~BoardWindow() = default;

LabelControl* BoardWindow::label(const char* name, int index) const {
    return window_->control<LabelControl>(QLatin1String(name), index);
}

void BoardWindow::connectHandlers() {
    // The board's keys: 1 to 9 for the numbers, Space or Enter for "Throw Dice".
    window_->setKeyboardButtons(false);
    window_->onKey([this](int key) { return pressKey(key); });
    window_->widget("Check1")->setFocusPolicy(Qt::TabFocus); // a click leaves Space to the throw
    window_->onClick("Label2", [this](int index) { clickButton(index); });
    window_->onClick("Label3", [this](int index) { clickNumber(index); });
    window_->onClick("Image1", [this](int index) { clickNumber(index); });
    window_->onClick("Check1", [this](int) { clickSingleDieBox(); });
    window_->onCloseRequest([this] {
        if (game_->handOverPending())
            return false;
        leave();
        return true;
    });
}

void BoardWindow::load(Opening opening) {
    fitform(window_.get());
    auto* box = window_->control<CheckBoxControl>("Check1");
    box->setColours(box->foreColour(), window_->background());
    createNumbers();
    window_->widget("Shape1")->lower();
    showPlayersScoreLabels();
    nameForScreenReaders();
    game_->load(opening);
    box->setColours(label("Label1")->foreColour(), window_->background());
    label("Label6")->setForeColour(label("Label1")->foreColour());
}

void BoardWindow::show() {
    window_->show();
    fitform(window_.get()); // again, now that the window manager has framed the window
}

// The tiles and spots of 2 to 9 are copies of those of 1, in one row 120 twips apart.
void BoardWindow::createNumbers() {
    const ControlSpec& tile = *design_.find("Label3", 0);
    const ControlSpec& spot = *design_.find("Image1", 0);
    for (int i = 1; i < kNumbers; ++i) {
        const int left = tile.left + i * (tile.width + kTileGapTwips);
        ControlSpec t = tile, s = spot;
        t.index = s.index = i;
        t.caption = std::to_string(i + 1);
        t.left = s.left = left;
        loadControl(*window_, t)->show();
        loadControl(*window_, s)->show();
    }
}

// The one-player board keeps Red's and Magenta's, as designed, whatever a saved game says.
void BoardWindow::showPlayersScoreLabels() {
    const int players = env_.match.PlayerCount;
    if (!totalsOfThePlayers_ || players < 2 || players > 4)
        return;
    for (int i = 0; i < 4; ++i)
        label("Label5", i)->setVisible(i < players);
}

bool BoardWindow::pressKey(int key) {
    if (key >= Qt::Key_1 && key <= Qt::Key_9) {
        clickNumber(key - Qt::Key_1);
        return true;
    }
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        clickButton(3);
        return true;
    }
    return false;
}

// Names a screen reader gives the parts of the board that tell how the match stands.
void BoardWindow::nameForScreenReaders() {
    static const char* const totals[] = {"Red's total", "Magenta's total", "Yellow's total",
                                         "Green's total"};
    label("Label1")->setAccessibleName(QStringLiteral("Message"));
    label("Label4", 0)->setAccessibleName(QStringLiteral("First die"));
    label("Label4", 1)->setAccessibleName(QStringLiteral("Second die"));
    label("Label6")->setAccessibleName(QStringLiteral("Round"));
    for (int i = 0; i < 4; ++i)
        label("Label5", i)->setAccessibleName(QString::fromLatin1(totals[i]));
    for (int i = 0; i < kNumbers; ++i)
        label("Label3", i)->setAccessibleName(QStringLiteral("Number %1").arg(i + 1));
}

void BoardWindow::clickButton(int index) {
    if (game_->handOverPending())
        return;
    if (index == 2)
        exitBoard();
    else if (index == 3)
        game_->clickThrowDice();
    else if (index == 4)
        game_->clickNewGame();
}

void BoardWindow::clickNumber(int index) {
    game_->clickNumber(index + 1);
}

void BoardWindow::clickSingleDieBox() {
    auto* box = window_->control<CheckBoxControl>("Check1");
    if (!game_->clickSingleDieBox()) {
        const QSignalBlocker quiet(box);
        box->setChecked(game_->throwState().boxTicked);
    }
}

void BoardWindow::discard() {
    if (closed_)
        return;
    closed_ = true;
    window_->closeWindow();
    deleteLater();
}

void BoardWindow::exitBoard() {
    leave();
    window_->closeWindow();
}

// "Exit": an unfinished match is saved, the title screen takes over, the board goes.
void BoardWindow::leave() {
    if (closed_)
        return;
    closed_ = true;
    if (game_->endState().GameOver == 0)
        saveGame();
    emit exited();
    if (env_.match.soundOn())
        env_.services.playwav("wav\\click.wav");
    deleteLater();
}

void BoardWindow::saveGame() {
    std::array<long, 4> totals{};
    for (int i = 0; i < 4; ++i)
        totals[static_cast<std::size_t>(i)] = label("Label5", i)->text().toLong();
    const SavedGamePlaces& places = env_.services.savedGamePlaces();
    if (!SavedGame::save(places, SavedGame::encode(env_.match, totals)))
        env_.services.tellOnce(
            "Ninefold could not save the match in " + places.besideProgram.toStdString() +
            (places.userState.isEmpty() ? "" : " or " + places.userState.toStdString()) +
            "; the game goes on without it.");
}

void BoardWindow::playSound(std::string_view file) {
    env_.services.playwav(qs(file));
}

void BoardWindow::showMessage(std::string_view text) {
    label("Label1")->setText(qs(text));
}

void BoardWindow::setMessageColour(Rgb colour) {
    label("Label1")->setForeColour(toQColor(colour));
}

void BoardWindow::setDiceColours(const QColor& back, const QColor& text) {
    for (int die = 0; die < 2; ++die) {
        label("Label4", die)->setBackColour(back);
        label("Label4", die)->setForeColour(text);
    }
}

// The player's colours come from the message line; the dice figures take the text colour of
// the score label in the dice's colour.
void BoardWindow::dressBoard(int) {
    const QColor colour = label("Label1")->foreColour();
    LabelControl* throwDice = label("Label2", 3);
    throwDice->setForeColour(colour);
    QColor figures = label("Label4", 0)->foreColour();
    for (int i = 0; i < 4; ++i)
        if (label("Label5", i)->backColour() == colour)
            figures = label("Label5", i)->foreColour();
    setDiceColours(colour, figures);
    for (int i = 0; i < kNumbers; ++i) {
        label("Label3", i)->setBackColour(QColor(Qt::black));
        label("Label3", i)->setForeColour(colour);
    }
    throwDice->setBackColour(QColor(Qt::black));
    label("Label6")->setForeColour(colour);
    auto* box = window_->control<CheckBoxControl>("Check1");
    box->setColours(colour, box->backColour());
}

void BoardWindow::dressResult(int winner) {
    LabelControl* score = label("Label5", winner);
    const QColor colour = score->backColour().value_or(QColor(Qt::black));
    label("Label1")->setForeColour(colour);
    label("Label6")->setForeColour(colour);
    label("Label2", 3)->setBackColour(colour);
    setDiceColours(colour, score->foreColour());
}

void BoardWindow::showRoundCaption(std::string_view text) {
    label("Label6")->setText(qs(text));
}

void BoardWindow::showScore(int player, long total) {
    label("Label5", player)->setText(QString::number(total));
}

void BoardWindow::showSpot(int number, int player) {
    window_->control<ImageControl>("Image1", number - 1)
        ->loadPicture(env_.services.path(QLatin1String(kSpotFiles[playerOf(player)])));
}

void BoardWindow::clearSpots() {
    for (int i = 0; i < kNumbers; ++i)
        window_->control<ImageControl>("Image1", i)->clearPicture();
}

void BoardWindow::showCovered(int number) {
    LabelControl* tile = label("Label3", number - 1);
    tile->setBackColour(toQColor(colours::covered));
    tile->setForeColour(toQColor(colours::covered));
}

void BoardWindow::showDie(int die, int figure) {
    label("Label4", die)->setText(figure == 0 ? QString() : QString::number(figure));
}

void BoardWindow::showSecondDie(bool visible) {
    label("Label4", 1)->setVisible(visible);
}

void BoardWindow::showSingleDieBox(bool visible) {
    window_->widget("Check1")->setVisible(visible);
}

void BoardWindow::tickSingleDieBox(bool ticked) {
    auto* box = window_->control<CheckBoxControl>("Check1");
    const QSignalBlocker quiet(box); // the game has already run the box's click handling
    box->setChecked(ticked);
}

void BoardWindow::enableThrow(bool enabled) {
    label("Label2", 3)->setEnabled(enabled);
}

} // namespace nf
