#pragma once

#include "windows/qt/ConversionWindow.h"

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;

// What the two geocentric cartesian windows share: the system choice, the
// choice of the XZ plane for ROMA40 (AxisChoice), the box with the longitude
// from Greenwich, the notice shown instead of the axis choice when ROMA40
// longitudes count from Greenwich, the frame captions and the description,
// the layout and the printed block.
//
// Both windows have three typed coordinates in Frame2 and three results
// Text4, Text5, Text6 in Frame3; one of the two frames holds latitude,
// longitude and height, the other X, Y, Z. A window creates its three fields
// inside inputFrame() and hands them to finishLayout().
class CartesianWindow : public ConversionWindow {
    Q_OBJECT
public:
    struct RowLabel {
        const char* name;
        const char* text;
    };
    struct Layout {
        bool geographicInput;   // the inputs are latitude, longitude and height
        const char* noticeName; // the notice text label (Label10 or Label11)
        const char* noticeText;
        const char* unitCaptionName; // the label "Unità di misura degli angoli selezionata:"
        std::array<RowLabel, 3> resultLabels;
    };
    CartesianWindow(Modulo1& m, QWidget* mainWindow, const QString& objectName, const QString& caption,
                    const Layout& layout);

    int axisChoice() const { return axisChoice_; }

protected:
    // Frame2, where the window creates its input fields.
    QGroupBox* inputFrame() const { return frame2_; }
    // The three fields beside their labels in Frame2, the point name, the unit
    // row and the columns of the window.
    void finishLayout(const std::array<RowLabel, 3>& inputLabels,
                      const std::array<CoordinateField*, 3>& fields);
    // Load: ROMA40, X axis through Monte Mario.
    void loadDefaults() override;
    // Before a paste: the system and the XZ plane recorded with the copied
    // coordinates, selected as clicks select them.
    void selectCopiedReference();
    // True when the computation shifts longitudes to the Greenwich axis.
    bool shiftsToGreenwichAxis() const;
    // Shows a computed longitude from Greenwich, or empties its box.
    void showGreenwichLongitude(bool shown, double degrees);
    void printBlock(PrintQueue& q) override;
    void updateGreenwichNotice() override;

    std::array<QLineEdit*, 3> result_{}; // Text4, Text5, Text6

private:
    void systemClicked(int index);
    void axisClicked(int index);
    QString systemCaption() const;
    void printGeographicGroup(PrintQueue& q, const QStringList& values);
    void printCartesianGroup(PrintQueue& q, const QStringList& values);

    bool geographicInput_;
    const char* unitCaptionName_;
    SystemFrame system_;
    QGroupBox* frame2_ = nullptr;
    QGroupBox* frame3_ = nullptr;
    QGroupBox* frame4_ = nullptr;
    QButtonGroup* option2_ = nullptr;
    QGroupBox* frame5_ = nullptr;
    QLineEdit* text10_ = nullptr;
    QGroupBox* frame7_ = nullptr;
    QLabel* label7_ = nullptr;
    QLineEdit* pointName_ = nullptr;
    int axisChoice_ = 1;
};
