#pragma once

#include "OverBackdrop.h"
#include "board/Environment.h"
#include "computer/ComputerGame.h"
#include "engine/Game.h"
#include "record/RecordBackend.h"

#include <QObject>
#include <QPointer>
#include <array>

namespace nf {

class BoardWindow;
class FormWindow;
class RulesPage;
class Screen;
class SetupScreen;
class TitleScreen;
struct RulesControls;
struct SetupControls;
struct TitleControls;

// The whole program: which of its windows are open, and the moves between them. Each window
// is created when it is shown and discarded when it closes; the backdrop stays until it is
// closed or the program ends.
class Program : public QObject {
    Q_OBJECT
public:
    // The computer opponent plays as `computer` says (the designed scan unless asked).
    explicit Program(Environment& env, ComputerPlay computer = ComputerPlay::Classic);
    ~Program() override;

    Environment& env() const { return env_; }

    // Start-up: the title screen.
    void start();

    void showTitle();
    void showBackdrop();
    void closeBackdrop();
    void showSetup();
    void showRulesPage(int page); // 1..3
    void closeRulesPage(int page);
    // A board for a new or resumed match, shown.
    BoardWindow* openBoard(bool computer, Opening opening);
    // "Exit" on the title screen: every window closes, nothing is saved, no sound.
    void quit();
    // The player's record: opened at the first match that ends or the first look at it.
    void recordMatch(const MatchSummary& summary, const MatchLog& log,
                     const QByteArray& continuedFrom);
    void keepUnfinished(const QByteArray& saved, const MatchLog& log,
                        const QByteArray& continuedFrom);
    void showStatistics();
    QWidget* statisticsWindow() const;

    // The windows open now, or null.
    FormWindow* titleWindow() const;
    FormWindow* setupWindow() const;
    FormWindow* backdropWindow() const;
    FormWindow* rulesWindow(int page) const;
    BoardWindow* board() const;
    // The controls of the windows open now, or null.
    const TitleControls* titleControls() const;
    const SetupControls* setupControls() const;
    const RulesControls* rulesControls(int page) const;

    // The open windows other than the backdrop, bottom first.
    std::vector<QWidget*> gameWindows() const;

signals:
    // Every window has closed: the program ends.
    void finished();

private:
    RecordBackend* record();

    Environment& env_;
    const ComputerPlay computer_;
    QPointer<TitleScreen> title_;
    QPointer<Screen> backdrop_;
    QPointer<SetupScreen> setup_;
    std::array<QPointer<RulesPage>, 3> pages_;
    QPointer<BoardWindow> board_;
    QPointer<QWidget> statistics_;
    std::unique_ptr<RecordBackend> record_;
    bool recordLoaded_ = false;
    OverBackdrop overBackdrop_;
};

} // namespace nf
