// Tools > Goal Seek... and Tools > Sweep... on the conductor panel: the
// dialogs open from the menu, a goal seek types its answer into the window,
// a sweep plots what the window shows at each step and hands the table on.
#include <gtest/gtest.h>

#include <QAction>
#include <QCategoryAxis>
#include <QChart>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <cmath>
#include <functional>

#include "platform/goal_seek_dialog.h"
#include "program_fixture.h"
#include "platform/sweep_dialog.h"
#include "chart/sweep_chart.h"

namespace {

class AnalysisDialogs : public qt_test::Windows {
protected:
    void SetUp() override {
        qt_test::Windows::SetUp();
        windows->main().actionOf(app->c("ConductorProperties1"))->trigger();
        ASSERT_TRUE(app->currentIs(tv::Fn::Conductor));
    }

    // Opens a dialog from the Tools menu, lets `drive` work in it, then
    // closes it (also when a check in `drive` gave up).
    template <class Dialog>
    void withDialog(const char* menuItem, const std::function<void(Dialog&)>& drive) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<Dialog*>(w); d && d->isVisible()) {
                    seen = true;
                    struct Closer {
                        Dialog& d;
                        ~Closer() { d.reject(); }
                    } closer{*d};
                    drive(*d);
                    return;
                }
        });
        windows->main().actionOf(app->c(menuItem))->trigger();
        EXPECT_TRUE(seen) << menuItem << " opened no dialog";
    }

    static void pick(QComboBox* box, const char* label) {
        const int i = box->findText(label);
        ASSERT_GE(i, 0) << label;
        box->setCurrentIndex(i);
    }

    static void check(QListWidget* list, const QStringList& labels) {
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setCheckState(labels.contains(list->item(i)->text()) ? Qt::Checked : Qt::Unchecked);
    }

    // The dialog's plot, from the plot library.
    static tv::SweepChart* chartOf(tv::SweepDialog& d) {
        auto* chart = qobject_cast<tv::SweepChart*>(d.chart());
        EXPECT_NE(chart, nullptr) << "no plot";
        return chart;
    }

    template <class T>
    static T* part(QWidget& d, const char* name) {
        auto* w = d.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
};

TEST_F(AnalysisDialogs, GoalSeekTypesTheAnswerOrSaysWhatIsReachable) {
    withDialog<tv::GoalSeekDialog>("GoalSeek1", [&](tv::GoalSeekDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Goal Seek");
        pick(part<QComboBox>(d, "result"), "Conductor Current (Amps)");
        pick(part<QComboBox>(d, "input"), "Conductor Width (mils)");
        auto* target = part<QLineEdit>(d, "target");
        EXPECT_EQ(target->text(), "1.4586");  // the result's value offered as the target

        target->setText("2.9172");
        QTest::mouseClick(part<QPushButton>(d, "solve"), Qt::LeftButton);
        EXPECT_EQ(app->c("Edit17").text(), "2.9172 Amps");
        EXPECT_NE(app->c("Edit15").text(), "10");
        EXPECT_TRUE(part<QLabel>(d, "status")->text().startsWith("Conductor Width = " +
                                                                 QString::fromStdString(app->c("Edit15").text())));
        EXPECT_TRUE(boxes.empty());

        // Out of reach: one message box with the nearest result, the window as it was.
        const std::string width = app->c("Edit15").text();
        target->setText("-5");
        QTest::mouseClick(part<QPushButton>(d, "solve"), Qt::LeftButton);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_TRUE(boxes[0].second.startsWith("No value of Conductor Width gives -5. The nearest result is"))
            << boxes[0].second.toStdString();
        EXPECT_EQ(app->c("Edit15").text(), width);
        EXPECT_EQ(app->c("Edit17").text(), "2.9172 Amps");
    });
    // Opened again on this calculator, it offers the same fields.
    withDialog<tv::GoalSeekDialog>("GoalSeek1", [&](tv::GoalSeekDialog& d) {
        EXPECT_EQ(part<QComboBox>(d, "result")->currentText(), "Conductor Current (Amps)");
        EXPECT_EQ(part<QLineEdit>(d, "target")->text(), "2.9172");
    });
}

