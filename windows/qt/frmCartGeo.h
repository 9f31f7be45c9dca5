#pragma once

#include "app/Modulo1.h"
#include "windows/qt/CartesianWindow.h"

class CoordinateField;

// "Cartesiane - Geografiche": geocentric X, Y, Z of one point to latitude,
// longitude and ellipsoidal height on the ellipsoid of the chosen system.
class frmCartGeo : public CartesianWindow {
    Q_OBJECT
public:
    frmCartGeo(Modulo1& m, QWidget* mainWindow);

    double latitude() const { return latitude_; }
    double longitude() const { return longitude_; }
    double height() const { return height_; }

protected:
    bool acceptsPaste(const CopiedCoordinatesRecord& c) const override {
        return c.Kind == CopiedKind::Cartesian && c.hasSystem();
    }
    void execute() override;
    void copyCoordinates() override;
    void pasteCoordinates() override;
    QString printTitle() const override;

private:
    CoordinateField* xField_;
    CoordinateField* yField_;
    CoordinateField* zField_;

    double latitude_ = 0, longitude_ = 0, height_ = 0;
};
