#pragma once

#include "app/Modulo1.h"
#include "app/Platform.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

// Test implementations of the platform interfaces: nothing blocks, nothing
// ends the process, everything is recorded.

struct RecordedMessage {
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
};

class FakeMessages : public MessageService {
public:
    std::vector<RecordedMessage> shown;
    std::deque<MessageAnswer> answers; // scripted answers to Yes/No questions; default Yes

    MessageAnswer show(QWidget*, const QString& text, MessageIcon icon, MessageButtons buttons) override {
        shown.push_back({text, icon, buttons});
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (answers.empty())
            return MessageAnswer::Yes;
        MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    const RecordedMessage& last() const { return shown.back(); }
};

struct PrintedLine {
    int x;
    int y;
    QString font;
    int size;
    bool bold;
    QString text;
    int document; // index of the document the line belongs to
    int page;     // page of that document, from 0
};

// A printer that records every line with its position and font.
class RecordingPrinter : public PrinterDevice {
public:
    int printers = 1;
    int height = 16838; // A4 in twips
    int width = 11906;
    int lineHeightFactor = 20; // twips per point of font size, roughly 1.15 line spacing
    bool failNextLine = false;
    bool failNextEnd = false;
    bool failNextPage = false;

    std::vector<PrintedLine> lines;              // every line ever printed
    std::vector<std::vector<PrintedLine>> ended; // documents ended (printed)
    int discarded = 0;                           // documents discarded with lines in them
    int documentIndex = 0;
    int pageIndex = 0; // page of the document being composed

    int printerCount() const override { return printers; }
    int pageHeight() const override { return height; }
    int pageWidth() const override { return width; }
    int currentX() const override { return x_; }
    int currentY() const override { return y_; }
    void setPosition(int x, int y) override {
        x_ = x;
        y_ = y;
    }
    void setFont(const QString& name, int pointSize, bool bold) override {
        font_ = name;
        size_ = pointSize;
        bold_ = bold;
    }
    bool printLine(const QString& text) override {
        if (failNextLine) {
            failNextLine = false;
            return false;
        }
        PrintedLine l{x_, y_, font_, size_, bold_, text, documentIndex, pageIndex};
        lines.push_back(l);
        current_.push_back(l);
        y_ += size_ * lineHeightFactor;
        return true;
    }
    bool newPage() override {
        if (failNextPage) {
            failNextPage = false;
            return false;
        }
        ++pageIndex;
        x_ = y_ = 0;
        return true;
    }
    PrintOutcome endDocument() override {
        pageIndex = 0;
        if (failNextEnd) {
            failNextEnd = false;
            current_.clear();
            x_ = y_ = 0;
            return {false, "ERRORE DELLA STAMPANTE", {}};
        }
        ended.push_back(current_);
        current_.clear();
        ++documentIndex;
        x_ = y_ = 0;
        return {};
    }
    void discardDocument() override {
        pageIndex = 0;
        if (!current_.empty())
            ++discarded;
        current_.clear();
        x_ = y_ = 0;
    }
    const std::vector<PrintedLine>& pending() const { return current_; }

private:
    int x_ = 0, y_ = 0;
    QString font_ = "Arial";
    int size_ = 11;
    bool bold_ = false;
    std::vector<PrintedLine> current_;
};

class FixedSettingsLocation : public SettingsLocation {
public:
    QString path;
    QString settingsFilePath() const override { return path; }
};

class FakeProcess : public ProcessControl {
public:
    int endCalls = 0;
    void endNow() override { ++endCalls; }
};

// Bundles the fakes with a Modulo1 wired to them.
struct FakePlatform {
    FakeMessages messages;
    RecordingPrinter printer;
    FixedSettingsLocation settings;
    FakeProcess process;
    Platform platform() { return Platform{messages, printer, settings, process}; }
};
