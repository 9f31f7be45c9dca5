#include "files/qt/frmConversioneFile.h"

#include "app/UserGrid.h"
#include "app/frmTervano.h"
#include "files/RowConverter.h"
#include "geodesy/Angles.h"
#include "support/AppFixture.h"
#include "support/Ntv2Writer.h"
#include "support/WindowFixture.h"
#include "windows/GeoToPlanePage.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTableWidget>
#include <QTemporaryDir>

#ifdef TERVANO_HAVE_GEOGRAPHICLIB
#include <GeographicLib/TransverseMercatorExact.hpp>
#endif

using namespace tervano;
using namespace tervano::files;

namespace {

void WriteFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// North, East and zone of the page for a point typed in `unit`, in a zone chosen by hand.
QString PageColumns(System s, PlaneZone zone, double lat, double lon, int unit) {
    GeoToPlanePage p(PageSettings{unit, 1, "."});
    p.chooseSystem(s);
    p.chooseZone(ZoneChoice::ByHand);
    p.chooseHandZone(zone);
    p.setLatitude({AngleFromTyped(lat, unit).degrees, true, ""});
    p.setLongitude({AngleFromTyped(lon, unit).degrees, true, ""});
    if (p.execute())
        return QStringLiteral("refused");
    return QString::fromStdString(LengthColumn(p.result().north) + ";" + LengthColumn(p.result().east) + ";" +
                                  ZoneColumn(p.result().values.MembershipZoneCode));
}

class FileWindowTest : public WindowFixture {
protected:
    QTemporaryDir dir;
    frmConversioneFile* w = nullptr;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        w = open<frmConversioneFile>();
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTableWidget* table(const char* name) const {
        return current->findChild<QTableWidget*>(QString::fromLatin1(name));
    }
    QString label(const char* name) const {
        return current->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    int progress() const {
        return current->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->value();
    }
    void setFiles(const QString& in, const QString& out) {
        box("FileIngresso")->setText(in);
        box("FileUscita")->setText(out);
    }
    // The names of the files in the test folder: a run leaves no temporary file behind.
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }
};

} // namespace

