// The field solver's line in the window: solved on a worker thread after a
// recalculation, an ellipsis until the solution is back, and hidden when the
// option is off.
#include <QAction>
#include <QCheckBox>
#include <QLabel>

#include "program_fixture.h"

namespace {

using qt_test::Windows;

class FieldLineWindow : public Windows {
protected:
    void selectImpedance() {
        QAction* item = windows->main().actionOf(app->c("RFImpedances1"));
        ASSERT_TRUE(item);
        item->trigger();
        platform.waitForBackgroundWork();
    }
    QLabel* label(const char* name) { return qobject_cast<QLabel*>(widget(name)); }
};

TEST_F(FieldLineWindow, UpdatesAfterEachRecalculation) {
    selectImpedance();
    QLabel* zo = label("ImpFieldZo");
    ASSERT_TRUE(zo);
    EXPECT_EQ(zo->text(), "83.54 Ohms");
    EXPECT_TRUE(zo->isVisible());

    auto* width = qobject_cast<QLineEdit*>(widget("Edit67"));
    ASSERT_TRUE(width);
    typeInto(width, "15");
    QTest::keyClick(width, Qt::Key_Return);
    // The closed form is there at once; the field solution when the worker is done.
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget("Edit70"))->text(), "53.1250 Ohms");
    // Its ending waits for the window thread's event loop.
    EXPECT_EQ(zo->text(), QString::fromUtf8("\xE2\x80\xA6"));
    platform.waitForBackgroundWork();
    EXPECT_EQ(zo->text(), "53.14 Ohms");
    EXPECT_EQ(label("ImpFieldDev")->text(), "-0.03 %");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(FieldLineWindow, HiddenWhenTheOptionIsOff) {
    selectImpedance();
    auto* box = qobject_cast<QCheckBox*>(windows->widget("Form6", "FieldSolverCheck"));
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isChecked());
    box->click();
    platform.waitForBackgroundWork();
    EXPECT_FALSE(widget("ImpFieldZo")->isVisibleTo(widget("GroupBox15")));
    EXPECT_FALSE(widget("ImpFieldHead")->isVisibleTo(widget("GroupBox15")));
    EXPECT_EQ(key.values["Field_Solver"], "0");

    box->click();
    platform.waitForBackgroundWork();
    EXPECT_TRUE(widget("ImpFieldZo")->isVisibleTo(widget("GroupBox15")));
    EXPECT_EQ(label("ImpFieldZo")->text(), "83.54 Ohms");
    EXPECT_TRUE(boxes.empty());
}

}  // namespace
