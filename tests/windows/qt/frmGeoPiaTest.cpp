#include "windows/qt/frmGeoPia.h"
#include "geodesy/Angles.h"
#include "geodesy/TextNumbers.h"

#include "support/WindowFixture.h"

#include <QLabel>
#include <QLocale>

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
#include <GeographicLib/TransverseMercatorExact.hpp>
#endif

namespace {

class GeoPia : public WindowFixture {
protected:
    frmGeoPia* w = nullptr;
    void SetUp() override { w = open<frmGeoPia>(); }

    // Types latitude and longitude with Enter and presses "ESEGUI".
    void compute(const QString& lat, const QString& lon) {
        type("Text7", lat);
        type("Text8", lon);
        click("Command1");
    }
    QString frameTitle(const char* name) { return frame(name)->title(); }
    bool overlap() { return !frame("Frame8")->isHidden(); }
};

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
// North and East by GeographicLib's exact transverse Mercator.
void Oracle(int system, double lat, double deltaLambda, double falseEast, double& north, double& east) {
    const double a = system == 3 ? 6378137.0 : 6378388.0;
    const double f = system == 3 ? 1.0 / 298.257222101 : 1.0 / 297.0;
    GeographicLib::TransverseMercatorExact tm(a, f, 0.9996);
    double x = 0, y = 0;
    tm.Forward(0.0, lat, deltaLambda, x, y);
    north = y;
    east = x + falseEast;
}
#endif

TEST_F(GeoPia, TypicalRequestGivesEstWithOverlapInOvest) {
    EXPECT_EQ(w->windowTitle(), "Geografiche - Piane");
    EXPECT_TRUE(option("Option1_0")->isChecked());
    EXPECT_TRUE(option("Option2_0")->isChecked());
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_EQ(w->focusWidget(), box("Text7")); // the cursor starts in the latitude box

    type("Text7", "41.5");
    EXPECT_TRUE(box("Text1")->isVisible());
    EXPECT_FALSE(box("Text7")->isVisible());
    EXPECT_EQ(text("Text1"), "41° 50' 00.0000''");
    EXPECT_TRUE(focused("Text8"));
    type("Text8", "-0.2");
    EXPECT_EQ(text("Text2"), "-0° 20' 00.0000''");
    EXPECT_EQ(QApplication::focusWidget(), button("Command1"));
    EXPECT_TRUE(enabled("Command1"));
    EXPECT_FALSE(enabled("Command6"));
    // Enter on the focused "ESEGUI" runs it, as a third Enter after the two boxes.
    QTest::keyClick(button("Command1"), Qt::Key_Return);

    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_EQ(frameTitle("Frame7"), "Fuso EST (appartenenza)");
    ASSERT_TRUE(overlap());
    EXPECT_EQ(frameTitle("Frame8"), "Fuso OVEST (sovrapposizione)");
    EXPECT_EQ(frameTitle("Frame6"), "Coordinate Piane GAUSS BOAGA");
    EXPECT_TRUE(enabled("Command4"));
    EXPECT_TRUE(enabled("Command6"));
    EXPECT_EQ(w->geoPage().result().values.OverlapZoneCode, 4);
#ifdef TERVANO_HAVE_GEOGRAPHICLIB
    const double lat = 41.0 + 50.0 / 60.0;
    const double lambda = -20.0 / 60.0;
    double n = 0, e = 0;
    Oracle(1, lat, lambda - 2.54766666666667, 2520000.0, n, e);
    EXPECT_NEAR(Metres(text("Text3")), n, 0.001);
    EXPECT_NEAR(Metres(text("Text4")), e, 0.001);
    Oracle(1, lat, lambda + 3.45233333333333, 1500000.0, n, e);
    EXPECT_NEAR(Metres(text("Text5")), n, 0.001);
    EXPECT_NEAR(Metres(text("Text6")), e, 0.001);
#endif
}

TEST_F(GeoPia, MembershipAndOverlapAtTheBandEdges) {
    setAngleUnit(2); // decimal degrees, so the boundaries are typed exactly
    w = reopen<frmGeoPia>();
    struct Case {
        const char* system;
        const char* lambda;
        const char* zone;
        const char* overlapZone; // nullptr: no overlap
    };
    const Case cases[] = {
        {"Option1_0", "-0.3", "Fuso EST (appartenenza)", "Fuso OVEST (sovrapposizione)"},
        {"Option1_0", "-0.45233333333333", "Fuso EST (appartenenza)", "Fuso OVEST (sovrapposizione)"},
        {"Option1_0", "-0.46", "Fuso OVEST (appartenenza)", "Fuso EST (sovrapposizione)"},
        {"Option1_0", "-0.5", "Fuso OVEST (appartenenza)", "Fuso EST (sovrapposizione)"},
        {"Option1_0", "0", "Fuso EST (appartenenza)", "Fuso OVEST (sovrapposizione)"},
        {"Option1_0", "0.1", "Fuso EST (appartenenza)", nullptr},
        {"Option1_0", "-0.6", "Fuso OVEST (appartenenza)", nullptr},
        {"Option1_1", "12", "Fuso 32 (appartenenza)", "Fuso 33 (sovrapposizione)"},
        {"Option1_1", "11.66666666", "Fuso 32 (appartenenza)", "Fuso 33 (sovrapposizione)"},
        {"Option1_1", "11.6666666", "Fuso 32 (appartenenza)", nullptr},
        {"Option1_1", "12.33333334", "Fuso 33 (appartenenza)", "Fuso 32 (sovrapposizione)"},
        {"Option1_1", "12.3333334", "Fuso 33 (appartenenza)", nullptr},
        {"Option1_2", "18", "Fuso 33 (appartenenza)", "Fuso 34 (sovrapposizione)"},
        {"Option1_2", "18.2", "Fuso 34 (appartenenza)", "Fuso 33 (sovrapposizione)"},
        {"Option1_2", "18.33333334", "Fuso 34 (appartenenza)", "Fuso 33 (sovrapposizione)"},
        {"Option1_2", "18.3333334", "Fuso 34 (appartenenza)", nullptr},
        {"Option1_2", "24", "Fuso 34 (appartenenza)", nullptr},
    };
    for (const Case& c : cases) {
        choose(c.system);
        compute("42", c.lambda);
        SCOPED_TRACE(std::string(c.system) + " " + c.lambda);
        EXPECT_TRUE(fake.messages.shown.empty());
        EXPECT_EQ(frameTitle("Frame7"), c.zone);
        EXPECT_EQ(overlap(), c.overlapZone != nullptr);
        EXPECT_EQ(w->geoPage().result().values.OverlapShown, c.overlapZone != nullptr);
        if (c.overlapZone) {
            EXPECT_EQ(frameTitle("Frame8"), c.overlapZone);
            EXPECT_FALSE(text("Text5").isEmpty());
        }
    }
}

TEST_F(GeoPia, BoundariesTypedInSexagesimalAndFromGreenwich) {
    // Notation 1 reads a typed boundary a few 1e-11° past its exact value; the
    // window must still give the zone of the exact value.
    struct Case {
        const char* system;
        const char* lambda;
        const char* zone;
        const char* overlapZone;
    };
    const Case cases[] = {
        {"Option1_1", "12", "Fuso 32 (appartenenza)", "Fuso 33 (sovrapposizione)"},
        {"Option1_2", "18", "Fuso 33 (appartenenza)", "Fuso 34 (sovrapposizione)"},
        {"Option1_0", "-0.27084", "Fuso EST (appartenenza)", "Fuso OVEST (sovrapposizione)"},
        {"Option1_0", "-0.30", "Fuso OVEST (appartenenza)", "Fuso EST (sovrapposizione)"},
    };
    for (const Case& c : cases) {
        choose(c.system);
        compute("42", c.lambda);
        SCOPED_TRACE(std::string(c.system) + " " + c.lambda);
        EXPECT_TRUE(fake.messages.shown.empty());
        EXPECT_EQ(frameTitle("Frame7"), c.zone);
        ASSERT_TRUE(overlap());
        EXPECT_EQ(frameTitle("Frame8"), c.overlapZone);
    }

    // ROMA40 from Greenwich: 12° is the Ovest/Est boundary in every notation.
    m.LongitudeOrigin = 2;
    for (int unit : {1, 2}) {
        setAngleUnit(unit);
        w = reopen<frmGeoPia>();
        compute("42", "12");
        SCOPED_TRACE(unit);
        EXPECT_TRUE(fake.messages.shown.empty());
        EXPECT_EQ(frameTitle("Frame7"), "Fuso EST (appartenenza)");
        ASSERT_TRUE(overlap());
        EXPECT_EQ(frameTitle("Frame8"), "Fuso OVEST (sovrapposizione)");
    }
}

TEST_F(GeoPia, HandChosenZones) {
    setAngleUnit(2);
    w = reopen<frmGeoPia>();
    choose("Option1_1");
    choose("Option2_1");
    EXPECT_FALSE(frame("Frame3")->isHidden());
    EXPECT_TRUE(frame("Frame4")->isHidden());
    EXPECT_TRUE(option("Option3_0")->isChecked());
    EXPECT_EQ(frameTitle("Frame7"), "Fuso 32");
    choose("Option3_2");
    EXPECT_EQ(frameTitle("Frame7"), "Fuso 34");
    compute("45", "9");
    EXPECT_EQ(frameTitle("Frame7"), "Fuso 34");
    EXPECT_FALSE(overlap());
#ifdef TERVANO_HAVE_GEOGRAPHICLIB
    double n = 0, e = 0;
    Oracle(2, 45.0, -12.0, 500000.0, n, e);
    EXPECT_NEAR(Metres(text("Text3")), n, 0.001);
    EXPECT_NEAR(Metres(text("Text4")), e, 0.001);
#endif
    // Back to ROMA40 with the zone by hand: Ovest is selected and used.
    choose("Option1_0");
    EXPECT_TRUE(text("Text3").isEmpty());
    EXPECT_FALSE(enabled("Command6"));
    EXPECT_TRUE(option("Option3_3")->isChecked());
    EXPECT_TRUE(frame("Frame3")->isHidden());
    EXPECT_FALSE(frame("Frame4")->isHidden());
    EXPECT_EQ(frameTitle("Frame7"), "Fuso Ovest");
    compute("42", "1");
    EXPECT_EQ(frameTitle("Frame7"), "Fuso Ovest");
    EXPECT_EQ(w->geoPage().result().values.MembershipZoneCode, 4);
#ifdef TERVANO_HAVE_GEOGRAPHICLIB
    Oracle(1, 42.0, 1.0 + 3.45233333333333, 1500000.0, n, e);
    EXPECT_NEAR(Metres(text("Text4")), e, 0.001);
#endif
    // Back to the zone of membership.
    choose("Option2_0");
    EXPECT_TRUE(frame("Frame4")->isHidden());
    compute("42", "1");
    EXPECT_EQ(frameTitle("Frame7"), "Fuso EST (appartenenza)");
}

TEST_F(GeoPia, GreenwichLongitudesForRoma40Only) {
    m.LongitudeOrigin = 2;
    w = reopen<frmGeoPia>();
    auto* notice = current->findChild<QLabel*>("Label8");
    EXPECT_FALSE(notice->isHidden());
    EXPECT_EQ(notice->text(), "ATTENZIONE:          Long. da Greenwich");
    // 12°27'08.4'' from Greenwich is Monte Mario itself: Est with the overlap in Ovest.
    compute("41.5", "12.27084");
    EXPECT_NEAR(w->geoPage().computedLongitude(), 0.0, 1e-12);
    EXPECT_EQ(frameTitle("Frame7"), "Fuso EST (appartenenza)");
    EXPECT_TRUE(overlap());
    // ED50 longitudes are Greenwich ones anyway: 12°27'08.4'' is zone 33, past the overlap band.
    choose("Option1_1");
    EXPECT_TRUE(notice->isHidden());
    click("Command1");
    EXPECT_NEAR(w->geoPage().computedLongitude(), 12.4523333333333, 1e-9);
    EXPECT_EQ(frameTitle("Frame7"), "Fuso 33 (appartenenza)");
    EXPECT_FALSE(overlap());
}

TEST_F(GeoPia, RangeChecksWithTheirMessagesAndFocus) {
    struct Case {
        const char* system;
        const char* lat;
        const char* lon;
        const char* message; // nullptr: accepted
        const char* focus;
    };
    const Case cases[] = {
        {"Option1_0", "34.5959", "0", "VALORE DELLA LATITUDINE NON\rAMMISSIBILE PER IL SISTEMA INDICATO",
         "Text7"},
        {"Option1_1", "34.5959", "9", nullptr, nullptr},
        {"Option1_0", "49.0001", "0", "VALORE DELLA LATITUDINE NON\rAMMISSIBILE PER IL SISTEMA INDICATO",
         "Text7"},
        {"Option1_0", "35", "-7", nullptr, nullptr},
        {"Option1_0", "49", "7", nullptr, nullptr},
        {"Option1_0", "40", "7.0001", "VALORE DELLA LONGITUDINE NON\rAMMISSIBILE PER IL SISTEMA INDICATO",
         "Text8"},
        {"Option1_0", "1E400", "7.0001", "VALORE DELLA LATITUDINE NON\rAMMISSIBILE PER IL SISTEMA INDICATO",
         "Text7"},
        {"Option1_1", "0.5959", "9", "VALORE DELLA LATITUDINE\rNON AMMISSIBILE", "Text7"},
        {"Option1_2", "80.0001", "9", "VALORE DELLA LATITUDINE\rNON AMMISSIBILE", "Text7"},
        {"Option1_2", "80", "4.5959", "VALORE DELLA LONGITUDINE\rNON AMMISSIBILE", "Text8"},
        {"Option1_1", "1", "25.0001", "VALORE DELLA LONGITUDINE\rNON AMMISSIBILE", "Text8"},
        {"Option1_1", "1", "1E400", "VALORE DELLA LONGITUDINE\rNON AMMISSIBILE", "Text8"},
        {"Option1_2", "1", "25", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.system) + " " + c.lat + " " + c.lon);
        // A valid result first, to see that a refusal leaves it alone.
        choose("Option1_2");
        compute("45", "12");
        fake.messages.shown.clear();
        choose(c.system);
        compute(c.lat, c.lon);
        if (!c.message) {
            EXPECT_TRUE(fake.messages.shown.empty());
            EXPECT_FALSE(text("Text3").isEmpty());
            continue;
        }
        ASSERT_EQ(fake.messages.shown.size(), 1u);
        EXPECT_EQ(fake.messages.last().text, c.message);
        EXPECT_EQ(fake.messages.last().icon, MessageIcon::Stop);
        EXPECT_TRUE(box(c.focus)->isVisible());
        EXPECT_TRUE(focused(c.focus));
        EXPECT_TRUE(text("Text3").isEmpty()); // emptied by the change of system, not refilled
        for (const char* d : {"Text1", "Text2"}) {
            EXPECT_FALSE(text(d).contains("inf")) << text(d).toStdString();
            EXPECT_FALSE(text(d).contains("nan")) << text(d).toStdString();
        }
    }
}

