#include "LabelAccessibility.h"

#include "LabelControl.h"

#include <QAccessibleWidget>

namespace nf {
namespace {

class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(LabelControl* label)
        : QAccessibleWidget(label, label->actsAsButton() ? QAccessible::Button
                                                         : QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const LabelControl*>(widget());
        if (t == QAccessible::Name)
            return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
        if (t == QAccessible::Value)
            return label->text();
        return QAccessibleWidget::text(t);
    }

    const LabelControl* label() const { return static_cast<const LabelControl*>(widget()); }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        const QString& extra = label()->assistiveActionName();
        if (!extra.isEmpty())
            names << extra;
        return names;
    }

    void doAction(const QString& name) override {
        if (!name.isEmpty() && name == label()->assistiveActionName())
            label()->runAssistiveAction();
        else
            QAccessibleWidget::doAction(name);
    }

    QAccessible::Role role() const override {
        return static_cast<const LabelControl*>(widget())->actsAsButton() ? QAccessible::Button
                                                                          : QAccessible::StaticText;
    }
};

QAccessibleInterface* labelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("nf::LabelControl") && object->isWidgetType())
        return new LabelAccessible(static_cast<LabelControl*>(object));
    return nullptr;
}

} // namespace

void installLabelAccessibility() {
    QAccessible::installFactory(labelFactory);
}

} // namespace nf
