#pragma once

#include "windows/CartesianWindow.h"

class CoordinateField;
class QGroupBox;
class QLineEdit;

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
    void loadDefaults() override;
    bool acceptsPasteKind(int kind) const override { return kind == 3; }
    void execute() override;
    void copyCoordinates() override;
    void pasteCoordinates() override;
    QString printTitle() const override;
    void printBlock(PrintQueue& q) override;

private:
    QGroupBox* frame2_;
    QGroupBox* frame3_;
    CoordinateField* xField_;
    CoordinateField* yField_;
    CoordinateField* zField_;
    QLineEdit* text4_;
    QLineEdit* text5_;
    QLineEdit* text6_;
    QLineEdit* pointName_ = nullptr;

    double latitude_ = 0, longitude_ = 0, height_ = 0;
};
