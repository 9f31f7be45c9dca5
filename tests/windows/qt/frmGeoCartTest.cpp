#include "windows/qt/frmGeoCart.h"
#include "geodesy/CartesianConversions.h"
#include "geodesy/TextNumbers.h"
#include "windows/qt/frmCartGeo.h"

#include "support/WindowFixture.h"

#include <QLabel>

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
#include <GeographicLib/Geocentric.hpp>
#endif

// The geographic <-> cartesian windows: axis choice, checks, copy and paste
// between them, printed blocks.
namespace {

class Cartesian : public WindowFixture {
protected:
    void compute(const char* a, const char* b, const char* c) {
        type("Text1", QString::fromLatin1(a));
        type("Text2", QString::fromLatin1(b));
        type("Text3", QString::fromLatin1(c));
        click("Command1");
    }
    bool shown(const char* frameName) const { return !frame(frameName)->isHidden(); }
};

struct Row {
    int size;
    bool bold;
    QString text;
};

void ExpectRows(const std::vector<PrintedLine>& lines, size_t from, const std::vector<Row>& rows) {
    ASSERT_GE(lines.size(), from + rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const PrintedLine& l = lines[from + i];
        SCOPED_TRACE("line " + std::to_string(from + i) + ": " + rows[i].text.toStdString());
        EXPECT_EQ(l.text.toStdString(), rows[i].text.toStdString());
        EXPECT_EQ(l.font, "Arial");
        EXPECT_EQ(l.size, rows[i].size);
        EXPECT_EQ(l.bold, rows[i].bold);
    }
}

std::vector<Row> BlockStart(int system, const QString& caption, const QString& point) {
    std::vector<Row> rows{{11, true, "Sistema Geodetico di riferimento: " + caption}};
    for (const char* l : tervano::CartesianSystemDescription(system))
        rows.push_back({8, false, QString::fromUtf8(l)});
    rows.push_back({8, false, ""});
    rows.push_back({11, false, "Punto: " + point});
    rows.push_back({11, false, ""});
    return rows;
}

TEST_F(Cartesian, LabelsAndCaptionsOfBothWindows) {
    const char* const axisNote =
        "Per il sistema ROMA40 è stata selezionata l'opzione che colloca l'origine delle "
        "longitudini sul meridiano di  Greenwich, conseguentemente il programma %1 su "
        "tale meridiano anche l'asse X del sistema cartesiano.";
    struct Expected {
        const char *name, *text;
    };
    auto expectLabels = [this](std::initializer_list<Expected> labels) {
        for (const Expected& e : labels) {
            auto* l = current->findChild<QLabel*>(QString::fromLatin1(e.name));
            ASSERT_TRUE(l) << e.name;
            EXPECT_EQ(l->text(), QString::fromUtf8(e.text)) << e.name;
        }
    };
    m.LongitudeOrigin = 2;
    open<frmGeoCart>();
    expectLabels({{"Label1", "φ ="},
                  {"Label2", "λ ="},
                  {"Label3", "H ="},
                  {"Label4", "X ="},
                  {"Label5", "Y ="},
                  {"Label6", "Z ="},
                  {"Label8", "λ ="},
                  {"Label9", "              ATTENZIONE:"},
                  {"Label11", "Unità di misura degli angoli selezionata:"},
                  {"Label12", "Sessagesimali"}});
    EXPECT_EQ(current->findChild<QLabel*>("Label10")->text(), QString::fromUtf8(axisNote).arg("pone"));
    EXPECT_EQ(box("Text11")->toolTip(), "Numero e/o nome del punto");
    EXPECT_EQ(frame("Frame5")->title(), "Origine delle longitudini Greenwich");
    EXPECT_EQ(frame("Frame6")->title(), "Denominazione del punto (opzionale)");

    reopen<frmCartGeo>();
    EXPECT_EQ(current->windowTitle(), "Cartesiane - Geografiche");
    expectLabels({{"Label18", "X ="},
                  {"Label19", "Y ="},
                  {"Label20", "Z ="},
                  {"Label21", "φ ="},
                  {"Label22", "λ ="},
                  {"Label23", "H ="},
                  {"Label1", "Unità di misura degli angoli selezionata:"},
                  {"Label12", "Sessagesimali"}});
    EXPECT_EQ(current->findChild<QLabel*>("Label11")->text(), QString::fromUtf8(axisNote).arg("ha posto"));
    EXPECT_EQ(frame("Frame2")->title(), "Coord. Cartesiane Ellissocentriche ROMA40");
    EXPECT_EQ(frame("Frame3")->title(), "Coordinate Geografiche ROMA40");
    EXPECT_EQ(box("Text2")->toolTip(), "Coordinata Y in metri");
    EXPECT_EQ(box("Text9")->toolTip(), "Coordinata Z in metri");
    choose("Option1_2");
    EXPECT_EQ(frame("Frame2")->title(), "Coord. Cartesiane Ellissocentriche WGS84");
    EXPECT_EQ(frame("Frame3")->title(), "Coordinate Geografiche WGS84");
}

TEST_F(Cartesian, RoundTripThroughCopyAndPasteForEverySystemAndAxis) {
    for (int system = 0; system < 3; ++system) {
        for (int axis = 0; axis < 2; ++axis) {
            SCOPED_TRACE(testing::Message() << "system " << system << " axis " << axis);
            m.CopiedCoordinates = {};
            reopen<frmGeoCart>();
            choose(QStringLiteral("Option1_%1").arg(system).toLatin1().constData());
            if (system == 0)
                choose(QStringLiteral("Option2_%1").arg(axis).toLatin1().constData());
            compute("41.5525123", "-0.2", "1234.5678");
            const QString lat = text("Text7"), lon = text("Text8"), h = text("Text9");
            const QString x = text("Text4"), y = text("Text5"), z = text("Text6");
            ASSERT_FALSE(x.isEmpty());
            click("Command4");
            EXPECT_EQ(m.CopiedCoordinates.Kind, CopiedKind::Cartesian);
            EXPECT_EQ(m.CopiedCoordinates.AxisChoice, system == 0 ? axis + 1 : 1);

            reopen<frmCartGeo>();
            EXPECT_TRUE(enabled("Command5"));
            choose(QStringLiteral("Option1_%1").arg(system).toLatin1().constData());
            click("Command5");
            EXPECT_EQ(option("Option2_1")->isChecked(), system == 0 && axis == 1);
            EXPECT_EQ(text("Text7"), x);
            EXPECT_EQ(text("Text8"), y);
            EXPECT_EQ(text("Text9"), z);
            click("Command1");
            EXPECT_EQ(text("Text4"), lat);
            EXPECT_EQ(text("Text5"), lon);
            EXPECT_EQ(text("Text6"), h);
            click("Command4");
            EXPECT_EQ(m.CopiedCoordinates.Kind, CopiedKind::GeographicHeight);

            // Kind 4 brings the height and the XZ plane it was computed with.
            reopen<frmGeoCart>();
            choose(QStringLiteral("Option1_%1").arg(system).toLatin1().constData());
            choose(axis == 0 ? "Option2_1" : "Option2_0");
            EXPECT_TRUE(enabled("Command5"));
            click("Command5");
            EXPECT_EQ(option("Option2_1")->isChecked(), system == 0 && axis == 1);
            EXPECT_EQ(text("Text9"), h);
            EXPECT_TRUE(box("Text9")->isVisible());
            click("Command1");
            EXPECT_EQ(text("Text4"), x);
            EXPECT_EQ(text("Text5"), y);
            EXPECT_EQ(text("Text6"), z);
        }
    }
}

TEST_F(Cartesian, MonteMarioAxisShiftAndItsFrames) {
    auto* w = open<frmGeoCart>();
    EXPECT_EQ(w->windowTitle(), "Geografiche - Cartesiane");
    EXPECT_TRUE(shown("Frame4"));
    EXPECT_FALSE(shown("Frame5"));
    EXPECT_FALSE(shown("Frame7"));
    EXPECT_EQ(frame("Frame2")->title(), "Coordinate Geografiche ROMA40");
    EXPECT_EQ(frame("Frame3")->title(), "Coord. Cartesiane Ellissocentriche ROMA40");
    EXPECT_EQ(box("Text1")->toolTip(), "Latitudine in Sessagesimali (gg.ppssdddd)");
    EXPECT_EQ(box("Text3")->toolTip(), "Quota ellissoidica in metri");

    choose("Option2_1");
    EXPECT_TRUE(shown("Frame5"));
    compute("41.54", "0", "0");
    EXPECT_EQ(text("Text10"), "12° 27' 08.4000''");
#ifdef TERVANO_HAVE_GEOGRAPHICLIB
    const GeographicLib::Geocentric hayford(6378388.0, 1.0 / 297.0);
    double x = 0, y = 0, z = 0;
    hayford.Forward(41.9, 12.4523333333333, 0.0, x, y, z);
    EXPECT_NEAR(w->cartX(), x, 0.001);
    EXPECT_NEAR(w->cartY(), y, 0.001);
    EXPECT_NEAR(w->cartZ(), z, 0.001);
    EXPECT_NEAR(Metres(text("Text5")), y, 0.001);
#endif
    // An axis change empties the results; through Monte Mario the point lies in the XZ plane.
    choose("Option2_0");
    EXPECT_TRUE(text("Text4").isEmpty());
    EXPECT_TRUE(text("Text10").isEmpty());
    EXPECT_FALSE(shown("Frame5"));
    click("Command1");
    EXPECT_EQ(text("Text5").trimmed(), "0.000");

    // ED50 and WGS84 have no axis choice and ignore the one made for ROMA40.
    choose("Option2_1");
    choose("Option1_1");
    EXPECT_FALSE(shown("Frame4"));
    EXPECT_FALSE(shown("Frame5"));
    EXPECT_EQ(frame("Frame3")->title(), "Coord. Cartesiane Ellissocentriche ED50");
    click("Command1");
    EXPECT_EQ(text("Text5").trimmed(), "0.000");
    EXPECT_TRUE(text("Text10").isEmpty());

    // Greenwich longitudes: the notice replaces the axis choice, and a longitude
    // typed from Greenwich is not shifted a second time.
    m.LongitudeOrigin = 2;
    reopen<frmCartGeo>();
    EXPECT_TRUE(shown("Frame7"));
    EXPECT_FALSE(shown("Frame4"));
    EXPECT_FALSE(shown("Frame5"));
    m.CopiedCoordinates.AxisChoice = 2;
    m.CopiedCoordinates.SystemCode = 1;
    m.CopiedCoordinates.Kind = CopiedKind::Cartesian;
    m.CopiedCoordinates.X = 4500000;
    m.CopiedCoordinates.Y = 0;
    m.CopiedCoordinates.Z = 4400000;
    reopen<frmCartGeo>();
    click("Command5");
    click("Command1");
    EXPECT_EQ(text("Text5"), "0° 00' 00.0000''");
    EXPECT_FALSE(shown("Frame5"));
    choose("Option1_2");
    EXPECT_FALSE(shown("Frame7"));
}

TEST_F(Cartesian, OptionsFollowTheirCheckedStateHoweverItChanges) {
    // Checked without a click: the XZ plane, the captions and the computation follow.
    auto* w = open<frmGeoCart>();
    compute("41.54", "0", "0");
    ASSERT_TRUE(enabled("Command4"));
    option("Option2_1")->setChecked(true);
    EXPECT_EQ(w->cartesianPage().axis(), tervano::XAxis::ThroughGreenwich);
    EXPECT_TRUE(shown("Frame5"));
    EXPECT_TRUE(text("Text4").isEmpty());
    EXPECT_FALSE(enabled("Command4"));
    click("Command1");
    EXPECT_EQ(text("Text10"), "12° 27' 08.4000''");
    EXPECT_NE(text("Text5").trimmed(), "0.000");
    const QString roma40 = current->findChild<QLabel*>("Label7")->text();
    option("Option1_2")->setChecked(true);
    EXPECT_EQ(w->cartesianPage().system(), tervano::System::WGS84);
    EXPECT_EQ(frame("Frame2")->title(), "Coordinate Geografiche WGS84");
    EXPECT_EQ(frame("Frame3")->title(), "Coord. Cartesiane Ellissocentriche WGS84");
    EXPECT_FALSE(shown("Frame4"));
    EXPECT_FALSE(shown("Frame5"));
    EXPECT_NE(current->findChild<QLabel*>("Label7")->text(), roma40);
    EXPECT_TRUE(text("Text10").isEmpty());
    EXPECT_FALSE(enabled("Command4"));
#ifdef TERVANO_HAVE_GEOGRAPHICLIB
    click("Command1");
    const GeographicLib::Geocentric grs80(6378137.0, 1.0 / 298.257222101);
    double x = 0, y = 0, z = 0;
    grs80.Forward(41.9, 0.0, 0.0, x, y, z);
    EXPECT_NEAR(w->cartX(), x, 0.001);
    EXPECT_NEAR(w->cartZ(), z, 0.001);
#endif

    // The cartesian window likewise, and the settings dialog's new origin
    // moves a typed ROMA40 longitude only while ROMA40 is selected.
    reopen<frmCartGeo>();
    option("Option1_1")->setChecked(true);
    EXPECT_EQ(frame("Frame2")->title(), "Coord. Cartesiane Ellissocentriche ED50");
    EXPECT_EQ(frame("Frame3")->title(), "Coordinate Geografiche ED50");
    auto* g = reopen<frmGeoCart>();
    type("Text2", "0");
    m.LongitudeOrigin = 2;
    g->applySettings();
    EXPECT_EQ(text("Text8"), "12° 27' 08.4000''");
    EXPECT_TRUE(shown("Frame7"));
    EXPECT_FALSE(shown("Frame4"));
    m.LongitudeOrigin = 1;
    g->applySettings();
    EXPECT_EQ(text("Text8"), "0° 00' 00.0000''");
    option("Option1_1")->setChecked(true);
    m.LongitudeOrigin = 2;
    g->applySettings();
    EXPECT_EQ(text("Text8"), "0° 00' 00.0000''");
    EXPECT_FALSE(shown("Frame7"));
}

TEST_F(Cartesian, RangeChecksAtTheirLimits) {
    open<frmGeoCart>();
    setAngleUnit(2);
    reopen<frmGeoCart>();
    struct Case {
        const char *lat, *lon, *h, *message;
        MessageIcon icon;
        const char* focus;
    };
    const Case geo[] = {
        {"90", "-180", "-10000", nullptr, MessageIcon::Stop, nullptr},
        {"-90", "180", "10000", nullptr, MessageIcon::Stop, nullptr},
        {"90.0000001", "0", "0", "VALORE DELLA LATITUDINE\rNON AMMISSIBILE", MessageIcon::Stop, "Text1"},
        {"0", "180.0000001", "0", "VALORE DELLA LONGITUDINE\rNON AMMISSIBILE", MessageIcon::Stop, "Text2"},
        {"0", "0", "10000.001", "VALORE DELLA QUOTA\rNON AMMESSO DAL PROGRAMMA", MessageIcon::Exclamation,
         "Text3"},
    };
    for (const Case& c : geo) {
        SCOPED_TRACE(std::string(c.lat) + " " + c.lon + " " + c.h);
        fake.messages.shown.clear();
        click("Command3");
        compute(c.lat, c.lon, c.h);
        if (!c.message) {
            EXPECT_TRUE(fake.messages.shown.empty());
            EXPECT_FALSE(text("Text4").isEmpty());
            EXPECT_TRUE(enabled("Command4"));
            continue;
        }
        ASSERT_EQ(fake.messages.shown.size(), 1u);
        EXPECT_EQ(fake.messages.last().text, c.message);
        EXPECT_EQ(fake.messages.last().icon, c.icon);
        EXPECT_TRUE(focused(c.focus));
        EXPECT_TRUE(text("Text4").isEmpty());
        EXPECT_FALSE(enabled("Command4"));
    }

    reopen<frmCartGeo>();
    const Case cart[] = {
        {"6400000", "-6400000", "6400000", nullptr, MessageIcon::Stop, nullptr},
        {"-6400000.001", "0", "0", "VALORE DELLA X NON\rAMMESSO DAL PROGRAMMA", MessageIcon::Exclamation,
         "Text1"},
        {"1", "6400000.001", "0", "VALORE DELLA Y NON\rMMESSO DAL PROGRAMMA", MessageIcon::Exclamation,
         "Text2"},
        {"1", "0", "6400000.001", "VALORE DELLA Z NON\rAMMESSO DAL PROGRAMMA", MessageIcon::Exclamation,
         "Text3"},
        {"0", "0", "6000000", "VALORI DELLE COORDINATE\rCARTESIANE NON AMMISSIBILI", MessageIcon::Exclamation,
         "Text1"},
    };
    for (const Case& c : cart) {
        SCOPED_TRACE(std::string(c.lat) + " " + c.lon + " " + c.h);
        fake.messages.shown.clear();
        click("Command3");
        compute(c.lat, c.lon, c.h);
        if (!c.message) {
            EXPECT_TRUE(fake.messages.shown.empty());
            EXPECT_FALSE(text("Text4").isEmpty());
            continue;
        }
        ASSERT_EQ(fake.messages.shown.size(), 1u);
        EXPECT_EQ(fake.messages.last().text, c.message);
        EXPECT_EQ(fake.messages.last().icon, c.icon);
        EXPECT_TRUE(focused(c.focus));
        EXPECT_TRUE(text("Text4").isEmpty());
        EXPECT_FALSE(enabled("Command4"));
        EXPECT_FALSE(enabled("Command6"));
    }
    // X < 0 and X = 0 keep their true longitudes.
    choose("Option1_2");
    compute("-4000000", "1000000", "4000000");
    EXPECT_EQ(text("Text5"), QString::fromStdString(tervano::FormatResultAngle(165.96375653207352, 2)));
    compute("0", "-4000000", "4000000");
    EXPECT_EQ(text("Text5"), "-90.00000000°");
}

TEST_F(Cartesian, PrintedBlocksWithTheirOptionalRows) {
    const QString gap(9, ' ');
    open<frmGeoCart>();
    choose("Option2_1");
    compute("41.54", "0", "100");
    box("Text11")->setText("P1");
    click("Command6");
    std::vector<Row> expected = BlockStart(1, "ROMA40 (Sistema Nazionale)", "P1");
    const std::vector<Row> rest{
        {11, true, "Coordinate Geografiche ROMA40"},
        {11, false,
         "Lat.: 41° 54' 00.0000''" + gap + "Long.: 0° 00' 00.0000''" + gap + "Q. ellis.: " + text("Text9")},
        {11, false, "Long. da Greenwich: 12° 27' 08.4000''"},
        {11, false, ""},
        {11, true, "Coord. Cartesiane Ellissocentriche ROMA40  (Asse X per Greenwich)"},
        {11, false, "X: " + text("Text4") + gap + "Y: " + text("Text5") + gap + "Z: " + text("Text6")},
        {11, false, ""},
        {11, false, QString(62, '_')},
        {11, false, ""}};
    expected.insert(expected.end(), rest.begin(), rest.end());
    const auto& doc = fake.printer.pending();
    ASSERT_EQ(doc.size(), 8 + expected.size());
    EXPECT_EQ(doc[3].text, "TRASFORMAZIONE COORDINATE DA GEOGRAFICHE A CARTESIANE");
    ExpectRows(doc, 8, expected);

    // Through Monte Mario: no Greenwich row and no axis note.
    choose("Option2_0");
    click("Command1");
    click("Command6");
    const size_t second = 8 + expected.size();
    ASSERT_EQ(doc.size(), second + expected.size() - 1);
    EXPECT_EQ(doc[second + 14].text, "Coord. Cartesiane Ellissocentriche ROMA40");

    // The cartesian window with ED50, and then ROMA40 with Greenwich longitudes.
    reopen<frmCartGeo>();
    choose("Option1_1");
    compute("4500000", "1000000", "4400000");
    size_t start = fake.printer.pending().size();
    click("Command6");
    const auto& cart = fake.printer.pending();
    EXPECT_EQ(cart[start + 3].text, "TRASFORMAZIONE COORDINATE DA CARTESIANE A GEOGRAFICHE");
    std::vector<Row> ed = BlockStart(2, "ED50 (European Datum 1950)", "");
    const std::vector<Row> edRest{
        {11, true, "Coord. Cartesiane Ellissocentriche ED50"},
        {11, false, "X: 4 500 000.000" + gap + "Y: 1 000 000.000" + gap + "Z: 4 400 000.000"},
        {11, false, ""},
        {11, true, "Coordinate Geografiche ED50"},
        {11, false,
         "Lat.: " + text("Text4") + gap + "Long.: " + text("Text5") + gap +
             "Quota elliss.: " + text("Text6")},
        {11, false, ""},
        {11, false, QString(62, '_')},
        {11, false, ""}};
    ed.insert(ed.end(), edRest.begin(), edRest.end());
    ASSERT_EQ(cart.size(), start + 8 + ed.size());
    ExpectRows(cart, start + 8, ed);

    m.LongitudeOrigin = 2;
    reopen<frmCartGeo>();
    choose("Option2_1"); // hidden behind the notice, but a paste could select it
    compute("4500000", "0", "4400000");
    start = fake.printer.pending().size() + 8;
    click("Command6");
    const auto& gw = fake.printer.pending();
    EXPECT_EQ(gw[start + 11].text, "Coord. Cartesiane Ellissocentriche ROMA40  (Asse X per Greenwich)");
    EXPECT_EQ(gw[start + 14].text, "Coordinate Geografiche ROMA40  (Long. da Greenwich)");
    EXPECT_TRUE(gw[start + 15].text.contains("Long.: 0° 00' 00.0000''"));
    EXPECT_EQ(gw[start + 16].text, ""); // no Greenwich row: the longitude already counts from there
}

} // namespace
