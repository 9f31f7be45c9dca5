#include "windows/qt/frmGeoPia.h"

#include "app/Modulo1.h"
#include "geodesy/PlaneConversions.h"
#include "geodesy/ReferenceSystems.h"
#include "geodesy/TextNumbers.h"
#include "windows/qt/CoordinateField.h"
#include "windows/qt/WindowDecorations.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace tervano;

frmGeoPia::frmGeoPia(Modulo1& model, QWidget* mainWindow)
    : ConversionWindow(model, mainWindow, QStringLiteral("frmGeoPia"),
                       QStringLiteral("Geografiche - Piane")) {
    system_ = makeSystemFrame(QStringLiteral("Frame1"));

    // Zone choice: membership or by hand, with the hand-chosen zones.
    frame2_ = new QGroupBox(QStringLiteral("Scelta del fuso"), this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    option2_ = new QButtonGroup(frame2_);
    option2_->setObjectName(QStringLiteral("Option2"));
    auto* membership =
        new QRadioButton(QStringLiteral("Coordinate piane nel  fuso di appartenenza"), frame2_);
    membership->setObjectName(QStringLiteral("Option2_0"));
    auto* byHand = new QRadioButton(QStringLiteral("Scelta    del fuso"), frame2_);
    byHand->setObjectName(QStringLiteral("Option2_1"));
    option2_->addButton(membership, 0);
    option2_->addButton(byHand, 1);
    option3_ = new QButtonGroup(frame2_);
    option3_->setObjectName(QStringLiteral("Option3"));
    frame3_ = new QGroupBox(frame2_);
    frame3_->setObjectName(QStringLiteral("Frame3"));
    auto* l3 = new QHBoxLayout(frame3_);
    frame4_ = new QGroupBox(frame2_);
    frame4_->setObjectName(QStringLiteral("Frame4"));
    auto* l4 = new QHBoxLayout(frame4_);
    const char* const zoneNames[5] = {"32", "33", "34", "Ovest", "Est"};
    for (int i = 0; i < 5; ++i) {
        auto* b = new QRadioButton(QString::fromLatin1(zoneNames[i]), i < 3 ? frame3_ : frame4_);
        b->setObjectName(QStringLiteral("Option3_%1").arg(i));
        option3_->addButton(b, i);
        (i < 3 ? l3 : l4)->addWidget(b);
    }
    image1_ = MakeZonePicture(frame2_, QStringLiteral("Image1"));
    auto* zoneGrid = new QGridLayout(frame2_);
    zoneGrid->addWidget(membership, 0, 0, 1, 2);
    zoneGrid->addWidget(byHand, 1, 0);
    zoneGrid->addWidget(image1_, 1, 1, 2, 1, Qt::AlignRight | Qt::AlignTop);
    zoneGrid->addWidget(frame3_, 2, 0);
    zoneGrid->addWidget(frame4_, 3, 0);
    zoneGrid->setRowStretch(4, 1);

    // Geographic inputs.
    frame5_ = new QGroupBox(QStringLiteral("Coordinate Geografiche"), this);
    frame5_->setObjectName(QStringLiteral("Frame5"));
    latitudeField_ = new CoordinateField(CoordinateField::Kind::Angle, QStringLiteral("Text7"),
                                         QStringLiteral("Text1"), frame5_);
    latitudeField_->setAngleRole(CoordinateField::AngleRole::Latitude);
    longitudeField_ = new CoordinateField(CoordinateField::Kind::Angle, QStringLiteral("Text8"),
                                          QStringLiteral("Text2"), frame5_);
    longitudeField_->setAngleRole(CoordinateField::AngleRole::Longitude);
    addInputField(latitudeField_);
    addInputField(longitudeField_);
    label8_ = new QLabel(QStringLiteral("ATTENZIONE:          Long. da Greenwich"), frame5_);
    label8_->setObjectName(QStringLiteral("Label8"));
    StyleNotice(label8_);
    auto* g5 = new QGridLayout(frame5_);
    g5->addWidget(MakeRowLabel(frame5_, QStringLiteral("Label1"), QStringLiteral("φ =")), 0, 0);
    g5->addWidget(latitudeField_, 0, 1);
    g5->addWidget(MakeRowLabel(frame5_, QStringLiteral("Label2"), QStringLiteral("λ =")), 1, 0);
    g5->addWidget(longitudeField_, 1, 1);
    g5->addWidget(label8_, 2, 0, 1, 2);
    g5->setColumnStretch(1, 1);

    // Plane results: zone of membership (or chosen) and overlap.
    frame6_ = new QGroupBox(QStringLiteral("Coordinate Piane"), this);
    frame6_->setObjectName(QStringLiteral("Frame6"));
    auto makeResultFrame = [this](const QString& frameName, const QString& northName, const QString& eastName,
                                  const QString& northLabel, const QString& eastLabel, QLineEdit** north,
                                  QLineEdit** east) {
        auto* f = new QGroupBox(frame6_);
        f->setObjectName(frameName);
        *north = makeResultBox(northName);
        *east = makeResultBox(eastName);
        auto* g = new QGridLayout(f);
        g->addWidget(MakeRowLabel(f, northLabel, QStringLiteral("N =")), 0, 0);
        g->addWidget(*north, 0, 1);
        g->addWidget(MakeRowLabel(f, eastLabel, QStringLiteral("E =")), 1, 0);
        g->addWidget(*east, 1, 1);
        g->setColumnStretch(1, 1);
        return f;
    };
    frame7_ = makeResultFrame(QStringLiteral("Frame7"), QStringLiteral("Text3"), QStringLiteral("Text4"),
                              QStringLiteral("Label3"), QStringLiteral("Label4"), &text3_, &text4_);
    frame8_ = makeResultFrame(QStringLiteral("Frame8"), QStringLiteral("Text5"), QStringLiteral("Text6"),
                              QStringLiteral("Label5"), QStringLiteral("Label6"), &text5_, &text6_);
    auto* l6 = new QVBoxLayout(frame6_);
    l6->addWidget(frame7_);
    l6->addWidget(frame8_);

    QGroupBox* frame10 = makePointNameFrame(QStringLiteral("Frame10"), QStringLiteral("Text9"), &pointName_);
    QWidget* unitRow = makeUnitRow(QStringLiteral("Label9"), QStringLiteral("Label10"));
    label7_ = MakeDescriptionLabel(this, QStringLiteral("Label7"));

    arrangeColumns({system_.frame, frame2_, label7_}, {frame5_, frame6_, frame10, unitRow});

    connect(system_.group, &QButtonGroup::idClicked, this, &frmGeoPia::systemClicked);
    connect(option2_, &QButtonGroup::idClicked, this, &frmGeoPia::zoneChoiceClicked);
    connect(option3_, &QButtonGroup::idClicked, this, &frmGeoPia::handZoneClicked);

    runLoad();
}

void frmGeoPia::loadDefaults() {
    m.ScaleFactor = ScaleFactorUTM;
    system_.options[0]->setChecked(true);
    systemClicked(0);
    option2_->button(0)->setChecked(true);
    zoneChoiceClicked(0);
    zoneMode_ = 1;
    m.SystemCode = ROMA40;
    overlapShown_ = false;
    frame3_->hide();
    frame4_->hide();
    image1_->hide();
    frame8_->hide();
    frame7_->show();
}

bool frmGeoPia::acceptsPaste(const CopiedCoordinatesRecord& c) const {
    return c.isGeographic();
}

bool frmGeoPia::greenwichShiftApplies() const {
    return m.SystemCode == ROMA40 && greenwichLongitudes();
}

void frmGeoPia::updateGreenwichNotice() {
    label8_->setVisible(greenwichShiftApplies());
}

void frmGeoPia::selectHandZone(int index) {
    option3_->button(index)->setChecked(true);
    frame7_->setTitle(QString::fromUtf8(ZoneCaptionHand(index + 1)));
    m.ZoneCode = index + 1;
}

void frmGeoPia::systemClicked(int index) {
    invalidateResult();
    frame7_->setTitle(QString());
    frame8_->hide();
    m.SystemCode = index + 1;
    if (option2_->checkedId() == 1) {
        const bool roma = m.SystemCode == ROMA40;
        frame3_->setVisible(!roma);
        frame4_->setVisible(roma);
        selectHandZone(roma ? 3 : 0);
        zoneMode_ = roma ? 2 : 3;
    }
    frame5_->setTitle(QString::fromUtf8(GeographicFrameCaption(m.SystemCode)));
    frame6_->setTitle(QString::fromUtf8(PlaneFrameCaption(m.SystemCode)));
    setDescription(label7_, PlaneSystemDescription(m.SystemCode));
    updateGreenwichNotice();
}

void frmGeoPia::zoneChoiceClicked(int index) {
    invalidateResult();
    frame7_->setTitle(QString());
    frame8_->hide();
    if (index == 0) {
        image1_->hide();
        frame3_->hide();
        frame4_->hide();
        zoneMode_ = 1;
        return;
    }
    image1_->show();
    const bool roma = m.SystemCode == ROMA40;
    frame3_->setVisible(!roma);
    frame4_->setVisible(roma);
    selectHandZone(roma ? 3 : 0);
    zoneMode_ = roma ? 2 : 3;
}

void frmGeoPia::handZoneClicked(int index) {
    invalidateResult();
    frame7_->setTitle(QString::fromUtf8(ZoneCaptionHand(index + 1)));
    m.ZoneCode = index + 1;
}

void frmGeoPia::fieldCommitted(CoordinateField* field) {
    if (field == latitudeField_) {
        latitude_ = field->degrees();
    } else {
        longitude_ = field->degrees();
        if (greenwichShiftApplies())
            longitude_ -= GreenwichShift();
    }
}

void frmGeoPia::execute() {
    // Read both boxes again: the system may have changed since they were left.
    longitudeField_->commit();
    latitudeField_->commit();
    const InputCheck check = CheckGeographicForPlane(m.SystemCode, latitude_, longitude_,
                                                     latitudeField_->valid(), longitudeField_->valid());
    if (check.failed != 0) {
        reportCheck(check.failed == 1 ? latitudeField_ : longitudeField_, check);
        return;
    }
    overlapShown_ = false;
    acceptResult();
    frame8_->hide();

    const GeoToPlaneResult r =
        GeographicToPlane(m.SystemCode, zoneMode_, m.ZoneCode, latitude_, longitude_, m.ScaleFactor);
    if (zoneMode_ == 1)
        frame7_->setTitle(QString::fromUtf8(ZoneCaptionMembership(r.MembershipZoneCode)));
    m.ZoneCode = r.MembershipZoneCode;
    resultZone_ = r.MembershipZoneCode;
    north_ = r.North;
    east_ = r.East;
    text3_->setText(CoordinateField::format(r.North, QString::fromUtf8(Patterns::Metres)));
    text4_->setText(CoordinateField::format(r.East, QString::fromUtf8(Patterns::Metres)));
    if (r.OverlapShown) {
        overlapShown_ = true;
        m.ZoneCode = r.OverlapZoneCode;
        frame8_->setTitle(QString::fromUtf8(ZoneCaptionOverlap(r.OverlapZoneCode)));
        frame8_->show();
        text5_->setText(CoordinateField::format(r.OverlapNorth, QString::fromUtf8(Patterns::Metres)));
        text6_->setText(CoordinateField::format(r.OverlapEast, QString::fromUtf8(Patterns::Metres)));
    }
}

void frmGeoPia::copyCoordinates() {
    m.CopiedCoordinates.North = north_;
    m.CopiedCoordinates.East = east_;
    m.CopiedCoordinates.SystemCode = m.SystemCode;
    m.CopiedCoordinates.ZoneCode = resultZone_;
    m.CopiedCoordinates.Kind = CopiedKind::Plane;
}

void frmGeoPia::pasteCoordinates() {
    // The point's own system first, as a click selects it: the Greenwich
    // shift of the longitude follows it.
    system_.options[size_t(m.CopiedCoordinates.SystemCode - 1)]->click();
    // The decimal degrees come from the record, not from the texts written.
    latitudeField_->pasteAngle(m.CopiedCoordinates.Latitude);
    longitudeField_->pasteAngle(m.CopiedCoordinates.Longitude);
}

void frmGeoPia::emptyResultBoxes() {
    ConversionWindow::emptyResultBoxes();
    // The overlap frame goes with its emptied boxes.
    frame8_->hide();
    overlapShown_ = false;
}

void frmGeoPia::clearExtras() {
    frame7_->setTitle(QString());
    frame8_->hide();
}

QString frmGeoPia::printTitle() const {
    return QStringLiteral("TRASFORMAZIONE COORDINATE DA GEOGRAFICHE A PIANE");
}

void frmGeoPia::printBlock(PrintQueue& q) {
    const QString gap = m.GapWide;
    printBlockStart(q, system_.group->checkedButton()->text(), label7_, pointName_->text());
    q.setFont(11, true);
    q.printLine(
        {frame5_->title(), greenwichShiftApplies() ? QStringLiteral("  (Long. da Greenwich)") : QString()});
    q.setFont(11, false);
    q.printLine({QStringLiteral("Latitudine: "), latitudeField_->displayText(), gap,
                 QStringLiteral("Longitudine: "), longitudeField_->displayText()});
    q.printLine();
    q.setFont(11, true);
    q.printLine({frame6_->title(), QStringLiteral(" - "), frame7_->title()});
    q.setFont(11, false);
    q.printLine({QStringLiteral("Nord: "), text3_->text(), gap, QStringLiteral("Est: "), text4_->text()});
    q.printLine();
    if (overlapShown_) {
        q.setFont(11, true);
        q.printLine({frame6_->title(), QStringLiteral(" - "), frame8_->title()});
        q.setFont(11, false);
        q.printLine({QStringLiteral("Nord: "), text5_->text(), gap, QStringLiteral("Est: "), text6_->text()});
    }
    printBlockEnd(q);
}
