// The calculators' ids and choices, the names tolvane-cli's one-shot commands
// take: well formed and unique, each option a real item of its control, and
// every type a field table knows reachable by picking the choices.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "app_fixture.h"
#include "core/user_actions.h"
#include "shell/selection.h"

using namespace tv;

namespace {

const std::regex kId("[a-z0-9]+(-[a-z0-9]+)*");

bool pickable(Kind k) {
    return k == Kind::RadioGroup || k == Kind::ComboBox || k == Kind::TabControl || k == Kind::CheckBox;
}

TEST(Choices, IdsAndOptionsAreWellFormedAndNameRealItems) {
    HeadlessApp h;
    std::set<std::string> calculators;
    for (const FunctionEntry& f : h.app.catalogue.functions) {
        SCOPED_TRACE(f.tabCaption);
        ASSERT_NE(f.module->id, nullptr);
        EXPECT_TRUE(std::regex_match(f.module->id, kId)) << f.module->id;
        EXPECT_TRUE(calculators.insert(f.module->id).second) << "twice: " << f.module->id;
        // The panel's items are set when the calculator is selected (the
        // shared layer group's lines).
        SelectProgramFunction(h.app, f.index());
        std::set<std::string> keys;
        for (const Field& field : f.module->fields->fields) keys.insert(field.id);
        for (const Choice& choice : f.module->choices) {
            EXPECT_TRUE(std::regex_match(choice.key, kId)) << choice.key;
            EXPECT_TRUE(keys.insert(choice.key).second) << "a field or choice already: " << choice.key;
            Component* c = h.app.Form1.find(choice.control);
            ASSERT_NE(c, nullptr) << choice.control;
            EXPECT_TRUE(pickable(c->kind())) << choice.control;
            const int items = c->kind() == Kind::CheckBox ? 2 : static_cast<int>(c->items().size());
            std::set<std::string> options;
            std::set<int> indices;
            for (const ChoiceOption& o : choice.options) {
                EXPECT_TRUE(std::regex_match(o.id, kId)) << o.id;
                EXPECT_TRUE(options.insert(o.id).second) << "twice: " << o.id;
                EXPECT_TRUE(indices.insert(o.index).second) << choice.key << " " << o.index;
                EXPECT_TRUE(o.index >= 0 && o.index < items) << choice.control << " has no item " << o.index;
            }
        }
    }
}

// Every combination of the choices picked as a user picks them, on the
// calculator as it starts; together they reach every type that the field
// table gives a field.
TEST(Choices, PickingTheChoicesReachesEveryTypeOfTheFieldTable) {
    for (const FunctionEntry& f : functionCatalogue().functions) {
        const FieldTable& table = *f.module->fields;
        if (!table.type) continue;
        SCOPED_TRACE(f.module->id);
        ASSERT_FALSE(f.module->choices.empty()) << "a calculator with types names them";
        std::set<int> wanted, reached;
        for (const Field& field : table.fields)
            for (int t = 0; t < 32; ++t)
                if ((field.types >> t) & 1u) wanted.insert(t);
        size_t combinations = 1;
        for (const Choice& c : f.module->choices) combinations *= c.options.size();
        for (size_t n = 0; n < combinations; ++n) {
            HeadlessApp h;
            SelectProgramFunction(h.app, f.index());
            size_t rest = n;
            for (const Choice& choice : f.module->choices) {
                const ChoiceOption& o = choice.options[rest % choice.options.size()];
                rest /= choice.options.size();
                Component& c = h.app.c(choice.control);
                if (c.kind() == Kind::CheckBox) {
                    if (c.checked() != (o.index == 1)) user::click(h.app, c);
                } else {
                    user::pick(h.app, c, o.index);
                }
            }
            reached.insert(table.currentType(h.app));
        }
        for (int t : wanted) EXPECT_TRUE(reached.count(t)) << "type " << t << " cannot be chosen";
    }
}

}  // namespace
