#include "print/qt/QtPrinterDevice.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList AllFiles(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

TEST(QtPrinterDevice, PdfPrinterWritesEachEndedDocumentAsItsOwnFile) {
    QTemporaryDir dir;
    QtPrinterDevice printer(dir.path());
    EXPECT_EQ(printer.printerCount(), 1);
    EXPECT_EQ(printer.pageHeight(), 16838);
    EXPECT_EQ(printer.pageWidth(), 11906);

    printer.setPosition(793, 280);
    printer.setFont(QStringLiteral("Comic Sans MS"), 16, true);
    ASSERT_TRUE(printer.printLine(QStringLiteral("Tervano1")));
    const int afterTitle = printer.currentY();
    printer.setFont(QStringLiteral("Arial"), 11, false);
    ASSERT_TRUE(printer.printLine(QStringLiteral("Unità di misura degli angoli selezionata: Sessagesimali")));
    EXPECT_EQ(printer.currentX(), 793);
    // One line moves down by about the font's height: 16 pt and 11 pt lines.
    EXPECT_GT(afterTitle - 280, 16 * 20);
    EXPECT_LT(afterTitle - 280, 16 * 20 * 3 / 2);
    const int step = printer.currentY() - afterTitle;
    EXPECT_GT(step, 11 * 20);
    EXPECT_LT(step, 11 * 20 * 3 / 2);

    const PrintOutcome first = printer.endDocument();
    ASSERT_TRUE(first.ok) << first.error.toStdString();
    EXPECT_EQ(printer.currentX(), 0);
    EXPECT_EQ(printer.currentY(), 0);
    static const QRegularExpression name(QStringLiteral("^Tervano1-\\d{8}-\\d{6}(-\\d+)?\\.pdf$"));
    const QFileInfo saved(first.savedFile);
    EXPECT_EQ(saved.absolutePath(), QDir(dir.path()).absolutePath());
    EXPECT_TRUE(name.match(saved.fileName()).hasMatch()) << saved.fileName().toStdString();
    QFile pdf(first.savedFile);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    pdf.close();

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (!pdftotext.isEmpty()) {
        QProcess p;
        p.start(pdftotext, {first.savedFile, QStringLiteral("-")});
        ASSERT_TRUE(p.waitForFinished(30000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        EXPECT_TRUE(text.contains(QStringLiteral("Tervano1")));
        EXPECT_TRUE(text.contains(QStringLiteral("Unità di misura degli angoli")));
    }

    // A second document ended within the same second gets a name of its own.
    ASSERT_TRUE(printer.printLine(QStringLiteral("secondo documento")));
    const PrintOutcome second = printer.endDocument();
    ASSERT_TRUE(second.ok);
    EXPECT_NE(second.savedFile, first.savedFile);
    EXPECT_EQ(AllFiles(dir.path()).size(), 2);
}

TEST(QtPrinterDevice, DiscardedOrEmptyDocumentsLeaveNoFile) {
    QTemporaryDir dir;
    QtPrinterDevice printer(dir.path());
    printer.setPosition(793, 280);
    ASSERT_TRUE(printer.printLine(QStringLiteral("da scartare")));
    printer.discardDocument();
    EXPECT_EQ(printer.currentY(), 0);
    EXPECT_TRUE(AllFiles(dir.path()).isEmpty());

    const PrintOutcome empty = printer.endDocument();
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.savedFile.isEmpty());
    EXPECT_TRUE(AllFiles(dir.path()).isEmpty());

    {
        QtPrinterDevice abandoned(dir.path());
        ASSERT_TRUE(abandoned.printLine(QStringLiteral("mai finito")));
    }
    EXPECT_TRUE(AllFiles(dir.path()).isEmpty());
}

TEST(QtPrinterDevice, UnusableOutputFolderOrNoPrinterRefusesLines) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QtPrinterDevice printer(dir.filePath(QStringLiteral("file/sub")));
    EXPECT_FALSE(printer.printLine(QStringLiteral("riga")));

    const QByteArray saved = qgetenv("TERVANO1_PRINTER");
    qputenv("TERVANO1_PRINTER", "none");
    QtPrinterDevice none;
    EXPECT_EQ(none.printerCount(), 0);
    EXPECT_FALSE(none.printLine(QStringLiteral("riga")));
    if (saved.isNull())
        qunsetenv("TERVANO1_PRINTER");
    else
        qputenv("TERVANO1_PRINTER", saved);
}
