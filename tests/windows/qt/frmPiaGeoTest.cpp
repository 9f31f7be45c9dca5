#include "windows/qt/frmPiaGeo.h"
#include "geodesy/Angles.h"
#include "geodesy/PlaneConversions.h"
#include "geodesy/TextNumbers.h"
#include "windows/qt/frmGeoPia.h"

#include "support/WindowFixture.h"

#include <QLabel>
#include <QLocale>
#include <cmath>

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
#include <GeographicLib/TransverseMercatorExact.hpp>
#endif

namespace {

class PiaGeo : public WindowFixture {
protected:
    frmPiaGeo* w = nullptr;
    void SetUp() override { w = open<frmPiaGeo>(); }
    void compute(const QString& north, const QString& east) {
        type("Text13", north);
        type("Text14", east);
        click("Command1");
    }
};

TEST_F(PiaGeo, InverseAgainstIndependentProjectionAndZones) {
    EXPECT_EQ(w->windowTitle(), "Piane - Geografiche");
    EXPECT_TRUE(frame("Frame4")->isHidden());
    EXPECT_EQ(frame("Frame3")->title(), "Coordinate Piane GAUSS BOAGA");
    EXPECT_EQ(frame("Frame5")->title(), "Coordinate Geografiche ROMA40");
    EXPECT_EQ(box("Text13")->toolTip(), "Coordinata Nord in metri");
    EXPECT_EQ(box("Text10")->toolTip(), "Coordinata Est in metri");
    setAngleUnit(2);
    w = reopen<frmPiaGeo>();
    compute("4640123.4567", "2520000");
    EXPECT_EQ(text("Text9"), "4 640 123.457");
    EXPECT_EQ(text("Text10"), "2 520 000.000");
    EXPECT_EQ(w->planePage().resultZone(), tervano::PlaneZone::GBEst);
    EXPECT_NEAR(w->longitude(), 2.54766666666667, 1e-9); // on the Est central meridian
#ifdef TERVANO_HAVE_GEOGRAPHICLIB
    GeographicLib::TransverseMercatorExact hayford(6378388.0, 1.0 / 297.0, 0.9996);
    double lat = 0, lon = 0;
    hayford.Reverse(0.0, 1234.5, 4640123.4567, lat, lon);
    type("Text14", "2521234.5");
    click("Command1");
    EXPECT_NEAR(w->latitude(), lat, 1e-9);
    EXPECT_NEAR(w->longitude(), lon + 2.54766666666667, 1e-9);
    EXPECT_EQ(text("Text11"), QString::fromStdString(tervano::FormatResultAngle(lat, 2)));
    // East 2 000 000 is Ovest, a millimetre more is Est.
    type("Text14", "2000000");
    click("Command1");
    EXPECT_EQ(w->planePage().resultZone(), tervano::PlaneZone::GBOvest);
    hayford.Reverse(0.0, 500000.0, 4640123.4567, lat, lon);
    EXPECT_NEAR(w->longitude(), lon - 3.45233333333333, 1e-9);
    type("Text14", "2000000.001");
    click("Command1");
    EXPECT_EQ(w->planePage().resultZone(), tervano::PlaneZone::GBEst);
    // UTM: the zone is always the one selected in Option4, even after a ROMA40 computation.
    choose("Option1_2");
    EXPECT_FALSE(frame("Frame4")->isHidden());
    EXPECT_EQ(frame("Frame3")->title(), "Coordinate Piane UTM-WGS84");
    choose("Option4_1");
    compute("4640123.4567", "400000");
    EXPECT_EQ(w->planePage().resultZone(), tervano::PlaneZone::UTM33);
    GeographicLib::TransverseMercatorExact grs80(6378137.0, 1.0 / 298.257222101, 0.9996);
    grs80.Reverse(15.0, -100000.0, 4640123.4567, lat, lon);
    EXPECT_NEAR(w->latitude(), lat, 1e-9);
    EXPECT_NEAR(w->longitude(), lon, 1e-9);
#endif
}

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
TEST_F(PiaGeo, FarCornersOfTheUtmRangeAgainstTheExactProjection) {
    // North 9 000 000 with East 1 000 000 (and 50 000) is accepted: the result
    // must be the exact inverse there too. The inverse series alone was 8.7 m off.
    setAngleUnit(2);
    w = reopen<frmPiaGeo>();
    choose("Option1_2");
    GeographicLib::TransverseMercatorExact grs80(6378137.0, 1.0 / 298.257222101, 0.9996);
    struct Corner {
        const char* north;
        const char* east;
        double n, e;
    };
    for (const Corner& c :
         {Corner{"9000000", "1000000", 9000000.0, 1000000.0}, Corner{"9000000", "50000", 9000000.0, 50000.0},
          Corner{"100000", "1000000", 100000.0, 1000000.0}}) {
        compute(QString::fromLatin1(c.north), QString::fromLatin1(c.east));
        SCOPED_TRACE(std::string(c.north) + " " + c.east);
        EXPECT_TRUE(fake.messages.shown.empty());
        double lat = 0, lon = 0;
        grs80.Reverse(9.0, c.e - 500000.0, c.n, lat, lon);
        // Within a centimetre on the ground (the forward series itself is 1 cm
        // from the exact projection 26.7° from the meridian at 80° N).
        EXPECT_NEAR(w->latitude(), lat, 0.01 / 111000.0);
        EXPECT_NEAR(w->longitude(), lon, 0.011 / (111000.0 * std::cos(lat * M_PI / 180.0)));
        EXPECT_EQ(text("Text11"), QString::fromStdString(tervano::FormatResultAngle(w->latitude(), 2)));
    }
}
#endif

TEST_F(PiaGeo, RangeChecksWithTheirMessagesAndFocus) {
    struct Case {
        const char* system;
        const char* north;
        const char* east;
        const char* message;
        const char* focus;
    };
    const Case cases[] = {
        {"Option1_0", "3799999.999", "1500000",
         "VALORE DELLA COORDINATA NORD NON\rAMMISSIBILE PER IL SISTEMA INDICATO", "Text13"},
        {"Option1_1", "3799999.999", "500000", nullptr, nullptr},
        {"Option1_0", "5500000.001", "1500000",
         "VALORE DELLA COORDINATA NORD NON\rAMMISSIBILE PER IL SISTEMA INDICATO", "Text13"},
        {"Option1_0", "3800000", "1100000", nullptr, nullptr},
        {"Option1_0", "5500000", "3000000", nullptr, nullptr},
        {"Option1_0", "4500000", "1099999.999",
         "VALORE DELLA COORDINATA EST NON\rAMMISSIBILE PER IL SISTEMA INDICATO", "Text14"},
        {"Option1_0", "4500000", "1E400",
         "VALORE DELLA COORDINATA EST NON\rAMMISSIBILE PER IL SISTEMA INDICATO", "Text14"},
        {"Option1_0", "4500000", "1499999.999", nullptr, nullptr},
        {"Option1_1", "99999.999", "500000", "VALORE DELLA COORDINATA NORD\rNON AMMISSIBILE", "Text13"},
        {"Option1_2", "9000000.001", "500000", "VALORE DELLA COORDINATA NORD\rNON AMMISSIBILE", "Text13"},
        {"Option1_2", "-1e400", "500000", "VALORE DELLA COORDINATA NORD\rNON AMMISSIBILE", "Text13"},
        {"Option1_1", "4500000", "1000000.001",
         "VALORE DELLA COORDINATA EST NON\rAMMISSIBILE PER IL SISTEMA INDICATO", "Text14"},
        {"Option1_2", "4500000", "49999.999",
         "VALORE DELLA COORDINATA EST NON\rAMMISSIBILE PER IL SISTEMA INDICATO", "Text14"},
        {"Option1_2", "100000", "50000", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.system) + " " + c.north + " " + c.east);
        fake.messages.shown.clear();
        choose(c.system);
        compute(c.north, c.east);
        if (!c.message) {
            EXPECT_TRUE(fake.messages.shown.empty());
            EXPECT_FALSE(text("Text11").isEmpty());
            continue;
        }
        ASSERT_EQ(fake.messages.shown.size(), 1u);
        EXPECT_EQ(fake.messages.last().text, c.message);
        EXPECT_EQ(fake.messages.last().icon, MessageIcon::Stop);
        EXPECT_TRUE(box(c.focus)->isVisible());
        EXPECT_TRUE(focused(c.focus));
        EXPECT_TRUE(text("Text11").isEmpty());
        for (const char* d : {"Text9", "Text10"}) {
            EXPECT_FALSE(text(d).contains("inf", Qt::CaseInsensitive)) << text(d).toStdString();
            EXPECT_FALSE(text(d).contains("nan", Qt::CaseInsensitive)) << text(d).toStdString();
        }
    }
}

