#pragma once

#include <QColor>
#include <QHash>
#include <QWidget>
#include <functional>
#include <map>

namespace nf {

// A top-level window of the game: a client area of fixed size in its background colour,
// with a title bar and caption or none (then optionally a one-pixel border), and its
// controls addressed by designer name and index. A click on any element of a control array
// reaches the array's one handler with the element's index.
class FormWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kNoIndex = -1;
    using ClickHandler = std::function<void(int index)>;

    explicit FormWindow(const QString& name, QWidget* parent = nullptr);

    const QString& name() const { return name_; }
    void setTitleBar(bool titleBar, const QString& caption);
    void setBorder(int pixels);
    void setBackground(const QColor& colour);
    QColor background() const;
    void setClientSize(const QSize& size);
    QWidget* client() const { return client_; }

    void addControl(const QString& name, int index, QWidget* control);
    QWidget* widget(const QString& name, int index = kNoIndex) const;
    template <class T>
    T* control(const QString& name, int index = kNoIndex) const {
        return qobject_cast<T*>(widget(name, index));
    }
    void onClick(const QString& name, ClickHandler handler);
    // Runs the click handler of the named control array, as a click on that element would.
    void dispatchClick(const QString& name, int index);
    // Keys that reach the window itself (no button has the keyboard focus); true when taken.
    void onKey(std::function<bool(int key)> handler) { keyHandler_ = std::move(handler); }
    // Whether labels that act as buttons can be reached with Tab and pressed with Space or
    // Enter (the boards take their keys at the window instead).
    void setKeyboardButtons(bool on) { keyboardButtons_ = on; }
    // Tab goes through the controls as a page is read: row by row from the top, each row from
    // the left.
    void orderTabsAsRead();
    // Asked when the user closes the window from its title bar; false keeps it open.
    void onCloseRequest(std::function<bool()> handler) { closeRequest_ = std::move(handler); }
    // Closes the window without asking the close-request handler (nothing to do while it is
    // already closing).
    void closeWindow();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QString name_;
    QWidget* client_;
    int border_ = 0;
    std::map<std::pair<QString, int>, QWidget*> controls_;
    QHash<QString, ClickHandler> handlers_;
    std::function<bool()> closeRequest_;
    std::function<bool(int)> keyHandler_;
    bool keyboardButtons_ = true;
    bool closingByProgram_ = false;
    bool inCloseEvent_ = false;
};

} // namespace nf
