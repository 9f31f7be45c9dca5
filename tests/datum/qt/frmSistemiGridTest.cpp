#include "datum/qt/frmSistemi.h"

#include "app/UserGrid.h"
#include "datum/GridChange.h"
#include "datum/Ntv2Grid.h"
#include "datum/SystemChange.h"
#include "geodesy/TextNumbers.h"
#include "support/AppFixture.h"
#include "support/Ntv2Writer.h"
#include "support/WindowFixture.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <memory>

using namespace tervano;
using tervano::test::Ntv2File;
using tervano::test::Ntv2NodeShift;

namespace {

// A grid over the Emilia (44 to 46 N, 10 to 12 E) with a finer child around
// Bologna; shifts of a few seconds, growing northwards and eastwards.
Ntv2File EmiliaGrid(const std::string& source) {
    Ntv2File f;
    f.source = source;
    f.target = "WGS84";
    f.subgrids = {{"EMILIA", "NONE", 44, 46, 10, 12, 0.25, 0.25},
                  {"BOLOGNA", "EMILIA", 44.25, 44.75, 11, 11.5, 0.05, 0.05}};
    f.shift = [](double lat, double lon) {
        return Ntv2NodeShift{1.2 + 0.3 * (lat - 44), 2.5 - 0.2 * (lon - 10)};
    };
    return f;
}

class frmSistemiGrid : public WindowFixture {
protected:
    QTemporaryDir dir;
    frmSistemi* w = nullptr;
    std::unique_ptr<Modulo1> restarted; // a later run of the program, sharing the settings folder

    frmSistemiGrid() {
        fake.settings.path = dir.filePath(QStringLiteral("Tervano1.ini"));
        m.LongitudeOrigin = 2; // the grid's longitudes are from Greenwich
        setAngleUnit(2);
    }
    ~frmSistemiGrid() override {
        // The window goes before the state it was opened on.
        if (current) {
            current->setAttribute(Qt::WA_DeleteOnClose, false);
            delete current.data();
        }
    }
    void SetUp() override {
        ASSERT_TRUE(m.commonPointsLoaded);
        w = open<frmSistemi>();
    }

    QString write(const QString& name, const std::string& bytes) const {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), qint64(bytes.size()));
        return path;
    }
    QLabel* label(const char* name) const { return current->findChild<QLabel*>(QString::fromLatin1(name)); }
    void tab(int index) {
        QTabBar* bar = current->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    QString lastMessage() const {
        return fake.messages.shown.empty() ? QString() : fake.messages.last().text;
    }
    // ROMA40 -> WGS84, geographic, a point near Bologna.
    void convertNearBologna() {
        choose("Option2_2");
        type("Text5", "44.5");
        type("Text6", "11.3");
        click("Command1");
    }
    // A path written in the grid's box and confirmed with Enter (or not, to press "Carica").
    void enterPath(const QString& path, bool enter = true) {
        QLineEdit* e = box("Text17");
        e->setFocus(Qt::MouseFocusReason);
        e->setText(path); // keyClicks cannot type letters beyond ASCII
        if (enter)
            QTest::keyClick(e, Qt::Key_Return);
    }
    QByteArray memory() const {
        QFile f(GridMemoryPath(fake.settings.path));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Starts the program again on the same settings folder and opens the window there.
    frmSistemi* restart() {
        if (current) {
            current->setAttribute(Qt::WA_DeleteOnClose, false);
            delete current.data();
        }
        restarted = std::make_unique<Modulo1>(fake.platform());
        RunStartup(*restarted);
        restarted->LongitudeOrigin = 2;
        restarted->AngleUnit = 2;
        auto* window = new frmSistemi(*restarted, &mainWindow);
        window->show();
        QApplication::setActiveWindow(window);
        current = window;
        return window;
    }
};

} // namespace

