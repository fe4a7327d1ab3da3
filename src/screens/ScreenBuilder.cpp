#include "ScreenBuilder.h"

#include "engine/GameFiles.h"
#include "platform/CheckBoxControl.h"
#include "platform/Fonts.h"
#include "platform/FormWindow.h"
#include "platform/FrameControl.h"
#include "platform/GameFolder.h"
#include "platform/GameTexts.h"
#include "platform/ImageControl.h"
#include "platform/LabelControl.h"
#include "platform/PictureBoxControl.h"
#include "platform/ShapeControl.h"
#include "platform/SharpPicture.h"
#include "platform/SunkenBorder.h"
#include "platform/Twips.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <algorithm>
#include <map>
#include <tuple>

namespace nf {

QColor toQColor(Rgb colour) {
    return {colour.r, colour.g, colour.b};
}

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// A click on the control reaches its array's handler with its index.
template <class Control, class Signal>
void connectClick(Control* control, Signal signal, FormWindow* window, const ControlSpec& design) {
    QObject::connect(control, signal, window,
                     [window, name = qs(design.name), index = design.index] {
                         window->dispatchClick(name, index);
                     });
}

double pointsOf(const ControlSpec& design) {
    return design.font.points > 0 ? design.font.points : 8.25;
}

QFont fontOf(const ControlSpec& design) {
    const FontSpec& f = design.font;
    return Fonts::font(f.face.empty() ? QStringLiteral("Arial") : qs(f.face), pointsOf(design),
                       f.bold);
}

QWidget* makeLabel(const ControlSpec& design, QWidget* parent, FormWindow* window) {
    auto* label = new LabelControl(parent);
    const QString text = gameText(design.caption);
    label->setText(text);
    label->setFont(fontOf(design));
    label->setForeColour(toQColor(design.fore.value_or(colours::black)));
    if (design.back)
        label->setBackColour(toQColor(*design.back));
    label->setSunken(design.sunken);
    label->setCentred(design.centred);
    label->setGeometry(twipsRect(design.left, design.top, design.width, design.height));
    if (design.fitsText)
        label->fitText();
    // A translated text may be longer than the one the label was designed for.
    if (!gameLanguage().isEmpty())
        label->setShrinksToFit(pointsOf(design));
    if (!design.fitsText)
        label->showText(text);
    connectClick(label, &LabelControl::clicked, window, design);
    return label;
}

QWidget* makeImage(const ControlSpec& design, QWidget* parent, FormWindow* window) {
    auto* image = new ImageControl(parent);
    image->setGeometry(twipsRect(design.left, design.top, design.width, design.height));
    image->setSunken(design.sunken);
    connectClick(image, &ImageControl::clicked, window, design);
    return image;
}

QWidget* makeCheckBox(const ControlSpec& design, QWidget* parent, FormWindow* window) {
    auto* box = new CheckBoxControl(parent);
    box->setText(gameText(design.caption));
    box->setFont(fontOf(design));
    box->setColours(design.fore ? toQColor(*design.fore) : systemColours::buttonText(),
                    design.back ? toQColor(*design.back) : systemColours::buttonFace());
    box->setChecked(design.checked);
    box->setGeometry(twipsRect(design.left, design.top, design.width, design.height));
    if (!gameLanguage().isEmpty())
        box->showFittedText(box->text(), pointsOf(design));
    connectClick(box, &QCheckBox::toggled, window, design);
    return box;
}

QWidget* makeOther(const ControlSpec& design, QWidget* parent) {
    QWidget* made = nullptr;
    if (design.kind == ControlKind::PictureBox) {
        made = new PictureBoxControl(parent);
    } else if (design.kind == ControlKind::Frame) {
        auto* frame = new FrameControl(parent);
        if (design.back)
            frame->setBackColour(toQColor(*design.back));
        made = frame;
    } else {
        auto* shape = new ShapeControl(parent);
        shape->setBorder(toQColor(design.borderColour), design.borderWidth);
        shape->setFill(design.back ? std::optional<QColor>(toQColor(*design.back)) : std::nullopt);
        made = shape;
    }
    made->setGeometry(twipsRect(design.left, design.top, design.width, design.height));
    return made;
}

QWidget* makeControl(const ControlSpec& design, QWidget* parent, FormWindow* window) {
    switch (design.kind) {
    case ControlKind::Label:
        return makeLabel(design, parent, window);
    case ControlKind::Image:
        return makeImage(design, parent, window);
    case ControlKind::CheckBox:
        return makeCheckBox(design, parent, window);
    case ControlKind::Timer:
        return nullptr; // timers belong to the window's behaviour, on its scheduler
    default:
        return makeOther(design, parent);
    }
}

} // namespace

