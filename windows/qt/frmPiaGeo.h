#pragma once

#include "app/Modulo1.h"
#include "windows/qt/ConversionWindow.h"

class CoordinateField;
class QGroupBox;
class QLabel;
class QLineEdit;
class QButtonGroup;

// "Piane - Geografiche": Gauss-Boaga (ROMA40) or UTM (ED50, WGS84) North and
// East of one point back to latitude and longitude. The Gauss-Boaga zone
// follows from East; the UTM zone is the one the user names.
class frmPiaGeo : public ConversionWindow {
    Q_OBJECT
public:
    frmPiaGeo(Modulo1& m, QWidget* mainWindow);

    double latitude() const { return latitude_; }
    double longitude() const { return longitude_; }

protected:
    void loadDefaults() override;
    bool acceptsPaste(const CopiedCoordinatesRecord& c) const override { return c.isNationalPlane(); }
    void execute() override;
    void copyCoordinates() override;
    void pasteCoordinates() override;
    QString printTitle() const override;
    void printBlock(PrintQueue& q) override;
    void updateGreenwichNotice() override;

private:
    void systemClicked(int index);
    void zoneClicked(int index);
    bool greenwichApplies() const;

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
    QLineEdit* pointName_ = nullptr;
    QLabel* label7_;

    double latitude_ = 0;
    double longitude_ = 0;
    int resultZone_ = 1;
};
