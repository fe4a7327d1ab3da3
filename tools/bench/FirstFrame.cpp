// first-frame PROGRAM [ARG...]: starts the program and prints, once its first window has
// drawn its first frame, the milliseconds since the start and the process id it started.
// Run inside an X display. A window counts as drawn at the first damage to it after the map.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

namespace {

xcb_window_t waitForMap(xcb_connection_t* c) {
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        std::free(event);
        if (mapped)
            return window;
    }
    return XCB_NONE;
}

bool waitForDamage(xcb_connection_t* c, xcb_window_t window) {
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present)
        return false;
    std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
    const xcb_damage_damage_t id = xcb_generate_id(c);
    xcb_damage_create(c, id, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
    xcb_flush(c);
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        const bool damaged =
            (event->response_type & 0x7f) == damage->first_event + XCB_DAMAGE_NOTIFY;
        std::free(event);
        if (damaged)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    constexpr const char* kUsage = "usage: first-frame PROGRAM [ARG...]\nStarts PROGRAM and "
                                   "prints the milliseconds until its first window is drawn.\n";
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        // The program's output is not wanted, and a pipe it kept open would hold up the caller.
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const xcb_window_t window = waitForMap(c);
    if (window == XCB_NONE || !waitForDamage(c, window))
        return 1;
    const auto ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
    std::printf("%.1f %d\n", ms.count(), static_cast<int>(child));
    return 0;
}
