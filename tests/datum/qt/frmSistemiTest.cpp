#include "datum/qt/frmSistemi.h"

#include "app/CommonPointLoading.h"
#include "datum/SystemChange.h"
#include "geodesy/ReferenceSystems.h"
#include "geodesy/TextNumbers.h"
#include "support/WindowFixture.h"

#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace tervano;

namespace {

class Sistemi : public WindowFixture {
protected:
    frmSistemi* w = nullptr;

    void SetUp() override {
        ASSERT_TRUE(m.commonPointsLoaded); // by the start-up, from the sources' data folder
        w = open<frmSistemi>();
    }
    QLabel* label(const char* name) const { return current->findChild<QLabel*>(QString::fromLatin1(name)); }
    void tab(int index) {
        QTabBar* bar = current->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    bool shown(const char* name) const { return box(name)->isVisible(); }
    // On the plane tab, ED50 UTM 33 North 4 640 123.456, East 412 345.678 to ROMA40.
    void convertUtm33PointToRoma40() {
        tab(1);
        choose("Option2_2"); // ROMA40 -> WGS84 first frees ED50 for the source
        choose("Option1_1");
        choose("Option2_0");
        type("Text9", "4640123.456");
        type("Text10", "412345.678");
        type("Text14", "33");
        click("Command1");
    }
    QString lastMessage() const {
        return fake.messages.shown.empty() ? QString() : fake.messages.last().text;
    }
};

} // namespace

TEST_F(Sistemi, OptionsExcludeEachOtherAndCaptionsFollowTabAndSystems) {
    EXPECT_EQ(w->windowTitle(), "Passaggio fra Sistemi");
    EXPECT_TRUE(option("Option1_0")->isChecked());
    EXPECT_TRUE(option("Option2_1")->isChecked());
    EXPECT_FALSE(option("Option2_0")->isEnabled()); // ROMA40 cannot be the target
    EXPECT_FALSE(option("Option1_1")->isEnabled()); // ED50 cannot be the source
    EXPECT_EQ(frame("Frame1")->title(), "Coordinate geografiche ROMA40");
    EXPECT_EQ(frame("Frame3")->title(), "Coordinate geografiche ED50");
    EXPECT_EQ(option("Option1_2")->text(), "WGS84");
    for (const char* b : {"Command1", "Command3", "Command4", "Command5", "Command6", "Command7"})
        EXPECT_FALSE(enabled(b)) << b;
    EXPECT_EQ(label("Label10")->text(), "Sessagesimali");
    EXPECT_EQ(box("Text5")->toolTip(), "Latitudine in Sessagesimali (gg.ppssdddd)");
    EXPECT_EQ(box("Text2")->toolTip(), "Longitudine in Sessagesimali (gg.ppssdddd)");
    EXPECT_FALSE(label("Label8")->isVisible());

    // WGS84 as source: WGS84 leaves the target side, the target stays ED50.
    choose("Option1_2");
    EXPECT_EQ(w->sourceSystem(), WGS84);
    EXPECT_FALSE(option("Option2_2")->isEnabled());
    EXPECT_TRUE(option("Option2_0")->isEnabled());
    EXPECT_TRUE(option("Option2_1")->isChecked());
    EXPECT_EQ(frame("Frame1")->title(), "Coordinate geografiche WGS84");

    // The plane tab: plane captions, unit line hidden, North edit box focused.
    tab(1);
    EXPECT_EQ(option("Option1_0")->text(), "GAUSS-BOAGA");
    EXPECT_EQ(option("Option2_2")->text(), "UTM (WGS84)");
    EXPECT_EQ(frame("Frame6")->title(), "Coordinate piane UTM-WGS84");
    EXPECT_EQ(frame("Frame5")->title(), "Coordinate piane UTM-ED50");
    EXPECT_FALSE(label("Label9")->isVisible());
    EXPECT_FALSE(label("Label10")->isVisible());
    EXPECT_TRUE(focused("Text9"));
    EXPECT_TRUE(shown("Text14") && shown("Text15"));

    // Enter: North, East, zone (UTM source), then "ESEGUI".
    type("Text9", "4600000");
    EXPECT_TRUE(focused("Text10"));
    type("Text10", "400000");
    EXPECT_TRUE(focused("Text14"));
    type("Text14", "33");
    EXPECT_EQ(QApplication::focusWidget(), button("Command1"));
    EXPECT_EQ(text("Text13"), "33");

    // ROMA40 source: no zone field, Enter in East goes to "ESEGUI".
    choose("Option1_0");
    EXPECT_FALSE(shown("Text14") || shown("Text13") || label("Label14")->isVisible());
    type("Text10", "2400000");
    EXPECT_EQ(QApplication::focusWidget(), button("Command1"));

    // ED50 chosen as source on the plane tab reads "UTM (ED50)" until the tab takes the focus.
    choose("Option2_2");
    choose("Option1_1");
    EXPECT_EQ(frame("Frame6")->title(), "Coordinate piane UTM (ED50)");
    EXPECT_EQ(text("Text13"), "33"); // the zone typed before
    tab(0);
    EXPECT_EQ(option("Option1_1")->text(), "ED50");
    EXPECT_TRUE(label("Label9")->isVisible());
    EXPECT_TRUE(focused("Text5"));
    tab(1);
    EXPECT_EQ(frame("Frame6")->title(), "Coordinate piane UTM-ED50");
    // A ROMA40 target has no zone number.
    choose("Option2_0");
    EXPECT_FALSE(shown("Text15") || label("Label11")->isVisible());
    // The tab taking the focus writes the ROMA40 target caption with a trailing blank.
    tab(0);
    EXPECT_EQ(frame("Frame3")->title(), "Coordinate geografiche ROMA40 ");
}

TEST_F(Sistemi, TypedValuesShownAsFinelyAsTheResults) {
    struct Case {
        int unit;
        const char* typed;
        const char* shown;
    };
    // Seconds to tenths and minutes to thousandths, carried when they round to 60.
    for (const Case& c : {Case{1, "41.4559996", "41° 46' 00.0''"}, Case{1, "41.4525123", "41° 45' 25.1''"},
                          Case{2, "12.123456", "12.12346°"}, Case{3, "50", "50.00000"},
                          Case{4, "12.5999996", "13° 00.000'"}, Case{4, "12.305", "12° 30.500'"}}) {
        setAngleUnit(c.unit);
        w = reopen<frmSistemi>();
        type("Text5", c.typed);
        EXPECT_EQ(text("Text1"), c.shown) << c.typed;
    }
    tab(1);
    type("Text9", "4640123.5");
    type("Text10", "412345.678");
    EXPECT_EQ(text("Text7"), "4 640 124");
    EXPECT_EQ(text("Text8"), " 412 346");
}

TEST_F(Sistemi, GeographicConversionCopyAndInvalidation) {
    m.LongitudeOrigin = 2;
    setAngleUnit(2);
    w = reopen<frmSistemi>();
    EXPECT_TRUE(label("Label8")->isVisible());
    EXPECT_FALSE(label("Label5")->isVisible());
    // A notice on one side only leaves the source and result frames alike wide.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_EQ(frame("Frame1")->width(), frame("Frame3")->width());
    // Monte Mario typed from Greenwich, to ED50.
    type("Text5", "41.92375278");
    EXPECT_TRUE(focused("Text6"));
    type("Text6", "12.45233333");
    EXPECT_EQ(QApplication::focusWidget(), button("Command1"));
    click("Command1");
    const ChangeOutcome r = ChangeGeographic(m.commonPoints, {ROMA40, ED50, 2, 41.92375278, 12.45233333});
    EXPECT_EQ(text("Text3"), QString::fromStdString(FormatPattern(r.latitude, "#0.00000°")));
    EXPECT_EQ(text("Text4"), QString::fromStdString(FormatPattern(r.longitude, "#0.00000°")));
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_EQ(w->sourceZone(), GBEst);
    EXPECT_EQ(w->targetZone(), UTM33);
    EXPECT_TRUE(enabled("Command4") && enabled("Command6"));

    click("Command4");
    EXPECT_EQ(m.CopiedCoordinates.Kind, CopiedKind::Geographic);
    EXPECT_EQ(m.CopiedCoordinates.Latitude, r.latitude);
    EXPECT_EQ(m.CopiedCoordinates.Longitude, r.longitude);
    EXPECT_FALSE(enabled("Command4"));
    EXPECT_TRUE(enabled("Command5"));

    // A change of either system empties the result and disables "ACCODA".
    choose("Option2_2");
    EXPECT_TRUE(text("Text3").isEmpty() && text("Text4").isEmpty());
    EXPECT_FALSE(enabled("Command6"));
    click("Command1");
    EXPECT_FALSE(text("Text3").isEmpty());
    choose("Option1_1");
    EXPECT_TRUE(text("Text3").isEmpty());
    EXPECT_FALSE(label("Label8")->isVisible());

    // Pasting fills the edit boxes in the angle unit and empties the results.
    click("Command1");
    click("Command5");
    EXPECT_EQ(text("Text5"), QString::fromStdString(PasteText(r.latitude)));
    EXPECT_EQ(text("Text1"), QString::fromStdString(FormatPattern(r.latitude, "##0.00000°")));
    EXPECT_TRUE(text("Text3").isEmpty());
    EXPECT_FALSE(enabled("Command5"));
}

TEST_F(Sistemi, PlaneResultsRoundedShownUnroundedCopiedAndTheZoneNumberPasted) {
    convertUtm33PointToRoma40();
    ASSERT_TRUE(fake.messages.shown.empty()) << lastMessage().toStdString();
    const ChangeOutcome r = ChangePlane(m.commonPoints, {ED50, ROMA40, 4640123.456, 412345.678, 33});
    EXPECT_EQ(Metres(text("Text11")), std::round(r.north));
    EXPECT_EQ(Metres(text("Text12")), std::round(r.east));
    EXPECT_FALSE(shown("Text15")); // no zone number for ROMA40
    click("Command4");
    EXPECT_EQ(m.CopiedCoordinates.Kind, CopiedKind::Plane);
    EXPECT_EQ(m.CopiedCoordinates.North, r.north);
    EXPECT_EQ(m.CopiedCoordinates.East, r.east);
    EXPECT_NE(r.east, std::round(r.east));

    // To WGS84 the zone number is shown, and copied with the point.
    choose("Option2_2");
    click("Command1");
    EXPECT_EQ(text("Text15"), "33");
    EXPECT_EQ(w->resultZoneNumber(), 33);
    click("Command4");
    EXPECT_EQ(m.CopiedCoordinates.UtmZone, 33);
    // Pasted back on the plane tab of the other direction, with the zone number.
    choose("Option2_0");
    choose("Option1_2");
    choose("Option2_1");
    click("Command3");
    EXPECT_TRUE(text("Text9").isEmpty() && text("Text14").isEmpty());
    EXPECT_TRUE(enabled("Command5")); // clearing leaves "INCOLLA COORDINATE" as it was
    click("Command5");
    EXPECT_EQ(text("Text13"), "33");
    click("Command1");
    EXPECT_NEAR(Metres(text("Text11")), 4640123.456, 0.5);
    EXPECT_NEAR(Metres(text("Text12")), 412345.678, 0.5);

    // UTM 34 to ROMA40 is shown in Gauss-Boaga Est.
    choose("Option2_0");
    type("Text9", "4460000");
    type("Text10", "250000");
    type("Text14", "34");
    click("Command1");
    EXPECT_EQ(w->targetZone(), AuxiliaryZone);
    EXPECT_GT(Metres(text("Text12")), 2700000.0);
    EXPECT_LT(Metres(text("Text12")), 2800000.0);
}

TEST_F(Sistemi, RefusalsAndFarPointsWithTheirMessagesAndFocus) {
    tab(1);
    choose("Option2_2");
    choose("Option1_1");
    type("Text9", "4900000");
    type("Text10", "279999");
    type("Text14", "32");
    click("Command1");
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(lastMessage(), "VALORE DELLA COORDINATA EST NON\rAMMISSIBILE PER IL SISTEMA INDICATO");
    EXPECT_EQ(fake.messages.last().icon, MessageIcon::Exclamation);
    // The message names the East: the East box takes the cursor, not the zone.
    EXPECT_TRUE(focused("Text10"));
    EXPECT_TRUE(box("Text10")->isVisible());
    EXPECT_FALSE(enabled("Command4"));
    // Each zone's own East limits alike.
    type("Text10", "500000");
    click("Command1");
    ASSERT_FALSE(text("Text11").isEmpty());
    ASSERT_TRUE(enabled("Command4"));
    type("Text10", "797001");
    click("Command1");
    EXPECT_EQ(lastMessage(), "VALORE DELLA COORDINATA EST NON\rAMMISSIBILE PER IL SISTEMA INDICATO");
    EXPECT_TRUE(focused("Text10"));
    EXPECT_TRUE(text("Text11").isEmpty());
    EXPECT_FALSE(enabled("Command4") || enabled("Command6"));
    type("Text10", "279999");

    type("Text14", "31");
    click("Command1");
    EXPECT_EQ(lastMessage(), "INDICAZIONE DEL FUSO DI\rAPPARTENENZA NON VALIDA");
    EXPECT_TRUE(focused("Text14"));
    type("Text10", "1E400");
    type("Text14", "32");
    click("Command1");
    EXPECT_EQ(lastMessage(), "VALORE DELLA COORDINATA EST\rNON AMMISSIBILE PER IL SISTEMA INDICATO");
    EXPECT_TRUE(focused("Text10"));

    // A result stays while a later point far at sea is refused.
    type("Text10", "600000");
    click("Command1");
    EXPECT_FALSE(text("Text11").isEmpty());
    fake.messages.shown.clear();
    type("Text9", "3800000");
    type("Text10", "300000");
    type("Text14", "32");
    click("Command1");
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(lastMessage(),
              "PUNTO NON CALCOLABILE:\r\rIL PUNTO NON APPARTIENE ALLE\rZONE PREVISTE DAL PROGRAMMA");

    // Farther than 30 km from every point: the warning, then the result.
    fake.messages.shown.clear();
    tab(0);
    type("Text5", "49");
    type("Text6", "12");
    click("Command1");
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().icon, MessageIcon::Information);
    EXPECT_TRUE(lastMessage().startsWith("RISULTATO DI SCARSA ATTENDIBILITA':\r\r"));
    EXPECT_FALSE(text("Text3").isEmpty());
}

