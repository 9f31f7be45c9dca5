#pragma once

#include "cadastre/CadastralCentres.h"
#include "cadastre/CassiniSoldner.h"
#include "windows/qt/ConversionWindow.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;

// "Catasto": cadastral Cassini-Soldner coordinates to Gauss-Boaga and back,
// about a centre chosen from the built-in table or typed by the user.
// Tab 0 takes Gauss-Boaga Nord and Est to X and Y, tab 1 the reverse.
class frmCatasto : public ConversionWindow {
    Q_OBJECT
public:
    frmCatasto(Modulo1& m, QWidget* mainWindow);

    // The current centre (gg.ppssdddd), as the computation will read it.
    const tervano::CentreValues& centre() const { return centre_; }

protected:
    void loadDefaults() override;
    QWidget* initialFocus() const override;
    bool acceptsPaste(const CopiedCoordinatesRecord& c) const override;
    void execute() override;
    void copyCoordinates() override;
    void pasteCoordinates() override;
    void emptyResultBoxes() override;
    QString printTitle() const override;
    void printBlock(PrintQueue& q) override;
    void fieldCommitted(CoordinateField* field) override;
    void settingsApplied() override;
    CoordinateField* nextField(CoordinateField* field) const override;
    void clearCoordinates() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onCentreSelected(int index);
    void onCentreDisplayClicked(CoordinateField* field);
    void onTabChanged(int tab);
    void showCentre(bool tableCentre);
    void showCentreValue(CoordinateField* field, double value);
    void setProvinces(const QString& text);
    void emptyTabResults(int tab);
    void sendKeyToFocus(Qt::KeyboardModifiers modifiers);
    CoordinateField* firstInputOfShownTab() const;
    int shownTab() const;
    QLineEdit* resultBox(const QString& name, QWidget* parent);
    // The edit box a refused check puts the focus on.
    CoordinateField* fieldFor(tervano::CadastralInput input) const;

    tervano::CentreValues centre_;
    bool showingTableCentre_ = false; // the longitude display takes two leading blanks
    bool writingCentre_ = false;      // the boxes are being filled from the centre values

    QGroupBox* frame1_ = nullptr;
    QComboBox* combo_ = nullptr;
    QLabel* provinces_ = nullptr;
    CoordinateField* centreLat_ = nullptr;
    CoordinateField* centreLon_ = nullptr;
    QLineEdit* pointName_ = nullptr;
    QTabWidget* tabs_ = nullptr;

    // Tab 0: Gauss-Boaga input, Cassini-Soldner result.
    QGroupBox* frame5_ = nullptr;
    QGroupBox* frame7_ = nullptr;
    CoordinateField* nord_ = nullptr;
    CoordinateField* est_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QLineEdit* text4_ = nullptr;
    // Tab 1: Cassini-Soldner input, Gauss-Boaga result.
    QGroupBox* frame3_ = nullptr;
    QGroupBox* frame4_ = nullptr;
    CoordinateField* x_ = nullptr;
    CoordinateField* y_ = nullptr;
    QLineEdit* text11_ = nullptr;
    QLineEdit* text12_ = nullptr;

    // Numbers of the last computation of each tab, for "COPIA COORDINATE".
    double resultX_ = 0, resultY_ = 0;
    double resultNord_ = 0, resultEst_ = 0;
    int resultZone_ = 0; // Gauss-Boaga zone of resultNord_, resultEst_
};
