#include "cadastre/qt/frmCatasto.h"
#include "app/WindowRegistry.h"
#include "app/frmTervano.h"
#include "cadastre/CassiniSoldner.h"
#include "support/AppFixture.h"
#include "support/WindowFixture.h"
#include "windows/qt/CoordinateField.h"
#include "windows/qt/frmGeoPia.h"
#include "windows/qt/frmPiaGeo.h"

#include <QAction>

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTabWidget>

using namespace tervano;

namespace {

class CatastoWindow : public WindowFixture {
protected:
    frmCatasto* w = nullptr;
    void SetUp() override { w = open<frmCatasto>(); }

    void reopen() {
        current->close(); // deleted on close
        FlushDeletes();
        ASSERT_TRUE(current.isNull());
        EXPECT_TRUE(mainWindow.isEnabled());
        w = open<frmCatasto>();
    }
    template <class T = QLineEdit> T* get(const char* name) {
        T* t = w->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(t, nullptr) << name;
        return t;
    }
    QComboBox* combo() { return get<QComboBox>("Combo1"); }
    QLabel* provinces() { return get<QLabel>("Label12"); }
    void showTab(int tab) { get<QTabWidget>("SSTab1")->setCurrentIndex(tab); }
    QWidget* focus() const { return QApplication::focusWidget(); }

    // Picks a centre with the keyboard in the closed list, as the user does.
    void pickCentre(int index) {
        combo()->setFocus(Qt::MouseFocusReason);
        if (index == 0) {
            QTest::keyClick(combo(), Qt::Key_Home);
            return;
        }
        combo()->setCurrentIndex(index - 1);
        QTest::keyClick(combo(), Qt::Key_Down);
    }
    // Presses "ESEGUI" with the messages of earlier steps forgotten.
    void execute() {
        fake.messages.shown.clear();
        ASSERT_TRUE(enabled("Command1"));
        click("Command1");
    }
    QString lastMessage() const {
        return fake.messages.shown.empty() ? QString() : fake.messages.last().text;
    }
};

} // namespace

TEST_F(CatastoWindow, OpensOnTheUserDefinedEntryAndRefusesAnEmptyCentre) {
    EXPECT_EQ(w->windowTitle(), "Catasto");
    EXPECT_FALSE(mainWindow.isEnabled());
    ASSERT_EQ(combo()->count(), 19);
    EXPECT_EQ(combo()->currentText(), "Definite dall'utente");
    EXPECT_EQ(combo()->itemText(18), "Monte Etna (P. Lucia)");
    EXPECT_EQ(combo()->toolTip(), "Selezionare una voce dall'elenco");
    EXPECT_TRUE(get("Text15")->isVisible());
    EXPECT_TRUE(get("Text15")->text().isEmpty());
    EXPECT_FALSE(get("Text5")->isVisible());
    EXPECT_FALSE(provinces()->isVisible());
    EXPECT_EQ(get<QTabWidget>("SSTab1")->currentIndex(), 0);
    EXPECT_EQ(get<QTabWidget>("SSTab1")->tabText(1), "CASSINI SOLDNER - GAUSS BOAGA");
    for (int i : {1, 3, 4, 5, 6, 7})
        EXPECT_FALSE(enabled(QStringLiteral("Command%1").arg(i).toLatin1())) << i;

    // A centre chosen in a previous opening is not used unseen.
    pickCentre(18);
    reopen();
    EXPECT_EQ(combo()->currentIndex(), 0);
    EXPECT_EQ(w->centre().centreLatitude, 0.0);
    type("Text1", "4640000");
    type("Text2", "2310000");
    EXPECT_EQ(focus(), button("Command1"));
    click("Command1");
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().text, "VALORE DELLA LATITUDINE\rDEL CENTRO DEL SISTEMA\rNON AMMISSIBILE");
    EXPECT_EQ(fake.messages.last().icon, MessageIcon::Stop);
    EXPECT_EQ(focus(), get("Text15"));
    EXPECT_TRUE(get("Text3")->text().isEmpty());
    EXPECT_FALSE(button("Command4")->isEnabled());
}