TEST_F(PiaGeo, FourNotationsOnOutputAndGreenwich) {
    // The plane coordinates of 41°50' N, 0°20' W of Monte Mario, to a tenth of a millimetre.
    const tervano::GeoToPlaneResult p =
        tervano::GeographicToPlane(1, 1, 0, 41.0 + 50.0 / 60.0, -1.0 / 3.0, 0.9996);
    const QString north = QString::number(p.North, 'f', 4), east = QString::number(p.East, 'f', 4);
    struct Case {
        int unit;
        const char* latitude;
        const char* longitude;
    };
    const Case cases[] = {{1, "41° 50' 00.0000''", "-0° 20' 00.0000''"},
                          {2, "41.83333333°", "-0.33333333°"},
                          {3, "46.48148148", "-0.37037037"},
                          {4, "41° 50.000000'", "-0° 20.000000'"}};
    for (const Case& c : cases) {
        setAngleUnit(c.unit);
        w = reopen<frmPiaGeo>();
        EXPECT_EQ(current->findChild<QLabel*>("Label3")->text(),
                  QString::fromUtf8(tervano::AngleUnitName(c.unit)));
        compute(north, east);
        EXPECT_EQ(text("Text11"), c.latitude);
        EXPECT_EQ(text("Text12"), c.longitude);
    }
    // ROMA40 with Greenwich longitudes: the Monte Mario longitude plus 12°27'08.400''.
    setAngleUnit(1);
    w = reopen<frmPiaGeo>();
    compute("4640000", "2520000");
    const double mm = w->longitude();
    m.LongitudeOrigin = 2;
    w = reopen<frmPiaGeo>();
    EXPECT_FALSE(current->findChild<QLabel*>("Label1")->isHidden());
    compute("4640000", "2520000");
    EXPECT_NEAR(w->longitude(), mm + tervano::SexagesimalToDegrees(12.27084), 1e-12);
    EXPECT_EQ(text("Text12"), "15° 00' 00.0000''");
    click("Command4");
    EXPECT_EQ(m.CopiedCoordinates.Kind, CopiedKind::Geographic);
    EXPECT_NEAR(m.CopiedCoordinates.Longitude, w->longitude(), 1e-15);
    choose("Option1_1");
    EXPECT_TRUE(current->findChild<QLabel*>("Label1")->isHidden());
}

