#include "app/frmTervano.h"
#include "print/QtPrinterDevice.h"
#include "support/AppFixture.h"
#include "windows/frmGeoPia.h"

#include "WindowFixture.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

void TypeInto(QWidget* w, const char* name, const char* keys) {
    auto* e = w->findChild<QLineEdit*>(QString::fromLatin1(name));
    e->setFocus();
    QTest::keyClicks(e, QString::fromUtf8(keys));
    QTest::keyClick(e, Qt::Key_Return);
}

TEST(Menu, OpensEitherWindowAndClosesTheOther) {
    AppFixture f;
    frmTervano main(*f.m);
    main.show();
    main.findChild<QAction*>(QStringLiteral("geografichepiane"))->trigger();
    QWidget* geo = main.conversionWindow(QStringLiteral("frmGeoPia"));
    ASSERT_NE(geo, nullptr);
    EXPECT_TRUE(geo->isVisible());
    EXPECT_FALSE(main.isEnabled());
    QApplication::setActiveWindow(geo);
    // The typical request from the menu onwards.
    TypeInto(geo, "Text7", "41.5");
    TypeInto(geo, "Text8", "-0.2");
    QTest::mouseClick(geo->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_EQ(geo->findChild<QGroupBox*>(QStringLiteral("Frame7"))->title(), "Fuso EST (appartenenza)");
    EXPECT_EQ(geo->findChild<QGroupBox*>(QStringLiteral("Frame8"))->title(), "Fuso OVEST (sovrapposizione)");

    main.findChild<QAction*>(QStringLiteral("pianegeografiche"))->trigger();
    FlushDeletes();
    EXPECT_EQ(main.conversionWindow(QStringLiteral("frmGeoPia")), nullptr);
    QWidget* plane = main.conversionWindow(QStringLiteral("frmPiaGeo"));
    ASSERT_NE(plane, nullptr);
    EXPECT_TRUE(plane->isVisible());
    EXPECT_FALSE(main.isEnabled()); // the window now open keeps the main window disabled
    plane->close();
    FlushDeletes();
    EXPECT_TRUE(main.isEnabled());
}

TEST(Pdf, TheBuiltInPdfPrinterWritesHeaderAndBlock) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir out;
    QtPrinterDevice printer(out.path());
    FakeMessages messages;
    FixedSettingsLocation settings;
    FakeProcess process;
    Modulo1 m(Platform{messages, printer, settings, process});
    m.PrinterPresent = true;
    m.PageBottom = int(printer.pageHeight() * 16 / 17.0);
    m.PageTop = printer.pageHeight() / 60;
    m.PageLeft = printer.pageWidth() / 15;
    m.HeaderRule = QString(62, QLatin1Char('_'));
    m.HeaderProduct = QStringLiteral(" Tervano1");
    m.HeaderVersion = QStringLiteral("(Ver. 1.2.1 - Dicembre 2002)");
    m.HeaderPoint = QStringLiteral("Punto: ");
    m.GapWide = QString(14, QLatin1Char(' '));
    m.AngleUnitLine = QStringLiteral("Unità di misura degli angoli selezionata: Sessagesimali");
    QWidget main;
    auto* w = new frmGeoPia(m, &main);
    w->show();
    QApplication::setActiveWindow(w);
    TypeInto(w, "Text7", "41.5");
    TypeInto(w, "Text8", "-0.2");
    w->findChild<QLineEdit*>(QStringLiteral("Text9"))->setText(QStringLiteral("Vertice 7"));
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    const QString north = w->findChild<QLineEdit*>(QStringLiteral("Text3"))->text();
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command6")), Qt::LeftButton);
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command7")), Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().icon, MessageIcon::Information);
    const QStringList files = QDir(out.path()).entryList({QStringLiteral("*.pdf")});
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(messages.last().text.contains(files.front()));

    QProcess p;
    p.start(pdftotext,
            {QStringLiteral("-layout"), QDir(out.path()).filePath(files.front()), QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    for (const QString& expected :
         {QStringLiteral("Tervano1"), QStringLiteral("(Ver. 1.2.1 - Dicembre 2002)"),
          QStringLiteral("TRASFORMAZIONE COORDINATE DA GEOGRAFICHE A PIANE"),
          QStringLiteral("Unità di misura degli angoli selezionata: Sessagesimali"),
          QStringLiteral("Sistema Geodetico di riferimento: ROMA40 (Sistema Nazionale)"),
          QStringLiteral("Rappr. CONFORME DI GAUSS con fattore di scala 0.9996"),
          QStringLiteral("Punto: Vertice 7"),
          QStringLiteral("Coordinate Piane GAUSS BOAGA - Fuso EST (appartenenza)"),
          QStringLiteral("Coordinate Piane GAUSS BOAGA - Fuso OVEST (sovrapposizione)"),
          QStringLiteral("Nord: ") + north, QString(62, QLatin1Char('_'))})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n" << text.toStdString();
    w->close();
    FlushDeletes();
}

} // namespace
