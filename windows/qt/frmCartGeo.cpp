#include "windows/qt/frmCartGeo.h"

#include "app/Modulo1.h"
#include "geodesy/CartesianConversions.h"
#include "geodesy/TextNumbers.h"
#include "windows/qt/CoordinateField.h"

#include <QGroupBox>
#include <QLineEdit>

using namespace tervano;

namespace {
const CartesianWindow::Layout CartGeoLayout{
    false,
    "Label11",
    "Per il sistema ROMA40 è stata selezionata l'opzione che colloca l'origine delle longitudini sul "
    "meridiano di  Greenwich, conseguentemente il programma ha posto su tale meridiano anche l'asse X "
    "del sistema cartesiano.",
    "Label1",
    {{{"Label21", "φ ="}, {"Label22", "λ ="}, {"Label23", "H ="}}}};
}

frmCartGeo::frmCartGeo(Modulo1& model, QWidget* mainWindow)
    : CartesianWindow(model, mainWindow, QStringLiteral("frmCartGeo"),
                      QStringLiteral("Cartesiane - Geografiche"), CartGeoLayout) {
    auto makeLength = [this](const char* edit, const char* display, const char* tip) {
        auto* f = new CoordinateField(CoordinateField::Kind::Length, QString::fromLatin1(edit),
                                      QString::fromLatin1(display), inputFrame());
        f->setToolTips(QString::fromUtf8(tip));
        return f;
    };
    xField_ = makeLength("Text1", "Text7", "Coordinata X in metri");
    yField_ = makeLength("Text2", "Text8", "Coordinata Y in metri");
    zField_ = makeLength("Text3", "Text9", "Coordinata Z in metri");
    finishLayout({{{"Label18", "X ="}, {"Label19", "Y ="}, {"Label20", "Z ="}}}, {xField_, yField_, zField_});
    runLoad();
}

void frmCartGeo::execute() {
    const InputCheck check = CheckCartesianInput(xField_->value(), yField_->value(), zField_->value(),
                                                 xField_->valid(), yField_->valid(), zField_->valid());
    CoordinateField* const fields[] = {xField_, yField_, zField_};
    if (!check.ok()) {
        reportCheck(fields[check.failed - 1], check);
        return;
    }
    const CartesianToGeographicOutcome r = ConvertCartesianToGeographic(
        xField_->value(), yField_->value(), zField_->value(), m.SystemCode, axisChoice(), m.LongitudeOrigin);
    if (!r.ok) {
        // A point on the polar axis has no longitude: refused like a value out of range.
        reportCheck(fields[r.refusal.failed - 1], r.refusal);
        return;
    }
    acceptResult();
    latitude_ = r.latitude;
    longitude_ = r.longitude;
    height_ = r.height;
    result_[0]->setText(resultAngleText(latitude_));
    result_[1]->setText(resultAngleText(longitude_));
    result_[2]->setText(CoordinateField::format(height_, QString::fromUtf8(Patterns::Height)));
    showGreenwichLongitude(r.greenwichShown, r.greenwichLongitude);
}

void frmCartGeo::copyCoordinates() {
    m.CopiedCoordinates.Latitude = latitude_;
    m.CopiedCoordinates.Longitude = longitude_;
    m.CopiedCoordinates.Height = height_;
    m.CopiedCoordinates.AxisChoice = axisChoice();
    m.CopiedCoordinates.SystemCode = m.SystemCode;
    m.CopiedCoordinates.Kind = CopiedKind::GeographicHeight;
}

void frmCartGeo::pasteCoordinates() {
    selectCopiedReference();
    xField_->pasteNumber(m.CopiedCoordinates.X);
    yField_->pasteNumber(m.CopiedCoordinates.Y);
    zField_->pasteNumber(m.CopiedCoordinates.Z);
}

QString frmCartGeo::printTitle() const {
    return QStringLiteral("TRASFORMAZIONE COORDINATE DA CARTESIANE A GEOGRAFICHE");
}
