#include <gtest/gtest.h>

#include "core/form.h"
#include "core/resources.h"

using namespace tv;

TEST(WindowDescription, ReadsKindsPropertiesAndQuotedTexts) {
    Form f("Form9");
    f.load("form Form9 caption=\"A window\" width=100 height=50\n"
           "# a comment\n"
           "GroupBox G parent=Form9 caption=\" Options  \" at=1,2,3,4\n"
           "RadioGroup R parent=G items=\"a b|c\" index=1 enabled=false\n"
           "Edit E parent=G text=\"\" maxlength=8 color=navy tabstop=true hint=\"Say \\\"hi\\\".\"\n",
           "test");
    EXPECT_EQ(f.self().caption(), "A window");
    EXPECT_EQ(f.get("G").caption(), " Options  ");
    EXPECT_EQ(f.get("G").width(), 3);
    EXPECT_EQ(f.get("R").items().size(), 2u);
    EXPECT_EQ(f.get("R").itemIndex(), 1);
    EXPECT_FALSE(f.get("R").enabled());
    EXPECT_EQ(f.get("E").parentName(), "G");
    EXPECT_EQ(f.get("E").color(), colors::Navy);
    EXPECT_EQ(f.get("E").hint(), "Say \"hi\".");
    EXPECT_EQ(f.get("E").tabStop, std::optional<bool>(true));
    EXPECT_FALSE(f.get("R").tabStop.has_value()) << "unset: the Qt layer derives it";
}

TEST(WindowDescription, ErrorsNameTheSourceAndLine) {
    struct Case {
        const char* text;
        const char* fragment;
    } cases[] = {
        {"Edit E\nWidget W\n", "test:2: unknown kind Widget"},
        {"Edit E colour=red\n", "test:1: unknown property colour"},
        {"Edit E\nEdit E\n", "test:2: duplicate component E"},
        {"Edit E caption=\"open\n", "test:1: unterminated quote"},
        {"Edit E width=wide\n", "test:1: width of E is not an integer"},
        {"set Nothing caption=x\n", "test:1: Form9 has no component Nothing"},
    };
    for (const auto& c : cases) {
        Form f("Form9");
        try {
            f.load(c.text, "test");
            ADD_FAILURE() << "accepted " << c.text;
        } catch (const DescriptionError& e) {
            EXPECT_NE(std::string(e.what()).find(c.fragment), std::string::npos) << e.what();
        }
    }
}

TEST(WindowDescription, EveryShippedDescriptionLoads) {
    for (const auto& path : resourcePaths("forms/")) {
        Form f(path == "forms/form1.win" ? "Form1" : "Form" + path.substr(10, 1));
        EXPECT_NO_THROW(f.load(*resource(path), path)) << path;
    }
}

TEST(ComponentEvents, AssignmentsRaiseClicksOnlyOnChange) {
    Form f("Form9");
    Component& r = f.add(Kind::RadioGroup, "R", "");
    Component& c = f.add(Kind::CheckBox, "C", "");
    Component& t = f.add(Kind::TabControl, "T", "");
    Component& e = f.add(Kind::Edit, "E", "");
    int clicks = 0, changes = 0;
    r.onClick = [&] { ++clicks; };
    c.onClick = [&] { ++clicks; };
    t.onChange = [&] { ++changes; };
    e.onChange = [&] { ++changes; };
    r.setItems({"a", "b"});
    r.setItemIndex(1);
    r.setItemIndex(1);
    EXPECT_EQ(clicks, 1);
    r.setItems({"a", "b"});  // emptied group: the next assignment raises again
    r.setItemIndex(1);
    EXPECT_EQ(clicks, 2);
    c.setChecked(true);
    c.setChecked(true);
    EXPECT_EQ(clicks, 3);
    t.setItems({"x", "y"});
    t.setItemIndex(1);
    EXPECT_EQ(changes, 0);
    e.setText("1");
    e.setText("1");
    EXPECT_EQ(changes, 1);
}
