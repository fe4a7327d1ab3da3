#include "RulesPage.h"

#include "Program.h"
#include "engine/GameFiles.h"
#include "platform/FitForm.h"
#include "platform/FormWindow.h"
#include "platform/GameTexts.h"
#include "platform/LabelControl.h"
#include "screens/Screens.h"

#include <QFileInfo>

namespace nf {
namespace {

WindowSpec pageSpec(int page) {
    return page == 1 ? doreroduzadSpec() : page == 2 ? doreroduzad2Spec() : doreroduzad2bSpec();
}

} // namespace

RulesPage::RulesPage(Program& program, int page) : Screen(program, pageSpec(page)), page_(page) {
    window().onClick("Label3", [this](int index) { clickButton(index); });
    window().onCloseRequest([this] {
        clickButton(0); // the window manager's close acts as the page's Exit
        return true;
    });
    if (page == 2)
        makeTryOut();
    if (page == 3)
        window().onClick("Label2", [this](int) {
            openRulesDocument();
            clickSound();
        });
    fitform(&window());
    // A missing picture leaves its place empty.
    loadDesignedPicture("Image1");
}

// The document in the player's language where the game has it, else the English one.
void RulesPage::openRulesDocument() {
    const QString language = gameLanguage();
    const QString translated = gameName(inLanguage(files::rulesDocument, language.toStdString()));
    const bool found = !language.isEmpty() && QFileInfo::exists(env().services.path(translated));
    env().services.openDocument(found ? translated : gameName(files::rulesDocument));
}

void RulesPage::makeTryOut() {
    FormWindow& w = window();
    DiceTryOut::Display display{
        [&w](int die, int face) {
            w.control<LabelControl>("Label4", die)
                ->setText(face == 0 ? QString() : QString::number(face));
        },
        [&w](int die) { w.widget("Label4", die)->setEnabled(true); },
        [this](std::string_view file) {
            env().services.playwav(QString::fromUtf8(file.data(), static_cast<int>(file.size())));
        }};
    Environment& e = env();
    tryOut_ = std::make_unique<DiceTryOut>(e.match, e.scheduler, e.random, e.clock, display);
    w.onClick("Label2", [this](int) { tryOut_->throwDice(); });
}

// Exit (0), next page (1), previous page (2); each move shows the new page first.
void RulesPage::clickButton(int index) {
    if (index == 1 && page_ < 3)
        program_.showRulesPage(page_ + 1);
    else if (index == 2 && page_ > 1)
        program_.showRulesPage(page_ - 1);
    else if (index != 0)
        return;
    program_.closeRulesPage(page_);
    clickSound();
}

} // namespace nf
