// One conductor entered in mils and, after the units switch, in millimetres
// gives the same current (and the same width when solving for it). Manual
// copper keeps the thickness exact through the switch; the geometries keep
// clear of the chart edges, which the two unit systems place a little apart.
// The only difference left is 1550 sq mils per sq mm (1550.003 exactly).
#include <gtest/gtest.h>

#include <string>

#include "app_fixture.h"
#include "core/numbertext.h"

using namespace tv;

namespace {

struct Case {
    const char* width;  // mils, or amperes when solving for width
    const char* length;
    const char* pcb;
    const char* base;     // manual copper, mils
    const char* plating;  // mils
    const char* rise;
    int model;     // 0, 1, 2
    int layer;     // 0 internal, 1 external
    int parallel;  // 0 no, 1 yes
    int plane;     // 0 no, 1 yes
    int etch;      // 0 1:1, 1 none
    bool solveWidth;
};

const Case kCases[] = {
    {"10", "1000", "62", "0.7", "1.4", "20", 0, 1, 0, 0, 0, false},
    {"25", "500", "93", "1.4", "1.4", "45", 0, 1, 0, 1, 0, false},
    {"120", "3000", "31", "2.8", "0", "10", 0, 0, 1, 1, 1, false},
    {"50", "800", "45", "1.4", "0.7", "120", 0, 0, 0, 0, 0, false},
    {"10", "1000", "62", "0.7", "1.4", "20", 1, 1, 0, 0, 0, false},
    {"33", "1000", "62", "2.1", "0.7", "75", 2, 1, 0, 0, 1, false},
    {"15", "1000", "62", "0.7", "1.4", "20", 2, 0, 0, 0, 0, false},
    {"1", "1000", "62", "0.7", "1.4", "20", 1, 1, 0, 0, 0, true},
    {"3.5", "1000", "62", "1.4", "1.4", "30", 2, 1, 0, 0, 1, true},
    {"0.4", "1000", "62", "0.7", "0", "10", 2, 0, 0, 0, 0, true},
};

double leadingNumber(const std::string& text) {
    return readFloat(text.substr(0, text.find(' ')), ".");
}

// Equal up to the rounding of the area conversion and of the last printed
// digit (`step`, in the metric text's unit; `scale` takes it to imperial).
void expectSame(const std::string& imperial, const std::string& metric, double scale = 1, double step = 1e-4) {
    const double i = leadingNumber(imperial), m = leadingNumber(metric) * scale;
    EXPECT_NEAR(m, i, 1e-5 * i + step * scale) << imperial << " / " << metric;
}

}  // namespace

TEST(ConductorUnits, SameConductorSameResultInBothUnits) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string("width ") + c.width + " model " + std::to_string(c.model));
        HeadlessApp h;
        App& a = h.app;
        a.c("ConductorProperties1").onClick();
        a.Form6.get("RadioGroup1").setItemIndex(c.model);
        a.Form6.get("RadioGroup2").setItemIndex(c.etch);
        a.Form6.get("CheckBox1").setChecked(true);
        a.c("RadioGroup3").setItemIndex(c.layer);
        if (c.model == 0) {
            a.c("RadioGroup15").setItemIndex(c.parallel);
            a.c("RadioGroup2").setItemIndex(c.plane);
        }
        if (c.solveWidth) a.c("RadioGroup8").setItemIndex(1);
        a.c("Edit136").setText(c.base);
        a.c("Edit138").setText(c.plating);
        a.c("Edit1").setText(c.rise);
        a.c("Edit15").setText(c.width);
        a.c("Edit18").setText(c.length);
        a.c("Edit126").setText(c.pcb);
        a.c("Edit132").setText("25");
        a.c("Edit128").setText("4");
        a.Button1Click();
        const std::string imperial = a.c("Edit17").text();
        a.c("RadioGroup6").setItemIndex(1);
        const std::string metric = a.c("Edit17").text();
        EXPECT_EQ(h.messages(), "");
        // Metric widths of the IPC-2221 model etched 1:1 show three decimals.
        const double step = c.solveWidth && c.model == 2 && c.etch == 0 ? 1e-3 : 1e-4;
        expectSame(imperial, metric, c.solveWidth ? 1 / 0.0254 : 1, step);
    }
}

TEST(FusingUnits, SameConductorSameCurrentInBothUnits) {
    const char* widths[] = {"10", "4", "250"};
    const char* times[] = {"1", "0.25", "7"};
    for (const char* w : widths) {
        for (const char* t : times) {
            HeadlessApp h;
            App& a = h.app;
            a.c("FuseCurrent1").onClick();
            a.Form6.get("CheckBox1").setChecked(true);
            a.c("Edit140").setText(w);
            a.c("Edit153").setText(t);
            a.Button1Click();
            const std::string imperial = a.c("Edit160").text();
            a.c("RadioGroup6").setItemIndex(1);
            SCOPED_TRACE(std::string(w) + " mils, " + t + " s");
            expectSame(imperial, a.c("Edit160").text());
        }
    }
}