TEST_F(FileWindowTest, PreviewShowsTheFirstRowsSplitAsTheRunReadsThem) {
    // BOM, CRLF, a comment, a header, a blank line, a quoted name holding the delimiter, decimal comma.
    WriteFile(path("punti.txt"), "\xEF\xBB\xBF# rilievo 2002\r\n"
                                 "Punto;Lat;Lon;Note\r\n"
                                 "\"P;1\";41,5;-0,2;vertice\r\n"
                                 "\r\n"
                                 "P2;45.1;1.2;\r\n");
    box("FileIngresso")->setText(path("punti.txt"));
    QTableWidget* t = table("Anteprima");
    ASSERT_EQ(t->columnCount(), 4);
    ASSERT_EQ(t->rowCount(), 2);
    EXPECT_EQ(t->item(0, 0)->text(), QStringLiteral("P;1"));
    EXPECT_EQ(t->item(0, 1)->text(), QStringLiteral("41,5"));
    EXPECT_EQ(t->item(0, 3)->text(), QStringLiteral("vertice"));
    EXPECT_EQ(t->item(1, 2)->text(), QStringLiteral("1.2"));
    // Rows numbered by their line in the file; columns by the header with the role the run gives them.
    EXPECT_EQ(t->verticalHeaderItem(0)->text(), QStringLiteral("3"));
    EXPECT_EQ(t->verticalHeaderItem(1)->text(), QStringLiteral("5"));
    EXPECT_EQ(t->horizontalHeaderItem(0)->text(), QStringLiteral("Punto\n(nome)"));
    EXPECT_EQ(t->horizontalHeaderItem(1)->text(), QStringLiteral("Lat\n(latitudine)"));
    EXPECT_EQ(t->horizontalHeaderItem(2)->text(), QStringLiteral("Lon\n(longitudine)"));
    EXPECT_EQ(t->horizontalHeaderItem(3)->text(), QStringLiteral("Note"));
    EXPECT_EQ(label("LabelFormato"), QStringLiteral("Letto come: punto e virgola, con intestazione"));

    // A delimiter set by hand splits the preview its way; no header row without a header.
    WriteFile(path("spazi.txt"), "A 41.5 -0.2\nB 42 1\n");
    box("FileIngresso")->setText(path("spazi.txt"));
    EXPECT_EQ(t->columnCount(), 3);
    EXPECT_EQ(t->rowCount(), 2);
    EXPECT_EQ(t->horizontalHeaderItem(0)->text(), QStringLiteral("Colonna 1\n(nome)"));
    EXPECT_EQ(label("LabelFormato"), QStringLiteral("Letto come: spazi, senza intestazione"));
    auto* delimiter = current->findChild<QComboBox*>(QStringLiteral("Delimitatore"));
    delimiter->setCurrentIndex(delimiter->findText(QStringLiteral("virgola")));
    EXPECT_EQ(t->columnCount(), 1);
    EXPECT_EQ(t->item(0, 0)->text(), QStringLiteral("A 41.5 -0.2"));

    // A missing file empties the preview without a message box.
    box("FileIngresso")->setText(path("manca.txt"));
    EXPECT_EQ(t->rowCount(), 0);
    EXPECT_EQ(label("LabelFormato"), QStringLiteral("File non leggibile"));
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(FileWindowTest, RunToTheEndWritesThePagesDigitsWithTheWindowsChoices) {
    // Defaults from the settings: notation 1, Monte Mario; here the window's own
    // choices are taken instead: ED50, zone 33 by hand, notation 2.
    EXPECT_TRUE(option("Option4_0")->isChecked());
    EXPECT_TRUE(option("Option5_0")->isChecked());
    choose("Option1_1");
    choose("Option2_1");
    choose("Option3_1");
    choose("Option4_1");
    EXPECT_TRUE(option("Option3_1")->isChecked());
    EXPECT_FALSE(option("Option3_3")->isEnabled()); // Ovest is a ROMA40 zone
    WriteFile(path("in.txt"), "Punto\tLat\tLon\nA\t41.5\t12.25\nB\t45.125\t15.5\n");
    setFiles(path("in.txt"), path("out.txt"));
    click("Command1");
    w->waitForRun();
    EXPECT_EQ(progress(), 100);
    EXPECT_EQ(label("LabelRiepilogo"), QStringLiteral("Righe lette: 2, convertite: 2, rifiutate: 0"));
    EXPECT_EQ(table("Rifiutate")->rowCount(), 0);
    const QStringList lines = QString::fromUtf8(ReadFile(path("out.txt"))).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("Punto\tLat\tLon\tNord\tEst\tFuso\tNord sovrapposizione\t"
                                       "Est sovrapposizione\tFuso sovrapposizione\tEsito"));
    EXPECT_EQ(lines[1], QStringLiteral("A\t41.5\t12.25\t") +
                            PageColumns(System::ED50, PlaneZone::UTM33, 41.5, 12.25, 2).replace(';', '\t') +
                            QStringLiteral("\t\t\t\tOK"));
    EXPECT_EQ(lines[2], QStringLiteral("B\t45.125\t15.5\t") +
                            PageColumns(System::ED50, PlaneZone::UTM33, 45.125, 15.5, 2).replace(';', '\t') +
                            QStringLiteral("\t\t\t\tOK"));
#ifdef TERVANO_HAVE_GEOGRAPHICLIB
    // Independently: UTM 33 on the Hayford ellipsoid, central meridian 15°, false East 500 km.
    const QStringList f = lines[1].split(QLatin1Char('\t'));
    GeographicLib::TransverseMercatorExact tm(6378388.0, 1 / 297.0, 0.9996);
    double x = 0, y = 0;
    tm.Forward(15.0, 41.5, 12.25, x, y);
    EXPECT_NEAR(f[3].toDouble(), y, 0.0011);
    EXPECT_NEAR(f[4].toDouble(), x + 500000.0, 0.0011);
#endif
    EXPECT_EQ(files(), (QStringList{"in.txt", "out.txt"}));
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_TRUE(button("Command1")->isEnabled());
    EXPECT_FALSE(button("Command2")->isEnabled());
}

