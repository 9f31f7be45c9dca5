#include "app/Startup.h"
#include "support/AppFixture.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

struct SettingsCase {
    const char* what;
    QByteArray content;
    int angleUnit;
    int longitudeOrigin;
};

} // namespace

TEST(Startup, SettingsFileContentsGiveValuesAndLeaveTheFileAlone) {
    const SettingsCase cases[] = {
        {"both values", QByteArray("4\r\n2\r\n"), 4, 2},
        {"both out of range", QByteArray("7\r\n0\r\n"), 1, 1},
        {"origin out of range", QByteArray("3\r\n3\r\n"), 3, 1},
        {"comma separated", QByteArray("2,2"), 2, 2},
        {"one number", QByteArray("4\r\n"), 1, 1},
        {"text", QByteArray("Sessagesimali\r\nGreenwich\r\n"), 1, 1},
        {"beyond 16 bits", QByteArray("70000\r\n1\r\n"), 1, 1},
        {"fraction", QByteArray("2.5\r\n2\r\n"), 1, 1},
        {"trailing junk", QByteArray("2\r\n2\r\nx\r\n"), 1, 1},
        {"binary junk", QByteArray("\x00\xff\x13\x02\x88\x7f\x00", 7), 1, 1},
    };
    for (const SettingsCase& c : cases) {
        SCOPED_TRACE(c.what);
        AppFixture f;
        f.m->AngleUnit = 3; // start-up must reset what it does not read
        f.m->LongitudeOrigin = 2;
        f.writeIni(c.content);
        RunStartup(*f.m);
        EXPECT_EQ(f.m->AngleUnit, c.angleUnit);
        EXPECT_EQ(f.m->LongitudeOrigin, c.longitudeOrigin);
        EXPECT_EQ(f.readIni(), c.content);
    }
}

