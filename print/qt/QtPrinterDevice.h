#pragma once

#include "app/Platform.h"

#include <QFont>
#include <QString>
#include <memory>

class QPainter;
class QPrinter;

// The printer of the program, through Qt print support.
//
// With system printers the default one receives the documents. Without any,
// a built-in PDF printer stands in: each ended document becomes a PDF file in
// the chosen folder (by default the user's documents folder). Positions are in
// twips (1/1440 inch) measured from the top left corner of the paper.
class QtPrinterDevice : public PrinterDevice {
public:
    enum class Kind { None, System, Pdf };

    // Chooses from the environment: TERVANO1_PRINTER=none means no printer;
    // otherwise the system printers when there are any, else the PDF printer.
    QtPrinterDevice();
    // The built-in PDF printer writing its files into outputDirectory.
    explicit QtPrinterDevice(const QString& outputDirectory);
    // No printer at all.
    static std::unique_ptr<QtPrinterDevice> none();
    ~QtPrinterDevice() override;

    QtPrinterDevice(const QtPrinterDevice&) = delete;
    QtPrinterDevice& operator=(const QtPrinterDevice&) = delete;

    Kind kind() const { return kind_; }
    QString outputDirectory() const { return outputDir_; }

    int printerCount() const override;
    int pageHeight() const override;
    int pageWidth() const override;
    int currentX() const override { return x_; }
    int currentY() const override { return y_; }
    void setPosition(int x, int y) override;
    void setFont(const QString& name, int pointSize, bool bold) override;
    bool printLine(const QString& text) override;
    bool newPage() override;
    PrintOutcome endDocument() override;
    void discardDocument() override;

private:
    explicit QtPrinterDevice(Kind kind);
    std::unique_ptr<QPrinter> makePrinter() const;
    // Page extents of the printer, in twips, from the paper's size.
    void measurePage();
    bool beginDocument();
    void resetDocument();
    QString uniquePdfName() const;

    Kind kind_ = Kind::None;
    int systemPrinters_ = 0;
    QString outputDir_;
    int pageHeight_ = 0;
    int pageWidth_ = 0;

    int x_ = 0;
    int y_ = 0;
    QFont font_;

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QString partialFile_; // PDF being written, renamed when the document ends
};