TEST_F(FileWindowTest, RefusedRowsListedWithTheirLineAndMessage) {
    WriteFile(path("in.txt"), "Nome;Lat;Lon\n"
                              "P1;41.5;-0.2\n"
                              "# fuori dall'Italia\n"
                              "P2;50;1\n"
                              "P3;4l.5;1\n"
                              "P4;41.5\n"
                              "P7;45;1\n");
    setFiles(path("in.txt"), path("out.txt"));
    click("Command1");
    w->waitForRun();
    EXPECT_EQ(label("LabelRiepilogo"), QStringLiteral("Righe lette: 5, convertite: 2, rifiutate: 3"));
    QTableWidget* t = table("Rifiutate");
    ASSERT_EQ(t->rowCount(), 3);
    const std::pair<const char*, const char*> expected[] = {
        {"4", "VALORE DELLA LATITUDINE NON AMMISSIBILE PER IL SISTEMA INDICATO"},
        {"5", "VALORE NON NUMERICO NELLA COLONNA 2 (LATITUDINE)"},
        {"6", "COLONNE INSUFFICIENTI: 2 INVECE DI ALMENO 3"}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(t->item(i, 0)->text(), QString::fromLatin1(expected[i].first));
        EXPECT_EQ(t->item(i, 1)->text(), QString::fromLatin1(expected[i].second));
    }
    // Refused rows do not stop the run: the file is written, every line in place.
    EXPECT_EQ(QString::fromUtf8(ReadFile(path("out.txt"))).count(QLatin1Char('\n')), 7);
    EXPECT_EQ(progress(), 100);
}

TEST_F(FileWindowTest, AnnullaPartWayLeavesNoOutputFile) {
    QByteArray big;
    for (int i = 0; i < 200000; ++i)
        big += "P" + QByteArray::number(i) + ";" + QByteArray::number(38 + (i % 700) / 100.0) + ";" +
               QByteArray::number(-2 + (i % 500) / 100.0) + "\n";
    WriteFile(path("grande.txt"), big);
    setFiles(path("grande.txt"), path("out.txt"));
    // "ANNULLA" pressed on the window's thread as soon as the first block is written.
    int calls = 0;
    w->setProgressHook([&](std::uint64_t) {
        if (calls++ == 0)
            QMetaObject::invokeMethod(
                w, [this] { click("Command2"); }, Qt::BlockingQueuedConnection);
    });
    click("Command1");
    EXPECT_TRUE(w->running());
    EXPECT_FALSE(button("Command1")->isEnabled());
    EXPECT_TRUE(button("Command2")->isEnabled());
    w->waitForRun();
    EXPECT_GE(calls, 1);
    EXPECT_LT(progress(), 100);
    EXPECT_EQ(label("LabelRiepilogo"), QStringLiteral("Conversione annullata: nessun file scritto."));
    EXPECT_EQ(files(), QStringList{"grande.txt"}); // no output, no temporary file
    EXPECT_TRUE(fake.messages.shown.empty());

    // An existing output file: the question answered No runs nothing; Yes
    // runs, and the file stays as it was after a cancelled run.
    WriteFile(path("out.txt"), "precedente\n");
    fake.messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
    calls = 0;
    click("Command1");
    EXPECT_FALSE(w->running());
    EXPECT_EQ(calls, 0);
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().text, QStringLiteral("IL FILE DI USCITA ESISTE GIA',\rSOSTITUIRLO ?"));
    EXPECT_EQ(fake.messages.last().buttons, MessageButtons::YesNo);
    click("Command1");
    EXPECT_TRUE(w->running());
    w->waitForRun();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(ReadFile(path("out.txt")), QByteArray("precedente\n"));
    EXPECT_EQ(files(), (QStringList{"grande.txt", "out.txt"}));
}

