#include "LabelAccessibility.h"

#include "LabelControl.h"

#include <QAccessibleWidget>

namespace nf {
namespace {

constexpr char kHidden[] = "nfHiddenFromScreenReaders";

class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(LabelControl* label)
        : QAccessibleWidget(label, label->actsAsButton() ? QAccessible::Button
                                                         : QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return label()->accessibleName().isEmpty() ? label()->text()
                                                       : label()->accessibleName();
        if (t == QAccessible::Value)
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    const LabelControl* label() const { return static_cast<const LabelControl*>(widget()); }
    LabelControl* label() { return static_cast<LabelControl*>(widget()); }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (label()->unavailableToReaders())
            s.disabled = true;
        return s;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->actsAsButton())
            names.prepend(pressAction());
        const QString& extra = label()->assistiveActionName();
        if (!extra.isEmpty())
            names << extra;
        return names;
    }

    void doAction(const QString& name) override {
        if (name == pressAction() && label()->actsAsButton())
            label()->press();
        else if (!name.isEmpty() && name == label()->assistiveActionName())
            label()->runAssistiveAction();
        else
            QAccessibleWidget::doAction(name);
    }

    QAccessible::Role role() const override {
        return label()->actsAsButton() ? QAccessible::Button : QAccessible::StaticText;
    }
};

// Present on the bus, so that the tree stays whole, but neither visible nor named once hidden
// (asked at every call: the bridge may have met the object before it was hidden).
class HideableAccessible : public QAccessibleWidget {
public:
    HideableAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    bool hidden() const { return widget()->property(kHidden).toBool(); }
    QString text(QAccessible::Text t) const override {
        return hidden() ? QString() : QAccessibleWidget::text(t);
    }
    QAccessible::Role role() const override {
        return hidden() ? QAccessible::Pane : QAccessibleWidget::role();
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (widget()->focusProxy())
            s.focused = false; // the proxy says it has the focus
        if (hidden()) {
            s.invisible = true;
            s.focusable = false;
        }
        return s;
    }
};

QAccessibleInterface* gameFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("nf::ImageControl") ||
        className == QLatin1String("nf::PictureBoxControl") ||
        className == QLatin1String("nf::ShapeControl"))
        hideFromScreenReaders(widget); // pictures only repeat what the names say
    if (widget->property(kHidden).toBool())
        return new HideableAccessible(widget, QAccessible::Pane);
    // The game's windows are frames to a reader, named for what they show.
    if (className == QLatin1String("nf::FormWindow"))
        return new HideableAccessible(widget, QAccessible::Window);
    if (className == QLatin1String("nf::LabelControl"))
        return new LabelAccessible(static_cast<LabelControl*>(object));
    if (className == QLatin1String("nf::StatusLine"))
        return new QAccessibleWidget(widget, QAccessible::StaticText);
    return nullptr;
}

} // namespace

void installLabelAccessibility() {
    QAccessible::installFactory(gameFactory);
}

void hideFromScreenReaders(QWidget* widget) {
    widget->setProperty(kHidden, true);
}

} // namespace nf
