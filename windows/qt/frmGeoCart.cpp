#include "windows/qt/frmGeoCart.h"

#include "windows/qt/CoordinateField.h"

#include <QGroupBox>

using namespace tervano;

namespace {
const CartesianWindow::Layout GeoCartLayout{
    true,
    "Label10",
    "Per il sistema ROMA40 è stata selezionata l'opzione che colloca l'origine delle longitudini sul "
    "meridiano di  Greenwich, conseguentemente il programma pone su tale meridiano anche l'asse X "
    "del sistema cartesiano.",
    "Label11",
    {{{"Label4", "X ="}, {"Label5", "Y ="}, {"Label6", "Z ="}}}};
}

frmGeoCart::frmGeoCart(Modulo1& model, QWidget* mainWindow)
    : CartesianWindow(model, mainWindow, QStringLiteral("frmGeoCart"),
                      QStringLiteral("Geografiche - Cartesiane")) {
    buildFrames(GeoCartLayout, page_);
    QGroupBox* frame2 = inputFrame();
    latitudeField_ = new CoordinateField(CoordinateField::Kind::Angle, QStringLiteral("Text1"),
                                         QStringLiteral("Text7"), frame2);
    latitudeField_->setAngleRole(CoordinateField::AngleRole::Latitude);
    longitudeField_ = new CoordinateField(CoordinateField::Kind::Angle, QStringLiteral("Text2"),
                                          QStringLiteral("Text8"), frame2);
    longitudeField_->setAngleRole(CoordinateField::AngleRole::Longitude);
    heightField_ = new CoordinateField(CoordinateField::Kind::Height, QStringLiteral("Text3"),
                                       QStringLiteral("Text9"), frame2);
    heightField_->setToolTips(QStringLiteral("Quota ellissoidica in metri"));
    finishLayout({{{"Label1", "φ ="}, {"Label2", "λ ="}, {"Label3", "H ="}}},
                 {latitudeField_, longitudeField_, heightField_});
    runLoad();
}

void frmGeoCart::readInputs() {
    page_.setLatitude(latitudeField_->typedValue());
    page_.setLongitude(longitudeField_->typedValue());
    page_.setHeight(heightField_->typedValue());
}

void frmGeoCart::showPasted() {
    showPastedReference();
    latitudeField_->pasteAngle(page_.latitude().value);
    longitudeField_->pasteAngle(page_.longitude().value);
    // A record without a height leaves the typed one, ready to be typed.
    if (page_.heightPasted())
        heightField_->pasteNumber(page_.height().value);
    else
        heightField_->showEdit(true);
}
