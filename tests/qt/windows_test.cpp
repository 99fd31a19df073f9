// The widgets and the window model wired together: typing and Enter, the hint
// under the mouse, a tab click, and a conversion error's message box. Runs the
// real program (every window, start-up on the repair defaults) offscreen.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSet>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "program_fixture.h"
#include "platform/tab_strip.h"
#include "platform/widgets.h"

namespace {

using qt_test::Windows;

TEST_F(Windows, TypingReachesTheModelAndEnterRecalculates) {
    auto* rise = qobject_cast<QLineEdit*>(widget("Edit1"));
    auto* fahrenheit = qobject_cast<QLabel*>(widget("Label2"));
    ASSERT_TRUE(rise && fahrenheit);
    ASSERT_EQ(fahrenheit->text(), "36.0");

    typeInto(rise, "30");
    EXPECT_EQ(app->c("Edit1").text(), "30");
    EXPECT_EQ(fahrenheit->text(), "36.0") << "typing alone does not recalculate";

    QTest::keyClick(rise, Qt::Key_Return);
    EXPECT_EQ(fahrenheit->text(), "54.0");
    EXPECT_EQ(rise->text(), "30") << "Enter is swallowed, the text stays";
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, StatusBarShowsTheHintUnderTheMouse) {
    auto* status = qobject_cast<tv::StatusPanels*>(widget("StatusBar1"));
    ASSERT_TRUE(status);

    hover(widget("Button1"));
    EXPECT_EQ(status->text(0), "Solve using the given inputs.");
    EXPECT_EQ(app->c("StatusBar1").panelText(0), "Solve using the given inputs.");

    // A radio button has no hint of its own: its group's hint shows.
    auto* units = qobject_cast<tv::RadioGroupBox*>(widget("RadioGroup6"));
    ASSERT_TRUE(units && units->count() == 2);
    hover(units->button(1));
    EXPECT_EQ(status->text(0), "Switch between imperial units and metric units.");

    // A label inside a group without hints clears the panel.
    hover(widget("Label23"));
    EXPECT_EQ(status->text(0), "");
    // The second panel keeps the material warning's place.
    EXPECT_EQ(status->text(1), QString::fromStdString(app->c("StatusBar1").panelText(1)));
}

TEST_F(Windows, ClickingARadioItemRaisesItsGroupsClickOnce) {
    tv::Component& units = app->c("RadioGroup6");
    int clicks = 0;
    units.onClick.chain([&] { ++clicks; });
    auto* group = qobject_cast<tv::RadioGroupBox*>(widget("RadioGroup6"));
    ASSERT_TRUE(group);

    QTest::mouseClick(group->button(1), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(units.itemIndex(), 1);
    EXPECT_EQ(key.values["Units"], "1");
    // Clicking the item already chosen changes nothing.
    QTest::mouseClick(group->button(1), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(group->button(1)->isChecked());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, ClickingATabSelectsItsFunction) {
    auto* strip = qobject_cast<tv::TabStrip*>(widget("TabControl1"));
    ASSERT_TRUE(strip);
    QWidget* page = widget("Panel1");
    // The twenty tabs wrap into rows that stay above the calculator area.
    EXPECT_GT(strip->rowCount(), 1);
    EXPECT_LE(strip->stripHeight(), page->y());
    for (int i = 0; i < strip->count(); ++i) EXPECT_LE(strip->tabRect(i).right(), strip->width()) << i;

    const int fusing = 12;
    int rowOfFirstTab = strip->tabRect(0).y();
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(fusing).center());

    EXPECT_EQ(app->currentFunction, fusing);
    EXPECT_EQ(strip->current(), fusing);
    EXPECT_TRUE(widget("GroupBox33")->isVisible());
    EXPECT_FALSE(widget("GroupBox1")->isVisible());
    EXPECT_EQ(key.values["Program"], "12");
    // The selected tab's row moved next to the page.
    EXPECT_GT(strip->tabRect(fusing).y(), strip->tabRect(0).y());
    EXPECT_EQ(strip->tabRect(fusing).y(), rowOfFirstTab);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, ConversionErrorShowsAMessageBox) {
    auto* rise = qobject_cast<QLineEdit*>(widget("Edit1"));
    ASSERT_TRUE(rise);
    typeInto(rise, "2x");
    EXPECT_TRUE(boxes.empty());
    QTest::keyClick(rise, Qt::Key_Return);

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first, "Corvex PCB Design Vurivav");
    EXPECT_EQ(boxes[0].second, "'2x' is not a valid floating point value");
    // The recalculation stopped at the field: the old result stays.
    EXPECT_EQ(qobject_cast<QLabel*>(widget("Label2"))->text(), "36.0");
}

TEST_F(Windows, OptionsWindowHoldsTheMainWindowUntilClosedByItsFrame) {
    QAction* menuItem = windows->main().actionOf(app->c("CopperWeight1"));
    ASSERT_TRUE(menuItem);
    menuItem->trigger();
    tv::FormView* options = windows->view("Form6");
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->isVisible());
    EXPECT_EQ(options->windowModality(), Qt::ApplicationModal);
    EXPECT_FALSE(app->Form1.self().enabled());

