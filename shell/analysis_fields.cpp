#include "shell/analysis_fields.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "core/app.h"
#include "shell/goal_seek.h"

namespace tv {

namespace {

// A component with its place in the window (offsets of its parents added).
struct Placed {
    Component* c;
    int left, top, right, bottom;
    int middle() const { return (top + bottom) / 2; }
};

class Layout {
public:
    explicit Layout(App& app) : form_(app.Form1) {
        for (const auto& f : app.catalogue.functions) panels_.emplace_back(f.panel);
        panel_ = app.catalogue.functions[static_cast<size_t>(app.currentFunction)].panel;
    }

    Placed place(Component& c) {
        int left = c.left(), top = c.top();
        for (Component* p = parent(c); p; p = parent(*p)) {
            left += p->left();
            top += p->top();
        }
        return {&c, left, top, left + c.width(), top + c.height()};
    }

    Component* parent(const Component& c) {
        return c.parentName().empty() ? nullptr : form_.find(c.parentName());
    }

    // Shown and usable: the component and every group it sits in.
    bool shown(Component& c) {
        for (Component* p = &c; p; p = parent(*p))
            if (!p->visible()) return false;
        return true;
    }
    bool usable(Component& c) {
        for (Component* p = &c; p; p = parent(*p))
            if (!p->enabled()) return false;
        return true;
    }

    // 0: the current calculator's panel, 1: the shared groups, -1: the panel
    // of another calculator.
    int area(Component& c) {
        for (Component* p = &c; p; p = parent(*p)) {
            if (p->name() == panel_) return 0;
            if (std::find(panels_.begin(), panels_.end(), p->name()) != panels_.end()) return -1;
        }
        return 1;
    }

