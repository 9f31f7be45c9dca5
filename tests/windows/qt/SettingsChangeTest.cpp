// The settings dialog stays usable while a conversion window is open: its "OK"
// reaches the open window at once, which shows its typed angles in the new
// notation and origin and drops the results computed under the old settings.

#include "app/frmImpostazioni.h"
#include "datum/CommonPointTable.h"
#include "datum/qt/frmSistemi.h"
#include "windows/qt/frmGeoPia.h"
#include "windows/qt/frmUnicoFuso.h"

#include "support/WindowFixture.h"

#include <QLabel>
#include <QTemporaryDir>

namespace {

class SettingsChange : public WindowFixture {
protected:
    QTemporaryDir dir;
    QPointer<frmImpostazioni> dialog;

    SettingsChange() { fake.settings.path = dir.filePath(QStringLiteral("Tervano1.ini")); }
    ~SettingsChange() override { delete dialog.data(); }

    // The dialog is opened first and stays open, as from the main window's menu.
    template <class W> W* openUnder(int unit, int origin) {
        setAngleUnit(unit);
        m.LongitudeOrigin = origin;
        dialog = new frmImpostazioni(m, &mainWindow);
        dialog->show();
        return open<W>();
    }
    // Chooses in the dialog, "OK", and back to the conversion window.
    void changeSettings(int unit, int origin) {
        if (!dialog) {
            dialog = new frmImpostazioni(m, &mainWindow);
            dialog->show();
        }
        QTest::mouseClick(dialog->findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(unit - 1)),
                          Qt::LeftButton, {}, QPoint(6, 6));
        QTest::mouseClick(dialog->findChild<QRadioButton*>(QStringLiteral("Option2_%1").arg(origin - 1)),
                          Qt::LeftButton, {}, QPoint(6, 6));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(m.AngleUnit, unit);
        ASSERT_EQ(m.LongitudeOrigin, origin);
        QApplication::setActiveWindow(current);
    }
    QString label(const char* name) const {
        return current->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    bool labelShown(const char* name) const {
        return current->findChild<QLabel*>(QString::fromLatin1(name))->isVisible();
    }
    bool printed(const QString& line) const {
        for (const PrintedLine& l : fake.printer.pending())
            if (l.text == line)
                return true;
        return false;
    }
};

TEST_F(SettingsChange, GeographicToPlaneTakesTheNewNotationAndOriginAtOnce) {
    openUnder<frmGeoPia>(3, 1);
    // 50 and 2 grads are 45° and 1°48' east of Monte Mario.
    type("Text7", "50");
    type("Text8", "2");
    click("Command1");
    const QString north = text("Text3"), east = text("Text4");
    ASSERT_FALSE(north.isEmpty()) << (fake.messages.shown.empty() ? ""
                                                                  : fake.messages.last().text.toStdString());
    ASSERT_TRUE(enabled("Command6"));

    changeSettings(1, 1);
    EXPECT_EQ(label("Label10"), "Sessagesimali");
    EXPECT_EQ(text("Text1"), "45° 00' 00.0000''");
    EXPECT_EQ(text("Text2"), "1° 48' 00.0000''");
    EXPECT_EQ(text("Text7").trimmed(), "45");
    EXPECT_EQ(text("Text8").trimmed(), "1.48");
    for (const char* name : {"Text7", "Text1"})
        EXPECT_EQ(box(name)->toolTip(), "Latitudine in Sessagesimali (gg.ppssdddd)") << name;
    for (const char* name : {"Text8", "Text2"})
        EXPECT_EQ(box(name)->toolTip(), "Longitudine in Sessagesimali (gg.ppssdddd)") << name;
    // The results of the old settings are gone, and with them "COPIA" and "ACCODA".
    for (const char* name : {"Text3", "Text4", "Text5", "Text6"})
        EXPECT_TRUE(text(name).isEmpty()) << name;
    EXPECT_FALSE(enabled("Command4"));
    EXPECT_FALSE(enabled("Command6"));
    // The same place gives the same result, and the page prints one notation.
    click("Command1");
    EXPECT_EQ(text("Text3"), north);
    EXPECT_EQ(text("Text4"), east);
    // "OK" without a change keeps the result.
    changeSettings(1, 1);
    EXPECT_EQ(text("Text3"), north);
    EXPECT_TRUE(enabled("Command6"));
    click("Command6");
    EXPECT_TRUE(printed("Unità di misura degli angoli selezionata: Sessagesimali"));
    EXPECT_TRUE(printed("Latitudine: 45° 00' 00.0000''" + m.GapWide + "Longitudine: 1° 48' 00.0000''"));

    // ROMA40 longitudes from Greenwich: the typed longitude is the same meridian
    // counted from Greenwich, and the notice appears.
    EXPECT_FALSE(labelShown("Label8"));
    changeSettings(2, 2);
    EXPECT_EQ(label("Label10"), "Sessadecimali");
    EXPECT_EQ(text("Text1"), "45.00000000°");
    EXPECT_EQ(text("Text2"), "14.25233333°");
    EXPECT_TRUE(labelShown("Label8"));
    EXPECT_TRUE(text("Text3").isEmpty());
    click("Command1");
    EXPECT_EQ(text("Text3"), north);
    EXPECT_EQ(text("Text4"), east);
    changeSettings(2, 1);
    EXPECT_EQ(text("Text2"), "1.80000000°");
    EXPECT_FALSE(labelShown("Label8"));

    // A box being typed in is read in the notation it was typed in.
    type("Text7", "50.5", false);
    changeSettings(3, 1);
    EXPECT_EQ(text("Text7").trimmed(), "56.1111111111111");
    QTest::keyClick(box("Text7"), Qt::Key_Tab);
    EXPECT_EQ(text("Text1"), "56.11111111");

    // WGS84 longitudes are from Greenwich whatever the setting: they keep their value.
    choose("Option1_2");
    changeSettings(3, 2);
    EXPECT_EQ(text("Text2"), "2.00000000");
    EXPECT_FALSE(labelShown("Label8"));
}

TEST_F(SettingsChange, SingleZoneMeridianLabelsFollowTheSettings) {
    openUnder<frmUnicoFuso>(1, 1);
    EXPECT_EQ(label("Label5"), "0° 00' 00'' ;     Falsa origine Est = 1 000 000");
    choose("Option2_1");
    type("Text6", "1");
    type("Text10", "500000");
    EXPECT_EQ(label("Label13"), "1° 00' 00.00''");
    type("Text7", "45");
    type("Text8", "1.3");
    click("Command1");
    const QString north = text("Text3");
    ASSERT_FALSE(north.isEmpty()) << (fake.messages.shown.empty() ? ""
                                                                  : fake.messages.last().text.toStdString());

    changeSettings(2, 2);
    EXPECT_EQ(label("Label19"), "Sessadecimali");
    EXPECT_EQ(label("Label5"), "12.00000000° ;     Falsa origine Est = 1 000 000");
    // The typed meridian is the same meridian counted from Greenwich.
    EXPECT_EQ(text("Text5"), "13.45233333°");
    EXPECT_EQ(label("Label13"), "13° 27' 08.40''");
    EXPECT_EQ(box("Text6")->toolTip(), "Longitudine in Sessadecimali (gg.dddddddd)");
    EXPECT_TRUE(labelShown("Label16"));
    EXPECT_TRUE(text("Text3").isEmpty());
    EXPECT_FALSE(enabled("Command4"));
    EXPECT_FALSE(enabled("Command6"));
    // Point, meridian and so the result are the same as before.
    click("Command1");
    EXPECT_EQ(text("Text3"), north);
}

TEST_F(SettingsChange, ChangeOfSystemMovesOnlyAROMA40SourceLongitude) {
    ASSERT_TRUE(
        tervano::LoadCommonPoints(std::string(TERVANO_SOURCE_DIR) + "/data/common_points.tsv", m.commonPoints)
            .ok);
    m.commonPointsLoaded = true;
    openUnder<frmSistemi>(1, 1);
    type("Text5", "41.5");
    type("Text6", "0.3");
    click("Command1");
    const QString latitude = text("Text3"), longitude = text("Text4");
    ASSERT_FALSE(longitude.isEmpty());

    changeSettings(1, 2);
    EXPECT_TRUE(text("Text3").isEmpty());
    EXPECT_TRUE(text("Text4").isEmpty());
    EXPECT_TRUE(labelShown("Label8"));
    EXPECT_TRUE(text("Text6").trimmed().startsWith("12.5708")) << text("Text6").toStdString();
    click("Command1");
    EXPECT_EQ(text("Text3"), latitude);
    EXPECT_EQ(text("Text4"), longitude);
}

} // namespace
