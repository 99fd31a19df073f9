// The look and feel of the windows: Tab order, the main window's fixed size,
// menu separators, message box icons, pictures on cards and the marks of the
// dark themes.
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "program_fixture.h"
#include "platform/tab_order.h"
#include "platform/tab_strip.h"
#include "platform/widgets.h"

namespace {

using qt_test::Windows;

TEST(ReadingOrder, RowsAndColumnsByTheirGaps) {
    struct Case {
        const char* what;
        std::vector<QRect> boxes;
        std::vector<size_t> order;
    } cases[] = {
        {"a column, listed out of order", {{0, 60, 80, 20}, {0, 0, 80, 20}, {0, 30, 80, 20}}, {1, 2, 0}},
        {"a row", {{200, 0, 80, 20}, {0, 0, 80, 20}, {100, 0, 80, 20}}, {1, 2, 0}},
        {"two columns of fields with narrow rows: column by column",
         {{0, 0, 80, 20}, {200, 0, 80, 20}, {0, 24, 80, 20}, {200, 24, 80, 20}},
         {0, 2, 1, 3}},
        {"a grid with wide rows and narrow columns: row by row",
         {{0, 0, 80, 20}, {84, 0, 80, 20}, {0, 60, 80, 20}, {84, 60, 80, 20}},
         {0, 1, 2, 3}},
        {"a tall group beside fields, then a row below",
         {{0, 0, 80, 20}, {0, 30, 80, 20}, {100, 0, 80, 60}, {0, 100, 180, 20}},
         {0, 1, 2, 3}},
        {"frames sharing their border line still split", {{0, 0, 100, 51}, {0, 50, 100, 40}}, {0, 1}},
        {"overlapping boxes: top, then left", {{10, 10, 50, 50}, {0, 0, 100, 100}, {5, 10, 20, 20}}, {1, 2, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(tv::readingOrder(c.boxes), c.order) << c.what;
}

// The component of a widget (a radio button stands for its group).
std::string componentOf(tv::FormView& view, QWidget* w) {
    bool radio = qobject_cast<QRadioButton*>(w);
    for (const auto& c : view.form().components())
        if (QWidget* cw = view.widgetOf(*c); cw && cw == (radio ? w->parentWidget() : w)) return c->name();
    return w ? w->metaObject()->className() : "nothing";
}

TEST_F(Windows, TabWalksTheInputsInReadingOrderPastReadOnlyFields) {
    tv::FormView& main = windows->main();
    main.activateWindow();
    widget("Edit3")->setFocus(Qt::TabFocusReason);
    std::vector<std::string> walked;
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked.push_back(componentOf(main, QApplication::focusWidget()));
    }
    // The via inputs down their column (their unit fields are read-only), then
    // the shared groups: the left column, the right column from the units on.
    std::vector<std::string> expected{"Edit4",       "Edit5",       "Edit6",       "Edit9",    "RadioGroup5",
                                      "RadioGroup3", "RadioGroup6", "ComboBox1",   "Edit7"};
    EXPECT_EQ(walked, expected);
    // A radio group is one stop, at its chosen item.
    auto* layers = qobject_cast<tv::RadioGroupBox*>(widget("RadioGroup3"));
    EXPECT_TRUE(layers->button(app->c("RadioGroup3").itemIndex())->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(layers->button(0)->focusPolicy() & Qt::TabFocus);

    // Read-only fields can be clicked into (to copy a result) but take no
    // tab stop; a description's tabstop=true gives one back.
    QWidget* result = widget("Edit8");
    EXPECT_EQ(result->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(widget("Edit52")->focusPolicy(), Qt::ClickFocus);
    app->c("Edit8").tabStop = true;
    main.refresh(app->c("Edit8"));
    EXPECT_EQ(result->focusPolicy(), Qt::StrongFocus);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, RebuiltRadioGroupsKeepTheirPlaceInTheTabOrder) {
    // Choosing the conductor panel rebuilds the layer group's buttons.
    windows->main().actionOf(app->c("ConductorProperties1"))->trigger();
    auto* layers = qobject_cast<tv::RadioGroupBox*>(widget("RadioGroup3"));
    ASSERT_TRUE(layers && layers->count() == 2);
    QWidget* stop = layers->button(app->c("RadioGroup3").itemIndex());
    QWidget* after = stop->nextInFocusChain();
    while (!(after->focusPolicy() & Qt::TabFocus) || !after->isVisible()) after = after->nextInFocusChain();
    EXPECT_EQ(componentOf(windows->main(), after), "RadioGroup6");
}

TEST_F(Windows, MainWindowKeepsItsFixedSize) {
    tv::FormView& main = windows->main();
    EXPECT_EQ(main.minimumSize(), main.maximumSize());
    EXPECT_EQ(main.width(), 959);
    EXPECT_EQ(main.height(), 757 + main.menuBar()->height());
    EXPECT_FALSE(main.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(Windows, MenuSeparatorsAreLinesWithoutText) {
    int separators = 0;
    for (QAction* menu : windows->main().menuBar()->actions())
        if (menu->menu())
            for (QAction* a : menu->menu()->actions())
                if (a->isSeparator()) {
                    ++separators;
                    EXPECT_TRUE(a->text().isEmpty()) << a->text().toStdString();
                }
    EXPECT_GE(separators, 5);
}

TEST_F(Windows, MessageBoxesShowTheIconThatFitsTheMessage) {
    struct Case {
        const char* text;
        QMessageBox::Icon icon;
    } cases[] = {
        {"'2x' is not a valid floating point value", QMessageBox::Warning},
        {"Via count cannot be greater than 999", QMessageBox::Warning},
        {"Minimum temperature rise can't be less than 0C", QMessageBox::Warning},
        {"The PTH via pad diameter should be larger than via hole diameter", QMessageBox::Warning},
        {"Failed to set data for 'Units'", QMessageBox::Warning},
        {"This selection is only enabled for the IPC-2152 Without Modifiers and the IPC-2221 options. "
         "See Program Options to change settings.",
         QMessageBox::Information},
    };
    for (const auto& c : cases) EXPECT_EQ(tv::QtPlatform::iconFor(c.text), c.icon) << c.text;

    // The box itself, with the platform's OK button.
    auto* rise = qobject_cast<QLineEdit*>(widget("Edit1"));
    QTest::keyClick(rise, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(rise, "-1");
    QTest::keyClick(rise, Qt::Key_Return);
    ASSERT_FALSE(icons.empty());
    EXPECT_EQ(icons.front(), QMessageBox::Warning);
    // Its buttons show their text alone.
    EXPECT_FALSE(QApplication::style()->styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons));
}

TEST_F(Windows, DiagramsSitOnACardUnderDarkThemesOnly) {
    auto* via = qobject_cast<tv::Picture*>(widget("Image7"));
    auto* logo = qobject_cast<tv::Picture*>(widget("Image6"));
    ASSERT_TRUE(via && logo && via->hasPicture() && logo->hasPicture());
    EXPECT_FALSE(via->onCard());
    platform.applyStyle("Charcoal HiRes");
    QApplication::processEvents();
    EXPECT_TRUE(via->onCard());
    EXPECT_FALSE(logo->onCard()) << "the logo brings its own card";
    // The card is toned down from pure white and framed.
    QImage shot = via->grab().toImage();
    QColor inside = shot.pixelColor(shot.width() - 4, 4);
    EXPECT_LT(inside.lightnessF(), 0.97);
    EXPECT_GT(inside.lightnessF(), 0.85);
    EXPECT_NE(shot.pixelColor(0, 0), inside);
}

// The centre of the mark of a radio button or check box, as drawn.
QColor markCentre(QAbstractButton* b, QStyle::SubElement indicator) {
    QStyleOptionButton opt;
    opt.initFrom(b);
    QRect mark = b->style()->subElementRect(indicator, &opt, b);
    return b->grab().toImage().pixelColor(mark.center());
}

TEST_F(Windows, DarkThemesShowTheChosenRadioItemAndTabAtAGlance) {
    for (const char* theme : {"Charcoal Dark Slate", "Charcoal HiRes"}) {
        platform.applyStyle(theme);
        QApplication::processEvents();
        auto* units = qobject_cast<tv::RadioGroupBox*>(widget("RadioGroup6"));
        ASSERT_TRUE(units && units->button(0)->isChecked());
        QColor dot = markCentre(units->button(0), QStyle::SE_RadioButtonIndicator);
        QColor empty = markCentre(units->button(1), QStyle::SE_RadioButtonIndicator);
        EXPECT_GT(dot.lightnessF() - empty.lightnessF(), 0.5) << theme;

        // The chosen tab carries an accent line the others lack.
        auto* strip = qobject_cast<tv::TabStrip*>(widget("TabControl1"));
        QImage tabs = strip->grab().toImage();
        QRect chosen = strip->tabRect(strip->current()), other = strip->tabRect((strip->current() + 1) % 20);
        QColor accent = tabs.pixelColor(chosen.center().x(), chosen.top());
        QColor plain = tabs.pixelColor(other.center().x(), other.top() + 3);
        EXPECT_GT(accent.saturationF(), 0.2) << theme;
        EXPECT_GT(std::abs(accent.lightnessF() - plain.lightnessF()), 0.2) << theme;
    }
}

}  // namespace
