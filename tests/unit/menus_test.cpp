// Every command of the main window's menus and of the tray menu is enabled
// and does something: no item waits for code.
#include <gtest/gtest.h>

#include "app_fixture.h"

TEST(Menus, EveryCommandIsEnabledAndHandled) {
    HeadlessApp h;
    int commands = 0;
    for (const auto& c : h.app.Form1.components()) {
        if (c->kind() != tv::Kind::MenuItem || !h.app.Form1.children(c->name()).empty()) continue;
        if (c->caption() == "-") continue;  // separator
        if (c->caption() == "|") {          // the divider drawn in the menu bar
            EXPECT_FALSE(c->enabled());
            continue;
        }
        ++commands;
        EXPECT_TRUE(c->enabled()) << c->name();
        EXPECT_TRUE(static_cast<bool>(c->onClick)) << c->name() << " does nothing";
    }
    // File 5 and 10 for designs (save, open, six recent, two resets), Edit 1,
    // functions 20, Tools 5, Help 7, Contact 15, tray 2.
    EXPECT_EQ(commands, 65);
}
