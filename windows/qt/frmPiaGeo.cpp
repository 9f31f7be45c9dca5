#include "windows/qt/frmPiaGeo.h"

#include "app/Modulo1.h"
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
    addPage(&page_);
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

    frame3_ = new QGroupBox(this);
    frame3_->setObjectName(QStringLiteral("Frame3"));
    northField_ = new CoordinateField(CoordinateField::Kind::Length, QStringLiteral("Text13"),
                                      QStringLiteral("Text9"), frame3_);
    northField_->setToolTips(QStringLiteral("Coordinata Nord in metri"));
    eastField_ = new CoordinateField(CoordinateField::Kind::Length, QStringLiteral("Text14"),
                                     QStringLiteral("Text10"), frame3_);
    eastField_->setToolTips(QStringLiteral("Coordinata Est in metri"));
    // In the page's input order: North, East.
    addInputField(northField_);
    addInputField(eastField_);
    auto* g3 = new QGridLayout(frame3_);
    g3->addWidget(MakeRowLabel(frame3_, QStringLiteral("Label8"), QStringLiteral("N =")), 0, 0);
    g3->addWidget(northField_, 0, 1);
    g3->addWidget(MakeRowLabel(frame3_, QStringLiteral("Label9"), QStringLiteral("E =")), 1, 0);
    g3->addWidget(eastField_, 1, 1);
    g3->setColumnStretch(1, 1);

    frame5_ = new QGroupBox(this);
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

    QGroupBox* frame2 = makePointNameFrame(QStringLiteral("Frame2"), QStringLiteral("Text1"), nullptr);
    QWidget* unitRow = makeUnitRow(QStringLiteral("Label2"), QStringLiteral("Label3"));
    label7_ = MakeDescriptionLabel(this, QStringLiteral("Label7"));

    arrangeColumns({system_.frame, frame4_, label7_}, {frame3_, frame5_, frame2, unitRow});

    connectChoice(system_.group, [this](int id) {
        page_.chooseSystem(static_cast<System>(id + 1));
        invalidateResult();
        showSystem();
    });
    connectChoice(option4_, [this](int id) {
        page_.chooseZone(static_cast<PlaneZone>(id + 1));
        invalidateResult();
    });

    runLoad();
}

void frmPiaGeo::loadDefaults() {
    system_.options[0]->setChecked(true);
    option4_->button(0)->setChecked(true);
    showSystem();
}

void frmPiaGeo::showSystem() {
    frame4_->setVisible(page_.showsZoneChoice());
    frame3_->setTitle(QString::fromStdString(page_.planeCaption()));
    frame5_->setTitle(QString::fromStdString(page_.geographicCaption()));
    setDescription(label7_, page_.description());
    updateGreenwichNotice();
}

void frmPiaGeo::updateGreenwichNotice() {
    label1_->setVisible(page_.greenwichLongitudes());
}

void frmPiaGeo::readInputs() {
    page_.setNorth(northField_->typedValue());
    page_.setEast(eastField_->typedValue());
}

void frmPiaGeo::showResult() {
    text11_->setText(QString::fromStdString(page_.latitudeText()));
    text12_->setText(QString::fromStdString(page_.longitudeText()));
}

void frmPiaGeo::showPasted() {
    // The options follow the page's reference; their handlers show it.
    system_.options[size_t(Code(page_.system()) - 1)]->setChecked(true);
    option4_->button(Code(page_.zone()) - 1)->setChecked(true);
    northField_->pasteNumber(page_.north().value);
    eastField_->pasteNumber(page_.east().value);
}