TEST_F(Sistemi, PrintedBlocksLineByLine) {
    m.LongitudeOrigin = 2;
    w = reopen<frmSistemi>();
    QLineEdit* name = box("Text16");
    name->setText("P1");
    type("Text5", "41.55255");
    type("Text6", "12.270840");
    click("Command1");
    click("Command6");
    const QString latitude = text("Text3"), longitude = text("Text4");
    ASSERT_FALSE(latitude.isEmpty());
    // The lines under the result say how it was obtained, and are printed after it.
    const QStringList geographicMethod = label("Label20")->text().split('\n');
    convertUtm33PointToRoma40();
    click("Command6");
    const QStringList planeMethod = label("Label21")->text().split('\n');
    ASSERT_EQ(geographicMethod.size(), 2);
    ASSERT_EQ(planeMethod.size(), 2);
    const ChangeOutcome byTable = ChangePlane(m.commonPoints, {ED50, ROMA40, 4640123.456, 412345.678, 33});
    EXPECT_TRUE(planeMethod[0].startsWith("Metodo: tabella dei punti comuni"))
        << planeMethod[0].toStdString();
    EXPECT_TRUE(planeMethod[1].startsWith(QStringLiteral("Punto comune %1 a ").arg(byTable.FoundRow)))
        << planeMethod[1].toStdString();
    // The systems changed on the plane tab: the geographic result, computed
    // for the former ones, is no longer shown there.
    EXPECT_TRUE(text("Text3").isEmpty() && text("Text4").isEmpty());

    const auto& lines = fake.printer.lines;
    ASSERT_EQ(lines.size(), 8u + 2 * 14u);
    EXPECT_EQ(lines[3].text, "PASSAGGIO FRA SISTEMI DI RIFERIMENTO");
    struct Expected {
        QString text;
        bool bold;
    };
    const QString gap(14, ' ');
    const std::vector<Expected> geographic = {
        {"Punto: P1", false},
        {"", false},
        {"Sistema Geodetico: ROMA40", true},
        {"Coordinate geografiche ROMA40  (Long. da Greenwich)", false},
        {"Latitudine: " + text("Text1") + gap + "Longitudine: " + text("Text2"), false},
        {"", false},
        {"Sistema Geodetico: ED50", true},
        {"Coordinate geografiche ED50", false},
        {"Latitudine: " + latitude + gap + "Longitudine: " + longitude, false},
        {"", false},
        {geographicMethod[0], false},
        {geographicMethod[1], false},
        {QString(62, '_'), false},
        {"", false},
    };
    const std::vector<Expected> plane = {
        {"Punto: P1", false},
        {"", false},
        {"Sistema Geodetico: ED50", true},
        {"Coordinate piane UTM (ED50)  (Fuso 33)", false},  // chosen on this tab: the short-lived caption
        {"Nord: 4 640 123" + gap + "Est:  412 346", false}, // typed values to the metre
        {"", false},
        {"Sistema Geodetico: ROMA40", true},
        {"Coordinate piane GAUSS BOAGA", false},
        {"Nord: " + text("Text11") + gap + "Est: " + text("Text12"), false},
        {"", false},
        {planeMethod[0], false},
        {planeMethod[1], false},
        {QString(62, '_'), false},
        {"", false},
    };
    for (size_t i = 0; i < 14; ++i) {
        EXPECT_EQ(lines[8 + i].text, geographic[i].text) << i;
        EXPECT_EQ(lines[8 + i].bold, geographic[i].bold) << i;
        EXPECT_EQ(lines[8 + i].font, "Arial");
        EXPECT_EQ(lines[8 + i].size, 11);
        EXPECT_EQ(lines[22 + i].text, plane[i].text) << i;
        EXPECT_EQ(lines[22 + i].bold, plane[i].bold) << i;
    }
    EXPECT_EQ(text("Text1"), "41° 55' 25.5''");
}

