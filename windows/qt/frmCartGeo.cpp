#include "windows/qt/frmCartGeo.h"

#include "windows/qt/CoordinateField.h"

#include <QGroupBox>

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
                      QStringLiteral("Cartesiane - Geografiche")) {
    buildFrames(CartGeoLayout, page_);
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

void frmCartGeo::readInputs() {
    page_.setX(xField_->typedValue());
    page_.setY(yField_->typedValue());
    page_.setZ(zField_->typedValue());
}

void frmCartGeo::showPasted() {
    showPastedReference();
    xField_->pasteNumber(page_.x().value);
    yField_->pasteNumber(page_.y().value);
    zField_->pasteNumber(page_.z().value);
}
