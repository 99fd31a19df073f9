// The Help and Contact menus, the main window's logo and social pictures, the
// options window's Help button: each opens a page through the desktop.
#include "core/app.h"
#include "core/links.h"
#include "shell/outward.h"

namespace tv {

namespace {

struct LinkItem {
    const char* component;  // of the main window unless qualified below
    const char* target;
};

// Main-window menu items and pictures that open a page.
const LinkItem kMainLinks[] = {
    {"HelpTopics1", links::help},
    {"About2", links::about},
    {"SendFeedbackToCorvexPCBDesignInc1", links::feedback},
    {"ContactCorvexPCBDesignInc1", links::contact},
    {"RequestaDesignQuote1", links::designQuote},
    {"RequestaProductDevelopmentQuote2", links::manufacturingQuote},
    {"RequestaProductDevelopmentQuote1", links::productQuote},
    {"PCBDesignServices1", links::pcbDesign},
    {"ElectronicEngineeringServices1", links::engineering},
    {"SoftwareDevelopmentServices1", links::software},
    {"ConsultingServices1", links::consulting},
    {"PCBAssemblyServices1", links::assembly},
    {"PCBManufacturingServices1", links::manufacturing},
    {"FollowCorvexPCBDesignonFacebook1", links::facebook},
    {"FollowCorvexPCBDesignonLinkedIn3", links::twitter},
    {"FollowCorvexPCBDesignonLinkedIn1", links::linkedin},
    {"FollowCorvexPCBDesignonLinkedIn2", links::youtube},
    {"Image6", links::home},
    {"Image43", links::facebook},
    {"Image55", links::twitter},
    {"Image44", links::linkedin},
    {"Image57", links::youtube},
};

}  // namespace

void installHelpLinks(App& app) {
    for (const auto& l : kMainLinks) opensOnClick(app, app.c(l.component), l.target);
    opensOnClick(app, app.Form6.get("BitBtn1"), links::help);

    App* a = &app;
    app.c("Disclaimer1").onClick = [a] {
        a->message("The calculations performed in this program are for reference only.");
    };
    app.c("EULA1").onClick = [a] { a->platform.openDocument(links::eula); };
}

}  // namespace tv
