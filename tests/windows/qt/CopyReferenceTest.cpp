// Copied coordinates carry their reference: pasting selects the system (and,
// for plane coordinates, the zone) they were computed in, and a window that
// cannot take that reference does not offer "INCOLLA COORDINATE".
#include "app/CommonPointLoading.h"
#include "cadastre/qt/frmCatasto.h"
#include "datum/qt/frmSistemi.h"
#include "windows/qt/frmCartGeo.h"
#include "windows/qt/frmGeoCart.h"
#include "windows/qt/frmGeoPia.h"
#include "windows/qt/frmPiaGeo.h"
#include "windows/qt/frmUnicoFuso.h"

#include "geodesy/TextNumbers.h"
#include "support/WindowFixture.h"
#include "windows/qt/CoordinateField.h"

#include <QTabWidget>

namespace {

class CopyReference : public WindowFixture {
protected:
    void showTab(int index) {
        current->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(index);
    }
    bool checked(const char* name) const { return option(name)->isChecked(); }
    // Geographic to plane in a system, in the zone of membership or one chosen by hand; copied.
    void copyPlaneFromGeoPia(const char* system, const char* zone, const char* lat, const char* lon) {
        reopen<frmGeoPia>();
        choose(system);
        if (zone) {
            choose("Option2_1");
            choose(zone);
        }
        type("Text7", QString::fromLatin1(lat));
        type("Text8", QString::fromLatin1(lon));
        click("Command1");
        ASSERT_TRUE(fake.messages.shown.empty());
        click("Command4");
        ASSERT_EQ(m.CopiedCoordinates.Kind, CopiedKind::Plane);
    }
};

TEST_F(CopyReference, CartesianPointsComeBackOnTheirOwnEllipsoid) {
    // WGS84 45°30' N 9°10' E H 120 to X, Y, Z; the cartesian window opens on ROMA40.
    reopen<frmGeoCart>();
    choose("Option1_2");
    type("Text1", "45.30");
    type("Text2", "9.10");
    type("Text3", "120");
    click("Command1");
    click("Command4");
    EXPECT_EQ(m.CopiedCoordinates.SystemCode, 3);

    reopen<frmCartGeo>();
    EXPECT_TRUE(checked("Option1_0"));
    ASSERT_TRUE(enabled("Command5"));
    click("Command5");
    EXPECT_TRUE(checked("Option1_2"));
    EXPECT_EQ(frame("Frame2")->title(), "Coord. Cartesiane Ellissocentriche WGS84");
    click("Command1");
    // On Hayford this came back as 45° 30' 02.96'' and H -84.595.
    EXPECT_EQ(text("Text4"), "45° 30' 00.0000''");
    EXPECT_EQ(text("Text5"), "9° 10' 00.0000''");
    EXPECT_NEAR(Metres(text("Text6")), 120.0, 0.0005);
    click("Command4");
    EXPECT_EQ(m.CopiedCoordinates.SystemCode, 3);

    // And back: the geographic-cartesian window takes WGS84 with the height.
    reopen<frmGeoCart>();
    click("Command5");
    EXPECT_TRUE(checked("Option1_2"));
    EXPECT_NEAR(Metres(text("Text9")), 120.0, 0.0005);

    // A change of the XZ plane leaves nothing to copy.
    choose("Option1_0");
    click("Command1");
    ASSERT_TRUE(enabled("Command4"));
    choose("Option2_1");
    EXPECT_FALSE(enabled("Command4"));
    EXPECT_TRUE(text("Text4").isEmpty());
}

TEST_F(CopyReference, PlanePointsComeBackInTheirSystemAndZone) {
    // WGS84 UTM zone 33 chosen by hand for a point of zone 32.
    copyPlaneFromGeoPia("Option1_2", "Option3_1", "42", "12.3");
    EXPECT_EQ(m.CopiedCoordinates.SystemCode, 3);
    EXPECT_EQ(m.CopiedCoordinates.ZoneCode, 2);

    reopen<frmPiaGeo>();
    ASSERT_TRUE(enabled("Command5"));
    click("Command5");
    EXPECT_TRUE(checked("Option1_2"));
    EXPECT_TRUE(checked("Option4_1"));
    EXPECT_FALSE(frame("Frame4")->isHidden());
    click("Command1");
    EXPECT_EQ(text("Text11"), "42° 00' 00.0000''");
    EXPECT_EQ(text("Text12"), "12° 30' 00.0000''");
    click("Command4");
    EXPECT_EQ(m.CopiedCoordinates.SystemCode, 3);
    // Pasted back into the geographic window: WGS84 again.
    reopen<frmGeoPia>();
    click("Command5");
    EXPECT_TRUE(checked("Option1_2"));

    // ROMA40 Gauss-Boaga: the zone follows from the East.
    copyPlaneFromGeoPia("Option1_0", nullptr, "41.5", "-0.2");
    EXPECT_EQ(m.CopiedCoordinates.ZoneCode, 5);
    reopen<frmPiaGeo>();
    choose("Option1_1");
    click("Command5");
    EXPECT_TRUE(checked("Option1_0"));
    click("Command1");
    EXPECT_EQ(text("Text11"), "41° 50' 00.0000''");
    EXPECT_EQ(text("Text12"), "-0° 20' 00.0000''");
}

TEST_F(CopyReference, TheCadastralWindowTakesOnlyRoma40GaussBoaga) {
    copyPlaneFromGeoPia("Option1_1", nullptr, "42", "12");
    reopen<frmCatasto>();
    EXPECT_FALSE(enabled("Command5")); // ED50 UTM
    showTab(1);
    showTab(0);
    EXPECT_FALSE(enabled("Command5"));

    copyPlaneFromGeoPia("Option1_0", nullptr, "42", "1");
    reopen<frmCatasto>();
    EXPECT_TRUE(enabled("Command5"));
    showTab(1);
    EXPECT_FALSE(enabled("Command5")); // not cadastral X and Y
    showTab(0);
    EXPECT_TRUE(enabled("Command5"));
}

TEST_F(CopyReference, SingleZoneAndNationalPlanePointsDoNotMix) {
    reopen<frmUnicoFuso>();
    type("Text7", "42");
    type("Text8", "0.5");
    click("Command1");
    ASSERT_TRUE(fake.messages.shown.empty());
    click("Command4");
    ASSERT_EQ(m.CopiedCoordinates.Kind, CopiedKind::Plane);
    EXPECT_EQ(m.CopiedCoordinates.ZoneCode, 0);
    // Within the window, back through the same zone.
    showTab(1);
    EXPECT_TRUE(enabled("Command5"));
    // Another central meridian is another zone: nothing to paste.
    choose("Option2_1");
    type("Text6", "10");
    type("Text10", "1000000");
    EXPECT_FALSE(enabled("Command5"));
    showTab(0);
    showTab(1);
    EXPECT_FALSE(enabled("Command5"));
    choose("Option2_0");
    showTab(0);
    showTab(1);
    EXPECT_TRUE(enabled("Command5"));

    // Single-zone North and East are no national-zone coordinates.
    reopen<frmPiaGeo>();
    EXPECT_FALSE(enabled("Command5"));
    reopen<frmCatasto>();
    EXPECT_FALSE(enabled("Command5"));
    reopen<frmSistemi>();
    showTab(1);
    EXPECT_FALSE(enabled("Command5"));

    // And national-zone ones do not go into the single zone.
    copyPlaneFromGeoPia("Option1_0", nullptr, "42", "1");
    const CopiedCoordinatesRecord national = m.CopiedCoordinates;
    reopen<frmUnicoFuso>();
    m.CopiedCoordinates = national;
    showTab(1);
    EXPECT_FALSE(enabled("Command5"));
}

TEST_F(CopyReference, ChangeOfSystemTakesThePointsSystemAsSource) {
    ASSERT_TRUE(
        LoadCommonPoints(std::string(TERVANO_SOURCE_DIR) + "/data/common_points.tsv", m.commonPoints).ok);
    m.commonPointsLoaded = true;
    setAngleUnit(2);

    // WGS84 geographic from the plane window: WGS84 becomes the source.
    copyPlaneFromGeoPia("Option1_2", nullptr, "42", "12");
    reopen<frmPiaGeo>();
    click("Command5");
    click("Command1");
    click("Command4");
    ASSERT_EQ(m.CopiedCoordinates.Kind, CopiedKind::Geographic);
    auto* sistemi = reopen<frmSistemi>();
    ASSERT_TRUE(enabled("Command5"));
    click("Command5");
    EXPECT_EQ(sistemi->sourceSystem(), 3);
    EXPECT_EQ(sistemi->targetSystem(), 2);
    EXPECT_TRUE(checked("Option1_2"));

    // A result copied and pasted back turns the conversion round.
    click("Command1");
    ASSERT_TRUE(enabled("Command4"));
    click("Command4");
    EXPECT_EQ(m.CopiedCoordinates.SystemCode, 2);
    EXPECT_TRUE(enabled("Command5"));
    click("Command5");
    EXPECT_EQ(sistemi->sourceSystem(), 2);
    EXPECT_EQ(sistemi->targetSystem(), 3);
    EXPECT_TRUE(checked("Option1_1") && checked("Option2_2"));
    click("Command1");
    EXPECT_EQ(text("Text3"), "42.00000°");
    EXPECT_EQ(text("Text4"), "12.00000°");

    // Plane: ED50 UTM 33 with its zone number in the zone box.
    copyPlaneFromGeoPia("Option1_1", "Option3_1", "42", "12");
    sistemi = reopen<frmSistemi>();
    showTab(1);
    ASSERT_TRUE(enabled("Command5"));
    click("Command5");
    EXPECT_EQ(sistemi->sourceSystem(), 2);
    EXPECT_EQ(text("Text13"), "33");
    click("Command1");
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_EQ(sistemi->sourceZone(), 2);
}

} // namespace

// A pasted length keeps every bit of the copied value: the edit box shows it
// in fifteen digits, but the value is not read back from them.
TEST_F(CopyReference, PastedLengthsKeepTheCopiedValue) {
    copyPlaneFromGeoPia("Option1_0", nullptr, "41.5", "-0.2");
    const double north = m.CopiedCoordinates.North, east = m.CopiedCoordinates.East;
    reopen<frmPiaGeo>();
    click("Command5");
    for (CoordinateField* f : current->findChildren<CoordinateField*>()) {
        if (f->edit()->objectName() == QLatin1String("Text13")) {
            EXPECT_EQ(f->value(), north);
            EXPECT_EQ(f->edit()->text().toStdString(), tervano::PasteText(north));
        }
        if (f->edit()->objectName() == QLatin1String("Text14"))
            EXPECT_EQ(f->value(), east);
    }
    // Changed by hand, the box is read again.
    type("Text13", "4600000");
    for (CoordinateField* f : current->findChildren<CoordinateField*>())
        if (f->edit()->objectName() == QLatin1String("Text13"))
            EXPECT_EQ(f->value(), 4600000.0);
}
