#include "app/Startup.h"
#include "app/frmImpostazioni.h"
#include "app/frmTervano.h"
#include "support/AppFixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The main window with the settings dialog opened from its menu.
struct SettingsDialogFixture : AppFixture {
    std::unique_ptr<frmTervano> main;

    QPointer<frmImpostazioni> open() {
        if (!main)
            main = std::make_unique<frmTervano>(*m);
        main->findChild<QAction*>(QStringLiteral("impostazioni"))->trigger();
        return main->settingsDialog();
    }
    static QRadioButton* option(QWidget* dialog, const char* name) {
        return dialog->findChild<QRadioButton*>(QString::fromLatin1(name));
    }
    static void click(QWidget* dialog, const char* name) {
        QTest::mouseClick(dialog->findChild<QAbstractButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
};

} // namespace

TEST(SettingsDialog, OpensWithTheCurrentValuesSelected) {
    SettingsDialogFixture f;
    f.writeIni("3\r\n2\r\n");
    QPointer<frmImpostazioni> dialog = f.open();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(f.main->isEnabled()); // the settings dialog leaves the main window usable
    const char* units[] = {"Option1_0", "Option1_1", "Option1_2", "Option1_3"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(f.option(dialog, units[i])->isChecked(), i == 2) << units[i];
    EXPECT_EQ(f.option(dialog, "Option1_2")->text(), QStringLiteral("Centesimali (gg.dddddddd)"));
    EXPECT_FALSE(f.option(dialog, "Option2_0")->isChecked());
    EXPECT_TRUE(f.option(dialog, "Option2_1")->isChecked());
    EXPECT_EQ(f.option(dialog, "Option2_1")->text(), QStringLiteral("Greenwich"));
    // Captions, the note whose runs of blanks break it into lines, and the font.
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Impostazioni"));
    EXPECT_EQ(dialog->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(),
              QStringLiteral("Unità di misura degli angoli"));
    EXPECT_EQ(dialog->findChild<QGroupBox*>(QStringLiteral("Frame2"))->title(),
              QStringLiteral("Origine delle Longitudini per il Sistema ROMA40"));
    EXPECT_EQ(f.option(dialog, "Option1_0")->text(), QStringLiteral("Sessagesimali (gg.ppssdddd)"));
    EXPECT_EQ(f.option(dialog, "Option1_1")->text(), QStringLiteral("Sessadecimali (gg.dddddddd)"));
    EXPECT_EQ(f.option(dialog, "Option1_3")->text(),
              QStringLiteral("Gradi Primi Decimi di primo (gg.ppdddddd)"));
    EXPECT_EQ(f.option(dialog, "Option2_0")->text(),
              QStringLiteral("Roma M. Mario (origine propria del Sistema)"));
    QLabel* note = dialog->findChild<QLabel*>(QStringLiteral("Label1"));
    EXPECT_EQ(note->text(),
              QStringLiteral("Nota: questa impostazione non ha effetto sulla scheda              "
                             "\"Catasto\" nella quale il Centro del Sistema deve               "
                             "essere espresso in Sessagesimali."));
    // Shown on three lines.
    EXPECT_GE(note->sizeHint().height(), 3 * note->fontMetrics().height());
    EXPECT_LT(note->sizeHint().height(), 4 * note->fontMetrics().height());
    for (QWidget* control : dialog->findChildren<QWidget*>())
        EXPECT_EQ(control->font().family(), QStringLiteral("Arial")) << control->objectName().toStdString();
    EXPECT_EQ(dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("OK"));
    EXPECT_EQ(dialog->findChild<QPushButton*>(QStringLiteral("Command2"))->text(), QStringLiteral("Annulla"));
    // Opening it again brings back the same dialog.
    EXPECT_EQ(f.open(), dialog);
}

TEST(SettingsDialog, OkWritesSixBytesThatTheNextStartUpReads) {
    SettingsDialogFixture f;
    f.writeIni("1\r\n2\r\n");
    QPointer<frmImpostazioni> dialog = f.open();
    f.click(dialog, "Option1_3");
    f.click(dialog, "Option2_0");
    f.click(dialog, "Command1");
    FlushDeletes();
    EXPECT_FALSE(dialog); // closed and gone
    EXPECT_EQ(f.readIni(), QByteArray("4\r\n1\r\n"));
    EXPECT_EQ(f.m->AngleUnit, 4);
    EXPECT_EQ(f.m->LongitudeOrigin, 1);
    EXPECT_TRUE(f.m->AngleUnitLine.endsWith(QStringLiteral(": Gradi Primi Decimi di primo")));
    EXPECT_TRUE(f.fakes.messages.shown.empty());
    // Nothing but the settings file is left in the folder.
    EXPECT_EQ(QDir(f.dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Tervano1.ini")});

    Modulo1 next(f.fakes.platform());
    RunStartup(next);
    EXPECT_EQ(next.AngleUnit, 4);
    EXPECT_EQ(next.LongitudeOrigin, 1);
}

TEST(SettingsDialog, AnnullaAndTheCloseBoxChangeNothing) {
    for (const char* way : {"Annulla", "close box", "Escape"}) {
        SCOPED_TRACE(way);
        SettingsDialogFixture f;
        f.writeIni("2\r\n2\r\n");
        QPointer<frmImpostazioni> dialog = f.open();
        f.click(dialog, "Option1_3");
        f.click(dialog, "Option2_0");
        if (QByteArray(way) == "Annulla")
            f.click(dialog, "Command2");
        else if (QByteArray(way) == "Escape")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            dialog->close();
        FlushDeletes();
        EXPECT_FALSE(dialog);
        EXPECT_EQ(f.m->AngleUnit, 2);
        EXPECT_EQ(f.m->LongitudeOrigin, 2);
        EXPECT_TRUE(f.m->AngleUnitLine.endsWith(QStringLiteral("Sessadecimali")));
        EXPECT_EQ(f.readIni(), QByteArray("2\r\n2\r\n"));
    }
}

TEST(SettingsDialog, UnwritableLocationWarnsAndKeepsOldFileAndNewValues) {
    SettingsDialogFixture f;
    f.writeIni("2\r\n2\r\n");
    QPointer<frmImpostazioni> dialog = f.open();
    f.click(dialog, "Option1_3");
    f.click(dialog, "Option2_0");
    {
        LockedDirectory lock(f.dir.path());
        if (!lock.locked())
            GTEST_SKIP() << "cannot make a folder unwritable here";
        f.click(dialog, "Command1");
    }
    FlushDeletes();
    EXPECT_FALSE(dialog);
    ASSERT_EQ(f.fakes.messages.shown.size(), 1u);
    const RecordedMessage& msg = f.fakes.messages.last();
    EXPECT_EQ(msg.icon, MessageIcon::Exclamation);
    EXPECT_EQ(msg.buttons, MessageButtons::Ok);
    EXPECT_EQ(msg.text, msg.text.toUpper());
    EXPECT_TRUE(msg.text.contains(QStringLiteral("IMPOSTAZIONI")));
    EXPECT_EQ(f.readIni(), QByteArray("2\r\n2\r\n"));
    EXPECT_EQ(QDir(f.dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Tervano1.ini")});
    EXPECT_EQ(f.m->AngleUnit, 4);
    EXPECT_EQ(f.m->LongitudeOrigin, 1);
    EXPECT_TRUE(f.m->AngleUnitLine.endsWith(QStringLiteral("Gradi Primi Decimi di primo")));
}

TEST(SettingsDialog, MissingFolderIsCreatedOnOk) {
    SettingsDialogFixture f;
    f.fakes.settings.path = f.dir.filePath(QStringLiteral("config/sub/Tervano1.ini"));
    QPointer<frmImpostazioni> dialog = f.open();
    f.click(dialog, "Option1_1");
    f.click(dialog, "Command1");
    EXPECT_EQ(f.readIni(), QByteArray("2\r\n1\r\n"));
    EXPECT_TRUE(f.fakes.messages.shown.empty());
}

TEST(SettingsDialog, EnterConfirmsUnlessAButtonHasTheFocus) {
    {
        SettingsDialogFixture f;
        QPointer<frmImpostazioni> dialog = f.open();
        f.click(dialog, "Option1_1");
        QTest::keyClick(f.option(dialog, "Option1_1"), Qt::Key_Return);
        EXPECT_EQ(f.readIni(), QByteArray("2\r\n1\r\n"));
        EXPECT_EQ(f.m->AngleUnit, 2);
    }
    {
        SettingsDialogFixture f;
        QPointer<frmImpostazioni> dialog = f.open();
        f.click(dialog, "Option1_1");
        QWidget* cancel = dialog->findChild<QWidget*>(QStringLiteral("Command2"));
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Return);
        FlushDeletes();
        EXPECT_FALSE(dialog);
        EXPECT_EQ(f.m->AngleUnit, 1);
        EXPECT_FALSE(QFileInfo::exists(f.iniPath()));
    }
}
