// Start-up: the splash window drives the settings load, then animates and
// closes, and the first recalculation runs.
#include <cmath>

#include "app.h"
#include "program.h"
#include "selection.h"
#include "stackup.h"

namespace tv {

namespace {

const char* splashText(int p) {
    struct Band {
        int low, high;  // low < p < high
        const char* text;
    };
    static const Band bands[] = {
        {10, 20, "Loading.."},
        {20, 30, "Loading..."},
        {30, 40, "Loading...."},
        {40, 50, "Reading registry keys."},
        {50, 60, "Reading registry keys.."},
        {60, 70, "Reading registry keys..."},
        {70, 80, "Reading registry keys..."},
        {80, 85, "Starting program."},
        {85, 90, "Starting program.."},
        {90, 95, "Starting program..."},
        {95, 100, "Starting program...."},
    };
    if (p < 10) return "Loading.";
    for (const auto& b : bands)
        if (b.low < p && p < b.high) return b.text;
    return nullptr;
}

}  // namespace

void SplashFormShow(App& app) {
    Settings& s = app.settings;
    if (s.openRead()) s.read("Registry_Status");
    if (s.cached("Registry_Status") != "0") app.c("Label301").setVisible(true);
    s.close();

    bool opened = s.openRead();
    if (opened) s.read("Units");
    for (const char* name : {"Program", "Manual_Copper_Weight", "IPC_Version", "Conductor_Reduction",
                             "Derating", "Via_Height_Enable", "TH_Via_AR_Setting", "UVia_AR_Setting",
                             "Vurivav_Theme"})
        s.read(name);
    s.close();

    // The decimal mode: "0" for a point, "1" for a comma, else left as it is.
    s.setCached("sDecimal", app.userSeparator());
    if (app.userSeparator() == ".") app.c("Label165").setCaption("0");
    else if (app.userSeparator() == ",") app.c("Label165").setCaption("1");

    const char* viaDefaults[][2] = {{"Edit3", "10"}, {"Edit4", "20"}, {"Edit5", "40"}, {"Edit6", "62"}, {"Edit9", "1"}};
    for (const auto& d : viaDefaults)
        if (Component* f = app.Form1.find(d[0])) f->setText(d[1]);

    ComboBox1Change(app);

    app.c("RadioGroup6").setItemIndex(readInt(s.cached("Units")));

    int program = readInt(s.cached("Program"));
    // A stored function outside the catalogue falls back to the first one.
    if (program < 0 || program > 19) program = 0;
    app.c("TabControl1").setItemIndex(program);
    TabControl1Change(app);

    Form& opt = app.Form6;
    opt.get("RadioGroup2").setItemIndex(readInt(s.cached("Derating")));
    opt.get("Edit1").setText(app.numberText(readFloat(s.cached("TH_Via_AR_Setting"), app.userSeparator())));
    opt.get("Edit2").setText(app.numberText(readFloat(s.cached("UVia_AR_Setting"), app.userSeparator())));

    int manual = readInt(s.cached("Manual_Copper_Weight"));
    if (manual == 0) opt.get("CheckBox1").setChecked(false);
    else if (manual == 1) opt.get("CheckBox1").setChecked(true);

    int ipc = readInt(s.cached("IPC_Version"));
    if (ipc >= 0 && ipc <= 2) {
        opt.get("RadioGroup1").setItemIndex(ipc);
        if (Component* solveFor = app.Form1.find("RadioGroup8")) solveFor->setEnabled(ipc != 0);
    }

    int viaHeight = readInt(s.cached("Via_Height_Enable"));
    if (viaHeight == 0) opt.get("CheckBox2").setChecked(true);
    else if (viaHeight == 1) opt.get("CheckBox2").setChecked(false);

    if (program == 0 && ipc >= 0 && ipc <= 2) app.c("RadioGroup5").setEnabled(true);
}

void StartupSequence(App& app) {
    Form& splash = app.Form4;
    splash.self().setVisible(true);
    app.platform.showWindow("Form4");
    // A failed conversion stops the load where it failed; the splash still runs
    // and closes, and the first recalculation makes the window usable.
    app.userAction([&] { SplashFormShow(app); });
    if (app.ended) return;
    app.platform.processEvents();

    Component& bar = splash.get("ProgressBar1");
    Component& status = splash.get("Label3");
    for (int v = 0; v <= 100; ++v) {
        app.platform.processEvents();
        bar.setPosition(v);
        app.platform.delay(40);
        if (const char* text = splashText(bar.position())) status.setCaption(text);
    }
    bar.setPosition(0);
    splash.self().setVisible(false);
    app.platform.closeWindow("Form4");

    app.userAction([&] {
        if (!metricUnits(app)) {
            if (app.pointMode()) {
                app.c("Edit136").setText("0.7");
                app.c("Edit138").setText("1.4");
            } else if (app.commaMode()) {
                app.c("Edit136").setText("0,7");
                app.c("Edit138").setText("1,4");
            }
        }
        app.Button1Click();
    });
}

}  // namespace tv
