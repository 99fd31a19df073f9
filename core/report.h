#pragma once
// A calculator's report: what File > Print Report puts on paper and what
// Edit > Copy Results puts on the clipboard. Built from the model alone (the
// current calculator's field table, its module's method note and the window
// model), never from widgets; shell/report.h builds it.
#include <string>
#include <vector>

namespace tv {

// One line of the report: "Conductor Width", "10", "mils". Values are as the
// user reads and types them: numbers in the user's decimal separator.
struct ReportRow {
    std::string caption, value, unit;
};

struct Report {
    std::string title;                // the calculator's name, "Conductor Properties"
    std::vector<ReportRow> inputs;    // the field table's inputs the window offers
    std::vector<ReportRow> choices;   // the selections that set them up ("Conductor Layer", "External Layer")
    std::vector<ReportRow> results;   // the field table's results the window shows
    std::string method;               // how the calculator works
    std::vector<std::string> references;
    std::string picture;              // resource path of the picture on view; "" for none
};

// Where a report goes: the printer of the print dialog, or a PDF file the
// user names.
enum class ReportOutput { Printer, Pdf };

}  // namespace tv
