#pragma once

#include "windows/CartesianWindow.h"

class CoordinateField;
class QGroupBox;
class QLineEdit;

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
    void loadDefaults() override;
    bool acceptsPasteKind(int kind) const override { return kind == 2 || kind == 4; }
    void execute() override;
    void copyCoordinates() override;
    void pasteCoordinates() override;
    QString printTitle() const override;
    void printBlock(PrintQueue& q) override;

private:
    QGroupBox* frame2_;
    QGroupBox* frame3_;
    CoordinateField* latitudeField_;
    CoordinateField* longitudeField_;
    CoordinateField* heightField_;
    QLineEdit* text4_;
    QLineEdit* text5_;
    QLineEdit* text6_;
    QLineEdit* pointName_ = nullptr;

    double x_ = 0, y_ = 0, z_ = 0;
};
