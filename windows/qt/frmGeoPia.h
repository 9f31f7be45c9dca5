#pragma once

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

    int zoneMode() const { return zoneMode_; }
    bool overlapShown() const { return overlapShown_; }
    double latitude() const { return latitude_; }
    double longitude() const { return longitude_; }

protected:
    void loadDefaults() override;
    bool acceptsPaste(const CopiedCoordinatesRecord& c) const override;
    void execute() override;
    void copyCoordinates() override;
    void pasteCoordinates() override;
    QString printTitle() const override;
    void printBlock(PrintQueue& q) override;
    void updateGreenwichNotice() override;
    void fieldCommitted(CoordinateField* field) override;
    void clearExtras() override;
    void emptyResultBoxes() override;

private:
    void systemClicked(int index);
    void zoneChoiceClicked(int index);
    void handZoneClicked(int index);
    void selectHandZone(int index);
    bool greenwichShiftApplies() const;

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

    int zoneMode_ = 1;
    bool overlapShown_ = false;
    double latitude_ = 0;
    double longitude_ = 0;
    double north_ = 0;
    double east_ = 0;
    int resultZone_ = 0; // zone of north_, east_
};