TEST_F(PiaGeo, CopyAndPasteBetweenTheTwoWindows) {
    // Plane point from the geographic window, pasted here.
    m.CopiedCoordinates = {};
    auto* geo = reopen<frmGeoPia>();
    EXPECT_FALSE(enabled("Command5")); // nothing to paste
    type("Text7", "41.5");
    type("Text8", "-0.2");
    click("Command1");
    const QString north = text("Text3"), east = text("Text4");
    click("Command4");
    EXPECT_FALSE(enabled("Command4"));
    EXPECT_EQ(m.CopiedCoordinates.Kind, CopiedKind::Plane);
    EXPECT_NEAR(m.CopiedCoordinates.East, Metres(east), 0.0005); // the membership zone, not the overlap
    EXPECT_FALSE(enabled("Command5"));                           // kind 1 is not for this window
    (void)geo;
    current->close(); // deleted on close
    ASSERT_TRUE(closed());
    EXPECT_TRUE(mainWindow.isEnabled());

    w = open<frmPiaGeo>();
    EXPECT_TRUE(enabled("Command5"));
    click("Command5");
    EXPECT_EQ(text("Text9"), north);
    EXPECT_EQ(text("Text10"), east);
    EXPECT_TRUE(box("Text9")->isVisible());
    EXPECT_TRUE(enabled("Command1"));
    EXPECT_TRUE(enabled("Command3"));
    for (const char* b : {"Command4", "Command5", "Command6"})
        EXPECT_FALSE(enabled(b)) << b;
    click("Command1");
    EXPECT_EQ(text("Text11"), "41° 50' 00.0000''");
    EXPECT_EQ(text("Text12"), "-0° 20' 00.0000''");
    click("Command4");
    EXPECT_EQ(m.CopiedCoordinates.Kind, CopiedKind::Geographic);

    // And back: in grads the latitude reads as typed there.
    setAngleUnit(3);
    current->close();
    ASSERT_TRUE(closed());
    open<frmGeoPia>();
    EXPECT_TRUE(enabled("Command5"));
    click("Command5");
    EXPECT_EQ(text("Text1"), QString::fromStdString(
                                 tervano::FormatPattern((41.0 + 50.0 / 60.0) * 10.0 / 9.0, "##0.00000000")));
    click("Command1");
    EXPECT_EQ(text("Text3"), north);
    EXPECT_EQ(text("Text4"), east);
}

