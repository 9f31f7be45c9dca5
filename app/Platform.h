#pragma once

#include <QString>

class QWidget;

// Everything that touches the platform goes through these interfaces, so that
// tests can replace them: message boxes, the printer, the settings file
// location and ending the process.

enum class MessageIcon { Stop, Exclamation, Information, None };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows a modal message box with the application's title. Lines of a
    // message are joined by "\r" as the windows compose them.
    virtual MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                               MessageButtons buttons = MessageButtons::Ok) = 0;
};

// Outcome of ending a document.
struct PrintOutcome {
    bool ok = true;
    QString error;     // Italian, for the user, when !ok
    QString savedFile; // the PDF written, for the built-in PDF printer
};

// A printer that composes one document at a time. Positions are in twips.
class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;
    virtual int printerCount() const = 0;
    // Page extents of the default printer, in twips.
    virtual int pageHeight() const = 0;
    virtual int pageWidth() const = 0;

    virtual int currentX() const = 0;
    virtual int currentY() const = 0;
    virtual void setPosition(int x, int y) = 0;
    virtual void setFont(const QString& name, int pointSize, bool bold) = 0;
    // Prints one line at the current position in the current font and moves
    // the position down by the font's line height. False when it failed.
    virtual bool printLine(const QString& text) = 0;
    // Goes on to a new page of the same document; the position returns to 0, 0.
    // False when it failed.
    virtual bool newPage() = 0;
    // Ends the document so that it prints; the next line starts a new one at 0, 0.
    virtual PrintOutcome endDocument() = 0;
    // Throws away the document being composed.
    virtual void discardDocument() = 0;
};

class SettingsLocation {
public:
    virtual ~SettingsLocation() = default;
    virtual QString settingsFilePath() const = 0;
};

class ProcessControl {
public:
    virtual ~ProcessControl() = default;
    // Ends the process at once: no window is notified, nothing is asked.
    virtual void endNow() = 0;
};

struct Platform {
    MessageService& messages;
    PrinterDevice& printer;
    SettingsLocation& settings;
    ProcessControl& process;
};
