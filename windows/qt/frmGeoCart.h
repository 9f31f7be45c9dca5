#pragma once

#include "app/Modulo1.h"
#include "windows/qt/CartesianWindow.h"

class CoordinateField;

// "Geografiche - Cartesiane": latitude, longitude and ellipsoidal height of
// one point to geocentric X, Y, Z on the ellipsoid of the chosen system.
class frmGeoCart : public CartesianWindow {
    Q_OBJECT
public:
    frmGeoCart(Modulo1& m, QWidget* mainWindow);

    double cartX() const { return x_; }
    double cartY() const { return y_; }
    double cartZ() const { return z_; }

protected:
    bool acceptsPaste(const CopiedCoordinatesRecord& c) const override { return c.isGeographic(); }
    void execute() override;
    void copyCoordinates() override;
    void pasteCoordinates() override;
    QString printTitle() const override;

private:
    CoordinateField* latitudeField_;
    CoordinateField* longitudeField_;
    CoordinateField* heightField_;

    double x_ = 0, y_ = 0, z_ = 0;
};
