#pragma once

#include "app/Modulo1.h"
#include "windows/CartesianPages.h"
#include "windows/qt/CartesianWindow.h"

class CoordinateField;

// "Geografiche - Cartesiane": the window of tervano::GeoToCartesianPage
// (latitude, longitude and ellipsoidal height to geocentric X, Y, Z).
class frmGeoCart : public CartesianWindow {
    Q_OBJECT
public:
    frmGeoCart(Modulo1& m, QWidget* mainWindow);

    const tervano::GeoToCartesianPage& cartesianPage() const { return page_; }
    double cartX() const { return page_.x(); }
    double cartY() const { return page_.y(); }
    double cartZ() const { return page_.z(); }

protected:
    void readInputs() override;
    void showPasted() override;

private:
    tervano::GeoToCartesianPage page_;
    CoordinateField* latitudeField_;
    CoordinateField* longitudeField_;
    CoordinateField* heightField_;
};
