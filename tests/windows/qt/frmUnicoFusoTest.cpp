#include "windows/qt/frmUnicoFuso.h"
#include "geodesy/SingleZone.h"
#include "windows/qt/frmGeoPia.h"
#include "windows/qt/frmPiaGeo.h"

#include "support/WindowFixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QLayout>
#include <QTabWidget>

namespace {

class UnicoFuso : public WindowFixture {
protected:
    frmUnicoFuso* w = nullptr;
    void SetUp() override { w = open<frmUnicoFuso>(); }
    QTabWidget* tabs() const { return current->findChild<QTabWidget*>(QStringLiteral("SSTab1")); }
    QString label(const char* name) const {
        return current->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    void showTab(int index) { tabs()->setCurrentIndex(index); }
    // The window's width once its layout has taken every change.
    int settledWidth() {
        QCoreApplication::sendPostedEvents();
        current->layout()->activate();
        QCoreApplication::sendPostedEvents();
        return current->width();
    }
    void geographic(const char* lat, const char* lon) {
        type("Text7", QString::fromLatin1(lat));
        type("Text8", QString::fromLatin1(lon));
        click("Command1");
    }
    void plane(const char* north, const char* east) {
        type("Text14", QString::fromLatin1(north));
        type("Text16", QString::fromLatin1(east));
        click("Command1");
    }
    void expectMessage(const char* text, const char* focus) {
        ASSERT_FALSE(fake.messages.shown.empty());
        EXPECT_EQ(fake.messages.last().text.toStdString(), text);
        EXPECT_EQ(fake.messages.last().icon, MessageIcon::Stop);
        EXPECT_TRUE(focused(focus)) << focus;
        fake.messages.shown.clear();
    }
};

TEST_F(UnicoFuso, DefaultMeridiansAndLabels) {
    EXPECT_EQ(w->windowTitle(), "Fuso Unico");
    EXPECT_EQ(tabs()->tabText(0), "&GEOGRAFICHE - PIANE");
    EXPECT_EQ(label("Label5"), "0° 00' 00'' ;     Falsa origine Est = 1 000 000");
    EXPECT_EQ(label("Label13"), "0° 00' 00''");
    EXPECT_EQ(label("Label14"), "1 000 000");
    EXPECT_EQ(label("Label15"), "0.9996");
    EXPECT_TRUE(box("Text6")->isHidden() || !box("Text6")->isVisible());
    // ROMA40 with Monte Mario longitudes: longitude 0 lies on the default meridian.
    geographic("41.54", "0");
    EXPECT_EQ(text("Text4"), "1 000 000.000");
    // ED50: the default meridian is 12° east of Greenwich.
    choose("Option1_1");
    EXPECT_TRUE(text("Text4").isEmpty());
    EXPECT_EQ(label("Label5"), "12° 00' 00'' ;      Falsa origine Est = 1 000 000");
    EXPECT_EQ(label("Label13"), "12° 00' 00''");
    EXPECT_EQ(frame("Frame4")->title(), "Coordinate Geografiche ED50");
    geographic("45", "12");
    EXPECT_EQ(text("Text4"), "1 000 000.000");
    EXPECT_EQ(m.CopiedCoordinates.Kind, CopiedKind::Empty); // "ESEGUI" leaves the copy record alone
    // Greenwich longitudes for ROMA40: 12° as well, and the notices.
    m.LongitudeOrigin = 2;
    setAngleUnit(2);
    w = reopen<frmUnicoFuso>();
    EXPECT_EQ(label("Label5"), "12.00000000° ;     Falsa origine Est = 1 000 000");
    EXPECT_FALSE(current->findChild<QLabel*>("Label16")->isHidden());
    EXPECT_EQ(box("Text6")->toolTip(), "Longitudine in Sessadecimali (gg.dddddddd)");
    geographic("42", "12");
    EXPECT_EQ(text("Text4"), "1 000 000.000");
    choose("Option1_2");
    EXPECT_TRUE(current->findChild<QLabel*>("Label16")->isHidden());
}

TEST_F(UnicoFuso, ChecksWithTheirMessagesAndFocus) {
    // Showing the parameter boxes does not widen the window under the user's pointer.
    const int width = current->sizeHint().width();
    choose("Option3_1");
    EXPECT_EQ(current->sizeHint().width(), width);
    EXPECT_TRUE(focused("Text12"));
    geographic("42", "0"); // the scale box is empty: 0
    expectMessage("VALORE DEL FATTORE DI SCALA\rSUL MERIDIANO CENTRALE\rNON AMMESSO DAL PROGRAMMA", "Text12");
    for (const char* good : {"10", "0.000001"}) {
        type("Text12", QString::fromLatin1(good));
        click("Command1");
        EXPECT_TRUE(fake.messages.shown.empty()) << good;
        EXPECT_EQ(label("Label15"), QString::fromLatin1(good));
    }
    type("Text12", "10.0001");
    click("Command1");
    expectMessage("VALORE DEL FATTORE DI SCALA\rSUL MERIDIANO CENTRALE\rNON AMMESSO DAL PROGRAMMA", "Text12");
    choose("Option3_0");
    EXPECT_EQ(label("Label15"), "0.9996");

    geographic("34.5959", "0");
    expectMessage("VALORE DELLA LATITUDINE NON\rAMMISSIBILE PER IL SISTEMA INDICATO", "Text7");
    geographic("42", "9.0001");
    expectMessage("VALORE DELLA LONGITUDINE NON\rAMMISSIBILE PER IL SISTEMA INDICATO", "Text8");

    // A chosen meridian of 26 with ED50: three lines on either tab, the second
    // tab's with its trailing blank.
    choose("Option1_1");
    choose("Option2_1");
    EXPECT_EQ(current->sizeHint().width(), width);
    EXPECT_TRUE(focused("Text6"));
    type("Text6", "26");
    type("Text10", "500000");
    EXPECT_EQ(label("Label13"), "26° 00' 00.00''");
    EXPECT_EQ(label("Label14"), "500 000");
    EXPECT_EQ(current->sizeHint().width(), width);
    geographic("45", "12");
    expectMessage("VALORE DELLA LONGITUDINE DEL MERIDIANO\rCENTRALE NON AMMESSO DAL PROGRAMMA\rPER IL "
                  "SISTEMA INDICATO",
                  "Text6");
    showTab(1);
    plane("5000000", "500000");
    expectMessage(
        "VALORE DELLA LONGITUDINE DEL MERIDIANO CENTRALE\rNON AMMESSO DAL PROGRAMMA \rPER IL SISTEMA "
        "INDICATO",
        "Text6");
    // ROMA40 keeps the first wording on tab 1 too.
    choose("Option1_0");
    type("Text6", "9.3");
    plane("4500000", "500000");
    expectMessage("VALORE DELLA LONGITUDINE DEL MERIDIANO\rCENTRALE NON AMMESSO DAL PROGRAMMA\rPER IL "
                  "SISTEMA INDICATO",
                  "Text6");

    // East limits of tab 1 with the default false East: -(1 281 000 + FE) to FE + 1 281 000.
    // At North 4 500 000 both edges lie beyond the longitudes of tab 0 (35.3°
    // west and 14.9° east of Monte Mario), where the series is no longer the
    // transverse Mercator: refused on East. Longitude -9° lies at East
    // 234 570.273 (GeographicLib TransverseMercatorExact).
    choose("Option2_0");
    for (const char* east : {"-2281000", "2281000"}) {
        plane("4500000", east);
        expectMessage("VALORE DELLA COORDINATA EST NON\rAMMISSIBILE PER IL SISTEMA INDICATO", "Text16");
        EXPECT_TRUE(text("Text17").isEmpty()) << east;
    }
    plane("4500000", "234570.29");
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_TRUE(text("Text18").startsWith("-8° 59' 59.99")) << text("Text18").toStdString();
    for (const char* east : {"-2281001", "2281001"}) {
        plane("4500000", east);
        expectMessage("VALORE DELLA COORDINATA EST NON\rAMMISSIBILE PER IL SISTEMA INDICATO", "Text16");
    }
    plane("3963999", "1000000");
    expectMessage("VALORE DELLA COORDINATA NORD NON\rAMMISSIBILE PER IL SISTEMA INDICATO", "Text14");
}

TEST_F(UnicoFuso, TypedFalseEastIsCheckedOnBothTabs) {
    const char* message = "VALORE DELLA FALSA ORIGINE EST\rNON AMMESSO DAL PROGRAMMA";
    choose("Option1_1");
    choose("Option2_1");
    type("Text6", "12");
    // "1E400" once became 0 and the conversion went on; 1e308 gave a 309-digit East.
    for (const char* bad : {"1E400", "1e308", "10000000.001", "-10000000.001"}) {
        type("Text10", QString::fromLatin1(bad));
        geographic("45", "12");
        expectMessage(message, "Text10");
        EXPECT_TRUE(text("Text3").isEmpty()) << bad;
        EXPECT_TRUE(text("Text4").isEmpty()) << bad;
        EXPECT_FALSE(enabled("Command4")) << bad;
    }
    type("Text10", "10000000");
    geographic("45", "12");
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_EQ(text("Text4"), "10 000 000.000");

    // Tab 1 checks it before the East, whose limits it sets.
    showTab(1);
    type("Text10", "1E400");
    plane("5000000", "0");
    expectMessage(message, "Text10");
    EXPECT_TRUE(text("Text17").isEmpty());
    type("Text10", "500000");
    plane("5000000", "500000");
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_EQ(text("Text18"), "12° 00' 00.0000''");
}

TEST_F(UnicoFuso, PlaneWindowsOpenedAfterItComputeWithTheUsualFactor) {
    // A factor typed in the single-zone window stays there: the two plane
    // windows opened after it compute with 0.9996. References: GeographicLib
    // TransverseMercatorExact on Hayford with k0 0.9996, zone Est.
    const auto leaveFactor = [&] {
        w = reopen<frmUnicoFuso>();
        choose("Option3_1");
        type("Text12", "0.9");
        geographic("41.5", "-0.2");
        ASSERT_TRUE(fake.messages.shown.empty());
        click("Command4");
        ASSERT_EQ(m.CopiedCoordinates.SingleZoneScale, 0.9);
    };

    leaveFactor();
    reopen<frmGeoPia>();
    type("Text7", "41.5"); // 41°50'
    type("Text8", "-0.2"); // 0°20' west of Monte Mario
    click("Command1");
    EXPECT_NEAR(Metres(text("Text3")), 4635367.0291, 0.001); // 4 173 499.726 with 0.9
    EXPECT_NEAR(Metres(text("Text4")), 2280758.6189, 0.001);

    leaveFactor();
    auto* piaGeo = reopen<frmPiaGeo>();
    type("Text13", "4640123.4567");
    type("Text14", "2521234.5");
    click("Command1");
    EXPECT_NEAR(piaGeo->latitude(), 41.912319748622, 1e-9);
    EXPECT_NEAR(piaGeo->longitude(), 2.562551817070, 1e-9); // from Monte Mario
}

TEST_F(UnicoFuso, RoundTripBetweenTheTabsWithUserParameters) {
    setAngleUnit(2);
    w = reopen<frmUnicoFuso>();
    choose("Option1_2");
    choose("Option2_1");
    type("Text6", "10.5");
    type("Text10", "300000");
    choose("Option3_1");
    type("Text12", "0.9999");
    EXPECT_FALSE(enabled("Command5"));
    geographic("43.123456789", "13.987654321");
    const double north = Metres(text("Text3")), east = Metres(text("Text4"));
    click("Command4");
    EXPECT_EQ(m.CopiedCoordinates.SingleZoneScale, 0.9999);
    EXPECT_EQ(m.CopiedCoordinates.Kind, CopiedKind::Plane);
    EXPECT_FALSE(enabled("Command5")); // kind 1 belongs to tab 1

    showTab(1);
    EXPECT_TRUE(enabled("Command5"));
    EXPECT_FALSE(enabled("Command4")); // nothing computed on this tab yet
    click("Command5");
    EXPECT_EQ(Metres(text("Text13")), north);
    click("Command1");
    EXPECT_EQ(text("Text17"), "43.12345679°");
    EXPECT_EQ(text("Text18"), "13.98765432°");
    click("Command4");
    EXPECT_EQ(m.CopiedCoordinates.Kind, CopiedKind::Geographic);

    showTab(0);
    EXPECT_TRUE(enabled("Command5"));
    click("Command5");
    EXPECT_TRUE(text("Text3").isEmpty());
    click("Command1");
    // The point comes back within a millimetre.
    EXPECT_NEAR(Metres(text("Text3")), north, 0.001);
    EXPECT_NEAR(Metres(text("Text4")), east, 0.001);

    // Opening the window empties the record; other windows then cannot paste.
    m.CopiedCoordinates.Kind = CopiedKind::Geographic;
    w = reopen<frmUnicoFuso>();
    EXPECT_EQ(m.CopiedCoordinates.Kind, CopiedKind::Empty);
    EXPECT_FALSE(enabled("Command5"));
}

TEST_F(UnicoFuso, PrintedReportOfEachTab) {
    choose("Option2_1");
    type("Text6", "-3.27084");
    type("Text10", "1500000");
    geographic("41.54", "-3.27084");
    box("Text19")->setText("P7");
    click("Command6");
    const auto& doc = fake.printer.pending();
    EXPECT_EQ(doc[3].text, "TRASFORMAZIONE COORDINATE CON PARAMETRI PERSONALIZZATI");
    const QString gap(14, ' ');
    std::vector<std::pair<int, QString>> rows{
        {11, "Sistema Geodetico di riferimento: ROMA40 (Sistema Nazionale)"},
        {8, "Ellissoide Internazionale (Hayford): a = 6 378 388, f = 1/297"},
        {8, "Orientamento: Roma M.Mario (definizione astron. 1940)"},
        {8, "      Lat.= 41°55'25.51''"},
        {8, "      Long.= 0° (12°27'08.400'' est da Greenwich)"},
        {8, "Meridiano  centrale  dell'unico  fuso : -3° 27' 08.40''"},
        {8, "Falsa origine Est : 1 500 000"},
        {8, "Rappr. CONFORME DI GAUSS con fattore di scala 0.9996"},
        {8, ""},
        {11, "Punto: P7"},
        {11, ""},
        {11, "Coordinate Geografiche ROMA40"},
        {11, "Latitudine: 41° 54' 00.0000''" + gap + "Longitudine: -3° 27' 08.4000''"},
        {11, ""},
        {11, "Coordinate Piane Fuso Unico"},
        {11, "Nord: " + text("Text3") + gap + "Est: 1 500 000.000"},
        {11, ""},
        {11, QString(62, '_')},
        {11, ""}};
    ASSERT_EQ(doc.size(), 8 + rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(doc[8 + i].text.toStdString(), rows[i].second.toStdString()) << i;
        EXPECT_EQ(doc[8 + i].size, rows[i].first) << i;
        EXPECT_EQ(doc[8 + i].bold, i == 0 || i == 11 || i == 14) << i;
    }

    // Tab 1 with Greenwich longitudes: plane group first, the geographic caption noted.
    m.LongitudeOrigin = 2;
    w = reopen<frmUnicoFuso>();
    showTab(1);
    plane("4650000", "1000000");
    const size_t start = fake.printer.pending().size();
    click("Command6");
    const auto& doc2 = fake.printer.pending();
    ASSERT_EQ(doc2.size(), start + 8 + rows.size());
    EXPECT_EQ(doc2[start + 8 + 5].text, "Meridiano  centrale  dell'unico  fuso : 12° 00' 00''");
    EXPECT_EQ(doc2[start + 8 + 11].text, "Coordinate Piane Fuso Unico");
    EXPECT_EQ(doc2[start + 8 + 12].text, "Nord: 4 650 000.000" + gap + "Est: 1 000 000.000");
    EXPECT_EQ(doc2[start + 8 + 14].text, "Coordinate Geografiche ROMA40  (Long. da Greenwich)");
    EXPECT_EQ(doc2[start + 8 + 15].text,
              "Latitudine: " + text("Text17") + gap + "Longitudine: 12° 00' 00.0000''");
}

TEST_F(UnicoFuso, PlanePointNoLatitudeReachesIsRefused) {
    // Inside the ED50 ranges, 2 272 km east of the meridian at North 8 950 000
    // lies no projected point: refused on East, with nothing shown.
    showTab(1);
    choose("Option1_1");
    plane("8950000", "3272000");
    expectMessage("VALORE DELLA COORDINATA EST\rNON AMMISSIBILE", "Text16");
    EXPECT_TRUE(text("Text17").isEmpty());
    EXPECT_FALSE(enabled("Command4"));
    // The same North on the meridian is 80.6° N, beyond the latitudes of tab 0:
    // refused on North.
    plane("8950000", "1000000");
    expectMessage("VALORE DELLA COORDINATA NORD\rNON AMMISSIBILE", "Text14");
    EXPECT_TRUE(text("Text17").isEmpty());
}

TEST_F(UnicoFuso, PlanePointBeyondTheLatitudesOfTheOtherTabIsRefused) {
    // ED50, default zone: 80° N lies at North 8 881 848.910 on the meridian
    // (GeographicLib TransverseMercatorExact). Two centimetres beyond is
    // refused on North with the focus on North and nothing shown; two short
    // converts.
    showTab(1);
    choose("Option1_1");
    plane("8881848.93", "1000000");
    expectMessage("VALORE DELLA COORDINATA NORD\rNON AMMISSIBILE", "Text14");
    EXPECT_TRUE(text("Text17").isEmpty());
    EXPECT_TRUE(text("Text18").isEmpty());
    EXPECT_FALSE(enabled("Command4"));
    plane("8881848.89", "1000000");
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_TRUE(text("Text17").startsWith("79° 59' 59.99")) << text("Text17").toStdString();
    EXPECT_EQ(text("Text18"), "12° 00' 00.0000''");
    EXPECT_TRUE(enabled("Command4"));
}

TEST_F(UnicoFuso, DefaultMeridianInTheNotationAndTheWidthKept) {
    // The default meridian of ED50 and WGS84 is written in the notation of the
    // angles, as ROMA40's; choosing ED50 and a typed meridian keeps the width.
    const char* const twelve[5] = {"", "12° 00' 00''", "12.00000000°", "12.00000000", "12° 00.000000'"};
    for (int unit = 1; unit <= 4; ++unit) {
        setAngleUnit(unit);
        w = reopen<frmUnicoFuso>();
        const int width = settledWidth();
        choose("Option1_1");
        EXPECT_EQ(label("Label5"), QString::fromUtf8(twelve[unit]) + " ;      Falsa origine Est = 1 000 000");
        choose("Option1_2");
        EXPECT_EQ(label("Label5"), QString::fromUtf8(twelve[unit]) + " ;      Falsa origine Est = 1 000 000");
        choose("Option1_1");
        EXPECT_EQ(settledWidth(), width) << unit;
        choose("Option2_1");
        EXPECT_EQ(settledWidth(), width) << unit;
        type("Text6", "-24.5959");
        type("Text10", "-9999999");
        EXPECT_EQ(settledWidth(), width) << unit;
        choose("Option1_2");
        EXPECT_EQ(settledWidth(), width) << unit;
    }
}

TEST_F(UnicoFuso, OptionsFollowTheirCheckedStateHoweverItChanges) {
    // A point computed on ROMA40; ED50 checked without a click (as a screen
    // reader's Toggle does) empties it and moves captions, description and
    // the computation to ED50.
    geographic("45", "0");
    ASSERT_FALSE(text("Text4").isEmpty());
    option("Option1_1")->setChecked(true);
    EXPECT_TRUE(text("Text4").isEmpty());
    EXPECT_FALSE(enabled("Command4"));
    EXPECT_EQ(frame("Frame4")->title(), "Coordinate Geografiche ED50");
    EXPECT_EQ(frame("Frame7")->title(), "Coordinate Geografiche ED50");
    EXPECT_TRUE(label("Label7").contains("Orientamento: medio europeo (definizione 1950)"));
    EXPECT_EQ(label("Label13"), "12° 00' 00''");
    geographic("45", "12");
    EXPECT_EQ(text("Text4"), "1 000 000.000");

    // The accessibility action "Toggle" on the typed meridian shows its boxes.
    QAccessibleInterface* meridian = QAccessible::queryAccessibleInterface(option("Option2_1"));
    ASSERT_TRUE(meridian && meridian->actionInterface());
    meridian->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(option("Option2_1")->isChecked());
    EXPECT_TRUE(text("Text4").isEmpty());
    EXPECT_TRUE(box("Text6")->isVisible());
    EXPECT_FALSE(current->findChild<QLabel*>("Label5")->isVisible());
    type("Text6", "9");
    type("Text10", "500000");
    geographic("45", "9");
    EXPECT_EQ(text("Text4").trimmed(), "500 000.000");
    // And back to the usual factor's and meridian's texts by setChecked too.
    option("Option3_1")->setChecked(true);
    EXPECT_TRUE(box("Text12")->isVisible());
    EXPECT_EQ(label("Label15"), "");
    option("Option3_0")->setChecked(true);
    option("Option2_0")->setChecked(true);
    EXPECT_EQ(label("Label15"), "0.9996");
    EXPECT_EQ(label("Label14"), "1 000 000");
    geographic("45", "12");
    EXPECT_EQ(text("Text4"), "1 000 000.000");
}

} // namespace
