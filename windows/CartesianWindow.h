#pragma once

#include "windows/ConversionWindow.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;

// What the two geocentric cartesian windows share: the system choice, the
// choice of the XZ plane for ROMA40 (AxisChoice), the box with the longitude
// from Greenwich, the notice shown instead of the axis choice when ROMA40
// longitudes count from Greenwich, the frame captions and the description.
class CartesianWindow : public ConversionWindow {
    Q_OBJECT
public:
    struct Names {
        const char* noticeLabel; // the notice text label (Label10 or Label11)
        const char* noticeText;
    };
    CartesianWindow(Modulo1& m, QWidget* mainWindow, const QString& objectName, const QString& caption,
                    const Names& names);

    int axisChoice() const { return axisChoice_; }

protected:
    // Builds the left column (system, axis, notice, description) and the
    // Greenwich box; the window adds its input and result frames.
    QLayout* leftColumn();
    // Load: ROMA40, X axis through Monte Mario.
    void loadAxisDefaults();
    // Before a paste: the XZ plane recorded with the copied coordinates.
    void selectCopiedAxis();
    // True when the computation shifts longitudes to the Greenwich axis.
    bool shiftsToGreenwichAxis() const;
    QString systemCaption() const;
    // Print headings of the two coordinate groups.
    QString geographicHeading(const QGroupBox* frame) const;
    QString cartesianHeading(const QGroupBox* frame) const;
    // The frames whose captions follow the system: (geographic, cartesian).
    void setCoordinateFrames(QGroupBox* geographic, QGroupBox* cartesian);
    void updateGreenwichNotice() override;

    SystemFrame system_;
    QGroupBox* frame4_ = nullptr;
    QButtonGroup* option2_ = nullptr;
    QGroupBox* frame5_ = nullptr;
    QLineEdit* text10_ = nullptr;
    QGroupBox* frame7_ = nullptr;
    QLabel* label7_ = nullptr;

private:
    void systemClicked(int index);
    void axisClicked(int index);

    QGroupBox* geographicFrame_ = nullptr;
    QGroupBox* cartesianFrame_ = nullptr;
    int axisChoice_ = 1;
};
