#pragma once

#include "app/Modulo1.h"
#include "windows/CartesianPages.h"
#include "windows/qt/CartesianWindow.h"

class CoordinateField;

// "Cartesiane - Geografiche": the window of tervano::CartesianToGeoPage
// (geocentric X, Y, Z to latitude, longitude and ellipsoidal height).
class frmCartGeo : public CartesianWindow {
    Q_OBJECT
public:
    frmCartGeo(Modulo1& m, QWidget* mainWindow);

    const tervano::CartesianToGeoPage& cartesianPage() const { return page_; }
    double latitude() const { return page_.latitude(); }
    double longitude() const { return page_.longitude(); }
    double height() const { return page_.height(); }

protected:
    void readInputs() override;
    void showPasted() override;

private:
    tervano::CartesianToGeoPage page_;
    CoordinateField* xField_;
    CoordinateField* yField_;
    CoordinateField* zField_;
};