    options->close();  // the title bar's close button
    EXPECT_FALSE(options->isVisible());
    EXPECT_FALSE(app->Form6.self().visible());
    EXPECT_TRUE(app->Form1.self().enabled());
    EXPECT_TRUE(windows->main().isEnabled());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, ChoosingAThemeRecoloursAtOnceAndKeepsResultsReadable) {
    windows->main().actionOf(app->c("CopperWeight1"))->trigger();
    auto* themes = qobject_cast<QComboBox*>(windows->widget("Form6", "cbxVclStyles"));
    ASSERT_TRUE(themes);
    ASSERT_EQ(themes->currentText(), "Windows");

    QTest::keyClick(themes, Qt::Key_Down);
    EXPECT_EQ(platform.activeStyle(), "Charcoal Dark Slate");
    EXPECT_EQ(key.values["Vurivav_Theme"], "1");
    EXPECT_FALSE(windows->view("Form6")->isVisible());
    EXPECT_LT(QApplication::palette().color(QPalette::Window).lightnessF(), 0.5);
    // A navy result is drawn in a lighter blue on the dark window.
    QColor result = widget("Label2")->palette().color(QPalette::Active, QPalette::WindowText);
    EXPECT_EQ(result.hslHue(), QColor(0, 0, 128).hslHue());
    EXPECT_GT(result.lightnessF(), 0.5);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, IpcVersionInOptionsSteersTheConductorPanel) {
    windows->main().actionOf(app->c("ConductorProperties1"))->trigger();
    windows->main().actionOf(app->c("CopperWeight1"))->trigger();
    auto* ipc = qobject_cast<tv::RadioGroupBox*>(windows->widget("Form6", "RadioGroup1"));
    QWidget* solveFor = widget("RadioGroup8");
    auto* mode = qobject_cast<QLabel*>(widget("Label243"));
    ASSERT_TRUE(ipc && solveFor && mode);
    EXPECT_FALSE(solveFor->isEnabled());

    QTest::mouseClick(ipc->button(2), Qt::LeftButton);
    EXPECT_TRUE(solveFor->isEnabled());
    EXPECT_EQ(mode->text(), "IPC-2221 mode");
    EXPECT_EQ(key.values["IPC_Version"], "2");

    QTest::mouseClick(ipc->button(0), Qt::LeftButton);
    EXPECT_FALSE(solveFor->isEnabled());
    EXPECT_EQ(mode->text(), "IPC-2152 with modifiers mode");
    EXPECT_EQ(app->c("RadioGroup8").itemIndex(), 0);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, PanelSpinArrowsAndInnerTabsRecalculate) {
    windows->main().actionOf(app->c("PDNImpedance1"))->trigger();
    QWidget* spin = widget("UpDown3");
    auto arrows = spin->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    QToolButton* up = arrows[0]->y() < arrows[1]->y() ? arrows[0] : arrows[1];
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget("Edit106"))->text(), "6");
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget("Edit109"))->text(), "0.09600 Ohms");

    windows->main().actionOf(app->c("OhmsLaw1"))->trigger();
    auto* tabs = qobject_cast<tv::TabStrip*>(widget("TabControl3"));
    ASSERT_TRUE(tabs);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_TRUE(widget("Panel15")->isVisible());
    EXPECT_FALSE(widget("Panel17")->isVisible());
    EXPECT_EQ(qobject_cast<QLabel*>(widget("Label56"))->text(), "660.000 Ohm's");
    EXPECT_TRUE(boxes.empty());
}

