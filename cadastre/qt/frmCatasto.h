#pragma once

#include "cadastre/CadastralPages.h"
#include "windows/qt/ConversionWindow.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

// "Catasto": cadastral Cassini-Soldner coordinates to Gauss-Boaga and back,
// about a centre chosen from the built-in table or typed by the user.
// Tab 0 shows the page from Gauss-Boaga Nord and Est to X and Y, tab 1 the
// reverse; the centre above the tabs belongs to both.
class frmCatasto : public ConversionWindow {
    Q_OBJECT
public:
    frmCatasto(Modulo1& m, QWidget* mainWindow);

    // The current centre (gg.ppssdddd), as the computation will read it.
    const tervano::CentreValues& centre() const { return toCassini_.centre(); }

protected:
    void loadDefaults() override;
    QWidget* initialFocus() const override;
    void readInputs() override;
    CoordinateField* fieldForInput(int input) const override;
    void showResult() override;
    void showPasted() override;
    void fieldCommitted(CoordinateField* field) override;
    CoordinateField* nextField(CoordinateField* field) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onCentreSelected(int index);
    void onCentreDisplayClicked(CoordinateField* field);
    // The centre changed on both pages: results dropped are no longer shown.
    void centreChanged();
    // The list back on the user-defined entry, without selecting it.
    void showUserDefinedEntry();
    void showCentreValue(CoordinateField* field, double value);
    void setProvinces(const std::string& text);
    // A pick of the user done: the focus goes on from the list.
    void handOnFocus(int index);
    tervano::CadastralPage* shownPage() const;

    tervano::GaussBoagaToCassiniPage toCassini_{tervano::PageSettings{}};
    tervano::CassiniToGaussBoagaPage toGaussBoaga_{tervano::PageSettings{}};
    std::array<tervano::CadastralPage*, 2> directions_{&toCassini_, &toGaussBoaga_};
    bool writingCentre_ = false; // the boxes are being filled from the page's centre
    int changedTo_ = -1;         // the index the list last changed to, until its activation

    QComboBox* combo_ = nullptr;
    QLabel* provinces_ = nullptr;
    CoordinateField* centreLat_ = nullptr;
    CoordinateField* centreLon_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    std::array<std::array<QLineEdit*, 2>, 2> results_{}; // of each page, in its order
};
