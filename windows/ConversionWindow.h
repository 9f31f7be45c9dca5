#pragma once

#include "app/Platform.h"
#include "geodesy/InputCheck.h"
#include "print/PrintQueue.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <vector>

class Modulo1;
struct CopiedCoordinatesRecord;
class CoordinateField;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QBoxLayout;

// Base of every conversion window: the behaviour they all share.
//
// - Key preview: a "," typed in a number box reaches it as ".".
// - The Enter chain of the input fields (addInputField order, or nextField()).
// - The seven buttons Command1..Command7 ("ESEGUI" ... "STAMPA") and their rules.
// - Load steps (runLoad), "ESCI", closing with the print-queue questions.
// - "CANCELLA COORDINATE", "COPIA COORDINATE", "INCOLLA COORDINATE" around the
//   window's own copyCoordinates()/pasteCoordinates().
// - "ACCODA"/"STAMPA" through the shared PrintQueue with printTitle()/printBlock().
//
// A window derives, builds its controls in its constructor (object names as
// the users' documentation names them), registers its fields and result
// boxes, and ends its constructor with runLoad():
//
//   class frmX : public ConversionWindow {
//       frmX(Modulo1& m, QWidget* main) : ConversionWindow(m, main, "frmX", "Caption") {
//           auto sys = makeSystemFrame("Frame1");            // Option1_0..2
//           lat = new CoordinateField(CoordinateField::Kind::Angle, "Text7", "Text1");
//           lat->setAngleRole(CoordinateField::AngleRole::Latitude);
//           addInputField(lat); addResultBox(text3);
//           ... layouts, buttonPanel() ...
//           runLoad();
//       }
//       void loadDefaults() override;            // step 3 of the load
//       bool acceptsPaste(const CopiedCoordinatesRecord& c) const override;
//       void execute() override;                 // "ESEGUI": reportInputError() or acceptResult()
//       void copyCoordinates() override;         // writes m.CopiedCoordinates
//       void pasteCoordinates() override;        // fields' pasteAngle()/pasteNumber()
//       QString printTitle() const override;
//       void printBlock(PrintQueue& q) override;
//   };
//
// The window is a top-level window without parent (a disabled main window
// would disable it) and is deleted when closed, so the next opening loads it
// afresh. Messages and the printer go through m.platform.
class ConversionWindow : public QWidget {
    Q_OBJECT
public:
    ConversionWindow(Modulo1& m, QWidget* mainWindow, const QString& objectName, const QString& caption);
    ~ConversionWindow() override;

    QPushButton* command(int index) const { return commands_[size_t(index - 1)]; }

    // Tooltips of the angle boxes by AngleUnit: "Latitudine in Sessagesimali (gg.ppssdddd)" ...
    static QString angleToolTip(int angleUnit, bool latitude);
    static QString angleUnitName(int angleUnit);

    // The settings dialog changed AngleUnit or LongitudeOrigin: the window takes
    // them at once, as at load. Typed angles are shown again in the new notation
    // (ROMA40 longitudes moved to the same place counted from the new origin),
    // labels, tooltips and notices follow, and the results are emptied with
    // "COPIA" and "ACCODA" disabled, so a printed block never mixes notations.
    void applySettings();

    // The system option frame ("Sistema Geodetico di riferimento") with the
    // buttons Option1_0..Option1_2 (objectName of the group: the option name).
    struct SystemFrame {
        QGroupBox* frame;
        QButtonGroup* group;
        std::array<QRadioButton*, 3> options;
    };

protected:
    // ---- to call while building ----
    // Appends a field to the Enter chain and wires its signals.
    void addInputField(CoordinateField* field);
    // A result box: read-only, emptied when the result is invalidated.
    QLineEdit* addResultBox(QLineEdit* box);
    QLineEdit* makeResultBox(const QString& name, const QString& toolTip = {});
    // A layout with Command1..Command7.
    QBoxLayout* buttonPanel(bool vertical = true);
    // The usual window: a column of choices at its own width, a column of
    // coordinates that takes the spare width, then the buttons; each column
    // stacked from the top.
    void arrangeColumns(const QList<QWidget*>& left, const QList<QWidget*>& middle);
    SystemFrame makeSystemFrame(const QString& frameName,
                                const QString& optionName = QStringLiteral("Option1"));
    // Frame "Denominazione del punto (opzionale)" with its text box.
    QGroupBox* makePointNameFrame(const QString& frameName, const QString& textName, QLineEdit** text);
    // Label "Unità di misura degli angoli selezionata:" and the label with the unit name.
    QWidget* makeUnitRow(const QString& captionName, const QString& unitName);
    // A unit label built by the window itself; runLoad() writes the unit name into it.
    void setUnitLabel(QLabel* label) { unitLabel_ = label; }
    // Steps of the load, in order: main window disabled, print queue reset,
    // loadDefaults(), buttons, unit label and tooltips, Greenwich notice.
    void runLoad();

