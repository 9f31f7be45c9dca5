#pragma once

#include "geodesy/SingleZone.h"
#include "windows/qt/ConversionWindow.h"

class CoordinateField;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;

// "Fuso Unico": geographic <-> plane coordinates in one Gauss zone whose
// central meridian, false East and scale factor the user chooses. Tab 0
// converts geographic to plane, tab 1 plane to geographic.
class frmUnicoFuso : public ConversionWindow {
    Q_OBJECT
public:
    frmUnicoFuso(Modulo1& m, QWidget* mainWindow);

    int tab() const;
    const tervano::SingleZoneSettings& settings() const { return settings_; }

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
    void settingsApplied() override;
    CoordinateField* nextField(CoordinateField* field) const override;
    void clearCoordinates() override;

private:
    void systemClicked(int index);
    void meridianClicked(int index);
    void scaleClicked(int index);
    void tabChanged(int index);
    void updateZoneTexts();
    bool tabHasResult(int index) const;

    SystemFrame system_;
    QButtonGroup* option2_;
    QButtonGroup* option3_;
    QLabel* label5_;
    QLabel* label6_;
    QLabel* label8_;
    QLabel* label13_;
    QLabel* label14_;
    QLabel* label15_;
    QLabel* label7_;
    QLabel* label16_;
    QLabel* label17_;
    CoordinateField* meridianField_;
    CoordinateField* falseEastField_;
    CoordinateField* scaleField_;
    QTabWidget* tabs_;
    QGroupBox* geoInput_;
    QGroupBox* planeResult_;
    QGroupBox* planeInput_;
    QGroupBox* geoResult_;
    CoordinateField* latitudeField_;
    CoordinateField* longitudeField_;
    CoordinateField* northField_;
    CoordinateField* eastField_;
    QLineEdit* text3_;
    QLineEdit* text4_;
    QLineEdit* text17_;
    QLineEdit* text18_;
    QLineEdit* pointName_ = nullptr;

    tervano::SingleZoneSettings settings_;
    double north_ = 0, east_ = 0;
    double latitude_ = 0, longitude_ = 0;
};
