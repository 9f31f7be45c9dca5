#include "windows/qt/frmGeoCart.h"

#include "app/Modulo1.h"
#include "geodesy/CartesianConversions.h"
#include "geodesy/TextNumbers.h"
#include "windows/qt/CoordinateField.h"

#include <QGroupBox>
#include <QLineEdit>

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
                      QStringLiteral("Geografiche - Cartesiane"), GeoCartLayout) {
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

void frmGeoCart::execute() {
    const InputCheck check =
        CheckGeographicInput(latitudeField_->degrees(), longitudeField_->degrees(), heightField_->value(),
                             latitudeField_->valid(), longitudeField_->valid(), heightField_->valid());
    if (!check.ok()) {
        CoordinateField* const refused[] = {latitudeField_, longitudeField_, heightField_};
        reportCheck(refused[check.failed - 1], check);
        return;
    }
    acceptResult();
    const GeographicToCartesianOutcome r =
        ConvertGeographicToCartesian(latitudeField_->degrees(), longitudeField_->degrees(),
                                     heightField_->value(), m.SystemCode, axisChoice(), m.LongitudeOrigin);
    showGreenwichLongitude(r.greenwichShown, r.greenwichLongitude);
    x_ = r.CartX;
    y_ = r.CartY;
    z_ = r.CartZ;
    const QString metres = QString::fromUtf8(Patterns::Metres);
    result_[0]->setText(CoordinateField::format(x_, metres));
    result_[1]->setText(CoordinateField::format(y_, metres));
    result_[2]->setText(CoordinateField::format(z_, metres));
}

void frmGeoCart::copyCoordinates() {
    m.CopiedCoordinates.X = x_;
    m.CopiedCoordinates.Y = y_;
    m.CopiedCoordinates.Z = z_;
    m.CopiedCoordinates.AxisChoice = axisChoice();
    m.CopiedCoordinates.SystemCode = m.SystemCode;
    m.CopiedCoordinates.Kind = CopiedKind::Cartesian;
}

void frmGeoCart::pasteCoordinates() {
    selectCopiedReference();
    latitudeField_->pasteAngle(m.CopiedCoordinates.Latitude);
    longitudeField_->pasteAngle(m.CopiedCoordinates.Longitude);
    if (m.CopiedCoordinates.Kind == CopiedKind::GeographicHeight)
        heightField_->pasteNumber(m.CopiedCoordinates.Height);
    else
        heightField_->showEdit(true);
}

QString frmGeoCart::printTitle() const {
    return QStringLiteral("TRASFORMAZIONE COORDINATE DA GEOGRAFICHE A CARTESIANE");
}
