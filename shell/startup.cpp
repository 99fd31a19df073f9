// Start-up: the splash window drives the settings load, then animates and
// closes, and the first recalculation runs.
#include <cmath>

#include "core/app.h"
#include "shell/program.h"
#include "shell/selection.h"
#include "core/stackup.h"

namespace tv {

namespace {

// A stored aspect-ratio limit describes a drill only above 0 and up to 1000:1.
constexpr double kMostAspectLimit = 1000;

// A stored value outside the values its control offers takes the default.
int inRange(int value, int low, int high, int fallback) {
    return value < low || value > high ? fallback : value;
}
double aspectLimit(double value, double fallback) {
    return value > 0 && value <= kMostAspectLimit ? value : fallback;
}

// The stored function when it reads as one, else the first.
int storedProgram(App& app) {
    try {
        return inRange(readInt(app.settings.cached("Program")), 0, 19, 0);
    } catch (const ConversionError&) {
        return 0;
    }
}

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

void SplashFormShow(App& app, bool* selected) {
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

    // A unit system other than 0 or 1 falls back to Imperial.
    app.c("RadioGroup6").setItemIndex(inRange(readInt(s.cached("Units")), 0, 1, 0));

    // A stored function outside the catalogue falls back to the first one.
    int program = inRange(readInt(s.cached("Program")), 0, 19, 0);
    app.c("TabControl1").setItemIndex(program);
    if (selected) *selected = true;
    TabControl1Change(app);

    Form& opt = app.Form6;
    opt.get("RadioGroup2").setItemIndex(inRange(readInt(s.cached("Derating")), 0, 1, 0));
    const std::string& sep = app.userSeparator();
    opt.get("Edit1").setText(app.numberText(aspectLimit(readFloat(s.cached("TH_Via_AR_Setting"), sep), 10)));
    opt.get("Edit2").setText(app.numberText(aspectLimit(readFloat(s.cached("UVia_AR_Setting"), sep), 1)));

    int manual = readInt(s.cached("Manual_Copper_Weight"));
    if (manual == 0) opt.get("CheckBox1").setChecked(false);
    else if (manual == 1) opt.get("CheckBox1").setChecked(true);

    // An IPC version outside 0..2 takes the first, IPC-2152 with modifiers.
    int ipc = inRange(readInt(s.cached("IPC_Version")), 0, 2, 0);
    opt.get("RadioGroup1").setItemIndex(ipc);
    if (Component* solveFor = app.Form1.find("RadioGroup8")) solveFor->setEnabled(ipc != 0);

    int viaHeight = readInt(s.cached("Via_Height_Enable"));
    if (viaHeight == 0) opt.get("CheckBox2").setChecked(true);
    else if (viaHeight == 1) opt.get("CheckBox2").setChecked(false);

    if (program == 0) app.c("RadioGroup5").setEnabled(true);
}

void StartupSequence(App& app) {
    Form& splash = app.Form4;
    splash.self().setVisible(true);
    app.platform.showWindow("Form4");
    // A failed conversion stops the load where it failed; the splash still runs
    // and closes, and the first recalculation makes the window usable.
    bool selected = false;
    app.userAction([&] { SplashFormShow(app, &selected); });
    if (app.ended) return;
    // Stopped before the stored function was selected: the window still gets a
    // whole function (the stored one when it reads, else the first), never the
    // captions of one panel over another.
    if (!selected) app.userAction([&] { SelectProgramFunction(app, storedProgram(app)); });
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
