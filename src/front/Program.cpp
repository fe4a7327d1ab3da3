#include "Program.h"

#include "Backdrop.h"
#include "RulesPage.h"
#include "SetupScreen.h"
#include "TitleScreen.h"
#include "board/BoardWindow.h"
#include "computer/ComputerBoardWindow.h"
#include "engine/GameFiles.h"
#include "platform/FormWindow.h"
#include "screens/ScreenBuilder.h"
#include "statistics/StatisticsWindow.h"

#include <iostream>

namespace nf {
namespace {
// A window counts as open until it closes; it is discarded a moment later.
template <class W>
bool isOpen(const QPointer<W>& window) {
    return window && !window->isClosed();
}

std::string asBytes(const QByteArray& bytes) {
    return bytes.toStdString();
}
} // namespace

Program::Program(Environment& env, ComputerPlay computer)
    : env_(env), computer_(computer), overBackdrop_([this] { return gameWindows(); }) {}

Program::~Program() {
    for (QObject* window : std::initializer_list<QObject*>{
             title_, backdrop_, setup_, board_, pages_[0], pages_[1], pages_[2], statistics_})
        delete window;
}

void Program::start() {
    showTitle();
}

void Program::showTitle() {
    if (!isOpen(title_)) {
        title_ = new TitleScreen(*this);
        overBackdrop_.adopt(&title_->window());
    }
    title_->show();
}

void Program::showBackdrop() {
    if (!isOpen(backdrop_))
        backdrop_ = new Backdrop(*this);
    backdrop_->show();
    overBackdrop_.watch(&backdrop_->window());
}

void Program::closeBackdrop() {
    if (isOpen(backdrop_))
        backdrop_->close();
}

void Program::showSetup() {
    if (!isOpen(setup_)) {
        setup_ = new SetupScreen(*this);
        overBackdrop_.adopt(&setup_->window());
    }
    setup_->show();
}

void Program::showRulesPage(int page) {
    if (page < 1 || page > 3)
        return;
    QPointer<RulesPage>& slot = pages_[static_cast<std::size_t>(page - 1)];
    if (!isOpen(slot)) {
        slot = new RulesPage(*this, page);
        overBackdrop_.adopt(&slot->window());
    }
    slot->show();
}

void Program::closeRulesPage(int page) {
    if (page >= 1 && page <= 3 && isOpen(pages_[static_cast<std::size_t>(page - 1)]))
        pages_[static_cast<std::size_t>(page - 1)]->close();
}

BoardWindow* Program::openBoard(bool computer, Opening opening) {
    BoardWindow* board = computer ? new ComputerBoardWindow(env_, opening, computer_)
                                  : new BoardWindow(env_, opening);
    board_ = board;
    overBackdrop_.adopt(&board->window());
    connect(board, &BoardWindow::exited, this, &Program::showTitle);
    connect(board, &BoardWindow::statisticsAsked, this, &Program::showStatistics);
    connect(board, &BoardWindow::matchFinished, this, &Program::recordMatch);
    connect(board, &BoardWindow::matchLeft, this, &Program::keepUnfinished);
    if (opening == Opening::Resume)
        if (RecordBackend* store = record()) {
            const QByteArray& saved = board->continuedFrom();
            const std::optional<std::string> throws = store->unfinished(asBytes(saved));
            if (const std::optional<MatchLog> before =
                    throws ? MatchLog::decode(*throws) : std::nullopt)
                board->continueLog(*before);
        }
    board->show();
    return board;
}

void Program::quit() {
    for (int page = 1; page <= 3; ++page)
        closeRulesPage(page);
    if (isOpen(board_))
        board_->close(); // without saving, as the program ends
    if (isOpen(setup_))
        setup_->close();
    closeBackdrop();
    if (isOpen(title_))
        title_->close();
    if (statistics_)
        statistics_->close();
    emit finished();
}

RecordBackend* Program::record() {
    if (!recordLoaded_) {
        recordLoaded_ = true;
        record_ = loadRecordStore(env_.services.folder().base());
        if (!record_)
            std::cerr << "ninefold: the record cannot be kept: " << kRecordModuleFile
                      << " did not load; the game goes on\n";
    }
    return record_.get();
}

void Program::recordMatch(const MatchSummary& summary, const MatchLog& log,
                          const QByteArray& continuedFrom) {
    if (RecordBackend* store = record())
        store->add({summary, log.encode(), asBytes(continuedFrom)});
}

void Program::keepUnfinished(const QByteArray& saved, const MatchLog& log,
                             const QByteArray& continuedFrom) {
    if (RecordBackend* store = record())
        store->keepUnfinished(asBytes(saved), log.encode(), asBytes(continuedFrom));
}

// One statistics window at a time; asked again, it is read afresh.
void Program::showStatistics() {
    RecordBackend* store = record();
    const std::optional<RecordFigures> figures =
        store ? store->read(StatisticsWindow::kPlotted) : std::nullopt;
    if (statistics_)
        statistics_->close();
    auto* window = new StatisticsWindow(figures);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(iconFrom(env_.services.folder(), std::string(icons::die)));
    overBackdrop_.adopt(window);
    statistics_ = window;
    window->show();
    window->raise();
    window->activateWindow();
}

QWidget* Program::statisticsWindow() const {
    return statistics_ && statistics_->isVisible() ? statistics_.data() : nullptr;
}

std::vector<QWidget*> Program::gameWindows() const {
    std::vector<QWidget*> windows;
    for (FormWindow* window : {titleWindow(), setupWindow(), board() ? &board()->window() : nullptr,
                               rulesWindow(1), rulesWindow(2), rulesWindow(3)})
        if (window)
            windows.push_back(window);
    if (QWidget* statistics = statisticsWindow())
        windows.push_back(statistics);
    return windows;
}

FormWindow* Program::titleWindow() const {
    return isOpen(title_) ? &title_->window() : nullptr;
}
FormWindow* Program::setupWindow() const {
    return isOpen(setup_) ? &setup_->window() : nullptr;
}

FormWindow* Program::backdropWindow() const {
    return isOpen(backdrop_) ? &backdrop_->window() : nullptr;
}

BoardWindow* Program::board() const {
    return isOpen(board_) ? board_.data() : nullptr;
}

const TitleControls* Program::titleControls() const {
    return isOpen(title_) ? &title_->controls() : nullptr;
}

const SetupControls* Program::setupControls() const {
    return isOpen(setup_) ? &setup_->controls() : nullptr;
}

const RulesControls* Program::rulesControls(int page) const {
    if (page < 1 || page > 3 || !isOpen(pages_[static_cast<std::size_t>(page - 1)]))
        return nullptr;
    return &pages_[static_cast<std::size_t>(page - 1)]->controls();
}

FormWindow* Program::rulesWindow(int page) const {
    if (page < 1 || page > 3 || !isOpen(pages_[static_cast<std::size_t>(page - 1)]))
        return nullptr;
    return &pages_[static_cast<std::size_t>(page - 1)]->window();
}

} // namespace nf