TEST_F(CatastoWindow, TableCentreIsShownWithProvincesAndHandsOnTheFocus) {
    const QSize before = w->sizeHint();
    pickCentre(18);
    EXPECT_EQ(w->sizeHint(), before); // the province list has its room from the start
    EXPECT_EQ(get("Text5")->text(), "37° 45' 47.240''");
    EXPECT_EQ(get("Text6")->text(), "  6° 03' 51.129''");
    EXPECT_TRUE(get("Text5")->isVisible());
    EXPECT_FALSE(get("Text15")->isVisible());
    EXPECT_TRUE(provinces()->isVisible());
    EXPECT_EQ(provinces()->text(), "- Messina\n- Catania (parte)");
    EXPECT_EQ(focus(), get("Text1"));
    EXPECT_EQ(w->centre().centreLatitude, 37.454724);
    EXPECT_EQ(w->centre().centreLongitude, 6.0351129);
    // Showing a stored centre is not typing: "ESEGUI" waits for a coordinate.
    EXPECT_FALSE(button("Command1")->isEnabled());

    // On tab 1 the focus goes to the X box.
    showTab(1);
    pickCentre(5);
    EXPECT_EQ(get("Text6")->text(), "-  1° 11' 17.116''");
    EXPECT_EQ(focus(), get("Text9"));

    // Enter in the list goes to the latitude box, Ctrl+Enter to the first coordinate.
    combo()->setFocus();
    QTest::keyClick(combo(), Qt::Key_Return);
    EXPECT_EQ(focus(), get("Text15"));
    combo()->setFocus();
    QTest::keyClick(combo(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(focus(), get("Text9"));

    // Leaving the latitude box makes the centre a typed one; its values stay.
    EXPECT_EQ(combo()->currentIndex(), 0);
    EXPECT_FALSE(provinces()->isVisible());
    EXPECT_EQ(w->centre().centreLatitude, 43.5222465);
    EXPECT_EQ(text("Text5"), "43° 52' 22.465''");

    // Choosing the user-defined entry empties boxes and values; the
    // latitude box takes the focus.
    pickCentre(14);
    pickCentre(0);
    EXPECT_TRUE(get("Text15")->isVisible());
    EXPECT_TRUE(get("Text15")->text().isEmpty());
    EXPECT_TRUE(get("Text16")->text().isEmpty());
    EXPECT_TRUE(get("Text6")->text().isEmpty());
    EXPECT_FALSE(provinces()->isVisible());
    EXPECT_EQ(focus(), get("Text15"));
    EXPECT_EQ(w->centre().centreLatitude, 0.0);
    EXPECT_EQ(w->centre().centreLongitude, 0.0);

    // A click on a centre display box clears the whole centre too.
    pickCentre(14);
    QTest::mouseClick(get("Text6"), Qt::LeftButton);
    EXPECT_TRUE(get("Text16")->isVisible());
    EXPECT_TRUE(get("Text15")->isVisible());
    EXPECT_TRUE(get("Text16")->text().isEmpty());
    EXPECT_EQ(focus(), get("Text16"));
    EXPECT_EQ(combo()->currentIndex(), 0);
    EXPECT_FALSE(provinces()->isVisible());
    EXPECT_EQ(w->centre().centreLatitude, 0.0);
    EXPECT_EQ(w->centre().centreLongitude, 0.0);
}

TEST_F(CatastoWindow, TypedCentreAndTheEnterChain) {
    type("Text15", "45,5959999999"); // the comma is typed as a point
    EXPECT_EQ(get("Text5")->text(), "46° 00' 00.000''");
    EXPECT_EQ(focus(), get("Text16"));
    EXPECT_TRUE(button("Command1")->isEnabled());
    type("Text16", "3.3151131");
    EXPECT_EQ(get("Text6")->text(), "3° 31' 51.131''"); // typed: no leading blanks
    EXPECT_EQ(focus(), get("Text1"));
    EXPECT_EQ(combo()->currentIndex(), 0);
    EXPECT_EQ(w->centre().centreLatitude, 45.5959999999);
    EXPECT_EQ(w->centre().centreLongitude, 3.3151131);
    type("Text1", "5000000");
    EXPECT_EQ(get("Text7")->text(), "5 000 000.00");
    EXPECT_EQ(focus(), get("Text2"));
    type("Text2", "1600000.456");
    EXPECT_EQ(get("Text8")->text(), "1 600 000.46");
    EXPECT_EQ(focus(), button("Command1"));

    showTab(1);
    type("Text16", "3.3151131");
    EXPECT_EQ(focus(), get("Text9"));
    type("Text9", "100");
    EXPECT_EQ(focus(), get("Text10"));
    type("Text10", "-200");
    EXPECT_EQ(focus(), button("Command1"));
}

TEST_F(CatastoWindow, ChecksStopAtTheFirstRefusedValue) {
    type("Text15", "47.30001");
    type("Text16", "-3");
    type("Text1", "3799999.99");
    type("Text2", "0");
    execute();
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().text, "VALORE DELLA LATITUDINE\rDEL CENTRO DEL SISTEMA\rNON AMMISSIBILE");
    EXPECT_EQ(focus(), get("Text15"));

    QTest::keyClick(get("Text15"), Qt::Key_Backspace);
    QTest::keyClick(get("Text15"), Qt::Key_Backspace);
    QTest::keyClick(get("Text15"), Qt::Key_Return); // 47.300: passes
    execute();
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().text, "VALORE DELLA COORDINATA NORD\rNON AMMISSIBILE");
    EXPECT_EQ(fake.messages.last().icon, MessageIcon::Stop);
    EXPECT_EQ(focus(), get("Text1"));
    EXPECT_TRUE(get("Text1")->isVisible());

    get("Text1")->selectAll();
    QTest::keyClicks(get("Text1"), "3800000");
    QTest::keyClick(get("Text1"), Qt::Key_Return);
    execute();
    EXPECT_EQ(fake.messages.last().text, "VALORE DELLA COORDINATA EST\rNON AMMISSIBILE");
    EXPECT_EQ(focus(), get("Text2"));

    get("Text2")->selectAll();
    QTest::keyClicks(get("Text2"), "1000000");
    QTest::keyClick(get("Text2"), Qt::Key_Return);
    execute();
    // Both limits pass their own checks, but the point lies 1 472 km south
    // of a centre at 47°30': its X is refused, laid on Nord.
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().text, "VALORE DELLA COORDINATA NORD\rNON AMMISSIBILE");
    EXPECT_EQ(focus(), get("Text1"));
    EXPECT_TRUE(get("Text3")->text().isEmpty());
    get("Text1")->selectAll();
    QTest::keyClicks(get("Text1"), "5000000");
    QTest::keyClick(get("Text1"), Qt::Key_Return);
    execute();
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_FALSE(get("Text3")->text().isEmpty());

    // The longitude of the centre is checked after its latitude.
    QTest::mouseClick(get("Text6"), Qt::LeftButton);
    type("Text16", "10.00001");
    type("Text15", "41");
    execute();
    EXPECT_EQ(fake.messages.last().text, "VALORE DELLA LONGITUDINE\rDEL CENTRO DEL SISTEMA\rNON AMMISSIBILE");
    EXPECT_EQ(focus(), get("Text16"));
}

