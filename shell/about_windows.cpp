// The About window and the Program References window. Opened from the Help
// menu they hold the main window until they close; the tray menu's "About"
// leaves the main window usable.
#include <string>

#include "core/app.h"
#include "core/links.h"
#include "shell/outward.h"
#include "shell/program.h"
#include "core/resources.h"

namespace tv {

namespace {

// The tray menu's "&About".
void Exit2Click(App& app) {
    app.Form2.self().setVisible(true);
    app.platform.showWindow("Form2");
}

}  // namespace

void installAboutWindows(App& app) {
    App* a = &app;
    app.c("About1").onClick = [a] { showModalWindow(*a, "Form2"); };
    app.c("Exit2").onClick = [a] { Exit2Click(*a); };
    app.c("References1").onClick = [a] { showModalWindow(*a, "Form5"); };

    Form& about = app.Form2;
    about.get("Button1").onClick = [a] { closeModalWindow(*a, "Form2"); };
    about.self().onExit = [a] { closeModalWindow(*a, "Form2"); };
    app.Form5.self().onExit = [a] { closeModalWindow(*a, "Form5"); };
    if (const std::string* list = resource("text/references.txt")) {
        std::string text = *list;
        while (!text.empty() && text.back() == '\n') text.pop_back();
        app.Form5.get("Memo1").setText(text);
    }

    makeLink(app, about.get("Label2"), links::developer);
    makeLink(app, about.get("Label5"), std::string("mailto:") + links::salesMail);
    makeLink(app, about.get("Label4"), links::home);
    opensOnClick(app, about.get("Image2"), links::facebook);
    opensOnClick(app, about.get("Image55"), links::twitter);
    opensOnClick(app, about.get("Image3"), links::linkedin);
    opensOnClick(app, about.get("Image7"), links::youtube);
    opensOnClick(app, about.get("Image5"), links::donation);
    opensOnClick(app, about.get("Button2"), links::feedback);
}

}  // namespace tv
