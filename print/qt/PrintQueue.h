#pragma once

#include "print/PrintedBlock.h"

#include <QString>
#include <QStringList>
#include <functional>

class Modulo1;
class QWidget;

// The printed document every conversion window adds its results to. It is
// composed directly on the printer of Modulo1::platform; Modulo1::QueueOpen
// says that a document has been started with its header.
//
// Usage, in a window:
//   PrintQueue q(m, this);
//   q.resetForLoad();                                   // when the window loads
//   q.append("TRASFORMAZIONE ...", page.printedBlock(texts)); // "ACCODA": header, then the block
//   q.print();                                          // "STAMPA"
//   q.discard();                                        // leaving without printing
// Lines move down by the font's line height; a line that would start below
// PageBottom goes on at the top of a new page of the same document (no header).
// A printer failure is told to the user (stop icon), the document is thrown
// away and the queue is left closed; append() and print() then return false.
class PrintQueue {
public:
    explicit PrintQueue(Modulo1& m, QWidget* messageParent = nullptr);

    // Window load: position 0, 0 (with a printer) and the queue closed.
    void resetForLoad();

    void setFont(const QString& name, int pointSize, bool bold);
    // "Arial" in the given size and weight.
    void setFont(int pointSize, bool bold);

    // One line: the pieces written one after the other, `x` twips right of
    // PageLeft. Nothing without a printer.
    bool printLine(const QStringList& pieces = {}, int x = 0);
    // Lines separated by "\r"; empty pieces print nothing.
    void printText(const QString& text);
    // The eight lines that open every document.
    void printHeader(const QString& title);

    // "ACCODA": header when the queue is closed, then the block. False when the
    // printer failed (the user has been told, the queue is closed).
    bool append(const QString& title, const std::function<void(PrintQueue&)>& block);
    // The same with a block given as a value: each line in its font, at its x.
    bool append(const QString& title, const tervano::PrintedBlock& block);
    // "STAMPA": ends the document so that it prints; the queue closes.
    bool print();
    // Throws away whatever is pending (with a printer) and closes the queue.
    void discard();

private:
    bool endDocument();
    void fail(const QString& reason);

    Modulo1& m_;
    QWidget* parent_;
    bool failed_ = false;
};