TEST_F(FileWindowTest, ClosedDuringARunLeavesNoOutputAndGivesTheMainWindowBack) {
    QByteArray big;
    for (int i = 0; i < 100000; ++i)
        big += "P" + QByteArray::number(i) + "\t41.5\t-0.2\n";
    WriteFile(path("grande.txt"), big);
    setFiles(path("grande.txt"), path("out.txt"));
    EXPECT_FALSE(mainWindow.isEnabled());
    // The window closed from its title bar on its own thread once the first block is written.
    bool closedNow = false;
    w->setProgressHook([&](std::uint64_t) {
        QMetaObject::invokeMethod(
            w,
            [&] {
                if (!closedNow)
                    current->close();
                closedNow = true;
            },
            Qt::BlockingQueuedConnection);
    });
    click("Command1");
    while (!closedNow)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_TRUE(closed()); // deleted, after the worker ended
    EXPECT_EQ(files(), QStringList{"grande.txt"});
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(FileWindowTest, FileErrorsAndUnavailableConversionsAreToldWithoutARun) {
    WriteFile(path("in.txt"), "P1;41.5;-0.2\n");
    click("Command1");
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().text, QStringLiteral("INDICARE IL FILE DI INGRESSO"));
    EXPECT_EQ(fake.messages.last().icon, MessageIcon::Stop);

    setFiles(path("in.txt"), path("in.txt"));
    click("Command1");
    EXPECT_EQ(fake.messages.last().text,
              QStringLiteral("IL FILE DI USCITA NON PUO' ESSERE\rIL FILE DI INGRESSO"));

    setFiles(path("manca.txt"), path("out.txt"));
    click("Command1");
    EXPECT_EQ(fake.messages.last().text,
              QStringLiteral("IMPOSSIBILE APRIRE IL FILE DI INGRESSO\r") + path("manca.txt"));

    setFiles(path("in.txt"), dir.filePath(QStringLiteral("nessuna/cartella/out.txt")));
    click("Command1");
    EXPECT_TRUE(
        fake.messages.last().text.startsWith(QStringLiteral("IMPOSSIBILE SCRIVERE IL FILE DI USCITA\r")));

    // Every conversion of the converter is offered; one the converter cannot
    // make with the choices says why, next to the list and when run.
    auto* list = current->findChild<QComboBox*>(QStringLiteral("Conversione"));
    ASSERT_EQ(size_t(list->count()), AllConversions().size());
    for (int i = 0; i < list->count(); ++i) {
        list->setCurrentIndex(i);
        ConversionOptions o = w->options();
        std::string error;
        const bool available = MakeRowConverter(o, error) != nullptr;
        EXPECT_EQ(list->itemData(i).toString().toStdString(), ConversionName(AllConversions()[size_t(i)]));
        EXPECT_EQ(label("LabelConversione"), available ? QString() : QString::fromStdString(error));
        if (!available) {
            const size_t before = fake.messages.shown.size();
            setFiles(path("in.txt"), path("out.txt"));
            click("Command1");
            ASSERT_EQ(fake.messages.shown.size(), before + 1);
            EXPECT_TRUE(
                fake.messages.last().text.startsWith(QStringLiteral("CONVERSIONE NON DISPONIBILE\r")));
        }
    }
    EXPECT_EQ(files(), QStringList{"in.txt"});
    EXPECT_FALSE(w->running());
}

TEST(FileWindowMenu, GeneraleEntryOpensTheWindowWhichDisablesTheMainWindowUntilClosed) {
    AppFixture f;
    frmTervano main(*f.m);
    main.show();
    QAction* entry = main.findChild<QAction*>(QStringLiteral("conversionefile"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), QStringLiteral("Conversione di &file..."));
    entry->trigger();
    QPointer<QWidget> window = main.fileConversionWindow();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->objectName(), QStringLiteral("frmConversioneFile"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Conversione di file"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_FALSE(main.isEnabled());
    EXPECT_FALSE(main.close());
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton); // ESCI
    FlushDeletes();
    EXPECT_FALSE(window);
    EXPECT_TRUE(main.isEnabled());

    // Opened again, it takes the notation and longitude origin of the settings.
    f.m->AngleUnit = 3;
    f.m->LongitudeOrigin = 2;
    entry->trigger();
    window = main.fileConversionWindow();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->findChild<QRadioButton*>(QStringLiteral("Option4_2"))->isChecked());
    EXPECT_TRUE(window->findChild<QRadioButton*>(QStringLiteral("Option5_1"))->isChecked());
    window->close();
    FlushDeletes();
    EXPECT_TRUE(main.isEnabled());
    EXPECT_TRUE(f.fakes.messages.shown.empty());
}