TEST_F(CatastoWindow, CopyOnOneTabPastesOnTheOtherAndReturns) {
    // The cadastral pages compute in ROMA40 with the Gauss-Boaga scale factor 0.9996.
    pickCentre(14);
    type("Text1", "4650123.45");
    type("Text2", "2331234.56");
    click("Command1");
    ASSERT_TRUE(fake.messages.shown.empty());
    const CassiniResult expected = GaussBoagaToCassini({41.5524399, 3.3151131}, 4650123.45, 2331234.56);
    EXPECT_NEAR(Metres(get("Text3")->text()), expected.X, 0.005);
    EXPECT_NEAR(Metres(get("Text4")->text()), expected.Y, 0.005);
    EXPECT_TRUE(button("Command6")->isEnabled());

    click("Command4");
    EXPECT_EQ(m.CopiedCoordinates.Kind, CopiedKind::Cadastral);
    EXPECT_FALSE(button("Command4")->isEnabled());
    EXPECT_FALSE(button("Command5")->isEnabled()); // kind 5 is not for the Gauss-Boaga boxes

    showTab(1);
    EXPECT_TRUE(button("Command5")->isEnabled());
    EXPECT_FALSE(button("Command6")->isEnabled());
    click("Command5");
    EXPECT_EQ(get("Text13")->text(), get("Text3")->text());
    EXPECT_EQ(get("Text14")->text(), get("Text4")->text());
    EXPECT_FALSE(button("Command5")->isEnabled());
    click("Command1");
    EXPECT_NEAR(Metres(get("Text11")->text()), 4650123.45, 0.05);
    EXPECT_NEAR(Metres(get("Text12")->text()), 2331234.56, 0.05);

    // Changing tab leaves nothing to copy: the shown results may be older
    // than the last computation. The next "ESEGUI" offers the copy again.
    showTab(0);
    EXPECT_FALSE(button("Command4")->isEnabled());
    showTab(1);
    EXPECT_FALSE(button("Command4")->isEnabled());
    click("Command1");

    // Tab 1 copies plane North and East for the other windows.
    click("Command4");
    EXPECT_EQ(m.CopiedCoordinates.Kind, CopiedKind::Plane);
    EXPECT_NEAR(m.CopiedCoordinates.North, 4650123.45, 0.05);
    EXPECT_EQ(m.CopiedCoordinates.SystemCode, ROMA40);
    EXPECT_EQ(m.CopiedCoordinates.ZoneCode, GBEst); // the zone of the point computed
    showTab(0);
    EXPECT_TRUE(button("Command5")->isEnabled());

    // Clearing tab 0 keeps the centre and tab 1.
    click("Command3");
    EXPECT_TRUE(get("Text1")->isVisible());
    EXPECT_TRUE(get("Text1")->text().isEmpty());
    EXPECT_TRUE(get("Text3")->text().isEmpty());
    EXPECT_FALSE(get("Text11")->text().isEmpty());
    EXPECT_EQ(get("Text5")->text(), "41° 55' 24.399''");
    EXPECT_EQ(focus(), get("Text1"));
    for (int i : {1, 3, 4, 5, 6})
        EXPECT_FALSE(enabled(QStringLiteral("Command%1").arg(i).toLatin1())) << i;

    // A box emptied by the clearing reads 0 and is refused, not its old value.
    type("Text2", "2331234.56");
    click("Command1");
    EXPECT_EQ(fake.messages.last().text, "VALORE DELLA COORDINATA NORD\rNON AMMISSIBILE");
}

