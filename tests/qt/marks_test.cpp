// A field that does not read gets its red frame and the results grey; both
// go at the next good recalculation.
#include <QLineEdit>
#include <QTest>

#include "platform/field_marks.h"
#include "program_fixture.h"

namespace {

using qt_test::Windows;

TEST_F(Windows, UnreadableFieldIsFramedAndResultsGreyUntilAGoodValue) {
    app->c("RFImpedances1").onClick();
    auto* width = qobject_cast<QLineEdit*>(widget("Edit67"));
    auto* zo = qobject_cast<QLineEdit*>(widget("Edit70"));
    ASSERT_TRUE(width && zo);
    const QColor normal = zo->palette().color(QPalette::Active, QPalette::Text);
    const QString before = zo->text();

    typeInto(width, "abc");
    QTest::keyClick(width, Qt::Key_Return);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].second, "'abc' is not a valid floating point value");
    EXPECT_TRUE(tv::hasUnreadableFrame(width));
    EXPECT_FALSE(tv::hasUnreadableFrame(widget("Edit68")));
    EXPECT_EQ(zo->text(), before) << "the old result stays, greyed";
    const QColor stale = zo->palette().color(QPalette::Active, QPalette::Text);
    EXPECT_NE(stale, normal);
    EXPECT_EQ(stale, QApplication::palette().color(QPalette::Disabled, QPalette::Text));

    typeInto(width, "5");
    QTest::keyClick(width, Qt::Key_Return);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(tv::hasUnreadableFrame(width));
    EXPECT_EQ(zo->palette().color(QPalette::Active, QPalette::Text), normal);
}

}  // namespace
