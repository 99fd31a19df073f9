#pragma once
// The printed report of a calculator (core/report.h) on a printer or in a
// PDF file: its name and the date, its inputs, selections and results with
// their units side by side, its picture across the page, then its method and
// references. Everything but the picture is text (searchable and copyable in
// a PDF), on a white page in dark ink whatever the theme on screen.
#include <QDateTime>
#include <QString>

class QPrinter;

namespace tv {

struct Report;

// The text above the picture (name, date, inputs, selections, results) and
// below it (method, references) as the page's HTML; `reportTailHtml` is empty
// for a report without either.
QString reportHeadHtml(const Report& report, const QDateTime& when);
QString reportTailHtml(const Report& report);

// Draws the report on the printer, page after page as needed. A PDF printer
// writes its file whole or not at all (platform/pdf_file.h). Returns why it
// failed ("Cannot write ...", "The printer could not be started."), empty
// when it printed.
QString printReport(QPrinter& printer, const Report& report, const QDateTime& when);

}  // namespace tv
