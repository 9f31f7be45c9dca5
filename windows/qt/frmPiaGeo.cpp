#include "windows/qt/frmPiaGeo.h"

#include "app/Modulo1.h"
#include "geodesy/PlaneConversions.h"
#include "geodesy/ReferenceSystems.h"
#include "windows/qt/CoordinateField.h"
#include "windows/qt/WindowDecorations.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace tervano;

frmPiaGeo::frmPiaGeo(Modulo1& model, QWidget* mainWindow)
    : ConversionWindow(model, mainWindow, QStringLiteral("frmPiaGeo"),
                       QStringLiteral("Piane - Geografiche")) {
    system_ = makeSystemFrame(QStringLiteral("Frame1"));

    frame4_ = new QGroupBox(QStringLiteral("Fuso di appartenenza"), this);
    frame4_->setObjectName(QStringLiteral("Frame4"));
    option4_ = new QButtonGroup(frame4_);
    option4_->setObjectName(QStringLiteral("Option4"));
    auto* l4 = new QHBoxLayout(frame4_);
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(QStringLiteral("Fuso %1").arg(32 + i), frame4_);
        b->setObjectName(QStringLiteral("Option4_%1").arg(i));
        option4_->addButton(b, i);
        l4->addWidget(b);
    }

    frame3_ = new QGroupBox(QStringLiteral("Coordinate Piane"), this);
    frame3_->setObjectName(QStringLiteral("Frame3"));
    northField_ = new CoordinateField(CoordinateField::Kind::Length, QStringLiteral("Text13"),
                                      QStringLiteral("Text9"), frame3_);
    northField_->setToolTips(QStringLiteral("Coordinata Nord in metri"));
    eastField_ = new CoordinateField(CoordinateField::Kind::Length, QStringLiteral("Text14"),
                                     QStringLiteral("Text10"), frame3_);
    eastField_->setToolTips(QStringLiteral("Coordinata Est in metri"));
    addInputField(northField_);
    addInputField(eastField_);
    auto* g3 = new QGridLayout(frame3_);
    g3->addWidget(MakeRowLabel(frame3_, QStringLiteral("Label8"), QStringLiteral("N =")), 0, 0);
    g3->addWidget(northField_, 0, 1);
    g3->addWidget(MakeRowLabel(frame3_, QStringLiteral("Label9"), QStringLiteral("E =")), 1, 0);
    g3->addWidget(eastField_, 1, 1);
    g3->setColumnStretch(1, 1);

    frame5_ = new QGroupBox(QStringLiteral("Coordinate Geografiche"), this);
    frame5_->setObjectName(QStringLiteral("Frame5"));
    text11_ = makeResultBox(QStringLiteral("Text11"));
    text12_ = makeResultBox(QStringLiteral("Text12"));
    label1_ = new QLabel(QStringLiteral("ATTENZIONE:  Long. da Greenwich"), frame5_);
    label1_->setObjectName(QStringLiteral("Label1"));
    StyleNotice(label1_);
    auto* g5 = new QGridLayout(frame5_);
    g5->addWidget(MakeRowLabel(frame5_, QStringLiteral("Label10"), QStringLiteral("φ =")), 0, 0);
    g5->addWidget(text11_, 0, 1);
    g5->addWidget(MakeRowLabel(frame5_, QStringLiteral("Label11"), QStringLiteral("λ =")), 1, 0);
    g5->addWidget(text12_, 1, 1);
    g5->addWidget(label1_, 2, 0, 1, 2);
    g5->setColumnStretch(1, 1);

    QGroupBox* frame2 = makePointNameFrame(QStringLiteral("Frame2"), QStringLiteral("Text1"), &pointName_);
    QWidget* unitRow = makeUnitRow(QStringLiteral("Label2"), QStringLiteral("Label3"));
    label7_ = MakeDescriptionLabel(this, QStringLiteral("Label7"));

    arrangeColumns({system_.frame, frame4_, label7_}, {frame3_, frame5_, frame2, unitRow});

    connect(system_.group, &QButtonGroup::idClicked, this, &frmPiaGeo::systemClicked);
    connect(option4_, &QButtonGroup::idClicked, this, &frmPiaGeo::zoneClicked);

    runLoad();
}

