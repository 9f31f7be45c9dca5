#include "windows/qt/frmGeoPia.h"

#include "support/WindowFixture.h"

#include <QPalette>

namespace {

class DisplayBoxKeyboard : public WindowFixture {
protected:
    frmGeoPia* w = nullptr;
    void SetUp() override { w = open<frmGeoPia>(); }

    void compute() {
        type("Text7", QStringLiteral("41.5"));
        type("Text8", QStringLiteral("-0.2"));
        click("Command1");
    }
    bool resultsShown() { return !text("Text3").isEmpty() && !text("Text4").isEmpty(); }
};

TEST_F(DisplayBoxKeyboard, TabReachesTheDisplayBoxesInBothDirections) {
    compute();
    ASSERT_TRUE(resultsShown());
    // Forward: from the latitude being typed to the longitude's display box.
    clickBox("Text1");
    ASSERT_TRUE(focused("Text7"));
    QTest::keyClick(box("Text7"), Qt::Key_Tab);
    EXPECT_TRUE(box("Text1")->isVisible()); // the latitude was read on leaving
    EXPECT_TRUE(box("Text2")->isVisible());
    EXPECT_TRUE(focused("Text2"));
    // Passing over a display box opens nothing.
    EXPECT_FALSE(box("Text8")->isVisible());
    // Backward: to the latitude's display box.
    QTest::keyClick(box("Text2"), Qt::Key_Backtab);
    EXPECT_TRUE(focused("Text1"));
    EXPECT_FALSE(box("Text7")->isVisible());
    // The result boxes stay out of the Tab chain.
    EXPECT_FALSE(box("Text3")->focusPolicy() & Qt::TabFocus);
}

TEST_F(DisplayBoxKeyboard, EnterF2AndSpaceOpenTheValueAsAClickDoes) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F2, Qt::Key_Space}) {
        SCOPED_TRACE(key);
        compute();
        ASSERT_TRUE(resultsShown());
        ASSERT_TRUE(enabled("Command6"));
        box("Text1")->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(focused("Text1"));
        QTest::keyClick(box("Text1"), key);
        EXPECT_TRUE(box("Text7")->isVisible());
        EXPECT_FALSE(box("Text1")->isVisible());
        EXPECT_TRUE(focused("Text7"));
        EXPECT_EQ(text("Text7"), "41.5"); // the value typed, ready to change
        EXPECT_TRUE(text("Text3").isEmpty());
        EXPECT_TRUE(text("Text4").isEmpty());
        EXPECT_FALSE(enabled("Command6")); // "ACCODA" waits for a new result
        EXPECT_TRUE(fake.messages.shown.empty());
    }
    // Other keys leave the display box as it is.
    compute();
    box("Text2")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box("Text2"), Qt::Key_A);
    QTest::keyClick(box("Text2"), Qt::Key_Delete);
    EXPECT_TRUE(box("Text2")->isVisible());
    EXPECT_EQ(text("Text2"), "-0° 20' 00.0000''");
    EXPECT_TRUE(resultsShown());
}

TEST_F(DisplayBoxKeyboard, DisplayBoxesLookOpenableAndResultBoxesDoNot) {
    compute();
    for (const char* display : {"Text1", "Text2"}) {
        for (const char* result : {"Text3", "Text4"}) {
            SCOPED_TRACE(std::string(display) + " / " + result);
            EXPECT_NE(box(display)->palette().color(QPalette::Active, QPalette::Base),
                      box(result)->palette().color(QPalette::Active, QPalette::Base));
            EXPECT_NE(box(display)->palette().color(QPalette::Inactive, QPalette::Base),
                      box(result)->palette().color(QPalette::Inactive, QPalette::Base));
            EXPECT_EQ(box(display)->cursor().shape(), Qt::PointingHandCursor);
            EXPECT_NE(box(result)->cursor().shape(), Qt::PointingHandCursor);
        }
    }
    // The edit box keeps the plain look of a box one types in.
    EXPECT_EQ(box("Text7")->palette().color(QPalette::Active, QPalette::Base),
              box("Text3")->palette().color(QPalette::Active, QPalette::Base));
}

} // namespace
