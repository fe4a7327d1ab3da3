#include "ScreenBuilder.h"

#include "platform/CheckBoxControl.h"
#include "platform/Fonts.h"
#include "platform/FormWindow.h"
#include "platform/FrameControl.h"
#include "platform/GameFolder.h"
#include "platform/ImageControl.h"
#include "platform/LabelControl.h"
#include "platform/PictureBoxControl.h"
#include "platform/ShapeControl.h"
#include "platform/SunkenBorder.h"
#include "platform/Twips.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

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
void connectClick(Control* control, Signal signal, FormWindow* window, const ControlSpec& spec) {
    QObject::connect(control, signal, window, [window, name = qs(spec.name), index = spec.index] {
        window->dispatchClick(name, index);
    });
}

QFont fontOf(const ControlSpec& spec) {
    const FontSpec& f = spec.font;
    return Fonts::font(f.face.empty() ? QStringLiteral("Arial") : qs(f.face),
                       f.points > 0 ? f.points : 8.25, f.bold);
}

QWidget* makeLabel(const ControlSpec& spec, QWidget* parent, FormWindow* window) {
    auto* label = new LabelControl(parent);
    label->setText(qs(spec.caption));
    label->setFont(fontOf(spec));
    label->setForeColour(toQColor(spec.fore.value_or(colours::black)));
    if (spec.back)
        label->setBackColour(toQColor(*spec.back));
    label->setSunken(spec.sunken);
    label->setCentred(spec.centred);
    label->setGeometry(twipsRect(spec.left, spec.top, spec.width, spec.height));
    if (spec.fitsText)
        label->fitText();
    QObject::connect(
        label, &LabelControl::clicked, window,
        [window, name = qs(spec.name), index = spec.index] { window->dispatchClick(name, index); });
    return label;
}

QWidget* makeImage(const ControlSpec& spec, QWidget* parent, FormWindow* window) {
    auto* image = new ImageControl(parent);
    image->setGeometry(twipsRect(spec.left, spec.top, spec.width, spec.height));
    image->setSunken(spec.sunken);
    QObject::connect(
        image, &ImageControl::clicked, window,
        [window, name = qs(spec.name), index = spec.index] { window->dispatchClick(name, index); });
    return image;
}

QWidget* makeCheckBox(const ControlSpec& spec, QWidget* parent, FormWindow* window) {
    auto* box = new CheckBoxControl(parent);
    box->setText(qs(spec.caption));
    box->setFont(fontOf(spec));
    box->setColours(spec.fore ? toQColor(*spec.fore) : systemColours::buttonText(),
                    spec.back ? toQColor(*spec.back) : systemColours::buttonFace());
    box->setChecked(spec.checked);
    box->setGeometry(twipsRect(spec.left, spec.top, spec.width, spec.height));
    QObject::connect(
        box, &QCheckBox::toggled, window,
        [window, name = qs(spec.name), index = spec.index] { window->dispatchClick(name, index); });
    return box;
}

QWidget* makeOther(const ControlSpec& spec, QWidget* parent) {
    QWidget* made = nullptr;
    if (spec.kind == ControlKind::PictureBox) {
        made = new PictureBoxControl(parent);
    } else if (spec.kind == ControlKind::Frame) {
        auto* frame = new FrameControl(parent);
        if (spec.back)
            frame->setBackColour(toQColor(*spec.back));
        made = frame;
    } else {
        auto* shape = new ShapeControl(parent);
        shape->setBorder(toQColor(spec.borderColour), spec.borderWidth);
        shape->setFill(spec.back ? std::optional<QColor>(toQColor(*spec.back)) : std::nullopt);
        made = shape;
    }
    made->setGeometry(twipsRect(spec.left, spec.top, spec.width, spec.height));
    return made;
}

QWidget* makeControl(const ControlSpec& spec, QWidget* parent, FormWindow* window) {
    switch (spec.kind) {
    case ControlKind::Label:
        return makeLabel(spec, parent, window);
    case ControlKind::Image:
        return makeImage(spec, parent, window);
    case ControlKind::CheckBox:
        return makeCheckBox(spec, parent, window);
    case ControlKind::Timer:
        return nullptr; // timers belong to the window's behaviour, on its scheduler
    default:
        return makeOther(spec, parent);
    }
}

QIcon iconFrom(const GameFolder& folder, const std::string& baseName) {
    QIcon icon;
    for (int size : {16, 32, 48, 256}) {
        const QString path = folder.path(qs(baseName) + QStringLiteral("-%1.png").arg(size));
        if (QFileInfo(path).isFile())
            icon.addFile(path, QSize(size, size));
    }
    return icon;
}

void setFrame(FormWindow* window, const WindowSpec& spec, const GameFolder& folder) {
    window->setTitleBar(spec.titleBar, qs(spec.caption));
    window->setBackground(spec.background ? toQColor(*spec.background)
                                          : systemColours::buttonFace());
    window->setBorder(spec.border);
    if (spec.maximised) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->geometry() : QRect(0, 0, 800, 600);
        window->setClientSize(area.size());
        window->move(area.topLeft());
    } else {
        window->setClientSize(QSize(pixels(spec.clientWidth), pixels(spec.clientHeight)));
    }
    window->setEnabled(!spec.disabled);
    if (!spec.icon.empty())
        window->setWindowIcon(iconFrom(folder, spec.icon));
}

} // namespace

FormWindow* buildWindow(const WindowSpec& spec, const GameFolder& folder) {
    auto* window = new FormWindow(qs(spec.name));
    setFrame(window, spec, folder);
    std::vector<QWidget*> made;
    for (const ControlSpec& c : spec.controls) {
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
        made.push_back(control);
    }
    // The first control of the window's order lies on top.
    for (auto it = made.rbegin(); it != made.rend(); ++it)
        (*it)->raise();
    return window;
}

QWidget* loadControl(FormWindow& window, const ControlSpec& spec) {
    QWidget* control = makeControl(spec, window.client(), &window);
    if (!control)
        return nullptr;
    control->setHidden(true);
    control->setEnabled(!spec.disabled);
    control->raise();
    window.addControl(qs(spec.name), spec.index, control);
    return control;
}

void loadCataloguePictures(FormWindow& window, const WindowSpec& spec, const GameFolder& folder) {
    for (const ControlSpec& c : spec.controls) {
        if (c.picture.empty())
            continue;
        QWidget* control = window.widget(qs(c.name), c.index);
        const QString path = folder.path(qs(c.picture));
        if (auto* image = qobject_cast<ImageControl*>(control))
            image->loadPicture(path);
        else if (auto* box = qobject_cast<PictureBoxControl*>(control))
            box->loadPicture(path);
    }
}

} // namespace nf