// The page holds one image, the main window's client area with its
// proportions: the PDF has one page and one image of 959 x 757 scaled up.
TEST_F(Windows, PrintingPutsTheMainWindowOnOnePdfPage) {
    windows->main().actionOf(app->c("ConductorProperties1"))->trigger();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath("form.pdf");
    platform.printer().setOutputFormat(QPrinter::PdfFormat);
    platform.printer().setOutputFileName(pdf);

    // Printer set-up is the print dialog under its own title; it prints nothing.
    windows->main().actionOf(app->c("PrinterSetup1"))->trigger();
    EXPECT_EQ(printDialogs, QStringList{"Printer Setup"});
    EXPECT_FALSE(QFile::exists(pdf));

    answerYes = false;
    QTest::mouseClick(widget("Button2"), Qt::LeftButton);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first, "Print...");
    EXPECT_EQ(boxes[0].second, "Print form data?");
    EXPECT_EQ(printDialogs.size(), 1);
    EXPECT_FALSE(QFile::exists(pdf)) << "No prints nothing";

    answerYes = true;
    QTest::mouseClick(widget("Button2"), Qt::LeftButton);
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_EQ(printDialogs, (QStringList{"Printer Setup", "Print Form"}));
    EXPECT_FALSE(widget("Label29")->isVisible());
    EXPECT_FALSE(widget("ProgressBar3")->isVisible());

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    const QString text = QString::fromLatin1(bytes);
    int pages = 0;
    for (auto it = QRegularExpression(R"(/Type\s*/Page(?!s))").globalMatch(text); it.hasNext(); it.next()) ++pages;
    EXPECT_EQ(pages, 1);
    auto images = QRegularExpression(R"(/Subtype\s*/Image\s*/Width\s+(\d+)\s*/Height\s+(\d+))").globalMatch(text);
    ASSERT_TRUE(images.hasNext()) << "no image on the page";
    auto image = images.next();
    EXPECT_FALSE(images.hasNext()) << "more than one image";
    const double width = image.captured(1).toDouble(), height = image.captured(2).toDouble();
    EXPECT_GE(width, 959);
    EXPECT_NEAR(width / height, 959.0 / 757.0, 0.01);
}

TEST_F(Windows, AboutFromTheHelpMenuHoldsTheMainWindowFromTheTrayMenuItDoesNot) {
    tv::FormView* about = windows->view("Form2");
    ASSERT_TRUE(about);
    windows->main().actionOf(app->c("About1"))->trigger();
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowModality(), Qt::ApplicationModal);
    EXPECT_FALSE(app->Form1.self().enabled());
    QTest::mouseClick(windows->widget("Form2", "Button1"), Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(windows->main().isEnabled());

    windows->main().actionOf(app->c("Exit2"))->trigger();
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowModality(), Qt::NonModal);
    EXPECT_TRUE(app->Form1.self().enabled());

    // A link label turns red under the mouse and blue when it leaves.
    QWidget* link = windows->widget("Form2", "Label4");
    ASSERT_TRUE(link);
    auto shown = [&] { return link->palette().color(QPalette::Active, QPalette::WindowText); };
    EXPECT_EQ(shown().hslHue(), QColor(Qt::blue).hslHue());
    hover(link);
    EXPECT_EQ(shown().hslHue(), QColor(Qt::red).hslHue());
    hover(windows->widget("Form2", "Label8"));
    EXPECT_EQ(shown().hslHue(), QColor(Qt::blue).hslHue());
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);

    about->close();  // the title bar's close button
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(windows->main().isEnabled());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, WavelengthSliderAndLinkLabel) {
    windows->main().actionOf(app->c("WavelengthCalculator1"))->trigger();
    auto* slider = qobject_cast<QSlider*>(widget("TrackBar4"));
    auto* caption = qobject_cast<QLabel*>(widget("Label222"));
    auto* result = qobject_cast<QLineEdit*>(widget("Edit104"));
    ASSERT_TRUE(slider && caption && result);
    EXPECT_EQ(result->text(), "59.01426 Inches");

    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(caption->text(), "3/4 Wave Length");
    EXPECT_EQ(result->text(), "44.26070 Inches");

    // A link label turns red under the mouse and blue again when it leaves.
    tv::Component& link = app->c("Label160");
    hover(widget("Label160"));
    EXPECT_EQ(link.color(), tv::colors::Red);
    hover(widget("Label221"));
    EXPECT_EQ(link.color(), tv::colors::Blue);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, ImpedanceTypeFromTheLayerGroup) {
    windows->main().actionOf(app->c("RFImpedances1"))->trigger();
    auto* types = qobject_cast<tv::RadioGroupBox*>(widget("RadioGroup3"));
    auto* zo = qobject_cast<QLineEdit*>(widget("Edit70"));
    ASSERT_TRUE(types && zo);
    ASSERT_EQ(types->count(), 6);
    EXPECT_EQ(zo->text(), "83.6097 Ohms");
    EXPECT_TRUE(widget("Image8")->isVisible());

    QTest::mouseClick(types->button(3), Qt::LeftButton);
    EXPECT_EQ(zo->text(), "56.467 Ohms");
    EXPECT_TRUE(widget("Image9")->isVisible());
    EXPECT_FALSE(widget("Image8")->isVisible());
    EXPECT_TRUE(widget("Edit74")->isVisible());
    EXPECT_FALSE(widget("RadioGroup1")->isEnabled());
    EXPECT_TRUE(boxes.empty());
}

}  // namespace

