#include "windows/qt/frmGeoPia.h"

#include "app/Modulo1.h"
#include "windows/qt/CoordinateField.h"
#include "windows/qt/WindowDecorations.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

using namespace tervano;

frmGeoPia::frmGeoPia(Modulo1& model, QWidget* mainWindow)
    : ConversionWindow(model, mainWindow, QStringLiteral("frmGeoPia"), QStringLiteral("Geografiche - Piane")),
      page_(pageSettings()) {
    addPage(&page_);
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

    connectChoice(system_.group, [this](int id) {
        page_.chooseSystem(System(id + 1));
        showChoices();
    });
    connectChoice(option2_, [this](int id) {
        page_.chooseZone(id == 0 ? ZoneChoice::Membership : ZoneChoice::ByHand);
        showChoices();
    });
    connectChoice(option3_, [this](int id) {
        page_.chooseHandZone(PlaneZone(id + 1));
        showChoices();
    });

    runLoad();
}

void frmGeoPia::loadDefaults() {
    system_.options[0]->setChecked(true);
    option2_->button(0)->setChecked(true);
    showChoices();
}

// The choices of the page shown: zone frames, captions, description, notice.
void frmGeoPia::showChoices() {
    invalidateResult();
    const bool byHand = page_.zoneChoice() == ZoneChoice::ByHand;
    const bool roma = page_.system() == System::ROMA40;
    image1_->setVisible(byHand);
    frame3_->setVisible(byHand && !roma);
    frame4_->setVisible(byHand && roma);
    {
        const QSignalBlocker quiet(option3_);
        option3_->button(Code(page_.handZone()) - 1)->setChecked(true);
    }
    frame7_->setTitle(QString::fromStdString(page_.zoneCaption()));
    frame5_->setTitle(QString::fromStdString(page_.geographicCaption()));
    frame6_->setTitle(QString::fromStdString(page_.planeCaption()));
    setDescription(label7_, page_.description());
    updateGreenwichNotice();
}

bool frmGeoPia::countsFromLongitudeOrigin(const CoordinateField* field) const {
    return field == longitudeField_ && page_.system() == System::ROMA40;
}

void frmGeoPia::updateGreenwichNotice() {
    label8_->setVisible(page_.greenwichShiftApplies());
}

void frmGeoPia::fieldCommitted(CoordinateField* field) {
    if (field == latitudeField_)
        page_.setLatitude(field->typedValue());
    else
        page_.setLongitude(field->typedValue());
}

void frmGeoPia::readInputs() {
    // Read both boxes again: the system may have changed since they were left.
    longitudeField_->commit();
    latitudeField_->commit();
}

void frmGeoPia::showResult() {
    const GeoToPlanePage::Result& r = page_.result();
    frame7_->setTitle(QString::fromStdString(page_.zoneCaption()));
    text3_->setText(QString::fromStdString(r.north));
    text4_->setText(QString::fromStdString(r.east));
    if (r.values.OverlapShown) {
        frame8_->setTitle(QString::fromStdString(r.overlapCaption));
        frame8_->show();
        text5_->setText(QString::fromStdString(r.overlapNorth));
        text6_->setText(QString::fromStdString(r.overlapEast));
    }
}

void frmGeoPia::showPasted() {
    system_.options[size_t(Code(page_.system()) - 1)]->setChecked(true);
    latitudeField_->pasteAngle(page_.latitude().value);
    longitudeField_->pasteAngle(page_.longitude().value);
}

void frmGeoPia::emptyResultBoxes() {
    ConversionWindow::emptyResultBoxes();
    // The overlap frame goes with its emptied boxes.
    frame8_->hide();
}

void frmGeoPia::clearExtras() {
    frame7_->setTitle(QString::fromStdString(page_.zoneCaption()));
}
