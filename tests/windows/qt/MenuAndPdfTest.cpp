#include "app/Startup.h"
#include "app/frmTervano.h"
#include "print/qt/QtPrinterDevice.h"
#include "support/AppFixture.h"
#include "windows/qt/frmGeoPia.h"

#include "support/WindowFixture.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

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

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    EXPECT_TRUE(p.waitForFinished(30000)) << program.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The geographic-to-plane window of a program started on the built-in PDF
// printer, which writes into a fresh folder. The window is deleted with the
// session, so a failed assertion does not leave it open for the tests that follow.
struct PdfSession {
    QTemporaryDir out;
    QtPrinterDevice printer{out.path()};
    FakeMessages messages;
    FixedSettingsLocation settings;
    FakeProcess process;
    Modulo1 m{Platform{messages, printer, settings, process}};
    QWidget main;
    QPointer<frmGeoPia> w;

    PdfSession() {
        RunStartup(m); // page values from the PDF printer
        w = new frmGeoPia(m, &main);
        w->show();
        QApplication::setActiveWindow(w);
    }
    ~PdfSession() { delete w.data(); }
    QStringList files() const { return QDir(out.path()).entryList({QStringLiteral("*.pdf")}); }
    QString path(const QString& file) const { return QDir(out.path()).filePath(file); }
};

TEST(Pdf, TheBuiltInPdfPrinterWritesHeaderAndBlock) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    PdfSession session;
    frmGeoPia* w = session.w;
    FakeMessages& messages = session.messages;
    TypeInto(w, "Text7", "41.5");
    TypeInto(w, "Text8", "-0.2");
    w->findChild<QLineEdit*>(QStringLiteral("Text9"))->setText(QStringLiteral("Vertice 7"));
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    const QString north = w->findChild<QLineEdit*>(QStringLiteral("Text3"))->text();
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command6")), Qt::LeftButton);
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command7")), Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().icon, MessageIcon::Information);
    const QStringList files = session.files();
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(messages.last().text.contains(files.front()));

    QProcess p;
    p.start(pdftotext, {QStringLiteral("-layout"), session.path(files.front()), QStringLiteral("-")});
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
}

TEST(Pdf, BlocksBeyondThePageBottomGoOnOnASecondPageOfTheSameFile) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdftotext.isEmpty() || pdfinfo.isEmpty())
        GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
    PdfSession session;
    frmGeoPia* w = session.w;
    FakeMessages& messages = session.messages;
    TypeInto(w, "Text7", "41.5");
    TypeInto(w, "Text8", "-0.2");
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    // Four blocks of the overlap band do not fit on one A4 page.
    auto* name = w->findChild<QLineEdit*>(QStringLiteral("Text9"));
    for (const char* point : {"P1", "P2", "P3", "P4"}) {
        name->setText(QString::fromLatin1(point));
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command6")), Qt::LeftButton);
    }
    EXPECT_TRUE(messages.shown.empty()); // no file is saved while the queue is open
    EXPECT_TRUE(session.files().isEmpty());
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command7")), Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    const QStringList files = session.files();
    ASSERT_EQ(files.size(), 1);
    const QString file = session.path(files.front());
    EXPECT_TRUE(RunTool(pdfinfo, {file}).contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
    const QString first =
        RunTool(pdftotext, {QStringLiteral("-layout"), QStringLiteral("-f"), QStringLiteral("1"),
                            QStringLiteral("-l"), QStringLiteral("1"), file, QStringLiteral("-")});
    const QString second =
        RunTool(pdftotext, {QStringLiteral("-layout"), QStringLiteral("-f"), QStringLiteral("2"),
                            QStringLiteral("-l"), QStringLiteral("2"), file, QStringLiteral("-")});
    EXPECT_TRUE(first.contains(QStringLiteral("TRASFORMAZIONE COORDINATE DA GEOGRAFICHE A PIANE")));
    EXPECT_TRUE(first.contains(QStringLiteral("Punto: P1")));
    EXPECT_TRUE(second.contains(QStringLiteral("Punto: P4"))) << second.toStdString();
    EXPECT_FALSE(second.contains(QStringLiteral("TRASFORMAZIONE"))) << second.toStdString();
    EXPECT_FALSE(second.contains(QStringLiteral("Tervano1"))) << second.toStdString();
    // Every block is printed once in the file.
    const QString all = first + second;
    for (const char* point : {"P1", "P2", "P3", "P4"})
        EXPECT_EQ(all.count(QStringLiteral("Punto: ") + QString::fromLatin1(point)), 1) << point;
    if (!qEnvironmentVariableIsEmpty("TERVANO_KEEP_PDF"))
        QFile::copy(file, qEnvironmentVariable("TERVANO_KEEP_PDF"));
}

// A word of the PDF text with its box, in points from the top left corner.
struct PdfWord {
    double xMin, yMin, xMax, yMax;
    QString text;
};