namespace {

TEST_F(Windows, ReferenceSheetsAreWired) {
    auto* strip = qobject_cast<tv::TabStrip*>(widget("TabControl1"));
    ASSERT_TRUE(strip);
    const int mechanical = 5, conversion = 8;
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(mechanical).center());
    auto* gauge = qobject_cast<QComboBox*>(widget("ComboBox3"));
    auto* drills = qobject_cast<QPlainTextEdit*>(widget("Memo1"));
    ASSERT_TRUE(gauge && drills);
    EXPECT_EQ(gauge->currentText(), "4/0");
    EXPECT_TRUE(drills->toPlainText().startsWith("97\t0.0059\t0.14986\n96\t"));
    emit gauge->activated(13);
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget("Edit41"))->text(), "0.1019 Inches");
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget("Edit141"))->text(), "14.834 Amps");

    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(conversion).center());
    auto* distance = qobject_cast<QLineEdit*>(widget("Edit80"));
    ASSERT_TRUE(distance);
    typeInto(distance, "20");
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget("Edit81"))->text(), "0.5080") << "the distance follows its text";
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, PanelSlidersAndSelectorsRecalculate) {
    windows->main().actionOf(app->c("DifferentialPairs1"))->trigger();
    auto* tolerance = qobject_cast<QSlider*>(widget("TrackBar1"));
    auto* percent = qobject_cast<QLabel*>(widget("Label46"));
    ASSERT_TRUE(tolerance && percent);
    EXPECT_EQ(tolerance->value(), 3);
    QTest::keyClick(tolerance, Qt::Key_End);
    EXPECT_EQ(app->c("TrackBar1").position(), 9);
    EXPECT_EQ(percent->text(), "25%");
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget("Edit30"))->text(), "126.224 Ohms");

    windows->main().actionOf(app->c("SignalProperties1"))->trigger();
    auto* method = qobject_cast<tv::RadioGroupBox*>(widget("RadioGroup12"));
    ASSERT_TRUE(method);
    EXPECT_FALSE(widget("RadioGroup20")->isVisible());
    QTest::mouseClick(method->button(1), Qt::LeftButton);
    EXPECT_TRUE(widget("RadioGroup20")->isVisible());
    EXPECT_FALSE(widget("GroupBox41")->isVisible());
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget("Edit23"))->text(), "118.02853 Inches");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, PadstackCombosApplyPresetsAndBallLands) {
    windows->main().actionOf(app->c("Padstacks1"))->trigger();
    auto* holeType = qobject_cast<QComboBox*>(widget("ComboBox2"));
    auto* drill = qobject_cast<QLineEdit*>(widget("Edit33"));
    auto* external = qobject_cast<QLineEdit*>(widget("Edit36"));
    auto* type = qobject_cast<tv::RadioGroupBox*>(widget("RadioGroup14"));
    ASSERT_TRUE(holeType && drill && external && type);
    EXPECT_EQ(holeType->currentText(), "Custom");

    QTest::keyClick(holeType, Qt::Key_Down);
    EXPECT_EQ(holeType->currentText(), "Std Tooling");
    EXPECT_EQ(drill->text(), "125");
    EXPECT_FALSE(drill->isEnabled());
    EXPECT_FALSE(widget("RadioGroup7")->isEnabled());
    EXPECT_EQ(external->text(), "125.0 mils");

    QTest::mouseClick(type->button(1), Qt::LeftButton);
    auto* balls = qobject_cast<QComboBox*>(widget("ComboBox4"));
    ASSERT_TRUE(balls);
    EXPECT_TRUE(balls->isVisible());
    EXPECT_EQ(balls->count(), 13);
    EXPECT_EQ(balls->currentText(), "0.75 mm");
    EXPECT_EQ(external->text(), "0.55 mm");
    QTest::keyClick(balls, Qt::Key_Down);
    EXPECT_EQ(external->text(), "0.50 mm");
    EXPECT_FALSE(widget("Button1")->isEnabled());
    EXPECT_TRUE(boxes.empty());
}

}  // namespace
