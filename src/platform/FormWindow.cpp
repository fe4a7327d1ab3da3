#include "FormWindow.h"

#include "FitForm.h"
#include "LabelControl.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace nf {

FormWindow::FormWindow(const QString& name, QWidget* parent)
    : QWidget(parent, Qt::Window), name_(name), client_(new QWidget(this)) {
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus); // the window itself holds the focus until Tab moves it
    client_->setObjectName(name + QLatin1String("-client"));
    client_->setAutoFillBackground(true);
}

void FormWindow::setTitleBar(bool titleBar, const QString& caption) {
    Qt::WindowFlags flags = Qt::Window | Qt::MSWindowsFixedSizeDialogHint;
    if (titleBar)
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::CustomizeWindowHint;
    else
        flags |= Qt::FramelessWindowHint;
    setWindowFlags(flags);
    setWindowTitle(caption);
}

void FormWindow::setBorder(int pixels) {
    border_ = pixels;
    setClientSize(client_->size());
}

void FormWindow::setBackground(const QColor& colour) {
    QPalette pal = client_->palette();
    pal.setColor(QPalette::Window, colour);
    client_->setPalette(pal);
}

QColor FormWindow::background() const {
    return client_->palette().color(QPalette::Window);
}

void FormWindow::setClientSize(const QSize& size) {
    setFixedSize(size + QSize(2 * border_, 2 * border_));
}

void FormWindow::resizeEvent(QResizeEvent*) {
    client_->setGeometry(border_, border_, width() - 2 * border_, height() - 2 * border_);
}

// The window manager frames a window after it is shown and moves it as it does.
void FormWindow::moveEvent(QMoveEvent*) {
    refitIfFrameChanged(this);
}

void FormWindow::paintEvent(QPaintEvent*) {
    if (border_ <= 0)
        return;
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    inCloseEvent_ = true;
    const bool refused = !closingByProgram_ && closeRequest_ && !closeRequest_();
    inCloseEvent_ = false;
    if (refused) {
        event->ignore();
        return;
    }
    event->accept();
}

void FormWindow::closeWindow() {
    if (inCloseEvent_)
        return;
    closingByProgram_ = true;
    close();
    closingByProgram_ = false;
}

void FormWindow::addControl(const QString& name, int index, QWidget* control) {
    control->setObjectName(index == kNoIndex ? name
                                             : QStringLiteral("%1(%2)").arg(name).arg(index));
    controls_[{name, index}] = control;
}

QWidget* FormWindow::widget(const QString& name, int index) const {
    auto it = controls_.find({name, index});
    return it == controls_.end() ? nullptr : it->second;
}

void FormWindow::onClick(const QString& name, ClickHandler handler) {
    handlers_.insert(name, std::move(handler));
    if (!keyboardButtons_)
        return;
    for (const auto& [key, control] : controls_)
        if (key.first == name)
            if (auto* label = qobject_cast<LabelControl*>(control))
                label->setActsAsButton(true);
}

void FormWindow::orderTabsAsRead() {
    std::vector<QWidget*> stops;
    for (QWidget* child : client_->findChildren<QWidget*>())
        if (child->focusPolicy() & Qt::TabFocus)
            stops.push_back(child);
    const auto top = [this](const QWidget* w) { return w->mapTo(this, QPoint(0, 0)).y(); };
    const auto left = [this](const QWidget* w) { return w->mapTo(this, QPoint(0, 0)).x(); };
    std::stable_sort(stops.begin(), stops.end(),
                     [&](const QWidget* a, const QWidget* b) { return top(a) < top(b); });
    // Controls whose tops lie within half the height of the row's first share its row.
    for (auto row = stops.begin(); row != stops.end();) {
        const auto end = std::find_if(row, stops.end(), [&](const QWidget* w) {
            return top(w) - top(*row) > (*row)->height() / 2;
        });
        std::stable_sort(row, end,
                         [&](const QWidget* a, const QWidget* b) { return left(a) < left(b); });
        row = end;
    }
    for (std::size_t i = 1; i < stops.size(); ++i)
        setTabOrder(stops[i - 1], stops[i]);
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    if (keyHandler_ && keyHandler_(event->key()))
        return;
    QWidget::keyPressEvent(event);
}

// No button has the focus when a window opens, so that no single key press acts at once.
void FormWindow::showEvent(QShowEvent*) {
    setFocus(Qt::OtherFocusReason);
}

void FormWindow::dispatchClick(const QString& name, int index) {
    const ClickHandler handler = handlers_.value(name); // the handler may close this window
    if (handler)
        handler(index);
}

} // namespace nf