// Options follow their checked state however it changes, not only clicks.
TEST_F(Sistemi, OptionsCheckedWithoutAClickUpdateCaptionsAndComputation) {
    setAngleUnit(2);
    w = reopen<frmSistemi>();
    type("Text5", "45.5");
    type("Text6", "0.3");
    click("Command1");
    ASSERT_FALSE(text("Text3").isEmpty());
    ASSERT_TRUE(enabled("Command4"));

    option("Option2_2")->setChecked(true);
    EXPECT_EQ(w->targetSystem(), WGS84);
    EXPECT_EQ(frame("Frame3")->title(), "Coordinate geografiche WGS84");
    EXPECT_FALSE(option("Option1_2")->isEnabled());
    EXPECT_TRUE(option("Option1_1")->isEnabled());
    EXPECT_TRUE(text("Text3").isEmpty() && text("Text4").isEmpty());
    EXPECT_FALSE(enabled("Command4") || enabled("Command6"));
    click("Command1");
    const ChangeOutcome r = ChangeGeographic(m.commonPoints, {ROMA40, WGS84, 1, 45.5, 0.3});
    ASSERT_EQ(r.status, ChangeStatus::Done);
    EXPECT_EQ(text("Text3"), QString::fromStdString(FormatPattern(r.latitude, "#0.00000°")));
    EXPECT_EQ(text("Text4"), QString::fromStdString(FormatPattern(r.longitude, "#0.00000°")));

    // The source alike, on the plane tab: captions, zone box and computation follow.
    tab(1);
    option("Option1_1")->setChecked(true);
    EXPECT_EQ(w->sourceSystem(), ED50);
    EXPECT_FALSE(option("Option2_1")->isEnabled());
    EXPECT_EQ(frame("Frame6")->title(), "Coordinate piane UTM (ED50)");
    EXPECT_TRUE(shown("Text14") && label("Label14")->isVisible());
    type("Text9", "4640123.456");
    type("Text10", "412345.678");
    type("Text14", "33");
    click("Command1");
    const ChangeOutcome p = ChangePlane(m.commonPoints, {ED50, WGS84, 4640123.456, 412345.678, 33});
    ASSERT_EQ(p.status, ChangeStatus::Done);
    EXPECT_EQ(Metres(text("Text11")), std::round(p.north));
    EXPECT_EQ(Metres(text("Text12")), std::round(p.east));
    EXPECT_EQ(text("Text15"), "33");
    EXPECT_TRUE(fake.messages.shown.empty()) << lastMessage().toStdString();
}

