#include "RulesPage.h"

#include "Program.h"
#include "engine/GameFiles.h"
#include "platform/FitForm.h"
#include "platform/FormWindow.h"
#include "platform/GameTexts.h"
#include "platform/ImageControl.h"
#include "platform/LabelControl.h"
#include "screens/Screens.h"

#include <QFileInfo>

namespace nf {
namespace {

WindowSpec pageSpec(int page) {
    return page == 1 ? doreroduzadSpec() : page == 2 ? doreroduzad2Spec() : doreroduzad2bSpec();
}

} // namespace

RulesPage::RulesPage(Program& program, int page)
    : Screen(program, pageSpec(page)), page_(page), ui_(resolveRules(window(), page)) {
    connectRules(window(), page,
                 {[this] { leave(); }, [this] { turnTo(page_ + 1); }, [this] { turnTo(page_ - 1); },
                  [this] { tryOut_->throwDice(); },
                  [this] {
                      openRulesDocument();
                      clickSound();
                  }});
    window().onCloseRequest([this] {
        leave(); // the window manager's close acts as the page's Exit
        return true;
    });
    window().setAccessibleName(
        gameText(NF_TEXT("RulesPages", "The Rules, page %1 of 3")).arg(page));
    window().orderTabsAsRead();
    if (page == 2)
        makeTryOut();
    fitform(&window());
    // A missing picture leaves its place empty.
    loadDesignedPicture(ui_.picture);
}

// The document in the player's language where the game has it, else the English one.
void RulesPage::openRulesDocument() {
    const QString language = gameLanguage();
    const QString translated = gameName(inLanguage(files::rulesDocument, language.toStdString()));
    const bool found = !language.isEmpty() && QFileInfo::exists(env().services.path(translated));
    env().services.openDocument(found ? translated : gameName(files::rulesDocument));
}

void RulesPage::makeTryOut() {
    const auto dice = ui_.dice;
    DiceTryOut::Display display{
        [dice](int die, int face) {
            dice[static_cast<std::size_t>(die)]->setText(face == 0 ? QString()
                                                                   : QString::number(face));
        },
        [dice](int die) { dice[static_cast<std::size_t>(die)]->setEnabled(true); },
        [this](std::string_view file) {
            env().services.playwav(QString::fromUtf8(file.data(), static_cast<int>(file.size())));
        }};
    Environment& e = env();
    tryOut_ = std::make_unique<DiceTryOut>(e.match, e.scheduler, e.random, e.clock, display);
}

// Another page is shown first, then this one closes.
void RulesPage::turnTo(int page) {
    if (page < 1 || page > 3)
        return;
    program_.showRulesPage(page);
    leave();
}

void RulesPage::leave() {
    program_.closeRulesPage(page_);
    clickSound();
}

} // namespace nf
