#pragma once

#include "datum/SystemChangePages.h"
#include "windows/qt/ConversionWindow.h"

class CoordinateField;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;

// "Passaggio fra Sistemi": one point carried from ROMA40, ED50 or WGS84 to
// another of the three, in geographic (tab 0) or plane (tab 1) coordinates,
// by the shift of the nearest common point. The two pages share the system
// choices of the window.
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

private:
    const tervano::SystemChangePage& shownPage() const;
    tervano::SystemChangePage& shownPage();
    void sourceChosen(int index);
    void targetChosen(int index);
    // Captions and visibilities from the pages; on a choice of system or when
    // the tabs take the focus.
    void applyCaptions(tervano::SystemChangePage::CaptionMoment moment);

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
};