TEST_F(GeoPia, RefusedValueLeavesResultCopyAndQueueAlone) {
    compute("45", "1");
    click("Command6");
    const size_t printed = fake.printer.lines.size();
    m.CopiedCoordinates.Kind = CopiedKind::Geographic;
    type("Text7", "50", false);
    click("Command1");
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_TRUE(text("Text3").isEmpty()); // emptied by the display click, not refilled
    EXPECT_FALSE(enabled("Command4"));    // no result shown: nothing to copy
    EXPECT_FALSE(enabled("Command6"));
    EXPECT_EQ(m.CopiedCoordinates.Kind, CopiedKind::Geographic);
    EXPECT_EQ(fake.printer.lines.size(), printed);
    EXPECT_TRUE(m.QueueOpen);
    EXPECT_TRUE(focused("Text7"));
}

TEST_F(GeoPia, FourNotationsOnInput) {
    struct Case {
        int unit;
        const char* typed;
        const char* shown;
        double degrees;
    };
    const Case cases[] = {
        {1, "41.4525123", "41° 45' 25.1230''", 41.0 + 45.0 / 60.0 + 25.123 / 3600.0},
        {1, "41.4559999996", "41° 46' 00.0000''", 41.0 + 45.0 / 60.0 + 59.99999996 / 3600.0},
        {1, "-12.3015", "-12° 30' 15.0000''", -(12.0 + 30.0 / 60.0 + 15.0 / 3600.0)},
        {1, "", "0° 00' 00.0000''", 0.0},
        {2, "45.123", "45.12300000°", 45.123},
        {2, "", "0.00000000°", 0.0},
        {3, "50", "50.00000000", 45.0},
        {4, "12.305", "12° 30.500000'", 12.0 + 30.5 / 60.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        setAngleUnit(c.unit);
        w = reopen<frmGeoPia>();
        EXPECT_EQ(current->findChild<QLabel*>("Label10")->text(),
                  QString::fromUtf8(tervano::AngleUnitName(c.unit)));
        type("Text7", c.typed);
        EXPECT_EQ(text("Text1"), c.shown);
        EXPECT_NEAR(w->geoPage().latitude().value, c.degrees, 1e-8);
    }
    EXPECT_EQ(box("Text7")->toolTip(), "Latitudine in Gradi Primi Decimi di primo (gg.ppdddddd)");
    EXPECT_EQ(box("Text2")->toolTip(), "Longitudine in Gradi Primi Decimi di primo (gg.ppdddddd)");
}

TEST_F(GeoPia, KeyPreviewEnterChainAndDisplayClick) {
    // Tab leaves the box the window opened in: read as 0, shown, and the
    // cursor goes on to the longitude box.
    EXPECT_TRUE(focused("Text7"));
    QTest::keyClick(box("Text7"), Qt::Key_Tab);
    EXPECT_TRUE(box("Text1")->isVisible());
    EXPECT_EQ(text("Text1"), "0° 00' 00.0000''");
    EXPECT_TRUE(focused("Text8"));
    EXPECT_TRUE(enabled("Command1"));
    // With the longitude shown, Tab from the reopened latitude box reaches the
    // longitude's display box, where a keyboard user can open it again, and
    // never stays in the box it leaves.
    QTest::keyClick(box("Text8"), Qt::Key_Tab);
    clickBox("Text1");
    QTest::keyClicks(box("Text7"), "4");
    QTest::keyClick(box("Text7"), Qt::Key_Tab);
    EXPECT_EQ(text("Text1"), "4° 00' 00.0000''");
    EXPECT_TRUE(focused("Text2"));
    clickBox("Text1");
    box("Text7")->clear();

    // "," becomes "." in the number boxes only: the point name keeps its comma.
    box("Text9")->setFocus();
    QTest::keyClicks(box("Text9"), "PT1, vertice");
    EXPECT_EQ(text("Text9"), "PT1, vertice");
    type("Text7", "41,5");
    EXPECT_EQ(text("Text7"), "41.5");
    EXPECT_NEAR(w->geoPage().latitude().value, 41.0 + 50.0 / 60.0, 1e-8);
    // Enter moved on to the longitude box; Tab leaves it like any focus change.
    EXPECT_TRUE(focused("Text8"));
    QTest::keyClicks(box("Text8"), "1");
    QTest::keyClick(box("Text8"), Qt::Key_Tab);
    EXPECT_TRUE(box("Text2")->isVisible());
    click("Command1");
    EXPECT_FALSE(text("Text3").isEmpty());
    EXPECT_TRUE(enabled("Command6"));
    // The point name is printed as typed.
    click("Command6");
    bool named = false;
    for (const PrintedLine& l : fake.printer.pending())
        named = named || l.text == "Punto: PT1, vertice";
    EXPECT_TRUE(named);
    // A click on a display box empties the results, disables "ACCODA" and reopens the box.
    clickBox("Text1");
    EXPECT_TRUE(text("Text3").isEmpty());
    EXPECT_TRUE(text("Text4").isEmpty());
    EXPECT_FALSE(enabled("Command6"));
    EXPECT_FALSE(enabled("Command4")); // nothing shown, nothing to copy
    EXPECT_TRUE(box("Text7")->isVisible());
    EXPECT_TRUE(focused("Text7"));
    EXPECT_EQ(text("Text7"), "41.5");
}

// "COPIA COORDINATE" is offered only while the result it copies is shown; the
// overlap frame goes with its emptied boxes.
TEST_F(GeoPia, CopyOnlyWithTheResultShown) {
    auto computedWithOverlap = [&](const char* step) {
        click("Command1");
        EXPECT_TRUE(enabled("Command4")) << step;
        EXPECT_TRUE(overlap()) << step;
        EXPECT_FALSE(text("Text5").isEmpty()) << step;
    };
    auto nothingOffered = [&](const char* step) {
        EXPECT_TRUE(text("Text3").isEmpty() && text("Text5").isEmpty()) << step;
        EXPECT_FALSE(enabled("Command4")) << step;
        EXPECT_FALSE(enabled("Command6")) << step;
        EXPECT_FALSE(overlap()) << step;
        EXPECT_TRUE(frame("Frame8")->isHidden()) << step;
    };
    // Geographic coordinates waiting in the record: "INCOLLA COORDINATE" at load.
    m.CopiedCoordinates.Kind = CopiedKind::Geographic;
    m.CopiedCoordinates.SystemCode = 1;
    m.CopiedCoordinates.Latitude = 41.0 + 50.0 / 60.0;
    m.CopiedCoordinates.Longitude = -20.0 / 60.0;
    w = reopen<frmGeoPia>();
    ASSERT_TRUE(enabled("Command5"));
    type("Text7", "41.5");
    type("Text8", "-0.2");
    computedWithOverlap("first");
    clickBox("Text2");
    nothingOffered("display box clicked");
    type("Text8", "-0.2");
    computedWithOverlap("retyped");
    choose("Option1_1");
    choose("Option1_0");
    nothingOffered("system changed");
    computedWithOverlap("system back");
    // A refused "ESEGUI": the longitude read again from its box is out of range.
    box("Text8")->setText("40");
    click("Command1");
    EXPECT_FALSE(fake.messages.shown.empty());
    nothingOffered("refused");
    EXPECT_TRUE(focused("Text8"));
    type("Text8", "-0.2");
    computedWithOverlap("accepted again");
    // A zone chosen by hand: no overlap, the membership result gone too.
    choose("Option2_1");
    nothingOffered("zone choice");
    click("Command1");
    EXPECT_TRUE(enabled("Command4"));
    choose("Option3_4");
    nothingOffered("hand zone");
    // Pasting leaves nothing to copy either.
    choose("Option2_0");
    computedWithOverlap("membership again");
    click("Command5");
    nothingOffered("pasted");
}

TEST_F(GeoPia, ClearLeavesPasteDisabled) {
    m.CopiedCoordinates.Kind = CopiedKind::Geographic;
    m.CopiedCoordinates.SystemCode = 1;
    m.CopiedCoordinates.Latitude = 45.0;
    m.CopiedCoordinates.Longitude = 1.0;
    w = reopen<frmGeoPia>();
    EXPECT_TRUE(enabled("Command5"));
    for (const char* b : {"Command1", "Command3", "Command4", "Command6", "Command7"})
        EXPECT_FALSE(enabled(b)) << b;
    box("Text9")->setText("P1");
    compute("45", "1");
    click("Command3");
    EXPECT_TRUE(text("Text7").isEmpty());
    EXPECT_TRUE(box("Text7")->isVisible());
    EXPECT_TRUE(box("Text8")->isVisible());
    EXPECT_TRUE(text("Text3").isEmpty());
    EXPECT_TRUE(frameTitle("Frame7").isEmpty());
    EXPECT_TRUE(frame("Frame8")->isHidden());
    EXPECT_TRUE(focused("Text7"));
    EXPECT_EQ(text("Text9"), "P1");
    for (const char* b : {"Command1", "Command3", "Command4", "Command5", "Command6"})
        EXPECT_FALSE(enabled(b)) << b;
    // Typing again brings "ESEGUI" back, never "INCOLLA COORDINATE".
    type("Text7", "45");
    EXPECT_TRUE(enabled("Command1"));
    EXPECT_FALSE(enabled("Command5"));
}

} // namespace

