#pragma once

#include "app/Modulo1.h"
#include "windows/PlaneToGeoPage.h"
#include "windows/qt/ConversionWindow.h"

class CoordinateField;
class QGroupBox;
class QLabel;
class QLineEdit;
class QButtonGroup;

// "Piane - Geografiche": the window of tervano::PlaneToGeoPage (Gauss-Boaga
// or UTM North and East back to latitude and longitude).
class frmPiaGeo : public ConversionWindow {
    Q_OBJECT
public:
    frmPiaGeo(Modulo1& m, QWidget* mainWindow);

    const tervano::PlaneToGeoPage& planePage() const { return page_; }
    double latitude() const { return page_.latitude(); }
    double longitude() const { return page_.longitude(); }

protected:
    void loadDefaults() override;
    void readInputs() override;
    void showResult() override;
    void showPasted() override;
    void updateGreenwichNotice() override;

private:
    void showSystem();

    tervano::PlaneToGeoPage page_;
    SystemFrame system_;
    QGroupBox* frame4_;
    QButtonGroup* option4_;
    QGroupBox* frame3_;
    CoordinateField* northField_;
    CoordinateField* eastField_;
    QGroupBox* frame5_;
    QLineEdit* text11_;
    QLineEdit* text12_;
    QLabel* label1_;
    QLabel* label7_;
};