    // The shown labels and fields beside `c` in its group.
    std::vector<Placed> neighbours(Component& c) {
        std::vector<Placed> out;
        for (Component* n : form_.children(c.parentName()))
            if (n != &c && shown(*n)) out.push_back(place(*n));
        return out;
    }

private:
    Form& form_;
    std::vector<std::string> panels_;
    std::string panel_;
};

bool isLabel(const Component& c) { return c.kind() == Kind::Label || c.kind() == Kind::StaticText; }

// A number with its unit ("50.0000 Ohms", "6.20:1") or "N/A"; a relation
// between numbers ("0.1 < W/H < 3.0") is a fixed note, not a result.
bool isResult(Component& c) {
    const bool shows = isLabel(c) || (c.kind() == Kind::Edit && c.readOnly());
    if (!shows) return false;
    if (c.text() == "N/A") return true;
    return std::isfinite(resultNumber(c.text())) && resultUnit(c.text()).find_first_of("<>=") == std::string::npos;
}

// On one row: the neighbour's middle lies within the field's height.
bool sameRow(const Placed& field, const Placed& n) { return n.middle() >= field.top && n.middle() <= field.bottom; }

// A caption as a heading: without the blanks around group captions, the
// accelerator marks and a closing ':' or '='.
std::string heading(std::string text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    auto blank = [](char ch) { return ch == ' ' || ch == '\t'; };
    while (!plain.empty() && (blank(plain.back()) || plain.back() == ':' || plain.back() == '=')) plain.pop_back();
    size_t from = 0;
    while (from < plain.size() && blank(plain[from])) ++from;
    return plain.substr(from);
}

// A hint as a caption: short ones only, without "Enter the" and the full stop
// ("+ Tolerance of Zdiff.").
std::string hintCaption(const std::string& hint) {
    std::string text = heading(hint);
    while (!text.empty() && text.back() == '.') text.pop_back();
    const std::string enter = "Enter the ";
    if (text.compare(0, enter.size(), enter) == 0) {
        text.erase(0, enter.size());
        if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text.size() <= 48 ? text : std::string();
}

// The nearer of the label on the row just to the left (with nothing between)
// and the label just above, over the field's columns; else the caption of a
// frame around the field alone; else a short hint; else the group's caption.
std::string captionOf(Layout& layout, Component& c) {
    constexpr int kLeftGap = 60, kAboveGap = 20;
    const Placed field = layout.place(c);
    const Placed* best = nullptr;
    int bestGap = 0;
    auto consider = [&](const Placed& n, int gap) {
        if (!best || gap < bestGap) {
            best = &n;
            bestGap = gap;
        }
    };
    const std::vector<Placed> around = layout.neighbours(c);
    const Placed* nearestLeft = nullptr;
    for (const Placed& n : around)
        if (sameRow(field, n) && n.right <= field.left + 4 && (!nearestLeft || n.right > nearestLeft->right))
            nearestLeft = &n;
    auto caption = [](const Placed& n) {
        return isLabel(*n.c) && !isResult(*n.c) && !heading(n.c->caption()).empty();
    };
    if (nearestLeft && caption(*nearestLeft) && field.left - nearestLeft->right <= kLeftGap)
        consider(*nearestLeft, field.left - nearestLeft->right);
    for (const Placed& n : around)
        if (caption(n) && n.bottom <= field.top + 2 && field.top - n.bottom <= kAboveGap && n.left < field.right &&
            n.right > field.left)
            consider(n, field.top - n.bottom);
    if (best) return heading(best->c->caption());
    // A frame around this one field names it ("Temp Rise (°C)").
    Component* group = layout.parent(c);
    const std::string groupCaption = group ? heading(group->caption()) : std::string();
    const bool alone = std::none_of(around.begin(), around.end(), [](const Placed& n) { return n.c->kind() == Kind::Edit; });
    if (!groupCaption.empty() && alone) return groupCaption;
    if (std::string hint = hintCaption(c.hint()); !hint.empty()) return hint;
    if (!groupCaption.empty()) return groupCaption;
    return c.name();
}

// The unit box right of a field on its row: a read-only field or label whose
// text is a word, not a number ("mils", "MHz").
std::string unitBeside(Layout& layout, Component& c) {
    const Placed field = layout.place(c);
    const Placed* best = nullptr;
    const std::vector<Placed> around = layout.neighbours(c);
    for (const Placed& n : around) {
        const bool box = isLabel(*n.c) || (n.c->kind() == Kind::Edit && n.c->readOnly());
        const std::string& text = n.c->text();
        if (!box || text.empty() || text == "N/A" || std::isfinite(resultNumber(text))) continue;
        if (sameRow(field, n) && n.left >= field.right - 2 && n.left - field.right <= 16 && (!best || n.left < best->left))
            best = &n;
    }
    return best ? heading(best->c->text()) : std::string();
}

bool isInput(Layout& layout, Component& c) {
    return c.kind() == Kind::Edit && !c.readOnly() && layout.usable(c);
}

// Reading order: the panel first, then the shared groups; top to bottom,
// left to right.
void sortByPlace(Layout& layout, std::vector<std::pair<int, AnalysisField>>& fields) {
    std::stable_sort(fields.begin(), fields.end(), [&](const auto& a, const auto& b) {
        const Placed pa = layout.place(*a.second.component), pb = layout.place(*b.second.component);
        return std::tie(a.first, pa.top, pa.left) < std::tie(b.first, pb.top, pb.left);
    });
}

// Repeated names ("Temp in (°F)" under both temperatures) get their group's
// caption in front.
void tellApart(Layout& layout, std::vector<AnalysisField>& fields) {
    std::map<std::string, int> count;
    for (const auto& f : fields) ++count[f.label()];
    for (auto& f : fields) {
        if (count[f.label()] < 2) continue;
        Component* group = layout.parent(*f.component);
        const std::string name = group ? heading(group->caption()) : std::string();
        if (!name.empty() && name != f.caption) f.caption = name + ": " + f.caption;
    }
}

}  // namespace

std::string AnalysisField::label() const {
    const std::string shown = "(" + unit + ")";
    const bool named = caption == unit ||
                       (caption.size() >= shown.size() && caption.compare(caption.size() - shown.size(), shown.size(), shown) == 0);
    return unit.empty() || named ? caption : caption + " " + shown;
}

AnalysisFields analysisFields(App& app) {
    Layout layout(app);
    std::vector<std::pair<int, AnalysisField>> inputs, results;
    for (const auto& owned : app.Form1.components()) {
        Component& c = *owned;
        const int area = layout.area(c);
        if (area < 0 || !layout.shown(c)) continue;
        if (isInput(layout, c)) {
            inputs.push_back({area, {&c, captionOf(layout, c), unitBeside(layout, c)}});
        } else if (isResult(c)) {
            std::string unit = resultUnit(c.text());
            if (unit.empty()) unit = unitBeside(layout, c);
            results.push_back({area, {&c, captionOf(layout, c), unit}});
        }
    }
    sortByPlace(layout, inputs);
    sortByPlace(layout, results);
    AnalysisFields out;
    for (auto& f : inputs) out.inputs.push_back(std::move(f.second));
    for (auto& f : results) out.results.push_back(std::move(f.second));
    tellApart(layout, out.inputs);
    tellApart(layout, out.results);
    return out;
}

}  // namespace tv
