#pragma once
// The Padstack Calculator's panel and working values, shared by its compute
// routine (padstack.cpp) and its layouts and selectors (padstack_layout.cpp).
#include <string>

#include "core/app.h"
#include "calc/board/padstack_model.h"

namespace tv::padstack {

struct PadstackPanel : Panel {
    using Panel::Panel;
    TV_COMPONENT(RadioGroup14);  // calculator type
    TV_COMPONENT(RadioGroup7);   // pad style
    TV_COMPONENT(Label73);
    TV_COMPONENT(ComboBox2);  // hole type
    TV_COMPONENT(ComboBox4);  // BGA ball diameter
    // Inputs with their headings and unit fields.
    TV_COMPONENT(Label61);
    TV_COMPONENT(Edit33);
    TV_COMPONENT(Edit59);
    TV_COMPONENT(Label62);
    TV_COMPONENT(Edit34);
    TV_COMPONENT(Edit60);
    TV_COMPONENT(Label63);
    TV_COMPONENT(Edit35);
    TV_COMPONENT(Edit61);
    TV_COMPONENT(Label76);
    TV_COMPONENT(Edit211);
    TV_COMPONENT(Edit212);
    TV_COMPONENT(Label174);
    TV_COMPONENT(Edit213);
    TV_COMPONENT(Edit214);
    // Outputs: headings above, labels to the right.
    TV_COMPONENT(Label68);
    TV_COMPONENT(Edit36);
    TV_COMPONENT(Label70);
    TV_COMPONENT(Label67);
    TV_COMPONENT(Edit37);
    TV_COMPONENT(Label71);
    TV_COMPONENT(Label66);
    TV_COMPONENT(Edit38);
    TV_COMPONENT(Label69);
    TV_COMPONENT(Edit39);
    TV_COMPONENT(Label65);
    TV_COMPONENT(Edit40);
    TV_COMPONENT(Label64);
    // Notes.
    TV_COMPONENT(Label175);
    TV_COMPONENT(Label176);
    TV_COMPONENT(Label177);
    TV_COMPONENT(Memo3);
    TV_COMPONENT(Label271);
    TV_COMPONENT(Label272);
    TV_COMPONENT(Label273);
    TV_COMPONENT(Label274);
    // One picture per type.
    TV_COMPONENT(Image5);
    TV_COMPONENT(Image12);
    TV_COMPONENT(Image45);
    TV_COMPONENT(Image10);
    TV_COMPONENT(Image48);
};

// Values kept between runs: the ring and isolation last read while their
// fields held numbers, and the two values the pad-style switch saved for the
// way back to "Plated". All in the current unit system.
struct PadstackState {
    double lastAnnularRing = 0;
    double lastIsolation = 0;
    bool saved = false;
    double savedAnnularRing = 0;
    double savedIsolation = 0;
};

inline Type selectedType(PadstackPanel& p) { return static_cast<Type>(p.RadioGroup14.itemIndex()); }
inline bool plated(PadstackPanel& p) { return p.RadioGroup7.itemIndex() != 1; }

// A text the calculator writes into a field, given in its point form: a
// comma user gets the comma form so the next run can read it back.
std::string writtenText(App& app, const std::string& point);

// Layouts and selectors.
void RadioGroup14Click(App& app);
void RadioGroup7Click(App& app);
void ComboBox2Change(App& app);
void ComboBox4Change(App& app);

}  // namespace tv::padstack