TEST_F(frmSistemiGrid, MethodAndGridChoicesDropTheResultAndShowTheHeader) {
    // The table by default; the grid's controls wait for the grid method.
    EXPECT_EQ(frame("Frame8")->title(), "Metodo");
    EXPECT_EQ(option("Option3_0")->text(), "Tabella dei punti comuni");
    EXPECT_EQ(option("Option3_1")->text(), "Grigliato NTv2");
    EXPECT_TRUE(option("Option3_0")->isChecked());
    EXPECT_FALSE(box("Text17")->isEnabled());
    EXPECT_FALSE(button("Command8")->isEnabled() || button("Command9")->isEnabled());
    EXPECT_FALSE(option("Option4_0")->isEnabled());

    convertNearBologna();
    ASSERT_FALSE(text("Text3").isEmpty()) << lastMessage().toStdString();
    ASSERT_TRUE(enabled("Command4") && enabled("Command6"));

    // Switching to the grid drops the result.
    choose("Option3_1");
    EXPECT_EQ(m.changeMethod, ChangeMethod::Grid);
    EXPECT_TRUE(text("Text3").isEmpty() && text("Text4").isEmpty());
    EXPECT_FALSE(enabled("Command4") || enabled("Command6"));
    EXPECT_TRUE(box("Text17")->isEnabled() && button("Command9")->isEnabled());
    EXPECT_EQ(label("Label17")->text(), "Nessun grigliato caricato");
    EXPECT_TRUE(fake.messages.shown.empty()); // nothing remembered, nothing to say

    // A grid typed and confirmed with Enter: its header names, ED50 preselected from them.
    const QString ed50 = write("ed50.gsb", EmiliaGrid("ED50").bytes());
    enterPath(ed50);
    EXPECT_TRUE(fake.messages.shown.empty()) << lastMessage().toStdString();
    ASSERT_TRUE(m.grid);
    EXPECT_EQ(m.gridPath, ed50);
    EXPECT_EQ(label("Label17")->text(), "Da: ED50  a: WGS84");
    EXPECT_TRUE(option("Option4_1")->isChecked());
    EXPECT_EQ(m.gridSource, System::ED50);

    // A header that does not tell keeps the user's choice: ROMA40 chosen, then
    // a grid named after a region loaded with "Carica".
    choose("Option4_0");
    EXPECT_EQ(m.gridSource, System::ROMA40);
    const QString region = write("regione.gsb", EmiliaGrid("EMILIA").bytes());
    enterPath(region, false);
    click("Command9");
    EXPECT_EQ(m.gridPath, region);
    EXPECT_EQ(label("Label17")->text(), "Da: EMILIA  a: WGS84");
    EXPECT_TRUE(option("Option4_0")->isChecked());
    choose("Option4_1");
    EXPECT_EQ(m.gridSource, System::ED50);
    choose("Option4_0");

    // A result through the grid, then each grid choice drops it.
    convertNearBologna();
    ASSERT_FALSE(text("Text3").isEmpty()) << lastMessage().toStdString();
    choose("Option4_1");
    EXPECT_TRUE(text("Text3").isEmpty());
    EXPECT_FALSE(enabled("Command6"));
    choose("Option4_0");
    click("Command1");
    ASSERT_FALSE(text("Text3").isEmpty());
    enterPath(ed50); // another grid
    EXPECT_TRUE(text("Text3").isEmpty());
    choose("Option4_0");
    click("Command1");
    ASSERT_FALSE(text("Text3").isEmpty());
    choose("Option3_0"); // back to the table
    EXPECT_TRUE(text("Text3").isEmpty());
    EXPECT_FALSE(enabled("Command4") || enabled("Command6"));
    EXPECT_FALSE(box("Text17")->isEnabled());

    // The window opened again shows the method and the grid of the run.
    choose("Option3_1");
    w = reopen<frmSistemi>();
    EXPECT_TRUE(option("Option3_1")->isChecked());
    EXPECT_EQ(text("Text17"), ed50);
    EXPECT_EQ(label("Label17")->text(), "Da: ED50  a: WGS84");
    EXPECT_TRUE(option("Option4_0")->isChecked());
}