// The words of a PDF in reading order, from `pdftotext -bbox`.
std::vector<PdfWord> WordsOf(const QString& pdftotext, const QString& file) {
    const QString xhtml = RunTool(pdftotext, {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    std::vector<PdfWord> words;
    for (const QRegularExpressionMatch& w : word.globalMatch(xhtml)) {
        QString text = w.captured(5);
        text.replace(QLatin1String("&apos;"), QLatin1String("'"))
            .replace(QLatin1String("&#39;"), QLatin1String("'"))
            .replace(QLatin1String("&quot;"), QLatin1String("\""))
            .replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&amp;"), QLatin1String("&"));
        words.push_back({w.captured(1).toDouble(), w.captured(2).toDouble(), w.captured(3).toDouble(),
                         w.captured(4).toDouble(), text});
    }
    return words;
}

// The words printed on the same line as `words[i]`, to its right, from left to
// right (a wide gap may make pdftotext list the two halves of a line apart).
std::vector<PdfWord> RestOfLine(const std::vector<PdfWord>& words, size_t i) {
    std::vector<PdfWord> rest;
    for (size_t j = 0; j < words.size(); ++j)
        if (j != i && std::abs(words[j].yMin - words[i].yMin) < 1.0 && words[j].xMin > words[i].xMin)
            rest.push_back(words[j]);
    std::sort(rest.begin(), rest.end(), [](const PdfWord& a, const PdfWord& b) { return a.xMin < b.xMin; });
    return rest;
}

// Moving every piece of text to the paper's edge or to one column must not go
// unnoticed: in the real PDF the labels of a printed block start at PageLeft
// and each value follows its label on the same line.
TEST(Pdf, LabelsStartAtThePageLeftAndValuesFollowThem) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    PdfSession session;
    frmGeoPia* w = session.w;
    ASSERT_GT(session.m.PageLeft, 0);
    TypeInto(w, "Text7", "41.5");
    TypeInto(w, "Text8", "-0.2");
    w->findChild<QLineEdit*>(QStringLiteral("Text9"))->setText(QStringLiteral("Vertice 7"));
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    const auto shown = [w](const char* name) {
        return w->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    };
    // Latitude, longitude; North and East in the zone of membership and in the overlap zone.
    const QStringList values = {shown("Text1"), shown("Text2"), shown("Text3"),
                                shown("Text4"), shown("Text5"), shown("Text6")};
    for (const QString& v : values)
        ASSERT_FALSE(v.isEmpty());
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command6")), Qt::LeftButton);
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command7")), Qt::LeftButton);
    const QStringList files = session.files();
    ASSERT_EQ(files.size(), 1);
    const std::vector<PdfWord> words = WordsOf(pdftotext, session.path(files.front()));
    ASSERT_FALSE(words.empty());

    const double left = session.m.PageLeft / 20.0; // twips to points
    const double tolerance = 1.0;
    const QString rule(62, QLatin1Char('_'));
    int header = 0, sistema = 0, latitude = 0, punto = 0, north = 0, rules = 0;
    size_t nextValue = 2; // North, East of the zone of membership first
    for (size_t i = 0; i < words.size(); ++i) {
        const PdfWord& word = words[i];
        const std::string where = word.text.toStdString() + " at x " + std::to_string(word.xMin);
        if (word.text == QLatin1String("Sistema")) {
            ++sistema;
            EXPECT_NEAR(word.xMin, left, tolerance) << where;
        } else if (word.text == QLatin1String("TRASFORMAZIONE") || word.text == QStringLiteral("Unità")) {
            ++header; // the title and the notation line of the header
            EXPECT_NEAR(word.xMin, left, tolerance) << where;
        } else if (word.text == QLatin1String("Punto:")) {
            ++punto;
            EXPECT_NEAR(word.xMin, left, tolerance) << where;
        } else if (word.text == rule) {
            ++rules;
            EXPECT_NEAR(word.xMin, left, tolerance) << where;
        } else if (word.text == QLatin1String("Latitudine:") || word.text == QLatin1String("Nord:")) {
            const bool isLatitude = word.text == QLatin1String("Latitudine:");
            EXPECT_NEAR(word.xMin, left, tolerance) << where;
            // "<label> <value> <gap> <second label> <second value>" on one line.
            const QString secondLabel = isLatitude ? QStringLiteral("Longitudine:") : QStringLiteral("Est:");
            const size_t first = isLatitude ? 0 : nextValue;
            if (isLatitude)
                ++latitude;
            else {
                ++north;
                nextValue += 2;
            }
            if (first + 1 >= size_t(values.size()))
                continue;
            const std::vector<PdfWord> rest = RestOfLine(words, i);
            QStringList firstValue, secondValue;
            double firstValueLeft = -1, secondLabelLeft = -1, secondLabelRight = -1, secondValueLeft = -1;
            for (const PdfWord& r : rest) {
                if (r.text == secondLabel) {
                    secondLabelLeft = r.xMin;
                    secondLabelRight = r.xMax;
                } else if (secondLabelLeft < 0) {
                    if (firstValue.isEmpty())
                        firstValueLeft = r.xMin;
                    firstValue << r.text;
                } else {
                    if (secondValue.isEmpty())
                        secondValueLeft = r.xMin;
                    secondValue << r.text;
                }
            }
            EXPECT_EQ(firstValue.join(QLatin1Char(' ')), values[first]) << where;
            EXPECT_EQ(secondValue.join(QLatin1Char(' ')), values[first + 1]) << where;
            EXPECT_GT(firstValueLeft, word.xMax) << where;
            EXPECT_GT(secondLabelLeft, firstValueLeft) << where;
            EXPECT_GT(secondValueLeft, secondLabelRight) << where;
        }
    }
    // The block: system, latitude line, two North lines (membership and overlap),
    // the point name; the rule under the header and under the block.
    EXPECT_EQ(header, 2);
    EXPECT_EQ(sistema, 1);
    EXPECT_EQ(latitude, 1);
    EXPECT_EQ(north, 2);
    EXPECT_EQ(punto, 1);
    EXPECT_EQ(rules, 2);
}

} // namespace
