#include "print/qt/QtPrinterDevice.h"

#include "app/Fonts.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double MillimetresPerInch = 25.4;

int MillimetresToTwips(double mm) {
    return qRound(mm * TwipsPerInch / MillimetresPerInch);
}

} // namespace

QtPrinterDevice::QtPrinterDevice(Kind kind) : kind_(kind), font_(NamedFont(QStringLiteral("Arial"), 11)) {}

QtPrinterDevice::QtPrinterDevice() : QtPrinterDevice(Kind::None) {
    if (qEnvironmentVariable("TERVANO1_PRINTER").compare(QStringLiteral("none"), Qt::CaseInsensitive) == 0)
        return;
    systemPrinters_ = static_cast<int>(QPrinterInfo::availablePrinterNames().size());
    if (systemPrinters_ > 0) {
        kind_ = Kind::System;
    } else {
        kind_ = Kind::Pdf;
        outputDir_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (outputDir_.isEmpty())
            outputDir_ = QDir::homePath();
    }
    measurePage();
}

QtPrinterDevice::QtPrinterDevice(const QString& outputDirectory) : QtPrinterDevice(Kind::Pdf) {
    outputDir_ = outputDirectory;
    measurePage();
}

void QtPrinterDevice::measurePage() {
    const std::unique_ptr<QPrinter> probe = makePrinter();
    const QRectF paper = probe->pageLayout().fullRect(QPageLayout::Millimeter);
    pageHeight_ = MillimetresToTwips(paper.height());
    pageWidth_ = MillimetresToTwips(paper.width());
}

std::unique_ptr<QtPrinterDevice> QtPrinterDevice::none() {
    return std::unique_ptr<QtPrinterDevice>(new QtPrinterDevice(Kind::None));
}

QtPrinterDevice::~QtPrinterDevice() {
    discardDocument();
}

int QtPrinterDevice::printerCount() const {
    switch (kind_) {
    case Kind::None:
        return 0;
    case Kind::System:
        return systemPrinters_;
    case Kind::Pdf:
        return 1;
    }
    return 0;
}

int QtPrinterDevice::pageHeight() const {
    return pageHeight_;
}
int QtPrinterDevice::pageWidth() const {
    return pageWidth_;
}

void QtPrinterDevice::setPosition(int x, int y) {
    x_ = x;
    y_ = y;
}

void QtPrinterDevice::setFont(const QString& name, int pointSize, bool bold) {
    font_ = NamedFont(name, pointSize, bold);
}

std::unique_ptr<QPrinter> QtPrinterDevice::makePrinter() const {
    std::unique_ptr<QPrinter> p;
    if (kind_ == Kind::System) {
        QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull() && !QPrinterInfo::availablePrinters().isEmpty())
            info = QPrinterInfo::availablePrinters().constFirst();
        p = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    } else {
        p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setPageSize(QPageSize(QPageSize::A4));
        p->setPageOrientation(QPageLayout::Portrait);
    }
    // Positions are measured from the corner of the paper.
    p->setFullPage(true);
    p->setCreator(QStringLiteral("Tervano1"));
    p->setDocName(QStringLiteral("Tervano1"));
    return p;
}

bool QtPrinterDevice::beginDocument() {
    if (kind_ == Kind::None)
        return false;
    printer_ = makePrinter();
    if (kind_ == Kind::Pdf) {
        // The document is written under a hidden name and gets its final
        // name only when it ends, so an abandoned document leaves nothing.
        if (!QDir().mkpath(outputDir_)) {
            printer_.reset();
            return false;
        }
        static int counter = 0;
        partialFile_ = QStringLiteral("%1/.Tervano1-%2-%3.partial.pdf")
                           .arg(outputDir_)
                           .arg(QCoreApplication::applicationPid())
                           .arg(++counter);
        printer_->setOutputFileName(partialFile_);
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        resetDocument();
        return false;
    }
    return true;
}

bool QtPrinterDevice::printLine(const QString& text) {
    if (!painter_ && !beginDocument())
        return false;
    const double dotsPerInch = printer_->resolution();
    painter_->setFont(font_);
    const QFontMetricsF metrics(font_, printer_.get());
    const QPointF baseline(x_ * dotsPerInch / TwipsPerInch,
                           y_ * dotsPerInch / TwipsPerInch + metrics.ascent());
    painter_->drawText(baseline, text);
    y_ += qRound(metrics.lineSpacing() * TwipsPerInch / dotsPerInch);
    return true;
}

bool QtPrinterDevice::newPage() {
    // Before the first line there is no page to leave: the document begins on its first page.
    if (painter_ && !printer_->newPage())
        return false;
    x_ = 0;
    y_ = 0;
    return true;
}

QString QtPrinterDevice::uniquePdfName() const {
    const QString base =
        QStringLiteral("%1/Tervano1-%2")
            .arg(outputDir_, QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    QString name = base + QStringLiteral(".pdf");
    for (int n = 2; QFile::exists(name); ++n)
        name = QStringLiteral("%1-%2.pdf").arg(base).arg(n);
    return name;
}

PrintOutcome QtPrinterDevice::endDocument() {
    PrintOutcome outcome;
    if (painter_) {
        const bool ended = painter_->end();
        if (kind_ == Kind::Pdf) {
            if (!ended) {
                outcome = {false, QStringLiteral("IMPOSSIBILE CREARE IL DOCUMENTO PDF"), {}};
            } else {
                const QString name = uniquePdfName();
                if (QFile::rename(partialFile_, name))
                    outcome.savedFile = name;
                else
                    outcome = {false, QStringLiteral("IMPOSSIBILE SALVARE IL DOCUMENTO PDF"), {}};
            }
        } else if (!ended || printer_->printerState() == QPrinter::Error) {
            outcome = {
                false, QStringLiteral("ERRORE DELLA STAMPANTE: IL DOCUMENTO NON È STATO STAMPATO"), {}};
        }
    }
    resetDocument();
    return outcome;
}

void QtPrinterDevice::discardDocument() {
    if (painter_ && kind_ == Kind::System)
        printer_->abort();
    resetDocument();
}

void QtPrinterDevice::resetDocument() {
    if (painter_ && painter_->isActive())
        painter_->end();
    painter_.reset();
    printer_.reset();
    if (!partialFile_.isEmpty()) {
        QFile::remove(partialFile_);
        partialFile_.clear();
    }
    x_ = 0;
    y_ = 0;
}