TEST_F(frmSistemiGrid, DamagedOrMissingGridGivesTheReadersMessageAndKeepsTheOneInUse) {
    choose("Option3_1");
    const QString good = write("buona.gsb", EmiliaGrid("ROMA40").bytes());
    enterPath(good);
    ASSERT_TRUE(m.grid);
    const std::shared_ptr<const Ntv2Grid> inUse = m.grid;
    convertNearBologna();
    ASSERT_FALSE(text("Text3").isEmpty()) << lastMessage().toStdString();
    const QString result = text("Text3");
    fake.messages.shown.clear();

    std::string bytes = EmiliaGrid("ROMA40").bytes();
    const QString truncated = write("troncata.gsb", bytes.substr(0, bytes.size() - 100));
    const QString missing = dir.filePath("mancante.gsb");
    for (const QString& bad : {truncated, missing}) {
        SCOPED_TRACE(bad.toStdString());
        std::string reader;
        ASSERT_FALSE(LoadNtv2(QFile::encodeName(bad).toStdString(), reader));
        enterPath(bad);
        ASSERT_EQ(fake.messages.shown.size(), 1u);
        EXPECT_EQ(lastMessage(), QString::fromStdString(reader));
        EXPECT_EQ(fake.messages.last().icon, MessageIcon::Exclamation);
        fake.messages.shown.clear();
        // Nothing lost: the grid, its file, its header, the result shown.
        EXPECT_EQ(m.grid, inUse);
        EXPECT_EQ(m.gridPath, good);
        EXPECT_EQ(text("Text17"), good);
        EXPECT_EQ(label("Label17")->text(), "Da: ROMA40  a: WGS84");
        EXPECT_EQ(text("Text3"), result);
        EXPECT_TRUE(enabled("Command4"));
    }
    EXPECT_EQ(memory(), GridMemoryBytes({good, System::ROMA40}));

    // An empty path asks for one.
    enterPath("");
    EXPECT_EQ(lastMessage(), "INDICARE IL FILE DEL GRIGLIATO NTv2");
    EXPECT_EQ(m.grid, inUse);
}

TEST_F(frmSistemiGrid, ResultsThroughTheGridRefusalsOutsideAndMethodLines) {
    // The table: the lines name the common point the engine finds.
    convertNearBologna();
    ASSERT_FALSE(text("Text3").isEmpty()) << lastMessage().toStdString();
    const ChangeOutcome byTable = ChangeGeographic(m.commonPoints, {ROMA40, WGS84, 2, 44.5, 11.3});
    ASSERT_EQ(byTable.status, ChangeStatus::Done);
    const QString tableLines = label("Label20")->text();
    EXPECT_TRUE(tableLines.contains(QString::number(byTable.FoundRow))) << tableLines.toStdString();
    // Cleared with the result.
    click("Command3");
    EXPECT_TRUE(label("Label20")->text().isEmpty());

    // The grid: the result is the engine's through the same grid, the lines
    // name the file and the child subgrid that holds the point.
    choose("Option3_1");
    const QString path = write("emilia.gsb", EmiliaGrid("ROMA40").bytes());
    enterPath(path);
    convertNearBologna();
    ASSERT_TRUE(fake.messages.shown.empty()) << lastMessage().toStdString();
    std::string error;
    const std::optional<Ntv2Grid> grid = LoadNtv2(QFile::encodeName(path).toStdString(), error);
    ASSERT_TRUE(grid) << error;
    const ChangeOutcome byGrid =
        ChangeGeographicByGrid({&*grid, System::ROMA40}, {ROMA40, WGS84, 2, 44.5, 11.3});
    ASSERT_EQ(byGrid.status, ChangeStatus::Done) << byGrid.message;
    EXPECT_EQ(text("Text3"), QString::fromStdString(FormatPattern(byGrid.latitude, "#0.00000°")));
    EXPECT_EQ(text("Text4"), QString::fromStdString(FormatPattern(byGrid.longitude, "#0.00000°")));
    // Independently: the grid's field is linear, so bilinear interpolation
    // gives it exactly (longitude shift positive west in the file).
    click("Command4");
    EXPECT_NEAR(m.CopiedCoordinates.Latitude, 44.5 + (1.2 + 0.3 * 0.5) / 3600.0, 1e-9);
    EXPECT_NEAR(m.CopiedCoordinates.Longitude, 11.3 - (2.5 - 0.2 * 1.3) / 3600.0, 1e-9);
    const QString gridLines = label("Label20")->text();
    EXPECT_TRUE(gridLines.contains("emilia.gsb")) << gridLines.toStdString();
    EXPECT_TRUE(gridLines.contains("BOLOGNA")) << gridLines.toStdString();
    EXPECT_FALSE(gridLines.contains(dir.path())); // the file's name, not its folders

    // A point outside the grid is refused, not carried by the table.
    type("Text5", "41.9");
    type("Text6", "12.5");
    click("Command1");
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(lastMessage(), QString::fromStdString(GridOutsideText()));
    EXPECT_TRUE(text("Text3").isEmpty() && label("Label20")->text().isEmpty());
    EXPECT_FALSE(enabled("Command4") || enabled("Command6"));

    // The plane tab alike, with its own lines: a Gauss-Boaga Ovest point near Bologna.
    fake.messages.shown.clear();
    tab(1);
    type("Text9", "4928000");
    type("Text10", "1686000");
    click("Command1");
    ASSERT_TRUE(fake.messages.shown.empty()) << lastMessage().toStdString();
    EXPECT_FALSE(text("Text11").isEmpty());
    EXPECT_TRUE(label("Label21")->text().contains("emilia.gsb"));
    EXPECT_TRUE(label("Label20")->text().isEmpty());
    choose("Option3_0");
    EXPECT_TRUE(label("Label21")->text().isEmpty() && text("Text11").isEmpty());
}

