// The Program Options window's handlers.
#include "app.h"
#include "options_window.h"
#include "program.h"

namespace tv {

void installOptionsWindow(App& app) {
    App* a = &app;
    app.Form6.get("Button1").onClick = [a] {
        closeModalWindow(*a, "Form6");
        a->Button1Click();
    };
}

}  // namespace tv
