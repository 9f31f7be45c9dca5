#pragma once

#include "windows/qt/ConversionWindow.h"

#include <array>

namespace tervano {
struct ChangeOutcome;
}

class CoordinateField;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;

// "Passaggio fra Sistemi": one point carried from ROMA40, ED50 or WGS84 to
// another of the three, in geographic (tab 0) or plane (tab 1) coordinates,
// by the shift of the nearest common point.
class frmSistemi : public ConversionWindow {
    Q_OBJECT
public:
    frmSistemi(Modulo1& m, QWidget* mainWindow);

    int sourceSystem() const { return SourceSystem; }
    int targetSystem() const { return TargetSystem; }
    int sourceZone() const { return SourceZone; }
    int targetZone() const { return TargetZone; }
    int resultZoneNumber() const { return ResultZoneNumber; }
    // The unrounded result that "COPIA COORDINATE" copies.
    double resultLatitude() const { return resultLatitude_; }
    double resultLongitude() const { return resultLongitude_; }
    double resultNorth() const { return resultNorth_; }
    double resultEast() const { return resultEast_; }

protected:
    void loadDefaults() override;
    bool acceptsPaste(const CopiedCoordinatesRecord& c) const override;
    void execute() override;
    void copyCoordinates() override;
    void pasteCoordinates() override;
    QString printTitle() const override;
    void printBlock(PrintQueue& q) override;
    void updateGreenwichNotice() override;
    bool countsFromLongitudeOrigin(const CoordinateField* field) const override;
    void settingsApplied() override;
    CoordinateField* nextField(CoordinateField* field) const override;
    void clearCoordinates() override;
    void emptyResultBoxes() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool planeTab() const;
    void sourceClicked(int index);
    void targetClicked(int index);
    void tabClicked(int index);
    // Captions and visibilities for the current tab and systems; tabFocus
    // gives the captions the tab sets when it takes the focus.
    void applyCaptions(bool tabFocus);
    void emptyTabResults();
    void executeGeographic();
    void executePlane();
    // Messages of a conversion that did not end with a result (and the poor
    // reliability notice of one that did); true when the result is to be shown.
    bool showOutcome(const tervano::ChangeOutcome& r);
    // The numbered internal-error message, then the process ends.
    void InternalErrorBox(int code);

    QTabWidget* tabs_;
    QGroupBox* frame1_;
    QGroupBox* frame3_;
    QGroupBox* frame5_;
    QGroupBox* frame6_;
    QButtonGroup* option1_;
    QButtonGroup* option2_;
    std::array<QRadioButton*, 3> sourceOptions_{};
    std::array<QRadioButton*, 3> targetOptions_{};
    CoordinateField* latitude_;
    CoordinateField* longitude_;
    CoordinateField* north_;
    CoordinateField* east_;
    CoordinateField* zone_;
    QLineEdit* text3_;
    QLineEdit* text4_;
    QLineEdit* text11_;
    QLineEdit* text12_;
    QLineEdit* text15_;
    QLabel* label5_;
    QLabel* label8_;
    QLabel* label9_;
    QLabel* label10_;
    QLabel* label11_;
    QLabel* label14_;
    QLineEdit* pointName_ = nullptr;

    int SourceSystem = 1;
    int TargetSystem = 2;
    int SourceZone = 0;
    int TargetZone = 0;
    int ResultZoneNumber = 0;
    double resultLatitude_ = 0;
    double resultLongitude_ = 0;
    double resultNorth_ = 0;
    double resultEast_ = 0;
};