// Options follow their checked state however it changes, not only clicks:
// a screen reader's toggle or setChecked() selects the system and the zone
// choice as a click does, once.
TEST_F(GeoPia, OptionsFollowTheirCheckedState) {
    compute("44", "1");
    ASSERT_FALSE(text("Text3").isEmpty());
    fake.messages.shown.clear();
    type("Text8", "12.06");
    option("Option1_2")->setChecked(true);
    EXPECT_EQ(frameTitle("Frame5"), "Coordinate Geografiche WGS84");
    EXPECT_EQ(frameTitle("Frame6"), "Coordinate Piane UTM-WGS84");
    EXPECT_TRUE(current->findChild<QLabel*>("Label7")->text().startsWith("Sistema Cartesiano OXYZ"));
    EXPECT_TRUE(text("Text3").isEmpty()); // the ROMA40 result went with its system
    EXPECT_FALSE(enabled("Command4"));
    click("Command1");
    EXPECT_EQ(frameTitle("Frame7"), "Fuso 33 (appartenenza)");
    EXPECT_EQ(w->geoPage().system(), tervano::System::WGS84);
    // The zone chosen by hand through the accessibility toggle of the button.
    option("Option2_1")->setChecked(true);
    EXPECT_FALSE(frame("Frame3")->isHidden());
    EXPECT_EQ(frameTitle("Frame7"), "Fuso 32");
    option("Option3_2")->setChecked(true);
    EXPECT_EQ(frameTitle("Frame7"), "Fuso 34");
    click("Command1");
    EXPECT_EQ(w->geoPage().result().values.MembershipZoneCode, tervano::UTM34);
}
