#include "app/UserGrid.h"
#include "app/Startup.h"
#include "support/AppFixture.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using tervano::ChangeMethod;
using tervano::System;

TEST(GridMemory, TwoLinesPathAndSystemOrNothing) {
    // The format as written: UTF-8 path, CR LF, system, CR LF.
    const RememberedGrid g{QStringLiteral("/home/geometra/griglie/Città di Pèsaro.gsb"), System::ED50};
    const QByteArray bytes = GridMemoryBytes(g);
    EXPECT_EQ(bytes, QByteArray("/home/geometra/griglie/Citt\xc3\xa0 di P\xc3\xa8saro.gsb\r\nED50\r\n"));
    const std::optional<RememberedGrid> back = GridMemoryFromBytes(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->path, g.path);
    EXPECT_EQ(back->source, System::ED50);

    const std::optional<RememberedGrid> roma = GridMemoryFromBytes("C:\\griglie\\rer.gsb\nROMA40\n");
    ASSERT_TRUE(roma); // bare line feeds are taken too
    EXPECT_EQ(roma->path, QStringLiteral("C:\\griglie\\rer.gsb"));
    EXPECT_EQ(roma->source, System::ROMA40);

    for (const char* bad : {"", "\r\n", "/g.gsb\r\n", "/g.gsb\r\nWGS84\r\n", "\r\nROMA40\r\n",
                            "/g.gsb\r\nROMA40", "/g.gsb\r\nROMA40\r\nED50\r\n", "/g.gsb\r\nroma40\r\n"})
        EXPECT_FALSE(GridMemoryFromBytes(bad)) << bad;
}

TEST(GridMemory, FileBesideTheSettingsWrittenAndReadBack) {
    AppFixture f;
    const QString memory = GridMemoryPath(f.iniPath());
    EXPECT_EQ(QFileInfo(memory).absolutePath(), QFileInfo(f.iniPath()).absolutePath());
    EXPECT_EQ(QFileInfo(memory).fileName(), QStringLiteral("Tervano1-grigliato.ini"));
    EXPECT_TRUE(GridMemoryPath(QString()).isEmpty());

    EXPECT_FALSE(ReadGridMemory(memory)); // none yet
    ASSERT_TRUE(WriteGridMemory(memory, {QStringLiteral("/g/primo.gsb"), System::ROMA40}));
    ASSERT_TRUE(WriteGridMemory(memory, {QStringLiteral("/g/secondo.gsb"), System::ED50}));
    const std::optional<RememberedGrid> back = ReadGridMemory(memory);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->path, QStringLiteral("/g/secondo.gsb"));
    EXPECT_EQ(back->source, System::ED50);
    EXPECT_FALSE(QFileInfo::exists(f.iniPath())); // the settings file is not touched
    // A path the two lines cannot hold is refused, the file before kept.
    EXPECT_FALSE(WriteGridMemory(memory, {QStringLiteral("/g/a\ncapo.gsb"), System::ROMA40}));
    EXPECT_EQ(ReadGridMemory(memory)->path, QStringLiteral("/g/secondo.gsb"));

    // A folder that refuses files: false, and the file before stays.
    LockedDirectory lock(f.dir.path());
    if (lock.locked()) {
        EXPECT_FALSE(WriteGridMemory(memory, {QStringLiteral("/g/terzo.gsb"), System::ROMA40}));
        EXPECT_EQ(ReadGridMemory(memory)->path, QStringLiteral("/g/secondo.gsb"));
    }
}

// Whatever the memory file holds, the program starts with the table and
// says nothing; a memory that cannot give a grid leaves the reason for later.
TEST(GridMemory, StartUpWithoutAUsableGridStartsWithTheTableSilently) {
    {
        SCOPED_TRACE("no memory file");
        AppFixture f;
        RunStartup(*f.m);
        EXPECT_EQ(f.m->changeMethod, ChangeMethod::Table);
        EXPECT_FALSE(f.m->grid);
        EXPECT_TRUE(f.m->gridPath.isEmpty());
        EXPECT_TRUE(f.m->gridError.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(GridMemoryPath(f.iniPath()))); // none is created
    }
    {
        SCOPED_TRACE("a grid file that is gone");
        AppFixture f;
        const QString gone = f.dir.filePath(QStringLiteral("sparito.gsb"));
        ASSERT_TRUE(WriteGridMemory(GridMemoryPath(f.iniPath()), {gone, System::ED50}));
        const QByteArray before = GridMemoryBytes({gone, System::ED50});
        RunStartup(*f.m);
        EXPECT_EQ(f.m->changeMethod, ChangeMethod::Table);
        EXPECT_FALSE(f.m->grid);
        EXPECT_EQ(f.m->gridPath, gone); // shown to the user, who may mend it
        EXPECT_FALSE(f.m->gridError.isEmpty());
        EXPECT_TRUE(f.fakes.messages.shown.empty());
        // The memory stays as it was: the grid may come back (a disk not mounted).
        QFile memory(GridMemoryPath(f.iniPath()));
        ASSERT_TRUE(memory.open(QIODevice::ReadOnly));
        EXPECT_EQ(memory.readAll(), before);
    }
    {
        SCOPED_TRACE("a memory file that is not one");
        AppFixture f;
        QFile memory(GridMemoryPath(f.iniPath()));
        ASSERT_TRUE(memory.open(QIODevice::WriteOnly));
        memory.write("\x00\x01garbage", 9);
        memory.close();
        f.writeIni("2\r\n2\r\n");
        RunStartup(*f.m);
        EXPECT_EQ(f.m->AngleUnit, 2); // the settings are read as ever
        EXPECT_EQ(f.m->LongitudeOrigin, 2);
        EXPECT_EQ(f.m->changeMethod, ChangeMethod::Table);
        EXPECT_FALSE(f.m->grid);
        EXPECT_TRUE(f.m->gridError.contains(QStringLiteral("Tervano1-grigliato.ini")));
        EXPECT_TRUE(f.fakes.messages.shown.empty());
    }
}
