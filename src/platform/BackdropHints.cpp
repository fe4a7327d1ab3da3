#include "BackdropHints.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace nf {
namespace {

constexpr std::array<const char*, 3> kStates = {"_NET_WM_STATE_SKIP_TASKBAR",
                                                "_NET_WM_STATE_SKIP_PAGER", "_NET_WM_STATE_BELOW"};

xcb_connection_t* x11Connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const auto cookie = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}

xcb_window_t rootOf(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

} // namespace

void markAsBackdrop(QWidget* window) {
    window->setWindowFlag(Qt::WindowStaysOnBottomHint);
    xcb_connection_t* c = x11Connection();
    if (!c)
        return;
    // Added to whatever states the window carries; the window manager reads them at the map.
    std::array<xcb_atom_t, kStates.size()> states{};
    for (std::size_t i = 0; i < kStates.size(); ++i)
        states[i] = atom(c, kStates[i]);
    xcb_change_property(c, XCB_PROP_MODE_APPEND, static_cast<xcb_window_t>(window->winId()),
                        atom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(states.size()), states.data());
    xcb_flush(c);
}

void remindWindowManagerOfBackdrop(QWidget* window) {
    xcb_connection_t* c = x11Connection();
    if (!c)
        return;
    const xcb_atom_t wmState = atom(c, "_NET_WM_STATE");
    for (std::size_t i = 0; i < kStates.size(); i += 2) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = static_cast<xcb_window_t>(window->winId());
        event.type = wmState;
        event.data.data32[0] = 1; // add
        event.data.data32[1] = atom(c, kStates[i]);
        event.data.data32[2] = i + 1 < kStates.size() ? atom(c, kStates[i + 1]) : 0;
        event.data.data32[3] = 1; // from an application
        xcb_send_event(c, 0, rootOf(c),
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&event));
    }
    xcb_flush(c);
}

bool windowManagerKeepsBelow(xcb_connection_t* c) {
    const xcb_atom_t below = atom(c, kStates[2]);
    const auto cookie =
        xcb_get_property(c, 0, rootOf(c), atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 4096);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    if (!reply)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    const auto count =
        static_cast<std::size_t>(xcb_get_property_value_length(reply)) / sizeof(xcb_atom_t);
    const bool keeps =
        below != XCB_ATOM_NONE && std::find(atoms, atoms + count, below) != atoms + count;
    std::free(reply);
    return keeps;
}

bool windowManagerKeepsBelow() {
    xcb_connection_t* c = x11Connection();
    return c && windowManagerKeepsBelow(c);
}

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace nf
