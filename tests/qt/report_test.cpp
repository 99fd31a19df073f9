// The report of the current calculator from the menus: Ctrl+Shift+C puts its
// table on the clipboard; Print Report and Save Report as PDF write a page of
// text a reader can search, light under a dark theme too.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include "core/report.h"
#include "platform/report_page.h"
#include "program_fixture.h"
#include "shell/report.h"

namespace {

using qt_test::Windows;

class ReportWindows : public Windows {
protected:
    void SetUp() override {
        separator = ",";
        Windows::SetUp();
        windows->main().actionOf(app->c("ConductorProperties1"))->trigger();
    }
    // What the PDF says, as pdftotext reads it; empty without poppler-utils.
    static QString pdfText(const QString& pdf) {
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        if (!text.waitForFinished(30000)) return {};
        return QString::fromUtf8(text.readAllStandardOutput());
    }
};

TEST_F(ReportWindows, CtrlShiftCCopiesTheCalculatorsTable) {
    QGuiApplication::clipboard()->clear();
    windows->main().activateWindow();
    QApplication::setActiveWindow(&windows->main());
    QTest::keyClick(&windows->main(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_EQ(copied.toStdString(), tv::resultsTable(tv::currentReport(*app)));
    EXPECT_TRUE(copied.startsWith("Conductor Width\t10\tmils\n"));
    EXPECT_TRUE(copied.contains("Conductor Current\t1,4586\tAmps\n"));
    // From inside a field too.
    QGuiApplication::clipboard()->clear();
    auto* width = qobject_cast<QLineEdit*>(widget("Edit15"));
    ASSERT_TRUE(width);
    width->setFocus(Qt::TabFocusReason);
    QTest::keyClick(width, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), copied);
    EXPECT_EQ(width->text(), "10");
    EXPECT_TRUE(boxes.empty());
}

// File > Print Report on a PDF printer, under a dark theme: the page is
// light, its text holds the calculator's name, inputs, results, method and
// references, and the theme on screen stays.
TEST_F(ReportWindows, PrintReportWritesSearchableTextOnALightPage) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() || QStandardPaths::findExecutable("pdftoppm").isEmpty())
        GTEST_SKIP() << "poppler-utils missing";
    platform.applyStyle("Charcoal Dark Slate");
    QApplication::processEvents();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    platform.printer().setOutputFormat(QPrinter::PdfFormat);
    platform.printer().setOutputFileName(pdf);
    windows->main().actionOf(app->c("PrintReport1"))->trigger();
    EXPECT_EQ(printDialogs, QStringList{"Print Report"});
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(platform.activeStyle(), "Charcoal Dark Slate");

    const QString text = pdfText(pdf).simplified();
    for (const char* part : {"Conductor Properties", "Conductor Width 10 mils", "Temp Rise 20 °C",
                             "Conductor Current 1,4586 Amps", "Conductor Cross Section 16,59 Sq.mils",
                             "Conductor Layer External Layer", "Method", "IPC-2152", "References"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part << "\n" << text.toStdString();

    QProcess raster;
    raster.start("pdftoppm", {"-png", "-r", "30", "-f", "1", "-singlefile", pdf, dir.filePath("page")});
    ASSERT_TRUE(raster.waitForFinished(30000));
    QImage page(dir.filePath("page.png"));
    ASSERT_FALSE(page.isNull());
    double light = 0;
    int count = 0;
    for (int y = 0; y < page.height(); y += 2)
        for (int x = 0; x < page.width(); x += 2, ++count) light += QColor(page.pixel(x, y)).lightnessF();
    EXPECT_GT(light / count, 0.85);
}

// Save Report as PDF writes through a temporary file; a folder as the file is
// refused with the reason and nothing is left behind.
TEST_F(ReportWindows, SaveReportAsPdfWritesWholeOrSaysWhy) {
    QTemporaryDir dir;
    const tv::Report report = tv::currentReport(*app);
    EXPECT_EQ(platform.saveReportPdf(report, dir.filePath("r.pdf")), "");
    QFile file(dir.filePath("r.pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF-"));
    if (!QStandardPaths::findExecutable("pdftotext").isEmpty()) {
        EXPECT_TRUE(pdfText(dir.filePath("r.pdf")).contains("Skin Depth Percentage"));
    }

    const QString why = platform.saveReportPdf(report, dir.path());
    EXPECT_TRUE(why.startsWith("Cannot write " + dir.path() + ": ")) << why.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// What the page says, without a printer: every row and the method, escaped.
TEST(ReportPage, HoldsEveryRowAsText) {
    qt_test::startQt();
    tv::Report r;
    r.title = "Ohm's <Law>";
    r.inputs = {{"Voltage", "5", "Volts"}, {"Frequency (MHz)", "2", "MHz"}};
    r.choices = {{"Units", "Imperial", ""}};
    r.results = {{"Current", "0,5", "Amps"}};
    r.method = "V = I · R";
    r.references = {"A book & a paper"};
    QTextDocument head, tail;
    head.setHtml(tv::reportHeadHtml(r, QDateTime(QDate(2026, 5, 4), QTime(9, 30))));
    tail.setHtml(tv::reportTailHtml(r));
    const QString text = (head.toPlainText() + "\n" + tail.toPlainText()).simplified();
    for (const char* part : {"Ohm's <Law>", "2026-05-04 09:30", "Voltage 5 Volts", "Units Imperial", "Current 0,5 Amps",
                             "V = I · R", "A book & a paper"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part << "\n" << text.toStdString();
    EXPECT_TRUE(text.contains("Frequency (MHz) 2")) << text.toStdString();
    EXPECT_FALSE(text.contains("2 MHz")) << "a unit the caption names is not repeated";
    EXPECT_TRUE(tv::reportTailHtml(tv::Report{}).isEmpty());
}

}  // namespace
