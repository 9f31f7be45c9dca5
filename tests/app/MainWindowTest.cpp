#include "app/WindowRegistry.h"
#include "app/frmInfo.h"
#include "app/frmSplash.h"
#include "app/frmTervano.h"
#include "support/AppFixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Counts the close notifications any widget receives.
class CloseCounter : public QObject {
public:
    int closes = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Close)
            ++closes;
        return false;
    }
};

QStringList Captions(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* a : actions)
        out << a->text();
    return out;
}

} // namespace

TEST(MainWindow, MenuHasEveryEntryAndConversionEntriesWaitForTheirWindows) {
    AppFixture f;
    frmTervano w(*f.m);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tervano1 - vers. 1.2.1"));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("Image1"))->size(), QSize(640, 480));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("Label1"))->font().family(),
              QStringLiteral("Comic Sans MS"));

    EXPECT_EQ(Captions(w.menuBar()->actions()),
              (QStringList{"&Generale", "Geografiche - &Piane", "Geografiche - &Cartesiane",
                           "Passaggio fra &Sistemi", "Ca&tasto", "&Esci"}));
    EXPECT_EQ(Captions(w.findChild<QMenu*>(QStringLiteral("generale"))->actions()),
              (QStringList{"&Impostazioni...", "Conversione di &file...", "In&formazioni su...", "&Esci"}));
    EXPECT_EQ(Captions(w.findChild<QMenu*>(QStringLiteral("piane"))->actions()),
              (QStringList{"&Geografiche - Piane", "&Piane - Geografiche", "&Fuso Unico"}));
    EXPECT_EQ(Captions(w.findChild<QMenu*>(QStringLiteral("cartesiane"))->actions()),
              (QStringList{"&Geografiche - Cartesiane", "&Cartesiane - Geografiche"}));

    const std::pair<const char*, const char*> entries[] = {{"geografichepiane", "frmGeoPia"},
                                                           {"pianegeografiche", "frmPiaGeo"},
                                                           {"unicofuso", "frmUnicoFuso"},
                                                           {"geografichecartesiane", "frmGeoCart"},
                                                           {"cartesianegeografiche", "frmCartGeo"},
                                                           {"passaggiosistemi", "frmSistemi"},
                                                           {"catasto", "frmCatasto"}};
    for (const auto& [item, window] : entries) {
        QAction* action = w.findChild<QAction*>(QString::fromLatin1(item));
        ASSERT_NE(action, nullptr) << item;
        EXPECT_EQ(action->isEnabled(), ConversionWindowAvailable(QString::fromLatin1(window))) << item;
    }
    for (const char* item : {"impostazioni", "conversionefile", "INFO", "escigen", "esci"})
        EXPECT_TRUE(w.findChild<QAction*>(QString::fromLatin1(item))->isEnabled()) << item;
}

TEST(MainWindow, EachEntryOpensItsOwnWindowClosesTheOthersAndDisablesTheMenu) {
    AppFixture f;
    frmTervano w(*f.m);
    w.show();
    ASSERT_TRUE(f.m->commonPointsLoaded) << f.m->commonPointsError.toStdString();
    const std::pair<const char*, const char*> entries[] = {{"geografichepiane", "frmGeoPia"},
                                                           {"pianegeografiche", "frmPiaGeo"},
                                                           {"unicofuso", "frmUnicoFuso"},
                                                           {"geografichecartesiane", "frmGeoCart"},
                                                           {"cartesianegeografiche", "frmCartGeo"},
                                                           {"passaggiosistemi", "frmSistemi"},
                                                           {"catasto", "frmCatasto"},
                                                           {"geografichepiane", "frmGeoPia"}};
    QPointer<QWidget> last;
    for (const auto& [item, window] : entries) {
        SCOPED_TRACE(item);
        w.findChild<QAction*>(QString::fromLatin1(item))->trigger();
        FlushDeletes();
        for (const QString& name : ConversionWindowNames()) {
            QWidget* open = w.conversionWindow(name);
            if (name == QLatin1String(window)) {
                ASSERT_NE(open, nullptr);
                EXPECT_EQ(open->objectName(), name);
                EXPECT_TRUE(open->isVisible());
                last = open;
            } else {
                EXPECT_EQ(open, nullptr) << name.toStdString();
            }
        }
        EXPECT_FALSE(w.isEnabled());
    }
    ASSERT_TRUE(last);
    EXPECT_FALSE(w.close()); // disabled: the close box is ignored as well
    EXPECT_TRUE(w.isVisible());
    last->close();
    FlushDeletes();
    EXPECT_TRUE(w.isEnabled());
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(f.fakes.messages.shown.empty());
}

TEST(MainWindow, ChangeOfSystemWithoutCommonPointsExplainsWhy) {
    AppFixture f;
    frmTervano w(*f.m);
    f.m->commonPointsLoaded = false;
    f.m->commonPointsError = QStringLiteral("FILE DEI PUNTI COMUNI NON TROVATO");
    w.openConversionWindow(QStringLiteral("frmSistemi"));
    ASSERT_EQ(f.fakes.messages.shown.size(), 1u);
    EXPECT_EQ(f.fakes.messages.last().text, QStringLiteral("FILE DEI PUNTI COMUNI NON TROVATO"));
    EXPECT_EQ(f.fakes.messages.last().icon, MessageIcon::Stop);
    EXPECT_EQ(w.conversionWindow(QStringLiteral("frmSistemi")), nullptr);
}

