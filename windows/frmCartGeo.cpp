#include "windows/frmCartGeo.h"

#include "app/Modulo1.h"
#include "geodesy/CartesianConversions.h"
#include "geodesy/TextNumbers.h"
#include "windows/CoordinateField.h"
#include "windows/WindowDecorations.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace tervano;

namespace {
const CartesianWindow::Names CartGeoNames{
    "Label11",
    "Per il sistema ROMA40 è stata selezionata l'opzione che colloca l'origine delle longitudini sul "
    "meridiano di  Greenwich, conseguentemente il programma ha posto su tale meridiano anche l'asse X "
    "del sistema cartesiano."};
}

frmCartGeo::frmCartGeo(Modulo1& model, QWidget* mainWindow)
    : CartesianWindow(model, mainWindow, QStringLiteral("frmCartGeo"),
                      QStringLiteral("Cartesiane - Geografiche"), CartGeoNames) {
    frame2_ = new QGroupBox(QStringLiteral("Coord. Cartesiane Ellissocentriche"), this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    auto makeLength = [this](const char* edit, const char* display, const char* tip) {
        auto* f = new CoordinateField(CoordinateField::Kind::Length, QString::fromLatin1(edit),
                                      QString::fromLatin1(display), frame2_);
        f->setToolTips(QString::fromUtf8(tip));
        addInputField(f);
        return f;
    };
    xField_ = makeLength("Text1", "Text7", "Coordinata X in metri");
    yField_ = makeLength("Text2", "Text8", "Coordinata Y in metri");
    zField_ = makeLength("Text3", "Text9", "Coordinata Z in metri");
    auto* g2 = new QGridLayout(frame2_);
    g2->addWidget(MakeRowLabel(frame2_, QStringLiteral("Label18"), QStringLiteral("X =")), 0, 0);
    g2->addWidget(xField_, 0, 1);
    g2->addWidget(MakeRowLabel(frame2_, QStringLiteral("Label19"), QStringLiteral("Y =")), 1, 0);
    g2->addWidget(yField_, 1, 1);
    g2->addWidget(MakeRowLabel(frame2_, QStringLiteral("Label20"), QStringLiteral("Z =")), 2, 0);
    g2->addWidget(zField_, 2, 1);
    g2->setColumnStretch(1, 1);

    frame3_ = new QGroupBox(QStringLiteral("Coordinate Geografiche"), this);
    frame3_->setObjectName(QStringLiteral("Frame3"));
    text4_ = makeResultBox(QStringLiteral("Text4"));
    text5_ = makeResultBox(QStringLiteral("Text5"));
    text6_ = makeResultBox(QStringLiteral("Text6"));
    auto* g3 = new QGridLayout(frame3_);
    g3->addWidget(MakeRowLabel(frame3_, QStringLiteral("Label21"), QStringLiteral("φ =")), 0, 0);
    g3->addWidget(text4_, 0, 1);
    g3->addWidget(MakeRowLabel(frame3_, QStringLiteral("Label22"), QStringLiteral("λ =")), 1, 0);
    g3->addWidget(text5_, 1, 1);
    g3->addWidget(MakeRowLabel(frame3_, QStringLiteral("Label23"), QStringLiteral("H =")), 2, 0);
    g3->addWidget(text6_, 2, 1);
    g3->setColumnStretch(1, 1);
    setCoordinateFrames(frame3_, frame2_);

    QGroupBox* frame6 = makePointNameFrame(QStringLiteral("Frame6"), QStringLiteral("Text11"), &pointName_);
    QWidget* unitRow = makeUnitRow(QStringLiteral("Label1"), QStringLiteral("Label12"));

    auto* middle = new QVBoxLayout;
    middle->addWidget(frame2_);
    middle->addWidget(frame3_);
    middle->addWidget(frame5_);
    middle->addWidget(frame6);
    middle->addWidget(unitRow);
    middle->addStretch(1);
    auto* buttons = buttonPanel(true);
    buttons->addStretch(1);
    auto* top = new QHBoxLayout(this);
    top->addLayout(leftColumn(), 0);
    top->addLayout(middle, 1);
    top->addLayout(buttons, 0);

    runLoad();
}

void frmCartGeo::loadDefaults() {
    loadAxisDefaults();
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
    text4_->setText(resultAngleText(latitude_));
    text5_->setText(resultAngleText(longitude_));
    text6_->setText(CoordinateField::format(height_, QString::fromUtf8(Patterns::Height)));
    text10_->setText(r.greenwichShown ? resultAngleText(r.greenwichLongitude) : QString());
}

void frmCartGeo::copyCoordinates() {
    m.CopiedCoordinates.Latitude = latitude_;
    m.CopiedCoordinates.Longitude = longitude_;
    m.CopiedCoordinates.Height = height_;
    m.CopiedCoordinates.AxisChoice = axisChoice();
    m.CopiedCoordinates.CopiedKind = 4;
}

void frmCartGeo::pasteCoordinates() {
    selectCopiedAxis();
    xField_->pasteNumber(m.CopiedCoordinates.X);
    yField_->pasteNumber(m.CopiedCoordinates.Y);
    zField_->pasteNumber(m.CopiedCoordinates.Z);
}

QString frmCartGeo::printTitle() const {
    return QStringLiteral("TRASFORMAZIONE COORDINATE DA CARTESIANE A GEOGRAFICHE");
}

void frmCartGeo::printBlock(PrintQueue& q) {
    const QString gap = m.GapNarrow;
    printBlockStart(q, systemCaption(), label7_, pointName_->text());
    q.setFont(11, true);
    q.printLine({cartesianHeading(frame2_)});
    q.setFont(11, false);
    q.printLine({QStringLiteral("X: "), xField_->displayText(), gap, QStringLiteral("Y: "),
                 yField_->displayText(), gap, QStringLiteral("Z: "), zField_->displayText()});
    q.printLine();
    q.setFont(11, true);
    q.printLine({geographicHeading(frame3_)});
    q.setFont(11, false);
    q.printLine({QStringLiteral("Lat.: "), text4_->text(), gap, QStringLiteral("Long.: "), text5_->text(),
                 gap, QStringLiteral("Quota elliss.: "), text6_->text()});
    if (shiftsToGreenwichAxis())
        q.printLine({QStringLiteral("Long. da Greenwich: "), text10_->text()});
    q.printLine();
    printBlockEnd(q);
}
