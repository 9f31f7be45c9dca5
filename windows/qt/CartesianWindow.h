#pragma once

#include "windows/CartesianPages.h"
#include "windows/qt/ConversionWindow.h"

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;

// What the two geocentric cartesian windows share around their page
// (tervano::CartesianPage): the system choice, the choice of the XZ plane for
// ROMA40, the box with the longitude from Greenwich, the notice shown instead
// of the axis choice when ROMA40 longitudes count from Greenwich, the frame
// captions and the description, the layout and the result boxes.
//
// Both windows have three typed coordinates in Frame2 and three results
// Text4, Text5, Text6 in Frame3; one of the two frames holds latitude,
// longitude and height, the other X, Y, Z. A window's constructor calls
// buildFrames() with its page, creates its three fields inside inputFrame(),
// hands them to finishLayout() and runs runLoad().
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
    using ConversionWindow::ConversionWindow;

protected:
    // First step of the derived window's constructor: its page (a member of
    // the derived window, constructed by then) and every control but the inputs.
    void buildFrames(const Layout& layout, tervano::CartesianPage& page);
    // Frame2, where the window creates its input fields.
    QGroupBox* inputFrame() const { return frame2_; }
    // The three fields beside their labels in Frame2 (in the page's input
    // order), the point name, the unit row and the columns of the window.
    void finishLayout(const std::array<RowLabel, 3>& inputLabels,
                      const std::array<CoordinateField*, 3>& fields);
    // Load: ROMA40, X axis through Monte Mario.
    void loadDefaults() override;
    void showResult() override;
    // After a paste: the options follow the page's system and XZ plane.
    void showPastedReference();
    void updateGreenwichNotice() override;
    bool countsFromLongitudeOrigin(const CoordinateField* field) const override;

private:
    void showSystem();

    tervano::CartesianPage* page_ = nullptr;
    bool geographicInput_ = true;
    const char* unitCaptionName_ = nullptr;
    SystemFrame system_;
    QGroupBox* frame2_ = nullptr;
    QGroupBox* frame3_ = nullptr;
    QGroupBox* frame4_ = nullptr;
    QButtonGroup* option2_ = nullptr;
    QGroupBox* frame5_ = nullptr;
    QLineEdit* text10_ = nullptr;
    QGroupBox* frame7_ = nullptr;
    QLabel* label7_ = nullptr;
    std::array<QLineEdit*, 3> result_{}; // Text4, Text5, Text6
};
