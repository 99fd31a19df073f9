#include "calc/lines/field_line.h"

#include <memory>
#include <optional>
#include <vector>

#include "calc/lines/field_line_model.h"
#include "calc/lines/field_panels.h"
#include "core/app.h"
#include "core/panel.h"

namespace tv::lines {

namespace {

struct FieldLinePanel : Panel {
    using Panel::Panel;
    // Conductor Impedance.
    TV_COMPONENT(ImpFieldHead);
    TV_COMPONENT(ImpFieldDevCaption);
    TV_COMPONENT(ImpFieldDev);
    TV_COMPONENT(ImpFieldZoCaption);
    TV_COMPONENT(ImpFieldZo);
    TV_COMPONENT(ImpFieldEeffCaption);
    TV_COMPONENT(ImpFieldEeff);
    TV_COMPONENT(Edit70);  // the closed-form Zo
    // Differential Pairs.
    TV_COMPONENT(PairFieldHead);
    TV_COMPONENT(PairFieldDevCaption);
    TV_COMPONENT(PairFieldDev);
    TV_COMPONENT(PairFieldZdiffCaption);
    TV_COMPONENT(PairFieldZdiff);
    TV_COMPONENT(PairFieldEeffCaption);
    TV_COMPONENT(PairFieldEeff);
    TV_COMPONENT(PairFieldZoddCaption);
    TV_COMPONENT(PairFieldZodd);
    TV_COMPONENT(PairFieldZevenCaption);
    TV_COMPONENT(PairFieldZeven);
    TV_COMPONENT(Edit29);  // the closed-form Zdiff
};

// The line of one panel: where each value of the view goes.
struct Line {
    std::vector<Component*> parts;  // shown or hidden together
    std::vector<std::pair<Component*, FieldLineValue FieldLineView::*>> values;
    Component* closedForm;
};

Line lineOf(App& app, bool pair) {
    FieldLinePanel& p = app.panel<FieldLinePanel>();
    using V = FieldLineView;
    if (!pair)
        return {{&p.ImpFieldHead, &p.ImpFieldDevCaption, &p.ImpFieldDev, &p.ImpFieldZoCaption, &p.ImpFieldZo,
                 &p.ImpFieldEeffCaption, &p.ImpFieldEeff},
                {{&p.ImpFieldDev, &V::deviation}, {&p.ImpFieldZo, &V::z0}, {&p.ImpFieldEeff, &V::eeff}},
                &p.Edit70};
    return {{&p.PairFieldHead, &p.PairFieldDevCaption, &p.PairFieldDev, &p.PairFieldZdiffCaption, &p.PairFieldZdiff,
             &p.PairFieldEeffCaption, &p.PairFieldEeff, &p.PairFieldZoddCaption, &p.PairFieldZodd,
             &p.PairFieldZevenCaption, &p.PairFieldZeven},
            {{&p.PairFieldDev, &V::deviation},
             {&p.PairFieldZdiff, &V::zdiff},
             {&p.PairFieldEeff, &V::eeff},
             {&p.PairFieldZodd, &V::zodd},
             {&p.PairFieldZeven, &V::zeven}},
            &p.Edit29};
}

void show(const Line& line, const FieldLineView& view) {
    for (const auto& [component, member] : line.values) {
        const FieldLineValue& v = view.*member;
        component->setCaption(v.text);
        component->keepResultValue(v.value);
    }
}

// What to solve: the panel's cross-section and the closed form beside it.
struct Request {
    PanelSection section;
    double closedForm;
    bool pair;
};

// A solution that arrived while a goal seek or sweep was trying values.
struct HeldSolution {
    int generation;
    Request request;
    FieldFigures figures;
};

struct FieldLineState {
    FieldGenerations generations;
    std::optional<HeldSolution> held;
    // Gone with the App: a solution that arrives later is dropped.
    std::shared_ptr<int> alive = std::make_shared<int>(0);
};

// The request of the current calculator; nullopt when neither is current.
// Throws ConversionError for a field that does not read.
std::optional<Request> request(App& app) {
    std::optional<PanelSection> section = panelSection(app);
    if (!section) return std::nullopt;
    const bool pair = app.currentIs(Fn::DifferentialPairs);
    return Request{*section, lineOf(app, pair).closedForm->resultValue(), pair};
}

void finish(App& app, int generation, const Request& r, const FieldFigures& figures) {
    FieldLineState& state = app.state<FieldLineState>();
    if (!state.generations.current(generation)) return;  // of older inputs
    // A goal seek or sweep is trying values: shown when it has put the
    // window back.
    if (app.messagesHeld()) state.held = HeldSolution{generation, r, figures};
    else show(lineOf(app, r.pair), solvedView(figures, r.closedForm, r.pair));
}

}  // namespace

void installFieldLine(App& app) { app.bindPanel<FieldLinePanel>(); }

void updateFieldLine(App& app) {
    if (!app.currentIs(Fn::Impedance) && !app.currentIs(Fn::DifferentialPairs)) return;
    const bool pair = app.currentIs(Fn::DifferentialPairs);
    const Line line = lineOf(app, pair);
    const bool on = app.preferences().fieldSolver;
    for (Component* c : line.parts) c->setVisible(on);
    if (!on) return;
    if (app.messagesHeld()) {
        show(line, solvingView());
        return;
    }
    std::optional<Request> r;
    try {
        r = request(app);
    } catch (const ConversionError&) {
        return;  // the line keeps what it showed, marked stale with the results
    }
    if (!r) return;
    FieldLineState& state = app.state<FieldLineState>();
    const int generation = state.generations.start();
    show(line, solvingView());
    App* a = &app;
    std::weak_ptr<int> alive = state.alive;
    app.platform.runInBackground([r = *r, generation, alive, a]() -> std::function<void()> {
        const FieldFigures figures = fieldFigures(r.section.type, r.section.input);
        return [r, generation, alive, a, figures] {
            if (!alive.expired()) finish(*a, generation, r, figures);
        };
    });
}

void settleFieldLine(App& app) {
    if (!app.preferences().fieldSolver) return;
    std::optional<Request> r;
    try {
        r = request(app);
    } catch (const ConversionError&) {
        return;
    }
    if (!r) return;
    show(lineOf(app, r->pair), solvedView(fieldFigures(r->section.type, r->section.input), r->closedForm, r->pair));
}

void fieldLineAfterTrials(App& app, bool kept) {
    FieldLineState& state = app.state<FieldLineState>();
    std::optional<HeldSolution> held = std::move(state.held);
    state.held.reset();
    if (kept) {
        updateFieldLine(app);
    } else if (held && state.generations.current(held->generation)) {
        const Request& r = held->request;
        show(lineOf(app, r.pair), solvedView(held->figures, r.closedForm, r.pair));
    }
}

}  // namespace tv::lines
