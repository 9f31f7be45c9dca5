#pragma once

#include "windows/GeoToPlanePage.h"
#include "windows/qt/ConversionWindow.h"

class CoordinateField;
class QGroupBox;
class QLabel;
class QLineEdit;
class QButtonGroup;

// "Geografiche - Piane": latitude and longitude of one point to Gauss-Boaga
// (ROMA40) or UTM (ED50, WGS84) North and East, in the zone of membership with
// the neighbouring zone near a border, or in a zone chosen by hand.
class frmGeoPia : public ConversionWindow {
    Q_OBJECT
public:
    frmGeoPia(Modulo1& m, QWidget* mainWindow);

    const tervano::GeoToPlanePage& geoPage() const { return page_; }

protected:
    void loadDefaults() override;
    void readInputs() override;
    void showResult() override;
    void showPasted() override;
    void updateGreenwichNotice() override;
    bool countsFromLongitudeOrigin(const CoordinateField* field) const override;
    void fieldCommitted(CoordinateField* field) override;
    void clearExtras() override;
    void emptyResultBoxes() override;

private:
    void showChoices();

    tervano::GeoToPlanePage page_;
    SystemFrame system_;
    QGroupBox* frame2_;
    QButtonGroup* option2_;
    QGroupBox* frame3_;
    QGroupBox* frame4_;
    QButtonGroup* option3_;
    QLabel* image1_;
    QGroupBox* frame5_;
    CoordinateField* latitudeField_;
    CoordinateField* longitudeField_;
    QLabel* label8_;
    QGroupBox* frame6_;
    QGroupBox* frame7_;
    QGroupBox* frame8_;
    QLineEdit* text3_;
    QLineEdit* text4_;
    QLineEdit* text5_;
    QLineEdit* text6_;
    QLineEdit* pointName_ = nullptr;
    QLabel* label7_;
};