    // ---- what a window defines ----
    virtual void loadDefaults() {}
    // Whether the window can take the record: its kind, and its reference
    // (system, zone), which pasteCoordinates() selects.
    virtual bool acceptsPaste(const CopiedCoordinatesRecord& c) const = 0;
    virtual void execute() = 0;
    virtual void copyCoordinates() = 0;
    virtual void pasteCoordinates() = 0;
    virtual QString printTitle() const = 0;
    virtual void printBlock(PrintQueue& q) = 0;
    // Shows or hides the window's notice about Greenwich longitudes.
    virtual void updateGreenwichNotice() {}
    // Whether an angle box holds a ROMA40 longitude counted from LongitudeOrigin;
    // by default a longitude box while ROMA40 is the selected system.
    virtual bool countsFromLongitudeOrigin(const CoordinateField* field) const;
    // Texts of the window's own that depend on the settings, after applySettings()
    // has shown the boxes again.
    virtual void settingsApplied() {}
    // Called after a field was left (values stored), before the buttons change.
    virtual void fieldCommitted(CoordinateField*) {}
    // The field that follows `field` on Enter; nullptr means "ESEGUI".
    virtual CoordinateField* nextField(CoordinateField* field) const;
    // "CANCELLA COORDINATE": every field emptied and shown, results emptied,
    // clearExtras(), buttons; a tabbed window may clear only its tab.
    virtual void clearCoordinates();
    // Extra clearing of "CANCELLA COORDINATE" (frame captions ...).
    virtual void clearExtras() {}
    // The control that has the cursor when the window appears; the first
    // coordinate box unless the window says otherwise.
    virtual QWidget* initialFocus() const;

    // ---- helpers for the windows ----
    // A message box whose lines are joined by "\r".
    MessageAnswer showMessage(const QStringList& lines, MessageIcon icon,
                              MessageButtons buttons = MessageButtons::Ok);
    // An input refused by "ESEGUI": the message, then its edit box shown and focused.
    void reportInputError(CoordinateField* field, const QStringList& lines,
                          MessageIcon icon = MessageIcon::Stop);
    // A range check refused an input: its message lines and icon, then the box shown and focused.
    void reportCheck(CoordinateField* field, const tervano::InputCheck& check);
    // A computed angle (decimal degrees) as a result box shows it in the current AngleUnit.
    QString resultAngleText(double degrees) const;
    // "ESEGUI" passed its checks: "COPIA COORDINATE" enabled, "ACCODA" with a printer.
    void acceptResult();
    // An input changed or was refused: "COPIA COORDINATE" and "ACCODA"
    // disabled and the result boxes emptied.
    void invalidateResult();
    // The registered result boxes emptied; a window adds what goes with them.
    virtual void emptyResultBoxes();
    // The system description: lines shown in the label and kept, joined by
    // "\r", as its printed form (descriptionText()).
    static void setDescription(QLabel* label, const QStringList& lines);
    template <size_t N> static void setDescription(QLabel* label, const std::array<const char*, N>& lines) {
        QStringList list;
        for (const char* line : lines)
            list << QString::fromUtf8(line);
        setDescription(label, list);
    }
    static QString descriptionText(const QLabel* label);
    // Rows common to the blocks: system caption, description, point name.
    void printBlockStart(PrintQueue& q, const QString& systemCaption, const QLabel* description,
                         const QString& pointName);
    // The closing rule and empty line.
    void printBlockEnd(PrintQueue& q);
    bool greenwichLongitudes() const;

    const std::vector<CoordinateField*>& inputFields() const { return fields_; }
    PrintQueue& queue() { return queue_; }

    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    Modulo1& m;

private:
    void onEnter(CoordinateField* field);
    void onExecute();
    void onExit();
    void onClear();
    void onCopy();
    void onPaste();
    void onAppend();
    void onPrint();
    void installKeyPreview();
    void showAngleUnit();
    static bool isNumberBox(const QObject* watched);

    QPointer<QWidget> mainWindow_;
    QLabel* unitLabel_ = nullptr;
    std::array<QPushButton*, 7> commands_{};
    std::vector<CoordinateField*> fields_;
    std::vector<QLineEdit*> results_;
    PrintQueue queue_;
    bool unloaded_ = false;
    int angleUnit_ = 0;       // the notation the typed angles are shown in
    int longitudeOrigin_ = 0; // the origin the typed longitudes are counted from
};