void frmPiaGeo::loadDefaults() {
    m.ScaleFactor = ScaleFactorUTM;
    system_.options[0]->setChecked(true);
    option4_->button(0)->setChecked(true);
    systemClicked(0);
    m.SystemCode = ROMA40;
    m.ZoneCode = UTM32;
    frame4_->hide();
}

bool frmPiaGeo::greenwichApplies() const {
    return m.SystemCode == ROMA40 && greenwichLongitudes();
}

void frmPiaGeo::updateGreenwichNotice() {
    label1_->setVisible(greenwichApplies());
}

void frmPiaGeo::systemClicked(int index) {
    invalidateResult();
    m.SystemCode = index + 1;
    frame4_->setVisible(m.SystemCode != ROMA40);
    frame3_->setTitle(QString::fromUtf8(PlaneFrameCaption(m.SystemCode)));
    frame5_->setTitle(QString::fromUtf8(GeographicFrameCaption(m.SystemCode)));
    setDescription(label7_, PlaneSystemDescription(m.SystemCode));
    updateGreenwichNotice();
}

void frmPiaGeo::zoneClicked(int index) {
    invalidateResult();
    m.ZoneCode = index + 1;
}

void frmPiaGeo::execute() {
    const InputCheck check = CheckPlaneForGeographic(m.SystemCode, northField_->value(), eastField_->value(),
                                                     northField_->valid(), eastField_->valid());
    if (check.failed != 0) {
        reportCheck(check.failed == 1 ? northField_ : eastField_, check);
        return;
    }
    acceptResult();
    const PlaneToGeoResult r =
        PlaneToGeographic(m.SystemCode, option4_->checkedId() + 1, northField_->value(), eastField_->value(),
                          m.LongitudeOrigin, m.ScaleFactor);
    m.ZoneCode = r.ZoneCode;
    resultZone_ = r.ZoneCode;
    latitude_ = r.Latitude;
    longitude_ = r.Longitude;
    text11_->setText(resultAngleText(r.Latitude));
    text12_->setText(resultAngleText(r.Longitude));
}

void frmPiaGeo::copyCoordinates() {
    m.CopiedCoordinates.Latitude = latitude_;
    m.CopiedCoordinates.Longitude = longitude_;
    m.CopiedCoordinates.SystemCode = m.SystemCode;
    m.CopiedCoordinates.Kind = CopiedKind::Geographic;
}

void frmPiaGeo::pasteCoordinates() {
    // The point's system and, for UTM, its zone, as clicks select them; a
    // Gauss-Boaga zone follows from the East itself.
    const CopiedCoordinatesRecord& c = m.CopiedCoordinates;
    system_.options[size_t(c.SystemCode - 1)]->click();
    if (c.SystemCode != ROMA40)
        option4_->button(c.ZoneCode - UTM32)->click();
    northField_->pasteNumber(m.CopiedCoordinates.North);
    eastField_->pasteNumber(m.CopiedCoordinates.East);
}

QString frmPiaGeo::printTitle() const {
    return QStringLiteral("TRASFORMAZIONE COORDINATE DA PIANE A GEOGRAFICHE");
}

void frmPiaGeo::printBlock(PrintQueue& q) {
    const QString gap = m.GapWide;
    printBlockStart(q, system_.group->checkedButton()->text(), label7_, pointName_->text());
    q.setFont(11, true);
    q.printLine({frame3_->title(), QStringLiteral(": "), QString::fromUtf8(ZoneCaptionHand(resultZone_))});
    q.setFont(11, false);
    q.printLine({QStringLiteral("Nord: "), northField_->displayText(), gap, QStringLiteral("Est: "),
                 eastField_->displayText()});
    q.printLine();
    q.setFont(11, true);
    q.printLine(
        {frame5_->title(), greenwichApplies() ? QStringLiteral("  (Long. da Greenwich)") : QString()});
    q.setFont(11, false);
    q.printLine({QStringLiteral("Latitudine: "), text11_->text(), gap, QStringLiteral("Longitudine: "),
                 text12_->text()});
    q.printLine();
    printBlockEnd(q);
}