// A table damaged in memory carries ROMA40 45.5, -3.0 out of its zone: the
// window says so and offers nothing to copy or print, not even an earlier result.
TEST_F(Sistemi, AResultOutsideItsZoneIsRefusedAndNothingEnabled) {
    setAngleUnit(2);
    w = reopen<frmSistemi>();
    choose("Option2_2"); // ROMA40 -> WGS84
    type("Text5", "45.5");
    type("Text6", "-3");
    click("Command1");
    ASSERT_TRUE(fake.messages.shown.empty()) << lastMessage().toStdString();
    ASSERT_TRUE(enabled("Command4") && enabled("Command6"));

    for (double damage : {5389817.77, 1e299}) {
        m.commonPoints.cells[119][12] = damage; // WGS84 UTM 32 East of row 119
        click("Command1");
        ASSERT_FALSE(fake.messages.shown.empty());
        EXPECT_EQ(fake.messages.last().text,
                  "RISULTATO NON VALIDO:\r\rIL RISULTATO CADE FUORI DAI LIMITI\rDEL SISTEMA DI ARRIVO");
        EXPECT_EQ(fake.messages.last().icon, MessageIcon::Exclamation);
        EXPECT_TRUE(text("Text3").isEmpty() && text("Text4").isEmpty()) << damage;
        EXPECT_FALSE(enabled("Command4") || enabled("Command6")) << damage;
    }

    // The plane tab alike.
    tab(1);
    type("Text9", "5039000");
    type("Text10", "1539000");
    click("Command1");
    EXPECT_EQ(fake.messages.last().text,
              "RISULTATO NON VALIDO:\r\rIL RISULTATO CADE FUORI DAI LIMITI\rDEL SISTEMA DI ARRIVO");
    EXPECT_TRUE(text("Text11").isEmpty() && text("Text12").isEmpty() && text("Text15").isEmpty());
    EXPECT_FALSE(enabled("Command4") || enabled("Command6"));
}