TEST_F(frmSistemiGrid, GridRememberedForTheNextRunAndAStaleOneStartsWithTheTable) {
    choose("Option3_1");
    const QString path = write("Città.gsb", EmiliaGrid("EMILIA").bytes());
    enterPath(path);
    choose("Option4_1"); // the header does not tell: ED50 by the user
    EXPECT_EQ(memory(), GridMemoryBytes({path, System::ED50}));
    EXPECT_FALSE(QFileInfo::exists(fake.settings.path)); // the settings file is not written

    // The next run reads the grid again, with the user's system, and starts with the table.
    restart();
    ASSERT_TRUE(restarted->grid);
    EXPECT_EQ(restarted->gridPath, path);
    EXPECT_EQ(restarted->gridSource, System::ED50);
    EXPECT_EQ(restarted->changeMethod, ChangeMethod::Table);
    EXPECT_TRUE(option("Option3_0")->isChecked());
    EXPECT_EQ(text("Text17"), path);
    EXPECT_EQ(label("Label17")->text(), "Da: EMILIA  a: WGS84");
    EXPECT_TRUE(option("Option4_1")->isChecked());
    choose("Option3_1");
    EXPECT_TRUE(fake.messages.shown.empty()) << lastMessage().toStdString();

    // The grid gone: the next run starts with the table and says nothing
    // until the grid method is picked; then it says why.
    ASSERT_TRUE(QFile::remove(path));
    restart();
    EXPECT_FALSE(restarted->grid);
    EXPECT_TRUE(option("Option3_0")->isChecked());
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_EQ(label("Label17")->text(), "Nessun grigliato caricato");
    convertNearBologna(); // the table works as ever
    EXPECT_FALSE(text("Text3").isEmpty());
    choose("Option3_1");
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_TRUE(lastMessage().startsWith("GRIGLIATO NTv2 NON DISPONIBILE:\r\r"));
    EXPECT_TRUE(lastMessage().contains(path));
    EXPECT_EQ(text("Text17"), path); // shown, to be mended
    // Without a grid "ESEGUI" is refused by the page, and nothing is shown.
    click("Command1");
    EXPECT_EQ(fake.messages.shown.size(), 2u);
    EXPECT_TRUE(text("Text3").isEmpty());
    // The memory is kept for a grid that may come back.
    EXPECT_EQ(memory(), GridMemoryBytes({path, System::ED50}));
}
