#pragma once

#include "app/Platform.h"
#include "geodesy/InputCheck.h"
#include "print/qt/PrintQueue.h"
#include "windows/ConversionPage.h"
#include "windows/CopiedCoordinates.h"

#include <QButtonGroup>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <vector>

class Modulo1;
using tervano::CopiedCoordinatesRecord;
class CoordinateField;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QBoxLayout;
class QTabWidget;

// Base of every conversion window: the behaviour they all share, around the
// window's page models (tervano::ConversionPage), which hold the rules.
//
// - Key preview: a "," typed in a number box reaches it as ".".
// - The Enter chain of the input fields of the shown page.
// - The seven buttons Command1..Command7 ("ESEGUI" ... "STAMPA") and their rules.
// - Load steps (runLoad), "ESCI", closing with the print-queue questions.
// - "ESEGUI", "CANCELLA", "COPIA", "INCOLLA", "ACCODA", "STAMPA" through the
//   shown page: its refusal shown and its box focused, its copy record, its
//   paste, its printed block rendered by the shared PrintQueue.
// - Tabs: a window with two pages shows one per tab (setTabs); switching,
//   clearing and the buttons follow the shown page.
//
// A window derives, builds its controls in its constructor (object names as
// the users' documentation names them), adds its pages, registering each
// page's fields and result boxes after it, and ends with runLoad():
//
//   class frmX : public ConversionWindow {
//       frmX(Modulo1& m, QWidget* main) : ConversionWindow(m, main, "frmX", "Caption") {
//           addPage(&page_);
//           lat = new CoordinateField(CoordinateField::Kind::Angle, "Text7", "Text1");
//           addInputField(lat); addResultBox(text3);
//           connectChoice(system.group, [this](int id) { page_.chooseSystem(id + 1); ... });
//           ... layouts, buttonPanel() ...
//           runLoad();
//       }
//       void readInputs() override;              // fields' typedValue() into the page
//       CoordinateField* fieldForInput(int) const override;
//       void showResult() override;              // the page's result texts into the boxes
//       void showPasted() override;              // the page's choices and values into the widgets
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

    // The buttons Command1..Command7, in their order.
    enum class Button { Execute, Exit, Clear, Copy, Paste, Append, Print };
    QPushButton* button(Button b) const { return commands_[size_t(b)]; }

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
    // A page of the window; the fields and result boxes registered after it
    // belong to it. `tab` is its page of the tab widget, if any.
    void addPage(tervano::ConversionPage* page, QWidget* tab = nullptr);
    // The tab widget that shows the pages added with a tab.
    void setTabs(QTabWidget* tabs);
    // An option group whose handler runs once for every button that becomes
    // checked, whether by mouse, keyboard, setChecked() or accessibility.
    template <class Handler> void connectChoice(QButtonGroup* group, Handler handler);
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
    // The typed values of the shown page's fields handed to the page, before
    // it computes or prints.
    virtual void readInputs() {}
    // The box of the page's input number `input` (a Refusal's), or nullptr.
    virtual CoordinateField* fieldForInput(int input) const;
    // The page computed: its result shown.
    virtual void showResult() {}
    // The page took a paste record: its choices and values shown.
    virtual void showPasted() {}
    // The shown tab changed to page `index` (after the base's own steps).
    virtual void pageShown(int /*index*/) {}
    // Whether the window can take the record: by default the shown page's rule.
    virtual bool acceptsPaste(const CopiedCoordinatesRecord& c) const;
    // "ESEGUI": by default the shown page checks and computes.
    virtual void execute();
    // "COPIA COORDINATE": by default the shown page's record.
    virtual void copyCoordinates();
    // "INCOLLA COORDINATE": by default the shown page takes the record.
    virtual void pasteCoordinates();
    // Shows or hides the window's notice about Greenwich longitudes.
    virtual void updateGreenwichNotice() {}
    // Whether an angle box holds a ROMA40 longitude counted from LongitudeOrigin
    // (the window asks its page for the system); none by default.
    virtual bool countsFromLongitudeOrigin(const CoordinateField*) const { return false; }
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
    // A page refused an input: its message lines and icon, then its box (if any) shown and focused.
    void reportRefusal(const tervano::Refusal& refusal);
    // The settings the pages compute and write with.
    tervano::PageSettings pageSettings() const;
    // The shown page, its index and its fields.
    tervano::ConversionPage* page() const;
    int pageIndex() const;
    const std::vector<CoordinateField*>& pageFields() const;
    // "ESEGUI" passed its checks: "COPIA COORDINATE" enabled, "ACCODA" with a printer.
    void acceptResult();
    // An input changed or was refused: "COPIA COORDINATE" and "ACCODA"
    // disabled and the result boxes emptied.
    void invalidateResult();
    // The registered result boxes emptied; a window adds what goes with them.
    virtual void emptyResultBoxes();
    // The system description: its lines shown in the label.
    static void setDescription(QLabel* label, const std::vector<std::string>& lines);
    template <size_t N> static void setDescription(QLabel* label, const std::array<const char*, N>& lines) {
        setDescription(label, std::vector<std::string>(lines.begin(), lines.end()));
    }

    QTabWidget* tabs() const { return tabs_; }
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
    void onTabChanged(int index);
    tervano::PrintTexts printTexts() const;
    void showAngleUnit();
    static bool isNumberBox(const QObject* watched);

    QPointer<QWidget> mainWindow_;
    QLabel* unitLabel_ = nullptr;
    std::array<QPushButton*, 7> commands_{};
    // A page and the controls registered after it.
    struct PageControls {
        tervano::ConversionPage* page = nullptr;
        QWidget* tab = nullptr;
        std::vector<CoordinateField*> fields;
        std::vector<QLineEdit*> results;
        QLineEdit* pointName = nullptr;
    };
    QLineEdit* pointNameBox() const;
    QLineEdit* pointName_ = nullptr; // a point name box shared by the pages
    std::vector<PageControls> pages_;
    QTabWidget* tabs_ = nullptr;
    std::vector<CoordinateField*> fields_; // of every page
    std::vector<QLineEdit*> results_;      // of every page
    PrintQueue queue_;
    bool unloaded_ = false;
    int angleUnit_ = 0;       // the notation the typed angles are shown in
    int longitudeOrigin_ = 0; // the origin the typed longitudes are counted from
};

template <class Handler> void ConversionWindow::connectChoice(QButtonGroup* group, Handler handler) {
    connect(group, &QButtonGroup::idToggled, this, [handler](int id, bool checked) {
        if (checked)
            handler(id);
    });
}