TEST_F(AnalysisDialogs, SweepPlotsEachResultWithGapsAndHandsOnTheTable) {
    QTemporaryDir dir;
    withDialog<tv::SweepDialog>("Sweep1", [&](tv::SweepDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Sweep");
        pick(part<QComboBox>(d, "input"), "Conductor Width (mils)");
        // Width 0 is refused with a message: a gap at the first step.
        part<QLineEdit>(d, "from")->setText("0");
        part<QLineEdit>(d, "to")->setText("50");
        part<QSpinBox>(d, "steps")->setValue(5);
        check(part<QListWidget>(d, "results"), {"Conductor Current (Amps)", "Conductor DC Resistance (Ohms)"});
        QTest::mouseClick(part<QPushButton>(d, "sweep"), Qt::LeftButton);
        EXPECT_TRUE(boxes.empty());
        EXPECT_EQ(app->c("Edit15").text(), "10");
        EXPECT_EQ(app->c("Edit17").text(), "1.4586 Amps");

        tv::SweepChart* chart = chartOf(d);
        ASSERT_NE(chart, nullptr);
        const QList<QPointF> current = chart->plotted(0), resistance = chart->plotted(1);
        ASSERT_EQ(current.size(), 5);
        ASSERT_EQ(resistance.size(), 5);
        // The start-up window's own result, at full precision.
        EXPECT_EQ(current[0].x(), 10);
        EXPECT_NEAR(current[0].y(), 1.4586, 5e-5);
        EXPECT_NE(current[0].y(), 1.4586);
        for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(current[i].x(), 10.0 * (i + 1));
        for (int i = 1; i < 5; ++i) {
            EXPECT_GT(current[i].y(), current[i - 1].y());        // wider carries more
            EXPECT_LT(resistance[i].y(), resistance[i - 1].y());  // and resists less
        }
        // Amps and Ohms on axes of their own, titled with caption and unit.
        QStringList titles;
        for (QAbstractAxis* axis : chart->chart()->axes()) titles << axis->titleText();
        EXPECT_EQ(titles, QStringList({"Conductor Width (mils)", "Conductor Current (Amps)",
                                       "Conductor DC Resistance (Ohms)"}));

        // The cursor over the middle of the plot reads out the nearest step.
        const QPointF middle = chart->chart()->mapToPosition(QPointF(30, current[2].y()), chart->chart()->series()[0]);
        const QPoint at = chart->mapFromScene(chart->chart()->mapToScene(middle));
        // The first move into a window only makes it the mouse's window.
        QTest::mouseMove(d.windowHandle(), QPoint(1, 1));
        QTest::mouseMove(d.windowHandle(), chart->viewport()->mapTo(&d, at));
        EXPECT_TRUE(part<QLabel>(d, "readout")->text().startsWith("Conductor Width = 30 mils     Conductor Current = "))
            << part<QLabel>(d, "readout")->text().toStdString();

        QTest::mouseClick(part<QPushButton>(d, "copy"), Qt::LeftButton);
        const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 7);
        EXPECT_EQ(lines[0], "Conductor Width (mils)\tConductor Current (Amps)\tConductor DC Resistance (Ohms)");
        EXPECT_EQ(lines[1], "0\t\t");
        EXPECT_TRUE(lines[2].startsWith("10\t1.458")) << lines[2].toStdString();
        EXPECT_GT(lines[2].section('\t', 1, 1).size(), 6);  // more digits than shown

        const QString csv = dir.filePath("sweep.csv");
        ASSERT_TRUE(d.saveCsvTo(csv));
        QFile f(csv);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readLine().startsWith("Conductor Width (mils),Conductor Current (Amps),"));
    });
    withDialog<tv::SweepDialog>("Sweep1", [&](tv::SweepDialog& d) {
        EXPECT_EQ(part<QLineEdit>(d, "to")->text(), "50");
        EXPECT_EQ(part<QSpinBox>(d, "steps")->value(), 5);
        QListWidget* results = part<QListWidget>(d, "results");
        const auto current = results->findItems("Conductor Current (Amps)", Qt::MatchExactly);
        ASSERT_EQ(current.size(), 1);
        EXPECT_EQ(current[0]->checkState(), Qt::Checked);
    });
}

TEST_F(AnalysisDialogs, OnDifferentialPairsGoalSeekOffersZdiffFirstAndOnlyThePairsFields) {
    windows->main().actionOf(app->c("DifferentialPairs1"))->trigger();
    withDialog<tv::GoalSeekDialog>("GoalSeek1", [&](tv::GoalSeekDialog& d) {
        auto items = [](QComboBox* box) {
            QStringList out;
            for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
            return out;
        };
        QComboBox* result = part<QComboBox>(d, "result");
        EXPECT_EQ(result->currentText(), "Zdifferential (Ohms)");
        EXPECT_EQ(items(result), QStringList({"Zdifferential (Ohms)", "Zo (Ohms)", "+ Tolerance of Zdiff (Ohms)",
                                              "- Tolerance of Zdiff (Ohms)", "W/H", "S/H", "Field solver Zdiff (Ohms)",
                                              "Field solver Zodd (Ohms)", "Field solver Zeven (Ohms)",
                                              "Field solver Er eff", "Closed form deviation (%)"}));
        EXPECT_EQ(items(part<QComboBox>(d, "input")),
                  QStringList({"Conductor Width (W) (mils)", "Conductor Spacing (S) (mils)",
                               "Conductor Height (H) (mils)", "Target Zdiff (Ohms)", "Er"}));
        EXPECT_EQ(part<QLineEdit>(d, "target")->text(), "100.979");
    });
}

