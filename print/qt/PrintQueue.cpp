#include "print/qt/PrintQueue.h"

#include "app/Modulo1.h"

namespace {
const QString Arial = QStringLiteral("Arial");
const QString Comic = QStringLiteral("Comic Sans MS");
} // namespace

PrintQueue::PrintQueue(Modulo1& m, QWidget* messageParent) : m_(m), parent_(messageParent) {}

void PrintQueue::resetForLoad() {
    if (m_.PrinterPresent)
        m_.platform.printer.setPosition(0, 0);
    m_.QueueOpen = false;
}

void PrintQueue::setFont(const QString& name, int pointSize, bool bold) {
    if (m_.PrinterPresent)
        m_.platform.printer.setFont(name, pointSize, bold);
}

void PrintQueue::setFont(int pointSize, bool bold) {
    setFont(Arial, pointSize, bold);
}

bool PrintQueue::printLine(const QStringList& pieces, int x) {
    if (!m_.PrinterPresent || failed_)
        return false;
    PrinterDevice& p = m_.platform.printer;
    if (p.currentY() == 0)
        p.setPosition(p.currentX(), m_.PageTop);
    if (p.currentY() > m_.PageBottom) {
        // The document goes on on a new page: it ends only at "STAMPA" or when
        // the window is left, so a PDF printer writes one file for all pages.
        if (!p.newPage()) {
            fail(QStringLiteral("ERRORE DELLA STAMPANTE"));
            return false;
        }
        // The continued page gets the same top margin as the first line of any
        // document, so nothing is printed on the edge; no header is repeated.
        p.setPosition(0, m_.PageTop);
    }
    p.setPosition(m_.PageLeft + x, p.currentY());
    if (!p.printLine(pieces.join(QString()))) {
        fail(QStringLiteral("ERRORE DELLA STAMPANTE"));
        return false;
    }
    return true;
}

void PrintQueue::printText(const QString& text) {
    const QStringList lines = text.split(QLatin1Char('\r'));
    for (const QString& line : lines) {
        if (!line.isEmpty())
            printLine({line});
    }
}

void PrintQueue::printHeader(const QString& title) {
    setFont(Comic, 16, true);
    printLine({QString(23, QLatin1Char(' ')), m_.HeaderProduct});
    setFont(Comic, 9, false);
    printLine({QString(56, QLatin1Char(' ')), m_.HeaderVersion});
    setFont(Arial, 11, false);
    printLine();
    setFont(Arial, 11, true);
    printLine({title});
    setFont(Arial, 6, false);
    printLine();
    setFont(Arial, 11, false);
    printLine({m_.AngleUnitLine});
    printLine({m_.HeaderRule});
    printLine();
}

bool PrintQueue::append(const QString& title, const std::function<void(PrintQueue&)>& block) {
    if (!m_.PrinterPresent)
        return false;
    failed_ = false;
    if (!m_.QueueOpen) {
        m_.QueueOpen = true;
        printHeader(title);
    }
    if (!failed_)
        block(*this);
    const bool ok = !failed_;
    failed_ = false;
    return ok;
}

bool PrintQueue::print() {
    m_.QueueOpen = false;
    if (!m_.PrinterPresent)
        return true;
    failed_ = false;
    const bool ok = endDocument();
    failed_ = false;
    return ok;
}

void PrintQueue::discard() {
    if (m_.PrinterPresent)
        m_.platform.printer.discardDocument();
    m_.QueueOpen = false;
}

bool PrintQueue::endDocument() {
    const PrintOutcome outcome = m_.platform.printer.endDocument();
    if (!outcome.ok) {
        fail(outcome.error.isEmpty() ? QStringLiteral("ERRORE DELLA STAMPANTE") : outcome.error.toUpper());
        return false;
    }
    if (!outcome.savedFile.isEmpty())
        m_.platform.messages.show(
            parent_, QStringLiteral("IL DOCUMENTO E' STATO SALVATO NEL FILE:\r") + outcome.savedFile,
            MessageIcon::Information);
    return true;
}

void PrintQueue::fail(const QString& reason) {
    failed_ = true;
    m_.platform.printer.discardDocument();
    m_.QueueOpen = false;
    m_.platform.messages.show(parent_,
                              QStringLiteral("STAMPA NON RIUSCITA: ") + reason +
                                  QStringLiteral("\rLA CODA DI STAMPA E' STATA ELIMINATA"),
                              MessageIcon::Stop);
}

bool PrintQueue::append(const QString& title, const tervano::PrintedBlock& block) {
    return append(title, [&block](PrintQueue& q) {
        for (const tervano::PrintedLine& line : block.lines()) {
            q.setFont(QString::fromStdString(line.font), line.size, line.bold);
            QStringList pieces;
            for (const std::string& piece : line.pieces)
                pieces << QString::fromStdString(piece);
            q.printLine(pieces, line.x);
        }
    });
}
