#include "shell/report.h"

#include <cmath>

#include "core/app.h"
#include "core/catalogue.h"
#include "core/stackup.h"
#include "shell/analysis_fields.h"
#include "shell/goal_seek.h"
#include "shell/result_copy.h"

namespace tv {

namespace {

// A caption as the user reads it: without the blanks around a group's title
// and without accelerator marks ("&&" shows "&").
std::string plain(const std::string& caption) {
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        else if (caption[i] == '&') continue;
        out += caption[i];
    }
    const size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

Component* parentOf(Form& form, const Component& c) {
    return c.parentName().empty() ? nullptr : form.find(c.parentName());
}

// Shown: the component and every group around it are visible.
bool shown(Form& form, Component& c) {
    for (Component* p = &c; p; p = parentOf(form, *p))
        if (!p->visible()) return false;
    return true;
}

bool usable(Form& form, Component& c) {
    for (Component* p = &c; p; p = parentOf(form, *p))
        if (!p->enabled()) return false;
    return true;
}

bool inside(Form& form, Component& c, const std::string& group) {
    for (Component* p = parentOf(form, c); p; p = parentOf(form, *p))
        if (p->name() == group) return true;
    return false;
}

}  // namespace

Report currentReport(App& app) {
    Report report;
    const FunctionEntry* entry =
        app.catalogue.contains(app.currentFunction) ? &app.catalogue.functions[app.currentFunction] : nullptr;
    if (!entry) return report;
    report.title = plain(entry->tabCaption);
    Form& form = app.Form1;
    const std::string& separator = app.userSeparator();

    const AnalysisFields fields = analysisFields(app);
    for (const AnalysisField& f : fields.inputs) {
        std::string unit = f.field->unit.in(metricUnits(app));
        if (unit.empty() && f.field->unitBox) unit = form.get(f.field->unitBox).text();
        report.inputs.push_back({f.caption, f.component->text(), unit});
    }
    for (const AnalysisField& f : fields.results) {
        const std::string& text = f.component->text();
        // The unit the result shows is the one its number is in.
        std::string unit = std::isfinite(resultNumber(text)) ? resultUnit(text) : "";
        if (unit.empty()) unit = f.field->unit.in(metricUnits(app));
        report.results.push_back({f.caption, copiedNumber(text, separator), unit});
    }

    // The selections that set the calculator up: its own radio groups and
    // the shared ones it uses (the others are hidden or disabled).
    for (const auto& c : form.components()) {
        if (c->kind() != Kind::RadioGroup || c->itemIndex() < 0 ||
            c->itemIndex() >= static_cast<int>(c->items().size()))
            continue;
        if (!shown(form, *c) || !usable(form, *c)) continue;
        report.choices.push_back({plain(c->caption()), plain(c->items()[c->itemIndex()]), ""});
    }

    if (const CalculatorModule* m = entry->module) {
        if (m->method.summary) report.method = m->method.summary;
        for (const char* r : m->method.references) report.references.emplace_back(r);
    }

    // The panel's largest picture on view (a panel may show several, the
    // conductor's cross-section beside a small legend).
    long largest = 0;
    for (const auto& c : form.components()) {
        if (c->kind() != Kind::Image || c->picture().empty() || !inside(form, *c, entry->panel)) continue;
        if (!shown(form, *c)) continue;
        const long area = long(c->width()) * c->height();
        if (area > largest) {
            largest = area;
            report.picture = c->picture();
        }
    }
    return report;
}

namespace {

// A cell of the table: a tab or line break typed or pasted into a field
// would start another cell or row, so each becomes a blank.
std::string cell(std::string text) {
    for (char& ch : text)
        if (ch == '\t' || ch == '\n' || ch == '\r') ch = ' ';
    return text;
}

}  // namespace

std::string resultsTable(const Report& report) {
    std::string out;
    for (const auto* rows : {&report.inputs, &report.results})
        for (const ReportRow& r : *rows) out += cell(r.caption) + '\t' + cell(r.value) + '\t' + cell(r.unit) + '\n';
    return out;
}

void installReport(App& app) {
    App* a = &app;
    app.c("CopyResults1").onClick = [a] { a->platform.copyText(resultsTable(currentReport(*a))); };
    app.c("PrintReport1").onClick = [a] { a->platform.printReport(currentReport(*a), ReportOutput::Printer); };
    app.c("ReportPdf1").onClick = [a] { a->platform.printReport(currentReport(*a), ReportOutput::Pdf); };
}

}  // namespace tv