TEST_F(PiaGeo, OptionsFollowTheirCheckedStateHoweverItChanges) {
    // Checked without a click (keyboard, accessibility): captions, description,
    // zone choice and computation follow, and the shown result is dropped.
    setAngleUnit(2);
    w = reopen<frmPiaGeo>();
    compute("4640000", "2520000");
    ASSERT_TRUE(fake.messages.shown.empty());
    ASSERT_FALSE(text("Text11").isEmpty());
    ASSERT_TRUE(enabled("Command4"));
    const QString roma40 = current->findChild<QLabel*>("Label7")->text();
    option("Option1_2")->setChecked(true);
    EXPECT_EQ(w->planePage().system(), tervano::System::WGS84);
    EXPECT_EQ(frame("Frame3")->title(), "Coordinate Piane UTM-WGS84");
    EXPECT_EQ(frame("Frame5")->title(), "Coordinate Geografiche WGS84");
    EXPECT_FALSE(frame("Frame4")->isHidden());
    EXPECT_NE(current->findChild<QLabel*>("Label7")->text(), roma40);
    EXPECT_TRUE(current->findChild<QLabel*>("Label7")->text().startsWith(
        QString::fromUtf8(tervano::PlaneSystemDescription(3)[0])));
    EXPECT_TRUE(text("Text11").isEmpty());
    EXPECT_FALSE(enabled("Command4"));
    EXPECT_FALSE(enabled("Command6"));
    option("Option4_1")->setChecked(true);
    EXPECT_EQ(w->planePage().zone(), tervano::PlaneZone::UTM33);
    type("Text14", "500000");
    click("Command1");
    ASSERT_TRUE(fake.messages.shown.empty());
    EXPECT_EQ(w->planePage().resultZone(), tervano::PlaneZone::UTM33);
    EXPECT_EQ(text("Text12"), "15.00000000°"); // on the meridian of zone 33, not of 32
    EXPECT_TRUE(enabled("Command4"));
    // Back to ROMA40 by setChecked: its captions and no zone choice.
    option("Option1_0")->setChecked(true);
    EXPECT_EQ(frame("Frame3")->title(), "Coordinate Piane GAUSS BOAGA");
    EXPECT_TRUE(frame("Frame4")->isHidden());
    EXPECT_EQ(current->findChild<QLabel*>("Label7")->text(), roma40);
    EXPECT_TRUE(text("Text12").isEmpty());
}

TEST_F(PiaGeo, PrintedBlockRepeatsWhatTheWindowShows) {
    // Greenwich longitudes, a point name with a comma, the zone found from East.
    m.LongitudeOrigin = 2;
    w = reopen<frmPiaGeo>();
    compute("4640000", "2520000");
    box("Text1")->setText(QStringLiteral("PT1, vertice"));
    click("Command6");
    const auto& doc = fake.printer.pending();
    ASSERT_EQ(doc.size(), 8u + 1 + 7 + 1 + 2 + 6 + 2);
    EXPECT_EQ(doc[3].text, "TRASFORMAZIONE COORDINATE DA PIANE A GEOGRAFICHE");
    EXPECT_EQ(doc[8].text, "Sistema Geodetico di riferimento: ROMA40 (Sistema Nazionale)");
    EXPECT_EQ(doc[17].text, "Punto: PT1, vertice");
    EXPECT_EQ(doc[19].text, "Coordinate Piane GAUSS BOAGA: Fuso Est");
    EXPECT_TRUE(doc[19].bold);
    const QString gap(14, QLatin1Char(' '));
    EXPECT_EQ(doc[20].text, "Nord: " + text("Text9") + gap + "Est: " + text("Text10"));
    EXPECT_FALSE(doc[20].bold);
    EXPECT_EQ(doc[22].text, "Coordinate Geografiche ROMA40  (Long. da Greenwich)");
    EXPECT_EQ(doc[23].text, "Latitudine: " + text("Text11") + gap + "Longitudine: " + text("Text12"));
    EXPECT_EQ(text("Text12"), "15° 00' 00.0000''");
    EXPECT_EQ(doc[25].text, QString(62, QLatin1Char('_')));
}