TEST(Startup, MissingShortOrUnreadableSettingsGiveDefaults) {
    {
        SCOPED_TRACE("no file: nothing is left behind");
        AppFixture f;
        RunStartup(*f.m);
        EXPECT_EQ(f.m->AngleUnit, 1);
        EXPECT_EQ(f.m->LongitudeOrigin, 1);
        EXPECT_TRUE(f.m->AngleUnitLine.endsWith(QStringLiteral("Sessagesimali")));
        EXPECT_FALSE(QFileInfo::exists(f.iniPath()));
        EXPECT_TRUE(QDir(f.dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
    {
        SCOPED_TRACE("two bytes: the file is removed");
        AppFixture f;
        f.writeIni("4\n");
        RunStartup(*f.m);
        EXPECT_EQ(f.m->AngleUnit, 1);
        EXPECT_FALSE(QFileInfo::exists(f.iniPath()));
    }
    {
        SCOPED_TRACE("an empty file is not ours to remove");
        AppFixture f;
        f.writeIni("");
        RunStartup(*f.m);
        EXPECT_EQ(f.m->AngleUnit, 1);
        EXPECT_EQ(f.m->LongitudeOrigin, 1);
        EXPECT_TRUE(QFileInfo::exists(f.iniPath()));
        EXPECT_EQ(QFileInfo(f.iniPath()).size(), 0);
    }
    {
        SCOPED_TRACE("the location is a folder");
        AppFixture f;
        ASSERT_TRUE(QDir().mkpath(f.iniPath()));
        RunStartup(*f.m);
        EXPECT_EQ(f.m->AngleUnit, 1);
        EXPECT_EQ(f.m->LongitudeOrigin, 1);
        EXPECT_TRUE(QFileInfo(f.iniPath()).isDir());
    }
    {
        SCOPED_TRACE("the folder does not exist");
        AppFixture f;
        f.fakes.settings.path = f.dir.filePath(QStringLiteral("missing/Tervano1.ini"));
        RunStartup(*f.m);
        EXPECT_EQ(f.m->AngleUnit, 1);
        EXPECT_FALSE(QFileInfo::exists(f.dir.filePath(QStringLiteral("missing"))));
    }
    {
        SCOPED_TRACE("the file cannot be read");
        AppFixture f;
        f.writeIni("4\r\n2\r\n");
        QFile::setPermissions(f.iniPath(), QFileDevice::Permissions());
        QFile probe(f.iniPath());
        if (!probe.open(QIODevice::ReadOnly)) { // root reads it anyway
            RunStartup(*f.m);
            EXPECT_EQ(f.m->AngleUnit, 1);
            EXPECT_EQ(f.m->LongitudeOrigin, 1);
        }
        QFile::setPermissions(f.iniPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}

TEST(Startup, AngleUnitLineNamesTheNotationRead) {
    const char* names[] = {"Sessagesimali", "Sessadecimali", "Centesimali", "Gradi Primi Decimi di primo"};
    for (int unit = 1; unit <= 4; ++unit) {
        AppFixture f;
        f.writeIni(QByteArray::number(unit) + "\r\n1\r\n");
        RunStartup(*f.m);
        EXPECT_EQ(f.m->AngleUnitLine, QStringLiteral("Unità di misura degli angoli selezionata: ") +
                                          QString::fromUtf8(names[unit - 1]));
    }
}

TEST(Startup, PageValuesFromThePrinterPage) {
    {
        SCOPED_TRACE("A4");
        AppFixture f;
        RunStartup(*f.m);
        EXPECT_TRUE(f.m->PrinterPresent);
        EXPECT_EQ(f.m->PageBottom, 15847);
        EXPECT_EQ(f.m->PageTop, 280);
        EXPECT_EQ(f.m->PageLeft, 793);
    }
    {
        SCOPED_TRACE("a page taller than the 16-bit range allows");
        AppFixture f;
        f.fakes.printer.height = 40000;
        f.fakes.printer.width = 28350;
        RunStartup(*f.m);
        EXPECT_EQ(f.m->PageBottom, 37647);
        EXPECT_EQ(f.m->PageTop, 666);
        EXPECT_EQ(f.m->PageLeft, 1890);
        // Large enough for h x 16 to leave 32 bits.
        const PageMetrics huge = ComputePageMetrics(200000000, 30);
        EXPECT_EQ(huge.PageBottom, 188235294);
        EXPECT_EQ(huge.PageTop, 3333333);
    }
    {
        SCOPED_TRACE("no printer");
        AppFixture f;
        f.fakes.printer.printers = 0;
        RunStartup(*f.m);
        EXPECT_FALSE(f.m->PrinterPresent);
        EXPECT_EQ(f.m->PageBottom, 0);
        EXPECT_EQ(f.m->PageTop, 0);
        EXPECT_EQ(f.m->PageLeft, 0);
    }
}

TEST(Startup, HeaderTextsAndCopiedCoordinatesAreReset) {
    AppFixture f;
    f.m->CopiedCoordinates.Kind = CopiedKind::Geographic;
    f.m->CopiedCoordinates.Latitude = 41.5;
    RunStartup(*f.m);
    EXPECT_EQ(f.m->CopiedCoordinates.Kind, CopiedKind::Empty);
    EXPECT_EQ(f.m->CopiedCoordinates.Latitude, 0.0);
    EXPECT_EQ(f.m->HeaderRule, QString(62, QLatin1Char('_')));
    EXPECT_EQ(f.m->HeaderProduct, QStringLiteral(" Tervano1"));
    EXPECT_EQ(f.m->HeaderVersion, QStringLiteral("(Ver. 1.2.1 - Dicembre 2002)"));
    EXPECT_EQ(f.m->HeaderPoint, QStringLiteral("Punto: "));
    EXPECT_EQ(f.m->GapWide, QString(14, QLatin1Char(' ')));
    EXPECT_EQ(f.m->GapNarrow, QString(9, QLatin1Char(' ')));
}
