#include "shell/keyboard.h"

#include "core/app.h"
#include "core/user_actions.h"
#include "shell/program.h"

namespace tv {

const std::vector<MenuKey>& menuKeys() {
    static const std::vector<MenuKey> keys = {
        {"Ctrl+Q", "Exit1"},
        {"Ctrl+P", "Print1"},
        {"F1", "HelpTopics1"},
        {"Ctrl+S", "SaveDesign1"},
        {"Ctrl+O", "OpenDesign1"},
        {"Ctrl+Shift+C", "CopyResults1"},
    };
    return keys;
}

void stepFunction(App& app, int step) {
    Component& tabs = app.c("TabControl1");
    const int count = static_cast<int>(tabs.items().size());
    if (count == 0) return;
    const int from = tabs.itemIndex() < 0 ? 0 : tabs.itemIndex();
    user::pick(app, tabs, ((from + step) % count + count) % count);
}

void closeWindowByUser(App& app, Form& form) {
    app.userAction([&] {
        if (&form == &app.Form1) app.endProgram(0);
        if (&form == &app.Form4) return;
        if (form.self().onExit) {
            form.self().onExit();
            return;
        }
        // A window opened over a disabled main window hands the input back.
        const bool holding = !app.Form1.self().enabled();
        form.self().setVisible(false);
        app.platform.closeWindow(form.name());
        if (holding) app.Form1.self().setEnabled(true);
    });
}

bool pressKey(App& app, Form& form, const std::string& keys) {
    if (app.ended) return false;
    if (&form == &app.Form1) {
        // A window over the main window holds its keys.
        if (!form.self().enabled()) return false;
        for (const MenuKey& k : menuKeys())
            if (keys == k.keys) {
                Component& item = app.c(k.item);
                if (!item.enabled()) return false;
                user::click(app, item);
                return true;
            }
        if (keys == kNextFunctionKeys || keys == kPreviousFunctionKeys) {
            stepFunction(app, keys == kNextFunctionKeys ? 1 : -1);
            return true;
        }
        return false;
    }
    if (!form.self().visible()) return false;
    if (&form == &app.Form4) {
        // Any key ends the start-up picture.
        dismissSplash(app);
        return true;
    }
    if (keys == "Escape") {
        closeWindowByUser(app, form);
        return true;
    }
    if (&form == &app.Form2 && (keys == "Return" || keys == "Enter")) {
        user::click(app, form.get("Button1"));
        return true;
    }
    return false;
}

}  // namespace tv