TEST_F(PiaGeo, LeavingWithAnOpenQueue) {
    compute("4640000", "2520000");
    click("Command6");
    EXPECT_TRUE(m.QueueOpen);
    EXPECT_TRUE(enabled("Command7"));
    // "ESCI" answered No: nothing happens.
    fake.messages.answers = {MessageAnswer::No};
    click("Command2");
    ASSERT_FALSE(closed());
    EXPECT_EQ(fake.messages.last().text, "LA CODA DI STAMPA NON E' VUOTA,\rUSCIRE UGUALMENTE ?");
    EXPECT_EQ(fake.messages.last().icon, MessageIcon::Exclamation);
    EXPECT_EQ(fake.messages.last().buttons, MessageButtons::YesNo);
    EXPECT_TRUE(m.QueueOpen);
    EXPECT_FALSE(mainWindow.isEnabled());
    // Yes: discarded, closed, no second question.
    fake.messages.answers = {MessageAnswer::Yes};
    click("Command2");
    EXPECT_TRUE(closed());
    EXPECT_EQ(fake.messages.shown.size(), 2u);
    EXPECT_FALSE(m.QueueOpen);
    EXPECT_EQ(fake.printer.discarded, 1);
    EXPECT_TRUE(fake.printer.ended.empty());
    EXPECT_TRUE(mainWindow.isEnabled());

    // Closed from the title bar: No prints the page, Yes discards it.
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        w = open<frmPiaGeo>();
        EXPECT_FALSE(m.QueueOpen);
        compute("4640000", "2520000");
        click("Command6");
        fake.messages.answers = {answer};
        fake.messages.shown.clear();
        current->close();
        EXPECT_TRUE(closed());
        ASSERT_EQ(fake.messages.shown.size(), 1u);
        EXPECT_EQ(fake.messages.last().text, "LA CODA DI STAMPA NON E' VUOTA,\rELIMINARE SENZA STAMPARE ?");
        EXPECT_FALSE(m.QueueOpen);
    }
    EXPECT_EQ(fake.printer.ended.size(), 1u);
    EXPECT_EQ(fake.printer.discarded, 2);

    // Without a printer nothing is asked and "ACCODA" never lights up.
    m.PrinterPresent = false;
    w = open<frmPiaGeo>();
    compute("4640000", "2520000");
    EXPECT_TRUE(enabled("Command4"));
    EXPECT_FALSE(enabled("Command6"));
    fake.messages.shown.clear();
    click("Command2");
    EXPECT_TRUE(closed());
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(PiaGeo, ItalianLocaleShowsDecimalCommas) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    setAngleUnit(2);
    w = reopen<frmPiaGeo>();
    type("Text13", "4640123,4567");
    EXPECT_EQ(text("Text13"), "4640123.4567");
    EXPECT_EQ(text("Text9"), "4 640 123,457");
    type("Text14", "2520000");
    click("Command1");
    EXPECT_TRUE(text("Text11").contains(QLatin1Char(',')));
    EXPECT_FALSE(text("Text11").contains(QLatin1Char('.')));
    reopen<frmGeoPia>();
    type("Text7", "45,5");
    EXPECT_EQ(text("Text1"), "45,50000000°");
    type("Text8", "1");
    click("Command1");
    EXPECT_TRUE(text("Text3").contains(QLatin1Char(',')));
    QLocale::setDefault(saved);
}

} // namespace