TEST_F(CatastoWindow, PrintedBlockLineByLine) {
    pickCentre(18);
    get("Text17")->setFocus();
    QTest::keyClicks(get("Text17"), "PF 12,3"); // the point name keeps its comma
    type("Text1", "4180000");
    type("Text2", "2560000");
    click("Command1");
    click("Command6");
    showTab(1);
    type("Text9", "1000");
    type("Text10", "-2000");
    click("Command1");
    click("Command6");

    const auto& lines = fake.printer.pending();
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[3].text, "TRASFORMAZIONE CASSINI SOLDNER <> GAUSS BOAGA");
    const QString gap(14, QLatin1Char(' '));
    const QString rule(62, QLatin1Char('_'));
    struct Expected {
        QString text;
        bool bold;
    };
    const std::vector<Expected> block0{
        {"Centro del Sistema Catastale (Bessel Genova):  Monte Etna (P. Lucia)", true},
        {"Latitudine: 37° 45' 47.240''" + gap + "Longitudine:   6° 03' 51.129''", false},
        {"", false},
        {"Punto: PF 12,3", false},
        {"", false},
        {"Coordinate GAUSS BOAGA", true},
        {"Nord: " + text("Text7") + gap + "Est: " + text("Text8"), false},
        {"", false},
        {"Coordinate CASSINI SOLDNER", true},
        {"X: " + get("Text3")->text() + gap + "Y: " + get("Text4")->text(), false},
        {rule, false},
        {"", false}};
    const std::vector<Expected> block1{
        {"Centro del Sistema Catastale (Bessel Genova):  Monte Etna (P. Lucia)", true},
        {"Latitudine: 37° 45' 47.240''" + gap + "Longitudine:   6° 03' 51.129''", false},
        {"", false},
        {"Punto: PF 12,3", false},
        {"", false},
        {"Coordinate CASSINI SOLDNER", true},
        {"X: " + text("Text13") + gap + "Y: " + text("Text14"), false},
        {"", false},
        {"Coordinate GAUSS BOAGA", true},
        {"Nord: " + get("Text11")->text() + gap + "Est: " + get("Text12")->text(), false},
        {rule, false},
        {"", false}};
    ASSERT_EQ(lines.size(), 8u + block0.size() + block1.size());
    for (size_t i = 0; i < block0.size(); ++i) {
        EXPECT_EQ(lines[8 + i].text, block0[i].text) << i;
        EXPECT_EQ(lines[8 + i].bold, block0[i].bold) << i;
        EXPECT_EQ(lines[8 + i].size, 11) << i;
    }
    for (size_t i = 0; i < block1.size(); ++i) {
        EXPECT_EQ(lines[8 + block0.size() + i].text, block1[i].text) << i;
        EXPECT_EQ(lines[8 + block0.size() + i].bold, block1[i].bold) << i;
    }
    EXPECT_EQ(text("Text7"), "4 180 000.00");
    // A negative coordinate follows the pattern like every other number.
    EXPECT_EQ(text("Text14"), "- 2 000.00");
    EXPECT_FALSE(get("Text3")->text().isEmpty()); // changing tab clears nothing
}

