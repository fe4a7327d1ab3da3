#include "app/PlatformChoice.h"

#include <gtest/gtest.h>

using namespace nf;

namespace {

struct Case {
    const char* what;
    Session session;
    const char* platform; // chosen for Qt; "" when Qt follows what was asked
    const char* problem;  // words the refusal must hold; "" when the game starts
};

Session named(const char* platform, const char* display, bool xAnswers, const char* wayland,
              bool waylandAnswers) {
    Session s;
    s.named = platform;
    s.namedBy = std::string("QT_QPA_PLATFORM=") + platform;
    s.display = display;
    s.displayFrom = "DISPLAY";
    s.xAnswers = xAnswers;
    s.wayland = wayland;
    s.waylandAnswers = waylandAnswers;
    return s;
}

Session found(const char* display, bool xAnswers, bool keepsBelow, const char* wayland,
              bool waylandAnswers) {
    Session s = named("", display, xAnswers, wayland, waylandAnswers);
    s.namedBy.clear();
    s.xKeepsBelow = keepsBelow;
    return s;
}

} // namespace

TEST(PlatformChoice, StartsWhereSomethingAnswersAndSaysTruthfullyWhatDidNot) {
    const Case cases[] = {
        {"X11 alone", found(":0", true, true, "", false), "xcb", ""},
        {"a session with XWayland and a full window manager", found(":0", true, true, "wl", true),
         "xcb", ""},
        {"XWayland whose window manager cannot keep windows below",
         found(":0", true, false, "wl", true), "wayland", ""},
        {"twm: no keep-below, and no Wayland", found(":0", true, false, "", false), "xcb", ""},
        {"a dead X server beside a live compositor", found(":917", false, false, "wl", true),
         "wayland", ""},
        {"nothing set", found("", false, false, "", false), "",
         "DISPLAY is unset; WAYLAND_DISPLAY is unset"},
        {"both dead", found(":917", false, false, "wl-9", false), "",
         "no X server answers at DISPLAY \":917\"; no Wayland compositor answers at "
         "WAYLAND_DISPLAY \"wl-9\""},
        {"X11 asked for without DISPLAY", named("xcb", "", false, "wl", true), "",
         "QT_QPA_PLATFORM=xcb asks: DISPLAY is unset"},
        {"Wayland asked for without a compositor", named("wayland", ":0", true, "", false), "",
         "QT_QPA_PLATFORM=wayland asks: WAYLAND_DISPLAY is unset"},
        {"a list, the second answering", named("wayland;xcb", ":0", true, "", false), "", ""},
        {"a list, neither answering", named("wayland;xcb", "", false, "wl", false), "",
         "no Wayland compositor answers at WAYLAND_DISPLAY \"wl\"; DISPLAY is unset"},
        {"a platform of Qt's own", named("offscreen", "", false, "", false), "", ""},
        {"an unknown one, left to Qt and its guard", named("bogus", "", false, "", false), "", ""},
    };
    for (const Case& c : cases) {
        const PlatformChoice choice = choosePlatform(c.session, "ninefold");
        EXPECT_EQ(choice.platform, c.platform) << c.what;
        if (*c.problem) {
            EXPECT_NE(choice.problem.find(c.problem), std::string::npos)
                << c.what << ": " << choice.problem;
            EXPECT_EQ(choice.problem.find('\n'), std::string::npos) << c.what;
            EXPECT_NE(choice.problem.find("xvfb-run -a ninefold"), std::string::npos) << c.what;
        } else {
            EXPECT_EQ(choice.problem, "") << c.what;
            EXPECT_NE(choice.failure.find("xvfb-run -a"), std::string::npos) << c.what;
        }
    }
}