TEST_F(AnalysisDialogs, LogarithmicSweepInADarkTheme) {
    platform.applyStyle("Charcoal Dark Slate");
    withDialog<tv::SweepDialog>("Sweep1", [&](tv::SweepDialog& d) {
        ASSERT_NE(chartOf(d), nullptr);
        QChart* chart = chartOf(d)->chart();
        EXPECT_EQ(chart->theme(), QChart::ChartThemeDark);
        EXPECT_LT(chart->backgroundBrush().color().lightnessF(), 0.5);

        pick(part<QComboBox>(d, "input"), "Conductor Width (mils)");
        part<QLineEdit>(d, "from")->setText("5");
        part<QLineEdit>(d, "to")->setText("50");
        part<QSpinBox>(d, "steps")->setValue(2);
        QTest::mouseClick(part<QRadioButton>(d, "logarithmic"), Qt::LeftButton);
        QTest::mouseClick(part<QPushButton>(d, "sweep"), Qt::LeftButton);
        const QList<QPointF> points = chartOf(d)->plotted(0);
        ASSERT_EQ(points.size(), 3);
        EXPECT_DOUBLE_EQ(points[0].x(), 5);
        EXPECT_NEAR(points[1].x(), std::sqrt(250.0), 1e-9);
        EXPECT_DOUBLE_EQ(points[2].x(), 50);
        // The input axis is labelled with round widths, spaced by ratio.
        auto* axis = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).value(0));
        ASSERT_NE(axis, nullptr);
        EXPECT_EQ(axis->categoriesLabels().front(), "5");
        EXPECT_EQ(axis->categoriesLabels().back(), "50");
        EXPECT_DOUBLE_EQ(axis->endValue("10"), 1.0);
        EXPECT_DOUBLE_EQ(axis->endValue("50"), std::log10(50.0));
        // The grid shows on the dark plot.
        const double ground = chart->backgroundBrush().color().lightnessF();
        for (QAbstractAxis* a : chart->axes())
            if (a->isGridLineVisible()) {
                EXPECT_GT(a->gridLineColor().lightnessF() - ground, 0.15);
            }
    });
}

}  // namespace

namespace {

// The chart alone, on points made up for it.
tv::SweepPlot plotOf(const std::vector<double>& inputs, bool logarithmic, bool resultIsInput) {
    tv::SweepPlot plot;
    plot.logarithmic = logarithmic;
    plot.input.caption = "Width";
    tv::AnalysisField result;
    result.caption = "Current";
    result.unit = "Amps";
    plot.results = {result};
    for (double x : inputs) plot.points.push_back({x, {resultIsInput ? x : 1.0 + 1e-300 * x}});
    return plot;
}

}  // namespace

// Ranges at the ends of what doubles hold: narrower than the numbers'
// resolution around 1, a hundred decades either side of 1, the whole range of
// numbers. Each is plotted and drawn, with a few labels on round values.
TEST(SweepChart, PlotsRangesAtTheEndsOfTheNumbers) {
    qt_test::startQt();
    struct Case {
        const char* what;
        std::vector<double> inputs;
        bool logarithmic;
        bool resultIsInput = false;
    };
    const std::vector<Case> cases = {
        {"narrow", {1, 1.0000000000000002, 1.0000000000000004}, false},
        {"narrow near 5", {5, 5.000000000000001}, false},
        {"narrow, logarithmic", {1, 1.0000000000000002, 1.0000000000000004}, true},
        {"huge, logarithmic", tv::sweepInputs(1e-200, 1e200, 4, true), true},
        {"denormal, logarithmic", tv::sweepInputs(1e-5, 1e-320, 4, true), true},
        {"all numbers", tv::sweepInputs(-1.7976931348623157e308, 1.7976931348623157e308, 4, false), false},
        {"all numbers as results", tv::sweepInputs(-1.7976931348623157e308, 1.7976931348623157e308, 4, false), false, true},
        {"one value", {3, 3, 3}, false},
    };
    for (const Case& c : cases) {
        tv::SweepChart chart;
        chart.resize(600, 400);
        chart.plot(plotOf(c.inputs, c.logarithmic, c.resultIsInput));
        EXPECT_FALSE(chart.grab().isNull()) << c.what;  // lays out and draws every axis label
        QAbstractAxis* axis = chart.chart()->axes(Qt::Horizontal).value(0);
        ASSERT_NE(axis, nullptr) << c.what;
        if (auto* categories = qobject_cast<QCategoryAxis*>(axis)) {
            EXPECT_GE(categories->count(), 2) << c.what;
            EXPECT_LE(categories->count(), 40) << c.what;
            for (const QString& label : categories->categoriesLabels())
                EXPECT_FALSE(label.contains("inf", Qt::CaseInsensitive) || label.contains("nan", Qt::CaseInsensitive))
                    << c.what << ": " << label.toStdString();
        }
        const QList<QPointF> plotted = chart.plotted(0);
        ASSERT_EQ(plotted.size(), static_cast<qsizetype>(c.inputs.size())) << c.what;
        EXPECT_DOUBLE_EQ(plotted.front().x(), c.inputs.front()) << c.what;
        EXPECT_DOUBLE_EQ(plotted.back().x(), c.inputs.back()) << c.what;
    }
}