TEST(CatastoMenu, EntryOpensTheWindow) {
    AppFixture f;
    frmTervano main(*f.m);
    main.show();
    QAction* entry = main.findChild<QAction*>(QStringLiteral("catasto"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), "Ca&tasto");
    ASSERT_TRUE(entry->isEnabled());
    entry->trigger();
    QPointer<QWidget> window = main.conversionWindow(QStringLiteral("frmCatasto"));
    ASSERT_TRUE(window);
    EXPECT_NE(qobject_cast<frmCatasto*>(window.data()), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(main.isEnabled());
    window->close();
    FlushDeletes();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(main.isEnabled());
}

class OtherWindows : public WindowFixture {};

TEST_F(OtherWindows, NeverOfferToPasteCadastralCoordinates) {
    m.CopiedCoordinates.Kind = CopiedKind::Cadastral;
    const auto pasteOffered = [](QWidget* w) {
        auto* paste = w->findChild<QPushButton*>(QStringLiteral("Command5"));
        return paste && paste->isEnabled();
    };
    for (const QString& name : ConversionWindowNames()) {
        if (name == QLatin1String("frmCatasto") || !ConversionWindowAvailable(name))
            continue;
        m.CopiedCoordinates.Kind =
            CopiedKind::Cadastral; // the single-zone window empties the record when it opens
        QWidget* w = CreateConversionWindow(name, m, &mainWindow);
        ASSERT_NE(w, nullptr) << name.toStdString();
        EXPECT_FALSE(pasteOffered(w)) << name.toStdString();
        delete w;
    }
    m.CopiedCoordinates.Kind = CopiedKind::Cadastral;
    EXPECT_FALSE(pasteOffered(open<frmGeoPia>()));
    EXPECT_FALSE(pasteOffered(reopen<frmPiaGeo>()));

    // The cadastral window takes kind 5 only into its Cassini-Soldner boxes.
    QWidget* catasto = reopen<frmCatasto>();
    EXPECT_FALSE(pasteOffered(catasto));
    catasto->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
    EXPECT_TRUE(pasteOffered(catasto));
}

TEST_F(CatastoWindow, CassiniNumberBeyondADoubleIsRefused) {
    pickCentre(14);
    showTab(1);
    type("Text9", "1E400");
    type("Text10", "0");
    execute();
    EXPECT_EQ(lastMessage(), "VALORE DELLA COORDINATA X\rNON AMMISSIBILE");
    EXPECT_EQ(focus(), get("Text9"));
    EXPECT_TRUE(text("Text11").isEmpty());
}

TEST_F(CatastoWindow, CassiniCoordinatesAndResultsOutsideTheirRangesAreRefused) {
    // Tab 1: X and Y within +-1 000 000, and only where their Gauss-Boaga
    // point lies in the ranges the Gauss-Boaga tab accepts.
    pickCentre(18); // Monte Etna (P. Lucia)
    showTab(1);
    const auto refused = [&](const char* x, const char* y, const char* message, const char* box) {
        type("Text9", QString::fromLatin1(x));
        type("Text10", QString::fromLatin1(y));
        execute();
        ASSERT_EQ(fake.messages.shown.size(), 1u) << x << " " << y;
        EXPECT_EQ(lastMessage(), QString::fromLatin1(message)) << x << " " << y;
        EXPECT_EQ(fake.messages.last().icon, MessageIcon::Stop);
        EXPECT_EQ(focus(), get(box)) << x << " " << y;
        EXPECT_TRUE(text("Text11").isEmpty());
        EXPECT_TRUE(text("Text12").isEmpty());
        EXPECT_FALSE(button("Command4")->isEnabled());
        EXPECT_FALSE(button("Command6")->isEnabled());
    };
    // 90 000 000 once gave "Nord 73 067 803.88" as a valid result.
    refused("90000000", "0", "VALORE DELLA COORDINATA X\rNON AMMISSIBILE", "Text9");
    refused("-1000000.01", "0", "VALORE DELLA COORDINATA X\rNON AMMISSIBILE", "Text9");
    refused("0", "1000000.01", "VALORE DELLA COORDINATA Y\rNON AMMISSIBILE", "Text10");
    // Inside +-1 000 000 but 900 km south of the centre: Nord 3 280 062.
    refused("-900000", "0", "VALORE DELLA COORDINATA X\rNON AMMISSIBILE", "Text9");

    type("Text9", "-30000");
    type("Text10", "40000");
    execute();
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_EQ(text("Text11"), "4 149 711.68");
    EXPECT_EQ(text("Text12"), "2 558 693.33");

    // Tab 0: a Gauss-Boaga point inside its ranges whose X lies 1 320 km
    // north of the centre is refused on Nord.
    showTab(0);
    type("Text1", "5500000");
    type("Text2", "2500000");
    execute();
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(lastMessage(), "VALORE DELLA COORDINATA NORD\rNON AMMISSIBILE");
    EXPECT_EQ(focus(), get("Text1"));
    EXPECT_TRUE(text("Text3").isEmpty());
    EXPECT_TRUE(text("Text4").isEmpty());
}

TEST_F(CatastoWindow, CentreListFollowsItsIndexHoweverItChanges) {
    // A result to lose.
    pickCentre(18);
    type("Text1", "4180000");
    type("Text2", "2560000");
    execute();
    ASSERT_FALSE(text("Text3").isEmpty());
    auto* latitude = qobject_cast<CoordinateField*>(get("Text15")->parentWidget());
    ASSERT_NE(latitude, nullptr);
    QSignalSpy shown(latitude, &CoordinateField::committed);

    // The index set without a pick of the user (as assistive tools do):
    // the centre, its provinces and the computation follow, once.
    combo()->setCurrentIndex(5);
    EXPECT_EQ(shown.count(), 1);
    EXPECT_EQ(w->centre().centreLatitude, CentreAt(5).latitude);
    EXPECT_EQ(w->centre().centreLongitude, CentreAt(5).longitude);
    EXPECT_EQ(text("Text6"), "-  1° 11' 17.116''");
    EXPECT_TRUE(provinces()->isVisible());
    EXPECT_EQ(provinces()->text(), "- Imperia"); // Monte Bignone
    EXPECT_TRUE(text("Text3").isEmpty());
    EXPECT_FALSE(button("Command4")->isEnabled());
    EXPECT_FALSE(button("Command6")->isEnabled());
    type("Text1", "4828025.367");
    type("Text2", "1437811.928");
    execute();
    EXPECT_TRUE(fake.messages.shown.empty());
    const CassiniResult expected =
        GaussBoagaToCassini({CentreAt(5).latitude, CentreAt(5).longitude}, 4828025.367, 1437811.928);
    EXPECT_NEAR(Metres(text("Text3")), expected.X, 0.005);
    EXPECT_NEAR(Metres(text("Text4")), expected.Y, 0.005);

    // A pick of the user changes the index and activates the entry: still once.
    shown.clear();
    combo()->setFocus();
    QTest::keyClick(combo(), Qt::Key_Down);
    EXPECT_EQ(combo()->currentIndex(), 6);
    EXPECT_EQ(shown.count(), 1);
    EXPECT_EQ(w->centre().centreLatitude, CentreAt(6).latitude);
    EXPECT_TRUE(text("Text3").isEmpty());
    // The user-defined entry set from outside empties the centre.
    combo()->setCurrentIndex(UserDefinedCentre);
    EXPECT_EQ(w->centre().centreLatitude, 0.0);
    EXPECT_TRUE(get("Text15")->isVisible());
    EXPECT_TRUE(text("Text15").isEmpty());
    EXPECT_FALSE(provinces()->isVisible());
}

TEST_F(CatastoWindow, NewSettingsEmptyTheResultsOfBothTabsAndLeaveTheCentre) {
    pickCentre(18);
    type("Text1", "4180000");
    type("Text2", "2560000");
    execute();
    const QString x = text("Text3"), y = text("Text4");
    showTab(1);
    type("Text9", "-30000");
    type("Text10", "40000");
    execute();
    ASSERT_EQ(text("Text11"), "4 149 711.68");

    // "CANCELLA COORDINATE" on tab 1 leaves tab 0 and the centre.
    click("Command3");
    EXPECT_TRUE(text("Text11").isEmpty());
    EXPECT_TRUE(text("Text13").isEmpty());
    EXPECT_EQ(text("Text3"), x);
    type("Text9", "-30000");
    type("Text10", "40000");
    execute();
    EXPECT_EQ(text("Text12"), "2 558 693.33");

    // The centre is always in Sessagesimali: new settings leave it, but the
    // results of both tabs go with those of every window.
    setAngleUnit(2);
    w->applySettings();
    for (const char* box : {"Text3", "Text4", "Text11", "Text12"})
        EXPECT_TRUE(text(box).isEmpty()) << box;
    EXPECT_FALSE(button("Command4")->isEnabled());
    EXPECT_FALSE(button("Command6")->isEnabled());
    EXPECT_EQ(text("Text5"), "37° 45' 47.240''");
    EXPECT_EQ(text("Text6"), "  6° 03' 51.129''");
    execute();
    EXPECT_EQ(text("Text11"), "4 149 711.68");
    showTab(0);
    EXPECT_TRUE(text("Text3").isEmpty());
    execute();
    EXPECT_EQ(text("Text3"), x);
    EXPECT_EQ(text("Text4"), y);
}