// A window takes its icon in the sizes a title bar, a taskbar and a window switcher show; the
// largest, for the desktop's launcher, would cost a megabyte at start-up for nothing on screen.
QIcon iconFrom(const GameFolder& folder, const std::string& name) {
    QIcon icon;
    for (int size : icons::sizes) {
        QPixmap picture;
        if (size <= icons::kLargestOnAWindow &&
            loadPicture(picture, folder.path(qs(icons::ofSize(name, size)))))
            icon.addPixmap(picture);
    }
    return icon;
}

namespace {

void setFrame(FormWindow* window, const WindowSpec& design, const GameFolder& folder) {
    window->setTitleBar(design.titleBar, gameText(design.caption));
    window->setBackground(design.background ? toQColor(*design.background)
                                            : systemColours::buttonFace());
    window->setBorder(design.border);
    if (design.maximised) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->geometry() : QRect(0, 0, 800, 600);
        window->setClientSize(area.size());
        window->move(area.topLeft());
    } else {
        window->setClientSize(QSize(pixels(design.clientWidth), pixels(design.clientHeight)));
    }
    window->setEnabled(!design.disabled);
    if (!design.icon.empty())
        window->setWindowIcon(iconFrom(folder, design.icon));
}

// Once every control lies where it belongs, a translated text makes room for the controls over
// it (the topmost text first, as those under it make room for it), and buttons of one kind,
// one designed font, take the smallest size any of them needs.
void fitTranslatedTexts(const std::vector<std::pair<QWidget*, const ControlSpec*>>& made) {
    if (gameLanguage().isEmpty())
        return;
    for (const auto& [control, design] : made)
        if (auto* label = qobject_cast<LabelControl*>(control); label && !design->fitsText)
            label->refitText();
    std::map<std::tuple<std::string, double, bool>, std::vector<QWidget*>> kinds;
    for (const auto& [control, design] : made)
        if (design->style == LabelStyle::Button)
            kinds[{design->font.face, design->font.points, design->font.bold}].push_back(control);
    for (const auto& [font, buttons] : kinds) {
        const auto smallest =
            std::min_element(buttons.begin(), buttons.end(), [](QWidget* a, QWidget* b) {
                return a->font().pixelSize() < b->font().pixelSize();
            });
        for (QWidget* button : buttons)
            button->setFont((*smallest)->font());
    }
}

} // namespace

FormWindow* buildWindow(const WindowSpec& design, const GameFolder& folder) {
    auto* window = new FormWindow(qs(design.name));
    setFrame(window, design, folder);
    std::vector<std::pair<QWidget*, const ControlSpec*>> made; // topmost first
    for (const ControlSpec& c : design.controls) {
        QWidget* parent = window->client();
        if (!c.parent.empty())
            if (QWidget* frame = window->widget(qs(c.parent)))
                parent = frame;
        QWidget* control = makeControl(c, parent, window);
        if (!control)
            continue;
        control->setHidden(c.hidden);
        control->setEnabled(!c.disabled);
        window->addControl(qs(c.name), c.index, control);
        made.emplace_back(control, &c);
    }
    // The first control of the window's order lies on top.
    for (auto it = made.rbegin(); it != made.rend(); ++it)
        it->first->raise();
    fitTranslatedTexts(made);
    return window;
}

QWidget* loadControl(FormWindow& window, const ControlSpec& design) {
    QWidget* control = makeControl(design, window.client(), &window);
    if (!control)
        return nullptr;
    control->setHidden(true);
    control->setEnabled(!design.disabled);
    control->raise();
    window.addControl(qs(design.name), design.index, control);
    return control;
}

namespace {

// A picture with words in the player's language where the game has it, else as designed, as
// the rules document is chosen.
QString picturePath(const std::string& picture, const GameFolder& folder) {
    const QString language = gameLanguage();
    const bool hasWords = std::find(pictures::withWords.begin(), pictures::withWords.end(),
                                    picture) != pictures::withWords.end();
    if (hasWords && !language.isEmpty()) {
        const QString translated = folder.path(qs(inLanguage(picture, language.toStdString())));
        if (QFileInfo(translated).isFile())
            return translated;
    }
    return folder.path(qs(picture));
}

} // namespace

bool loadCataloguePicture(FormWindow& window, const ControlSpec& design, const GameFolder& folder) {
    if (design.picture.empty())
        return false;
    QWidget* control = window.widget(qs(design.name), design.index);
    const QString path = picturePath(design.picture, folder);
    if (auto* image = qobject_cast<ImageControl*>(control))
        return image->loadPicture(path);
    if (auto* box = qobject_cast<PictureBoxControl*>(control))
        return box->loadPicture(path);
    return false;
}

bool loadCataloguePicture(FormWindow& window, const WindowSpec& design, const QWidget* control,
                          const GameFolder& folder) {
    for (const ControlSpec& c : design.controls)
        if (control && window.widget(qs(c.name), c.index) == control)
            return loadCataloguePicture(window, c, folder);
    return false;
}

void loadCataloguePictures(FormWindow& window, const WindowSpec& design, const GameFolder& folder) {
    for (const ControlSpec& c : design.controls)
        loadCataloguePicture(window, c, folder);
}

} // namespace nf