TEST(CommonPointLoading, StartUpReadsTheTableOrTellsWhyNot) {
    FakePlatform fake;
    auto m = std::make_unique<Modulo1>(fake.platform());
    QTemporaryDir dir;
    const QString broken = dir.filePath("broken.tsv");
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("1\t1\t2\n");
    f.close();
    qputenv("TERVANO1_COMMON_POINTS", broken.toLocal8Bit());
    LoadCommonPointTable(*m);
    EXPECT_FALSE(m->commonPointsLoaded);
    EXPECT_TRUE(m->commonPointsError.startsWith("PASSAGGIO FRA SISTEMI NON DISPONIBILE:\r"));
    EXPECT_TRUE(m->commonPointsError.contains("NUMERO DI CAMPI ERRATO"));
    EXPECT_EQ(m->commonPoints.cell(1, 0), 0.0);

    qputenv("TERVANO1_COMMON_POINTS", dir.filePath("missing.tsv").toLocal8Bit());
    LoadCommonPointTable(*m);
    EXPECT_TRUE(m->commonPointsError.contains("MANCANTE O NON LEGGIBILE"));

    // Without the override the file next to the sources is found.
    qunsetenv("TERVANO1_COMMON_POINTS");
    LoadCommonPointTable(*m);
    EXPECT_TRUE(m->commonPointsLoaded) << m->commonPointsError.toStdString();
    EXPECT_TRUE(m->commonPointsError.isEmpty());
    EXPECT_NEAR(m->commonPoints.cell(664, 6), 567000.30, 0.05);
}
// The point's name, shared by both tabs, comes after the coordinates in the
// Tab order; the grid's path, in the method frame above the tabs, before them.
TEST_F(Sistemi, TabOrderEndsWithThePointName) {
    QStringList names;
    QWidget* window = current.data();
    for (QWidget* x = window->nextInFocusChain(); x != window; x = x->nextInFocusChain())
        if ((x->focusPolicy() & Qt::TabFocus) && x->objectName().startsWith("Text"))
            names << x->objectName();
    // Each edit box is followed by its display box, which the keyboard can reopen.
    EXPECT_EQ(names.join(QLatin1Char(' ')).toStdString(),
              "Text17 Text5 Text1 Text6 Text2 Text9 Text7 Text10 Text8 Text14 Text13 Text16");
}
