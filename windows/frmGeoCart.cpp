#include "windows/frmGeoCart.h"

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
const CartesianWindow::Names GeoCartNames{
    "Label10",
    "Per il sistema ROMA40 è stata selezionata l'opzione che colloca l'origine delle longitudini sul "
    "meridiano di  Greenwich, conseguentemente il programma pone su tale meridiano anche l'asse X "
    "del sistema cartesiano."};
}

frmGeoCart::frmGeoCart(Modulo1& model, QWidget* mainWindow)
    : CartesianWindow(model, mainWindow, QStringLiteral("frmGeoCart"),
                      QStringLiteral("Geografiche - Cartesiane"), GeoCartNames) {
    frame2_ = new QGroupBox(QStringLiteral("Coordinate Geografiche"), this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    latitudeField_ = new CoordinateField(CoordinateField::Kind::Angle, QStringLiteral("Text1"),
                                         QStringLiteral("Text7"), frame2_);
    latitudeField_->setAngleRole(CoordinateField::AngleRole::Latitude);
    longitudeField_ = new CoordinateField(CoordinateField::Kind::Angle, QStringLiteral("Text2"),
                                          QStringLiteral("Text8"), frame2_);
    longitudeField_->setAngleRole(CoordinateField::AngleRole::Longitude);
    heightField_ = new CoordinateField(CoordinateField::Kind::Height, QStringLiteral("Text3"),
                                       QStringLiteral("Text9"), frame2_);
    heightField_->setToolTips(QStringLiteral("Quota ellissoidica in metri"));
    addInputField(latitudeField_);
    addInputField(longitudeField_);
    addInputField(heightField_);
    auto* g2 = new QGridLayout(frame2_);
    g2->addWidget(MakeRowLabel(frame2_, QStringLiteral("Label1"), QStringLiteral("φ =")), 0, 0);
    g2->addWidget(latitudeField_, 0, 1);
    g2->addWidget(MakeRowLabel(frame2_, QStringLiteral("Label2"), QStringLiteral("λ =")), 1, 0);
    g2->addWidget(longitudeField_, 1, 1);
    g2->addWidget(MakeRowLabel(frame2_, QStringLiteral("Label3"), QStringLiteral("H =")), 2, 0);
    g2->addWidget(heightField_, 2, 1);
    g2->setColumnStretch(1, 1);

    frame3_ = new QGroupBox(QStringLiteral("Coord. Cartesiane Ellissocentriche"), this);
    frame3_->setObjectName(QStringLiteral("Frame3"));
    text4_ = makeResultBox(QStringLiteral("Text4"));
    text5_ = makeResultBox(QStringLiteral("Text5"));
    text6_ = makeResultBox(QStringLiteral("Text6"));
    auto* g3 = new QGridLayout(frame3_);
    g3->addWidget(MakeRowLabel(frame3_, QStringLiteral("Label4"), QStringLiteral("X =")), 0, 0);
    g3->addWidget(text4_, 0, 1);
    g3->addWidget(MakeRowLabel(frame3_, QStringLiteral("Label5"), QStringLiteral("Y =")), 1, 0);
    g3->addWidget(text5_, 1, 1);
    g3->addWidget(MakeRowLabel(frame3_, QStringLiteral("Label6"), QStringLiteral("Z =")), 2, 0);
    g3->addWidget(text6_, 2, 1);
    g3->setColumnStretch(1, 1);
    setCoordinateFrames(frame2_, frame3_);

    QGroupBox* frame6 = makePointNameFrame(QStringLiteral("Frame6"), QStringLiteral("Text11"), &pointName_);
    QWidget* unitRow = makeUnitRow(QStringLiteral("Label11"), QStringLiteral("Label12"));

    auto* middle = new QVBoxLayout;
    middle->addWidget(frame2_);
    middle->addWidget(frame5_);
    middle->addWidget(frame3_);
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

void frmGeoCart::loadDefaults() {
    loadAxisDefaults();
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
    text10_->setText(r.greenwichShown ? resultAngleText(r.greenwichLongitude) : QString());
    x_ = r.CartX;
    y_ = r.CartY;
    z_ = r.CartZ;
    const QString metres = QString::fromUtf8(Patterns::Metres);
    text4_->setText(CoordinateField::format(x_, metres));
    text5_->setText(CoordinateField::format(y_, metres));
    text6_->setText(CoordinateField::format(z_, metres));
}

void frmGeoCart::copyCoordinates() {
    m.CopiedCoordinates.X = x_;
    m.CopiedCoordinates.Y = y_;
    m.CopiedCoordinates.Z = z_;
    m.CopiedCoordinates.AxisChoice = axisChoice();
    m.CopiedCoordinates.CopiedKind = 3;
}

void frmGeoCart::pasteCoordinates() {
    selectCopiedAxis();
    latitudeField_->pasteAngle(m.CopiedCoordinates.Latitude);
    longitudeField_->pasteAngle(m.CopiedCoordinates.Longitude);
    if (m.CopiedCoordinates.CopiedKind == 4)
        heightField_->pasteNumber(m.CopiedCoordinates.Height);
    else
        heightField_->showEdit(true);
}

QString frmGeoCart::printTitle() const {
    return QStringLiteral("TRASFORMAZIONE COORDINATE DA GEOGRAFICHE A CARTESIANE");
}

void frmGeoCart::printBlock(PrintQueue& q) {
    const QString gap = m.GapNarrow;
    printBlockStart(q, systemCaption(), label7_, pointName_->text());
    q.setFont(11, true);
    q.printLine({geographicHeading(frame2_)});
    q.setFont(11, false);
    q.printLine({QStringLiteral("Lat.: "), latitudeField_->displayText(), gap, QStringLiteral("Long.: "),
                 longitudeField_->displayText(), gap, QStringLiteral("Q. ellis.: "),
                 heightField_->displayText()});
    if (shiftsToGreenwichAxis())
        q.printLine({QStringLiteral("Long. da Greenwich: "), text10_->text()});
    q.printLine();
    q.setFont(11, true);
    q.printLine({cartesianHeading(frame3_)});
    q.setFont(11, false);
    q.printLine({QStringLiteral("X: "), text4_->text(), gap, QStringLiteral("Y: "), text5_->text(), gap,
                 QStringLiteral("Z: "), text6_->text()});
    q.printLine();
    printBlockEnd(q);
}
