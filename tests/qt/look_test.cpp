// The look and feel of the windows: Tab order, the main window's fixed size,
// menu separators, message box icons, pictures on cards and the marks of the
// dark themes.
#include <QAbstractItemView>
#include <QComboBox>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "program_fixture.h"
#include "platform/picture_theme.h"
#include "platform/tab_order.h"
#include "platform/tab_strip.h"
#include "platform/widgets.h"
#include "platform/window_fit.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

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

TEST_F(Windows, TabWalksTheInputsInReadingOrderThenTheResults) {
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

    // Result fields take a tab stop, after every input of the window; unit
    // boxes do not; a description's tabstop=false takes one away.
    QWidget* result = widget("Edit8");
    EXPECT_EQ(result->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(widget("Edit52")->focusPolicy(), Qt::ClickFocus);
    QWidget* input = widget("Edit2");
    std::vector<std::string> after;
    for (QWidget* w = input->nextInFocusChain(); w != input && after.size() < 3; w = w->nextInFocusChain()) {
        auto* edit = qobject_cast<QLineEdit*>(w);
        if (edit && edit->isReadOnly() && (w->focusPolicy() & Qt::TabFocus) && w->isVisible())
            after.push_back(componentOf(main, w));
    }
    ASSERT_GE(after.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(after.begin(), after.begin() + 3),
              (std::vector<std::string>{"Edit8", "Edit10", "Edit12"}));
    app->c("Edit8").tabStop = false;
    main.refresh(app->c("Edit8"));
    EXPECT_EQ(result->focusPolicy(), Qt::ClickFocus);
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

TEST_F(Windows, LongDropDownListsShowTwentyItemsAndScroll) {
    auto* materials = qobject_cast<QComboBox*>(widget("ComboBox1"));
    ASSERT_TRUE(materials && materials->count() == 44);
    materials->showPopup();
    QApplication::processEvents();
    QAbstractItemView* list = materials->view();
    ASSERT_TRUE(list->isVisible());
    const int row = list->sizeHintForRow(0);
    EXPECT_GE(list->height(), 19 * row);
    EXPECT_LE(list->height(), 22 * row);
    EXPECT_GT(list->verticalScrollBar()->maximum(), 0);
    materials->hidePopup();
}

TEST_F(Windows, PicturesTakeTheThemesColours) {
    auto* via = qobject_cast<tv::Picture*>(widget("Image7"));
    auto* logo = qobject_cast<tv::Picture*>(widget("Image6"));
    ASSERT_TRUE(via && logo && via->hasPicture() && logo->hasPicture());
    tv::Picture broken(nullptr);
    broken.setSvg("<svg width=");
    EXPECT_FALSE(broken.hasPicture());
    // The drawing's corner is its ground: the field colour of the palette,
    // white on the plain theme, dark on a dark one; the logo's card likewise.
    auto corner = [](QWidget* w) { return w->grab().toImage().pixelColor(3, 3); };
    EXPECT_EQ(corner(via), QApplication::palette().color(QPalette::Base));
    for (const char* theme : {"Charcoal Dark Slate", "Charcoal HiRes"}) {
        platform.applyStyle(theme);
        QApplication::processEvents();
        const QColor field = QApplication::palette().color(QPalette::Base);
        EXPECT_EQ(corner(via), field) << theme;
        EXPECT_LT(corner(logo).lightnessF(), 0.3) << theme;
        // No part of a diagram glares: nothing near white fills a large area.
        QImage shot = via->grab().toImage();
        int bright = 0;
        for (int y = 0; y < shot.height(); y += 2)
            for (int x = 0; x < shot.width(); x += 2) bright += shot.pixelColor(x, y).lightnessF() > 0.8;
        EXPECT_LT(bright, shot.width() * shot.height() / 4 / 50) << theme;
    }
}

TEST(PictureTheme, RecoloursByRole) {
    const QByteArray svg =
        "<svg><rect width=\"10\" height=\"10\" fill=\"#ffffff\"/>"
        "<text fill=\"#1f2a44\" font-family=\"Arial, Helvetica\">W</text>"
        "<text fill=\"#ffffff\">plane</text>"
        "<line stroke=\"#000080\"/><rect fill=\"#d6e6b8\" stroke=\"#1f2a44\"/></svg>";
    tv::PictureColours light{QColor(0xF5, 0xF7, 0xFA), QColor(0x1F, 0x2A, 0x44), QColor(0x4A, 0x6A, 0x8F), false};
    const QString lit = QString::fromUtf8(tv::themedPicture(svg, light, "Liberation Sans"));
    // A light theme changes only the ground and the font.
    EXPECT_TRUE(lit.contains("fill=\"#f5f7fa\"/>"));
    EXPECT_TRUE(lit.contains("<text fill=\"#ffffff\">plane"));
    EXPECT_TRUE(lit.contains("stroke=\"#000080\""));
    EXPECT_TRUE(lit.contains("fill=\"#d6e6b8\""));
    EXPECT_TRUE(lit.contains("font-family=\"Liberation Sans\">W"));

    tv::PictureColours dark{QColor(0x22, 0x26, 0x2B), QColor(0xED, 0xEF, 0xF2), QColor(0x5B, 0x7F, 0xA6), true};
    const QString dim = QString::fromUtf8(tv::themedPicture(svg, dark, {}));
    EXPECT_TRUE(dim.contains("<rect width=\"10\" height=\"10\" fill=\"#22262b\"/>"));
    EXPECT_TRUE(dim.contains("<text fill=\"#edeff2\" font-family=\"Arial, Helvetica\">W"));
    EXPECT_TRUE(dim.contains("<text fill=\"#ffffff\">plane")) << "white on copper stays white";
    // Navy lines are lifted to a readable blue, the laminate shaded down.
    QRegularExpression line("<line stroke=\"(#[0-9a-f]{6})\""), area("<rect fill=\"(#[0-9a-f]{6})\"");
    QColor navy(line.match(dim).captured(1)), laminate(area.match(dim).captured(1));
    EXPECT_EQ(navy.hslHue(), 240);
    EXPECT_GT(navy.lightnessF(), 0.5);
    EXPECT_LT(laminate.lightnessF(), 0.35);
    EXPECT_NEAR(laminate.hslHue(), QColor(0xd6, 0xe6, 0xb8).hslHue(), 2);
}

// What the recolouring reads of the SVG text: start tags only, whole
// attribute names, six-digit colours, brand marks kept whole.
TEST(PictureTheme, ReadsOnlyWhatItRecolours) {
    const tv::PictureColours dark{QColor(0x22, 0x26, 0x2B), QColor(0xED, 0xEF, 0xF2), QColor(0x5B, 0x7F, 0xA6), true};
    struct Case {
        const char* svg;
        const char* unchanged;  // a text the result still holds
    };
    const Case cases[] = {
        {"<svg class=\"own-colours\"><rect fill=\"#ffffff\"/></svg>", "fill=\"#ffffff\""},
        {"<svg><rect class=\"own-colours\" fill=\"#1f2a44\"/></svg>", "fill=\"#1f2a44\""},
        {"<svg><!-- fill=\"#ffffff\" --></svg>", "<!-- fill=\"#ffffff\" -->"},
        {"<svg><rect fill=\"#fff\" stroke=\"red\" fill-opacity=\"0.5\"/></svg>", "<rect fill=\"#fff\" stroke=\"red\" fill-opacity=\"0.5\"/>"},
        {"<svg><rect xfill=\"#ffffff\"/></svg>", "xfill=\"#ffffff\""},
        {"<svg><text font-family=\"Arial\">W</text></svg>", "font-family=\"Arial\""},  // no family asked
    };
    for (const Case& c : cases) {
        const QString out = QString::fromUtf8(tv::themedPicture(c.svg, dark, {}));
        EXPECT_TRUE(out.contains(c.unchanged)) << c.svg << " gave " << out.toStdString();
    }
    // A ground colour in an element that is not kept, and every family named.
    const QString out = QString::fromUtf8(tv::themedPicture(
        "<svg><g data-x=\"1\"\nfill=\"#ffffff\"><text font-family=\"A\" font-family=\"B\">W</text></g></svg>", dark, "F"));
    EXPECT_TRUE(out.contains("fill=\"#22262b\"")) << out.toStdString();
    EXPECT_EQ(out.count("font-family=\"F\""), 2) << out.toStdString();
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

namespace {

// A laptop screen: the window opens within its area and its client area
// scrolls; the client keeps its designed size.
TEST_F(Windows, OnASmallScreenTheClientAreaScrolls) {
    tv::FormView& main = windows->main();
    EXPECT_FALSE(main.findChild<QScrollArea*>()) << "a desktop-sized screen holds the whole window";
    const QRect laptop(0, 0, 1366, 768);
    ASSERT_TRUE(tv::fitWindow(main, laptop));
    QApplication::processEvents();
    auto* scroll = main.findChild<QScrollArea*>();
    ASSERT_TRUE(scroll);
    EXPECT_EQ(scroll->widget(), &main.client());
    EXPECT_EQ(main.client().size(), QSize(959, 757));
    const QMargins frame = tv::frameAllowance();
    EXPECT_LE(main.height() + frame.top() + frame.bottom(), laptop.height());
    EXPECT_LE(main.width() + frame.left() + frame.right(), laptop.width());
    EXPECT_GE(main.width(), 959) << "only the height scrolls";
    // The status bar, where the material warning shows, stays in view at
    // the foot of the window, outside the scrolling client area, and keeps
    // showing what the model says.
    QWidget* status = widget("StatusBar1");
    EXPECT_FALSE(scroll->isAncestorOf(status));
    EXPECT_EQ(status->window(), &main);
    EXPECT_TRUE(status->isVisible());
    EXPECT_GE(status->height(), 20);
    EXPECT_LE(status->mapTo(&main, QPoint(0, status->height())).y(), main.height());
    EXPECT_GE(status->mapTo(&main, QPoint(0, 0)).y(), scroll->geometry().bottom());
    app->c("StatusBar1").setPanelText(1, "Tg warning");
    EXPECT_EQ(qobject_cast<tv::StatusPanels*>(status)->text(1), "Tg warning");
}

TEST_F(Windows, TheWindowOpensWhereItWasLeft) {
    QTemporaryDir dir;
    const QString file = dir.filePath("window.ini");
    tv::FormView& main = windows->main();
    main.move(40, 50);
    tv::rememberPosition(main, file);
    main.move(300, 300);
    tv::placeMainWindow(main, file);
    EXPECT_EQ(main.pos(), QPoint(40, 50));
    // A place where the window would not be whole on any screen is not taken.
    main.move(5000, 50);
    tv::rememberPosition(main, file);
    tv::placeMainWindow(main, file);
    EXPECT_LT(main.pos().x(), 1920 - 959);
}

}  // namespace