TEST(MainWindow, EsciEndsThroughTheProcessWithoutClosingAnyWindow) {
    AppFixture f;
    frmTervano w(*f.m);
    w.show();
    w.findChild<QAction*>(QStringLiteral("impostazioni"))->trigger();
    QPointer<QWidget> settings = w.settingsDialog();
    ASSERT_TRUE(settings);
    CloseCounter counter;
    for (QWidget* top : QApplication::topLevelWidgets())
        top->installEventFilter(&counter);

    w.findChild<QAction*>(QStringLiteral("esci"))->trigger();
    EXPECT_EQ(f.fakes.process.endCalls, 1);
    w.findChild<QAction*>(QStringLiteral("escigen"))->trigger();
    EXPECT_EQ(f.fakes.process.endCalls, 2);

    FlushDeletes();
    EXPECT_EQ(counter.closes, 0);
    ASSERT_TRUE(settings);
    EXPECT_TRUE(settings->isVisible());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(f.fakes.messages.shown.empty());
    EXPECT_FALSE(QFileInfo::exists(f.iniPath())); // nothing written
}

TEST(AboutWindow, DisablesTheMainWindowUntilItClosesEitherWay) {
    AppFixture f;
    frmTervano w(*f.m);
    w.show();
    for (const char* way : {"OK", "close box"}) {
        SCOPED_TRACE(way);
        w.findChild<QAction*>(QStringLiteral("INFO"))->trigger();
        QPointer<frmInfo> about = w.aboutWindow();
        ASSERT_TRUE(about);
        EXPECT_TRUE(about->isVisible());
        EXPECT_TRUE(about->isEnabled());
        EXPECT_FALSE(w.isEnabled());
        EXPECT_EQ(about->windowTitle(), QStringLiteral("Informazioni su Tervano1"));
        const QString request = about->findChild<QLabel*>(QStringLiteral("Label4"))->text();
        EXPECT_EQ(request,
                  QStringLiteral("Per richiedere chiarimenti sulle funzionalità del programma,\n"
                                 "o proporre suggerimenti, contattare gli autori agli indirizzi:\n\n"));
        EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("Label1"))->font().family(),
                  QStringLiteral("Comic Sans MS"));
        EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("Label3"))->text(),
                  QStringLiteral("Versione 1.2.1  - dicembre 2002"));
        EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("Label3"))->font().family(),
                  QStringLiteral("Arial"));
        const QStringList addresses =
            about->findChild<QLabel*>(QStringLiteral("Label5"))->text().split(QLatin1Char('\n'));
        ASSERT_EQ(addresses.size(), 3);
        for (const QString& line : addresses)
            EXPECT_TRUE(line.startsWith(QStringLiteral("- ")) && line.contains(QLatin1Char('@')))
                << line.toStdString();

        // The disabled main window ignores its close box too.
        EXPECT_FALSE(w.close());
        EXPECT_TRUE(w.isVisible());

        if (QByteArray(way) == "OK")
            QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        else
            about->close();
        FlushDeletes();
        EXPECT_FALSE(about);
        EXPECT_TRUE(w.isEnabled());
    }
}

TEST(Splash, KeyPressShowsTheMainWindowAtOnceAndTheTimerNeverFiresAfter) {
    AppFixture f;
    f.writeIni("3\r\n1\r\n");
    frmSplash splash(*f.m);
    splash.show();
    QTimer* timer = splash.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 4000);
    EXPECT_EQ(splash.mainWindow(), nullptr);

    QTest::keyClick(&splash, Qt::Key_A);
    frmTervano* main = splash.mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(f.m->AngleUnit, 3); // the start-up ran

    // A late tick or click does nothing: no second main window, no second start-up.
    f.m->AngleUnit = 2;
    splash.onTimerTick();
    QTest::mouseClick(&splash, Qt::LeftButton);
    EXPECT_EQ(splash.mainWindow(), main);
    EXPECT_EQ(f.m->AngleUnit, 2);
}

TEST(Splash, TimerTickOrClickShowsTheMainWindowOnce) {
    {
        SCOPED_TRACE("timer");
        AppFixture f;
        frmSplash splash(*f.m);
        splash.show();
        splash.onTimerTick();
        frmTervano* main = splash.mainWindow();
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(main->isVisible());
        EXPECT_FALSE(splash.isVisible());
        EXPECT_FALSE(splash.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        splash.onTimerTick();
        EXPECT_EQ(splash.mainWindow(), main);
    }
    {
        SCOPED_TRACE("click on a label");
        AppFixture f;
        frmSplash splash(*f.m);
        splash.show();
        QLabel* version = splash.findChild<QLabel*>(QStringLiteral("Label1"));
        EXPECT_EQ(version->text(), QStringLiteral("Versione 1.2.1  - dicembre 2002"));
        EXPECT_EQ(version->font().family(), QStringLiteral("Arial"));
        EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("Label2"))->font().family(),
                  QStringLiteral("Arial"));
        EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("Label3"))->font().family(),
                  QStringLiteral("Comic Sans MS"));
        QTest::mouseClick(version, Qt::LeftButton);
        ASSERT_NE(splash.mainWindow(), nullptr);
        EXPECT_TRUE(splash.mainWindow()->isVisible());
    }
}
