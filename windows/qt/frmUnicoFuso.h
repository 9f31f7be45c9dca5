#pragma once

#include "windows/SingleZoneGeoToPlanePage.h"
#include "windows/SingleZonePlaneToGeoPage.h"
#include "windows/qt/ConversionWindow.h"

class CoordinateField;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;

// "Fuso Unico": geographic <-> plane coordinates in one Gauss zone whose
// central meridian, false East and scale factor the user chooses. Tab 0
// shows the geographic to plane page, tab 1 the plane to geographic page;
// the zone's choices and parameters go to both pages.
class frmUnicoFuso : public ConversionWindow {
    Q_OBJECT
public:
    frmUnicoFuso(Modulo1& m, QWidget* mainWindow);

protected:
    void loadDefaults() override;
    void readInputs() override;
    CoordinateField* fieldForInput(int input) const override;
    void showResult() override;
    void showPasted() override;
    void pageShown(int index) override;
    void updateGreenwichNotice() override;
    bool countsFromLongitudeOrigin(const CoordinateField* field) const override;
    void settingsApplied() override;
    void fieldCommitted(CoordinateField* field) override;
    CoordinateField* nextField(CoordinateField* field) const override;
    QWidget* initialFocus() const override;
    void emptyResultBoxes() override;

private:
    void systemChosen(int index);
    void meridianChosen(int index);
    void scaleChosen(int index);
    // A change of the zone made on both pages: their results dropped, the
    // zone's texts shown again.
    template <class Change> void changeZone(Change change);
    tervano::SingleZonePage* shownPage();

    tervano::SingleZoneGeoToPlanePage geoPage_;
    tervano::SingleZonePlaneToGeoPage planePage_;

    SystemFrame system_;
    QButtonGroup* option2_;
    QButtonGroup* option3_;
    QLabel* label5_;
    QLabel* label6_;
    QLabel* label7_;
    QLabel* label8_;
    QLabel* label13_;
    QLabel* label14_;
    QLabel* label15_;
    QLabel* label16_;
    QLabel* label17_;
    CoordinateField* meridianField_;
    CoordinateField* falseEastField_;
    CoordinateField* scaleField_;
    QGroupBox* geoInput_;
    QGroupBox* geoResult_;
    CoordinateField* latitudeField_;
    CoordinateField* longitudeField_;
    CoordinateField* northField_;
    CoordinateField* eastField_;
    QLineEdit* text3_;
    QLineEdit* text4_;
    QLineEdit* text17_;
    QLineEdit* text18_;
};