// The change of system through the grid of the run, loaded in the
// change-of-system window; without one the grid method is not available.
TEST_F(FileWindowTest, ChangeOfSystemByTheTableOrTheGridOfTheRun) {
    auto* list = current->findChild<QComboBox*>(QStringLiteral("Conversione"));
    list->setCurrentIndex(list->findData(QStringLiteral("geo-piane")));
    EXPECT_FALSE(frame("Frame13")->isVisible()); // only for the change of system
    list->setCurrentIndex(list->findData(QStringLiteral("sistemi-geo")));
    EXPECT_TRUE(frame("Frame13")->isVisible());
    EXPECT_TRUE(option("Option8_0")->isChecked());
    EXPECT_TRUE(label("LabelGrigliato").startsWith(QStringLiteral("Nessun grigliato caricato")));
    choose("Option8_1");
    EXPECT_EQ(m.changeMethod, ChangeMethod::Grid);
    EXPECT_TRUE(label("LabelConversione").startsWith(QStringLiteral("Nessun grigliato NTv2 caricato")));
    WriteFile(path("in.txt"), "P1;44.5;11.3\n");
    setFiles(path("in.txt"), path("out.txt"));
    click("Command1");
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_TRUE(fake.messages.last().text.startsWith(QStringLiteral("CONVERSIONE NON DISPONIBILE\r")));
    EXPECT_EQ(files(), QStringList{"in.txt"});

    // A grid over the Emilia, linear shifts (seconds; longitude positive west).
    tervano::test::Ntv2File grid;
    grid.source = "EMILIA"; // the header does not tell: the user's ED50
    grid.subgrids = {{"EMILIA", "NONE", 44, 46, 10, 12, 0.25, 0.25}};
    grid.shift = [](double lat, double lon) {
        return tervano::test::Ntv2NodeShift{1.2 + 0.3 * (lat - 44), 2.5 - 0.2 * (lon - 10)};
    };
    const std::string bytes = grid.bytes();
    WriteFile(path("emilia.gsb"), QByteArray(bytes.data(), qsizetype(bytes.size())));
    QString error;
    ASSERT_TRUE(LoadUserGrid(m, path("emilia.gsb"), System::ED50, error)) << error.toStdString();
    w = reopen<frmConversioneFile>();
    list = current->findChild<QComboBox*>(QStringLiteral("Conversione"));
    list->setCurrentIndex(list->findData(QStringLiteral("sistemi-geo")));
    EXPECT_TRUE(option("Option8_1")->isChecked()); // the method chosen last
    EXPECT_EQ(label("LabelGrigliato"), QStringLiteral("File: emilia.gsb"));
    // The grid joins ED50 and WGS84, not the ROMA40 of the window's default.
    EXPECT_FALSE(label("LabelConversione").isEmpty());
    choose("Option1_1");
    EXPECT_TRUE(label("LabelConversione").isEmpty()) << label("LabelConversione").toStdString();
    choose("Option4_1"); // decimal degrees
    WriteFile(path("in.txt"), "P1;44.5;11.3\nP2;41.9;12.5\n");
    setFiles(path("in.txt"), path("out.txt"));
    click("Command1");
    w->waitForRun();
    EXPECT_EQ(label("LabelRiepilogo"), QStringLiteral("Righe lette: 2, convertite: 1, rifiutate: 1"));
    const QStringList lines = QString::fromUtf8(ReadFile(path("out.txt"))).split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 3);
    const QStringList p1 = lines[0].split(QLatin1Char(';'));
    ASSERT_GE(p1.size(), 5) << lines[0].toStdString();
    // Written to five decimals, as the window shows them.
    EXPECT_NEAR(p1[3].toDouble(), 44.5 + (1.2 + 0.3 * 0.5) / 3600.0, 0.51e-5);
    EXPECT_NEAR(p1[4].toDouble(), 11.3 - (2.5 - 0.2 * 1.3) / 3600.0, 0.51e-5);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("grigliato NTv2 emilia.gsb"))) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral(";EMILIA"))) << lines[0].toStdString();
    EXPECT_FALSE(lines[0].contains(dir.path()));

    // Back to the table: the same file through the common points.
    choose("Option8_0");
    EXPECT_EQ(m.changeMethod, ChangeMethod::Table);
    fake.messages.answers = {MessageAnswer::Yes}; // replace the output
    click("Command1");
    w->waitForRun();
    const QString table = QString::fromUtf8(ReadFile(path("out.txt")));
    EXPECT_TRUE(table.contains(QStringLiteral("tabella dei punti comuni"))) << table.toStdString();
}
