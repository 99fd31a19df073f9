// The calculator panels are made when first shown: until then they have no
// widgets, and the first switch to one shows it complete, with whatever its
// model says by then (texts, choices, what is shown or enabled, the theme).
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "program_fixture.h"
#include "platform/tab_strip.h"
#include "platform/widgets.h"

namespace {

using qt_test::Windows;

// Whether a component and every frame around it are shown in the model.
bool shownInModel(tv::Form& form, const tv::Component& c) {
    for (const tv::Component* p = &c; p && p != &form.self(); p = form.find(p->parentName()))
        if (!p->visible()) return false;
    return true;
}

// The components inside a panel, at any depth.
std::vector<tv::Component*> insidePanel(tv::Form& form, const std::string& panel) {
    std::vector<tv::Component*> out;
    for (const auto& c : form.components())
        for (const tv::Component* p = form.find(c->parentName()); p; p = form.find(p->parentName())) {
            if (p->name() == panel) {
                out.push_back(c.get());
                break;
            }
            if (p == &form.self()) break;
        }
    return out;
}

// Every widget of the panel agrees with its component.
void expectPanelFollowsModel(tv::FormView& view, const std::string& panel) {
    tv::Form& form = view.form();
    for (tv::Component* c : insidePanel(form, panel)) {
        QWidget* w = view.widgetOf(*c);
        if (!w) {
            // Only the contents of a frame still hidden wait.
            EXPECT_FALSE(shownInModel(form, *c)) << c->name() << " is shown but has no widget";
            continue;
        }
        EXPECT_EQ(w->isVisibleTo(&view), shownInModel(form, *c)) << c->name();
        EXPECT_EQ(!w->testAttribute(Qt::WA_ForceDisabled), c->enabled()) << c->name();
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            EXPECT_EQ(edit->text().toStdString(), c->text()) << c->name();
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            EXPECT_EQ(label->text(), tv::plainCaption(c->text())) << c->name();
        }
        if (auto* box = qobject_cast<QCheckBox*>(w)) {
            EXPECT_EQ(box->isChecked(), c->checked()) << c->name();
        }
        if (auto* group = qobject_cast<tv::RadioGroupBox*>(w)) {
            ASSERT_EQ(group->count(), static_cast<int>(c->items().size())) << c->name();
            for (int i = 0; i < group->count(); ++i)
                EXPECT_EQ(group->button(i)->isChecked(), i == c->itemIndex()) << c->name() << " item " << i;
        }
    }
}

TEST_F(Windows, AHiddenPanelIsMadeOnItsFirstShowWithItsCurrentState) {
    tv::FormView& main = windows->main();
    const std::string conductor = app->catalogue[tv::Fn::Conductor].panel;
    ASSERT_EQ(main.widgetOf(app->c("Edit18")), nullptr) << "the hidden panel has no widgets yet";

    // The model changes while the panel is hidden: a text, a choice that
    // shows more fields, a check box, and the theme.
    app->c("Edit18").setText("1500");
    app->c("RadioGroup15").setItemIndex(1);
    app->c("CheckBox1").setChecked(true);
    platform.applyStyle("Charcoal Dark Slate");

    auto* strip = qobject_cast<tv::TabStrip*>(widget("TabControl1"));
    ASSERT_TRUE(strip);
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(tv::indexOf(tv::Fn::Conductor)).center());
    ASSERT_TRUE(app->currentIs(tv::Fn::Conductor));

    expectPanelFollowsModel(main, conductor);
    EXPECT_EQ(qobject_cast<QLineEdit*>(main.widgetOf(app->c("Edit18")))->text(), "1500");
    EXPECT_TRUE(main.widgetOf(app->c("Edit128"))->isVisible()) << "the parallel count shows";
    // The navy result is lightened on the dark theme it was first made under.
    QWidget* current = main.widgetOf(app->c("Edit17"));
    EXPECT_GT(current->palette().color(QPalette::Text).lightnessF(), 0.5);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, EveryPanelShowsCompleteOnItsFirstSwitch) {
    auto* strip = qobject_cast<tv::TabStrip*>(widget("TabControl1"));
    ASSERT_TRUE(strip);
    for (const auto& f : app->catalogue.functions) {
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(f.index()).center());
        ASSERT_EQ(app->currentFunction, f.index()) << f.tabCaption;
        expectPanelFollowsModel(windows->main(), f.panel);
        EXPECT_TRUE(windows->main().widgetOf(app->c(f.panel))->isVisible()) << f.tabCaption;
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, AWidgetAskedForIsMadeWithItsPanel) {
    // Tools (and these tests) may reach into a panel that was never shown.
    QWidget* width = windows->widget("Form1", "Edit140");
    ASSERT_NE(width, nullptr);
    EXPECT_FALSE(width->isVisible());
    EXPECT_EQ(qobject_cast<QLineEdit*>(width)->text().toStdString(), app->c("Edit140").text());
    EXPECT_NE(windows->main().widgetOf(app->c("Edit160")), nullptr) << "its neighbours are made with it";
}

}  // namespace
