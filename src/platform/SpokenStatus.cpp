#include "SpokenStatus.h"

namespace nf {

StatusLine::StatusLine(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

SpokenStatus::SpokenStatus(QWidget* parent, const QRect& place) : QObject(parent) {
    for (StatusLine*& line : lines_) {
        line = new StatusLine(parent);
        line->setGeometry(place);
        line->lower();
        line->show();
    }
    lines_[0]->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(lines_[0], lines_[1]);
    parent->window()->setFocusProxy(lines_[0]);
}

bool SpokenStatus::hasFocus() const {
    const QWidget* focused =
        parent() ? static_cast<QWidget*>(parent())->window()->focusWidget() : nullptr;
    return !focused || focused == lines_[0] || focused == lines_[1];
}

void SpokenStatus::say(const QString& text) {
    said_ = text;
    const bool followed = hasFocus();
    StatusLine* from = lines_[current_];
    current_ = 1 - current_;
    StatusLine* to = lines_[current_];
    to->setAccessibleName(text);
    // Tab reaches the status once, at the line that holds it now.
    to->setFocusPolicy(Qt::TabFocus);
    from->setFocusPolicy(Qt::NoFocus);
    to->window()->setFocusProxy(to);
    if (followed)
        to->setFocus(Qt::OtherFocusReason);
}

void SpokenStatus::takeFocus() {
    current()->setFocus(Qt::OtherFocusReason);
}

} // namespace nf
