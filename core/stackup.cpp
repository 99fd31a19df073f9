#include "core/stackup.h"

#include "core/app.h"

namespace tv {

const std::vector<CopperRow>& baseCopperTable() {
    static const std::vector<CopperRow> t = {
        {"0.25oz", "9um", 0.35, 0.009}, {"0.5oz", "18um", 0.7, 0.018},  {"1oz", "35um", 1.4, 0.035},
        {"1.5oz", "53um", 2.1, 0.053},  {"2oz", "70um", 2.8, 0.07},     {"2.5oz", "88um", 3.5, 0.088},
        {"3oz", "106um", 4.2, 0.106},   {"4oz", "142um", 5.6, 0.142},   {"5oz", "178um", 7.0, 0.178},
    };
    return t;
}

const std::vector<CopperRow>& platingTable() {
    static const std::vector<CopperRow> t = {
        {"Bare PCB", "Bare PCB", 0, 0}, {"0.5oz", "18um", 0.7, 0.018}, {"1oz", "35um", 1.4, 0.035},
        {"1.5oz", "53um", 2.1, 0.053},  {"2oz", "70um", 2.8, 0.07},    {"2.5oz", "88um", 3.5, 0.088},
        {"3oz", "106um", 4.2, 0.106},
    };
    return t;
}

const std::vector<SubstrateMaterial>& substrateTable() {
    static const std::vector<SubstrateMaterial> t = {
        {"FR-4 STD", "4.6", "4,6", "130", 0.98},
        {"FR-5", "4.3", "4,3", "170", 0.98},
        {"FR406", "4.6", "4,6", "170", 0.98},
        {"FR408", "3.8", "3,8", "180", 0.98},
        {"Getek ML200C", "3.8", "3,8", "175", 0.98},
        {"Getek ML200D", "3.9", "3,9", "175", 0.98},
        {"Getek ML200M", "3.8", "3,8", "175", 0.98},
        {"Getek RG200D", "4.2", "4,2", "175", 0.98},
        {"Isola P95", "3.78", "3,78", "260", 1.0},
        {"Isola P96", "3.78", "3,78", "260", 1.0},
        {"Isola P26N", "3.9", "3,9", "250", 1.0},
        {"RO2800", "2.94", "2,94", "N/A", 1.0},
        {"RO3003", "3.0", "3,0", "N/A", 1.0},
        {"RO3006", "6.15", "6,15", "N/A", 1.0},
        {"RO3010", "10.2", "10,2", "N/A", 1.0},
        {"RO4003", "3.38", "3,38", "280", 1.0},
        // The comma column of RO4350 holds another value; both are kept as listed.
        {"RO4350", "3.66", "3,48", "280", 1.0},
        {"RT5500", "2.5", "2,5", "260", 1.0},
        {"RT5870", "2.35", "2,35", "260", 1.0},
        {"RT5880", "2.2", "2,2", "260", 1.0},
        {"RT6002", "2.94", "2,94", "N/A", 1.0},
        {"RT6006", "6.15", "6,15", "N/A", 1.0},
        {"RT6010", "10.2", "10,2", "N/A", 1.0},
        {"Teflon PTFE", "2.1", "2,1", "240", 1.0},
        {"Arlon 25N", "3.38", "3,38", "260", 1.0},
        {"Arlon 33N", "4.25", "4,25", "250", 1.0},
        {"Arlon 85N", "4.2", "4,2", "250", 1.0},
        {"PCL-FR-226", "4.5", "4,5", "140", 0.98},
        {"PCL-FR-240", "4.5", "4,5", "140", 0.98},
        {"PCL-FR-370", "4.5", "4,5", "175", 0.98},
        {"PCL-FR-370HR", "4.6", "4,6", "180", 0.98},
        {"N4000-7 EF", "4.1", "4,1", "165", 0.98},
        {"N4000-13", "3.7", "3,7", "210", 0.98},
        {"N4000-13SI", "3.4", "3,4", "210", 0.98},
        {"N4000-13 EP", "3.7", "3,7", "210", 0.98},
        {"N4000-13 EPSI", "3.4", "3,4", "210", 0.98},
        {"N4000-29", "4.5", "4,5", "185", 0.98},
        {"N7000-1", "3.9", "3,9", "260", 1.0},
        {"Ventec VT-47", "4.6", "4,6", "180", 0.98},
        {"Ventec VT-901", "4.15", "4,15", "250", 1.0},
        {"Ventec VT-90H", "4.15", "4,15", "250", 1.0},
        {"Megtron6", "3.4", "3,4", "185", 1.0},
        {"Air", "1", "1", "N/A", 1.0},
        {"Custom", nullptr, nullptr, nullptr, 1.0},
    };
    return t;
}

bool metricUnits(App& app) { return app.c("RadioGroup6").itemIndex() == 1; }
bool manualCopper(App& app) { return app.Form6.get("CheckBox1").checked(); }

CopperThicknessResult CopperThickness(App& app) {
    bool metric = metricUnits(app);
    if (manualCopper(app)) {
        double base = app.num("Edit136");
        double plating = app.num("Edit138");
        if (metric) {
            base /= 1000;
            plating /= 1000;
        }
        return {base, plating};
    }
    auto pick = [metric](const std::vector<CopperRow>& table, int index) {
        if (index < 0 || index >= static_cast<int>(table.size())) return 0.0;
        const CopperRow& r = table[static_cast<size_t>(index)];
        return metric ? r.mm : r.mils;
    };
    return {pick(baseCopperTable(), app.c("RadioGroup4").itemIndex()),
            pick(platingTable(), app.c("RadioGroup1").itemIndex())};
}

void ComboBox1Change(App& app) {
    DecimalMode mode = app.decimalMode();
    if (mode == DecimalMode::Other) return;  // another separator: nothing at all happens
    bool comma = mode == DecimalMode::Comma;
    Component& combo = app.c("ComboBox1");
    int row = combo.itemIndex();
    const auto& table = substrateTable();
    if (row >= 0 && row < kCustomRow) {
        const SubstrateMaterial& m = table[static_cast<size_t>(row)];
        app.c("Edit7").setText(comma ? m.erComma : m.erPoint);
        app.c("Edit66").setText(m.tg);
        app.materialModifier = m.modifier;
    }
    if (row == kAirRow && app.currentIs(Fn::ErEffective)) {
        app.message("Air cannot be selected for this calculator");
        combo.setItemIndex(0);
        app.c("Edit7").setText(comma ? "4,6" : "4.6");
        app.c("Edit66").setText("130");
        app.materialModifier = 0.98;
    }
    app.Button1Click();
}

namespace {
void storeIndex(App& app, const char* group, const char* setting) {
    app.settings.write(setting, std::to_string(app.c(group).itemIndex()));
    app.Button1Click();
}
}  // namespace

void RadioGroup4Click(App& app) { storeIndex(app, "RadioGroup4", "Base_Weight"); }
void RadioGroup1Click(App& app) { storeIndex(app, "RadioGroup1", "Plate_Weight"); }

void Edit7Click(App& app) {
    app.c("Edit7").setText("");
    app.c("ComboBox1").setItemIndex(kCustomRow);
}

void Edit66Click(App& app) {
    app.c("Edit66").setText("");
    app.c("ComboBox1").setItemIndex(kCustomRow);
}

void Edit7Exit(App& app) {
    Component& er = app.c("Edit7");
    if (!er.text().empty()) return;
    auto text = app.literal("4.6");
    if (!text) return;
    app.c("ComboBox1").setItemIndex(0);
    er.setText(*text);
}

void Edit66Exit(App& app) {
    Component& tg = app.c("Edit66");
    if (!tg.text().empty()) return;
    app.c("ComboBox1").setItemIndex(0);
    tg.setText("130");
}

void installStackup(App& app) {
    App* a = &app;
    app.c("ComboBox1").onChange = [a] { ComboBox1Change(*a); };
    app.c("RadioGroup4").onClick = [a] { RadioGroup4Click(*a); };
    app.c("RadioGroup1").onClick = [a] { RadioGroup1Click(*a); };
    app.c("Edit7").onClick = [a] { Edit7Click(*a); };
    app.c("Edit66").onClick = [a] { Edit66Click(*a); };
    app.c("Edit7").onExit = [a] { Edit7Exit(*a); };
    app.c("Edit66").onExit = [a] { Edit66Exit(*a); };
}

}  // namespace tv
