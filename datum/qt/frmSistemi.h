#pragma once

#include "datum/SystemChangePages.h"
#include "windows/qt/ConversionWindow.h"

#include <array>

class CoordinateField;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// "Passaggio fra Sistemi": one point carried from ROMA40, ED50 or WGS84 to
// another of the three, in geographic (tab 0) or plane (tab 1) coordinates,
// by the shift of the nearest common point or through the user's NTv2 grid.
// The two pages share the system and method choices of the window; the grid
// is the one of Modulo1, which outlives the window and is remembered across
// runs (app/UserGrid.h).
class frmSistemi : public ConversionWindow {
    Q_OBJECT
public:
    frmSistemi(Modulo1& m, QWidget* mainWindow);

    int sourceSystem() const { return tervano::Code(geographic_.source()); }
    int targetSystem() const { return tervano::Code(geographic_.target()); }
    // The zones of the shown tab's last result.
    int sourceZone() const { return tervano::Code(shownPage().sourceZone()); }
    int targetZone() const { return tervano::Code(shownPage().targetZone()); }
    int resultZoneNumber() const { return plane_.resultZoneNumber(); }
    // Opens the file dialog for the grid and loads the file chosen.
    void browseGrid();

protected:
    void loadDefaults() override;
    void readInputs() override;
    void execute() override;
    void showResult() override;
    void showPasted() override;
    void pageShown(int index) override;
    void copyCoordinates() override;
    void clearCoordinates() override;
    void updateGreenwichNotice() override;
    bool countsFromLongitudeOrigin(const CoordinateField* field) const override;
    CoordinateField* nextField(CoordinateField* field) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void emptyResultBoxes() override;

private:
    const tervano::SystemChangePage& shownPage() const;
    tervano::SystemChangePage& shownPage();
    void sourceChosen(int index);
    void targetChosen(int index);
    // Captions and visibilities from the pages; on a choice of system or when
    // the tabs take the focus.
    void applyCaptions(tervano::SystemChangePage::CaptionMoment moment);
    // Method frame: the method, the grid file loaded from the path box, the
    // system the grid's source is taken as.
    void methodChosen(int index);
    void loadGrid();
    void gridSourceChosen(int index);
    // The grid and its system written to the memory file; a message when that fails.
    void rememberGrid();
    // The grid of Modulo1 into the controls and the pages; the pages' result
    // is dropped only when their grid changes.
    void showGrid();
    // The method lines of each page's result under its result frames.
    void showMethodLines();

    tervano::GeographicChangePage geographic_;
    tervano::PlaneChangePage plane_;
    QTabWidget* tabs_;
    QGroupBox* frame1_;
    QGroupBox* frame3_;
    QGroupBox* frame5_;
    QGroupBox* frame6_;
    SystemFrame sources_{}; // Option1: the system of the typed point
    SystemFrame targets_{}; // Option2: the system of the result
    CoordinateField* latitude_;
    CoordinateField* longitude_;
    CoordinateField* north_;
    CoordinateField* east_;
    CoordinateField* zone_;
    QLineEdit* text3_;
    QLineEdit* text4_;
    QLineEdit* text11_;
    QLineEdit* text12_;
    QLineEdit* text15_;
    QLabel* label5_;
    QLabel* label8_;
    QLabel* label9_;
    QLabel* label10_;
    QLabel* label11_;
    QLabel* label14_;
    QGroupBox* frame8_;
    QButtonGroup* methods_;     // Option3: 0 table, 1 grid
    QButtonGroup* gridSources_; // Option4: 0 ROMA40, 1 ED50
    std::array<QRadioButton*, 2> methodOptions_{};
    std::array<QRadioButton*, 2> gridSourceOptions_{};
    QLineEdit* text17_;     // the grid's path
    QPushButton* command8_; // "Sfoglia..."
    QPushButton* command9_; // "Carica"
    QLabel* label17_;       // the grid's header names
    QLabel* label18_;       // "Sistema di origine:"
    QLabel* label20_;       // method lines of the geographic result
    QLabel* label21_;       // method lines of the plane result
    bool loading_ = true;   // the window is being built: no messages
};
