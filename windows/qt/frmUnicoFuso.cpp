#include "windows/qt/frmUnicoFuso.h"

#include "app/Modulo1.h"
#include "geodesy/TextNumbers.h"
#include "windows/qt/CoordinateField.h"
#include "windows/qt/WindowDecorations.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <algorithm>
#include <initializer_list>

using namespace tervano;

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

QRadioButton* AddOption(QButtonGroup* group, QWidget* parent, const QString& name, int id,
                        const QString& text) {
    auto* b = new QRadioButton(text, parent);
    b->setObjectName(name);
    group->addButton(b, id);
    return b;
}

// A frame holding two rows "label  box".
QGroupBox* TwoRowFrame(QWidget* parent, const QString& name, const QString& title, QLabel* label1,
                       QWidget* box1, QLabel* label2, QWidget* box2) {
    auto* f = new QGroupBox(title, parent);
    f->setObjectName(name);
    auto* g = new QGridLayout(f);
    g->addWidget(label1, 0, 0);
    g->addWidget(box1, 0, 1);
    g->addWidget(label2, 1, 0);
    g->addWidget(box2, 1, 1);
    g->setColumnStretch(1, 1);
    // Rows keep their natural height at the top of the frame, level with the
    // rows of the frame beside it (which may hold a notice as a third row).
    g->setRowStretch(3, 1);
    return f;
}

} // namespace

frmUnicoFuso::frmUnicoFuso(Modulo1& model, QWidget* mainWindow)
    : ConversionWindow(model, mainWindow, QStringLiteral("frmUnicoFuso"), QStringLiteral("Fuso Unico")),
      geoPage_(pageSettings()), planePage_(pageSettings()) {
    system_ = makeSystemFrame(QStringLiteral("Frame1"));

    // Central meridian and false East.
    auto* frame2 = new QGroupBox(QStringLiteral("Meridiano centrale del fuso"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    option2_ = new QButtonGroup(frame2);
    option2_->setObjectName(QStringLiteral("Option2"));
    auto* italy = AddOption(option2_, frame2, QStringLiteral("Option2_0"), 0,
                            QStringLiteral("Merid. Medio per l'Italia = "));
    auto* chosen =
        AddOption(option2_, frame2, QStringLiteral("Option2_1"), 1, QStringLiteral("Meridiano Scelto = "));
    label5_ = new QLabel(frame2);
    label5_->setObjectName(QStringLiteral("Label5"));
    meridianField_ = new CoordinateField(CoordinateField::Kind::Angle, QStringLiteral("Text6"),
                                         QStringLiteral("Text5"), frame2);
    meridianField_->setAngleRole(CoordinateField::AngleRole::Longitude);
    label6_ = new QLabel(QStringLiteral("Falsa origine Est ="), frame2);
    label6_->setObjectName(QStringLiteral("Label6"));
    falseEastField_ = new CoordinateField(CoordinateField::Kind::Length, QStringLiteral("Text10"),
                                          QStringLiteral("Text9"), frame2);
    falseEastField_->setToolTips(QStringLiteral("Falsa origine Est del merid. centrale in metri"));
    falseEastField_->setFormatter([](const CoordinateField& f) {
        if (f.edit()->text().trimmed().isEmpty())
            return QString();
        return CoordinateField::format(f.value(), QString::fromUtf8(Patterns::MetresWhole));
    });
    // Wide enough for a meridian in any notation and a false East in millions.
    meridianField_->setMinimumWidth(150);
    falseEastField_->setMinimumWidth(110);
    auto* g2 = new QGridLayout(frame2);
    g2->addWidget(italy, 0, 0);
    g2->addWidget(label5_, 0, 1, 1, 3);
    g2->addWidget(chosen, 1, 0);
    g2->addWidget(meridianField_, 1, 1);
    g2->addWidget(label6_, 1, 2);
    g2->addWidget(falseEastField_, 1, 3);
    g2->setColumnStretch(1, 1);
    g2->setColumnStretch(3, 1);

    // Scale factor.
    auto* frame3 = new QGroupBox(QStringLiteral("Fattore di scala"), this);
    frame3->setObjectName(QStringLiteral("Frame3"));
    option3_ = new QButtonGroup(frame3);
    option3_->setObjectName(QStringLiteral("Option3"));
    auto* usual =
        AddOption(option3_, frame3, QStringLiteral("Option3_0"), 0, QStringLiteral("Fattore usuale ="));
    auto* typed =
        AddOption(option3_, frame3, QStringLiteral("Option3_1"), 1, QStringLiteral("Fattore scelto ="));
    label8_ = new QLabel(QStringLiteral("0.9996"), frame3);
    label8_->setObjectName(QStringLiteral("Label8"));
    scaleField_ = new CoordinateField(CoordinateField::Kind::Length, QStringLiteral("Text12"),
                                      QStringLiteral("Text11"), frame3);
    scaleField_->setToolTips(QStringLiteral("Fattore di deformazione lineare sul merid. centrale"));
    scaleField_->setFormatter([](const CoordinateField& f) {
        return QString::fromStdString(
            PlainDecimalText(f.value(), QString(QLocale().decimalPoint()).toStdString()));
    });
    auto* g3 = new QGridLayout(frame3);
    g3->addWidget(usual, 0, 0);
    g3->addWidget(label8_, 0, 1);
    g3->addWidget(typed, 0, 2);
    g3->addWidget(scaleField_, 0, 3);
    g3->setColumnStretch(3, 1);

    // The parameter boxes keep their room while hidden: choosing a meridian or
    // a factor does not widen the window and move its buttons.
    for (QWidget* w : std::initializer_list<QWidget*>{label5_, meridianField_, label6_, falseEastField_,
                                                      label8_, scaleField_}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    // Description: the system's lines, then the zone's lines with their values beside them.
    auto* description = new QFrame(this);
    description->setObjectName(QStringLiteral("DescriptionFrame"));
    description->setFrameShape(QFrame::StyledPanel);
    label7_ = MakeDescriptionLabel(description, QStringLiteral("Label7"));
    label7_->setFrameShape(QFrame::NoFrame);
    // Room for the longest description of the three systems: choosing another does not widen the window.
    int widest = 0;
    for (System s : {System::ROMA40, System::ED50, System::WGS84}) {
        setDescription(label7_, SingleZoneDescription(Code(s), {}, {}, {}));
        widest = std::max(widest, label7_->sizeHint().width());
    }
    label7_->setMinimumWidth(widest);
    auto makeValue = [&](const char* name) {
        QLabel* l = MakeDescriptionLabel(description, QString::fromLatin1(name));
        l->setFrameShape(QFrame::NoFrame);
        l->setMargin(0);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        return l;
    };
    label13_ = makeValue("Label13");
    // Room for any typed meridian, so that typing one does not widen the window.
    label13_->setMinimumWidth(label13_->fontMetrics().horizontalAdvance(QStringLiteral("-25° 00' 00.00''")));
    label14_ = makeValue("Label14");
    label15_ = makeValue("Label15");
    auto* values = new QVBoxLayout;
    values->setSpacing(0);
    values->setContentsMargins(0, 0, 0, label7_->margin());
    values->addStretch(1);
    values->addWidget(label13_);
    values->addWidget(label14_);
    values->addWidget(label15_);
    auto* dl = new QHBoxLayout(description);
    dl->setContentsMargins(0, 0, 6, 0);
    dl->setSpacing(0);
    dl->addWidget(label7_);
    dl->addLayout(values);
    dl->addStretch(1);

    // The zone parameters belong to no page: "CANCELLA COORDINATE" leaves them.
    for (CoordinateField* f : {meridianField_, falseEastField_, scaleField_})
        addInputField(f);
    QGroupBox* frame8 = makePointNameFrame(QStringLiteral("Frame8"), QStringLiteral("Text19"), nullptr);

    // Tab 0: geographic to plane.
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    auto* page0 = new QWidget;
    addPage(&geoPage_, page0);
    latitudeField_ = new CoordinateField(CoordinateField::Kind::Angle, QStringLiteral("Text7"),
                                         QStringLiteral("Text1"), page0);
    latitudeField_->setAngleRole(CoordinateField::AngleRole::Latitude);
    longitudeField_ = new CoordinateField(CoordinateField::Kind::Angle, QStringLiteral("Text8"),
                                          QStringLiteral("Text2"), page0);
    longitudeField_->setAngleRole(CoordinateField::AngleRole::Longitude);
    addInputField(latitudeField_);
    addInputField(longitudeField_);
    geoInput_ =
        TwoRowFrame(page0, QStringLiteral("Frame4"), QStringLiteral("Coordinate Geografiche"),
                    MakeRowLabel(page0, QStringLiteral("Label1"), QStringLiteral("φ =")), latitudeField_,
                    MakeRowLabel(page0, QStringLiteral("Label2"), QStringLiteral("λ =")), longitudeField_);
    label16_ = new QLabel(QStringLiteral("ATTENZIONE:     Long. da Greenwich"), geoInput_);
    label16_->setObjectName(QStringLiteral("Label16"));
    StyleNotice(label16_);
    static_cast<QGridLayout*>(geoInput_->layout())->addWidget(label16_, 2, 0, 1, 2);
    text3_ = makeResultBox(QStringLiteral("Text3"));
    text4_ = makeResultBox(QStringLiteral("Text4"));
    auto* planeResult =
        TwoRowFrame(page0, QStringLiteral("Frame5"), QString::fromUtf8(SingleZonePlaneCaption),
                    MakeRowLabel(page0, QStringLiteral("Label3"), QStringLiteral("N =")), text3_,
                    MakeRowLabel(page0, QStringLiteral("Label4"), QStringLiteral("E =")), text4_);
    auto* l0 = new QHBoxLayout(page0);
    l0->addWidget(geoInput_, 1);
    l0->addWidget(planeResult, 1);
    tabs->addTab(page0, QStringLiteral("&GEOGRAFICHE - PIANE"));

    // Tab 1: plane to geographic.
    auto* page1 = new QWidget;
    addPage(&planePage_, page1);
    northField_ = new CoordinateField(CoordinateField::Kind::Length, QStringLiteral("Text14"),
                                      QStringLiteral("Text13"), page1);
    northField_->setToolTips(QStringLiteral("Coordinata Nord in metri"));
    eastField_ = new CoordinateField(CoordinateField::Kind::Length, QStringLiteral("Text16"),
                                     QStringLiteral("Text15"), page1);
    eastField_->setToolTips(QStringLiteral("Coordinata Est in metri"));
    addInputField(northField_);
    addInputField(eastField_);
    auto* planeInput =
        TwoRowFrame(page1, QStringLiteral("Frame6"), QString::fromUtf8(SingleZonePlaneCaption),
                    MakeRowLabel(page1, QStringLiteral("Label9"), QStringLiteral("N =")), northField_,
                    MakeRowLabel(page1, QStringLiteral("Label10"), QStringLiteral("E =")), eastField_);
    text17_ = makeResultBox(QStringLiteral("Text17"));
    text18_ = makeResultBox(QStringLiteral("Text18"));
    geoResult_ = TwoRowFrame(page1, QStringLiteral("Frame7"), QStringLiteral("Coordinate Geografiche"),
                             MakeRowLabel(page1, QStringLiteral("Label11"), QStringLiteral("φ =")), text17_,
                             MakeRowLabel(page1, QStringLiteral("Label12"), QStringLiteral("λ =")), text18_);
    label17_ = new QLabel(QStringLiteral("ATTANZIONE:   Long. da Greenwich"), geoResult_);
    label17_->setObjectName(QStringLiteral("Label17"));
    StyleNotice(label17_);
    static_cast<QGridLayout*>(geoResult_->layout())->addWidget(label17_, 2, 0, 1, 2);
    auto* l1 = new QHBoxLayout(page1);
    l1->addWidget(planeInput, 1);
    l1->addWidget(geoResult_, 1);
    tabs->addTab(page1, QStringLiteral("&PIANE - GEOGRAFICHE"));
    setTabs(tabs);

    QWidget* unitRow = makeUnitRow(QStringLiteral("Label18"), QStringLiteral("Label19"));
    arrangeColumns({system_.frame, description}, {frame2, frame3, tabs, frame8, unitRow});

    connectChoice(system_.group, [this](int id) { systemChosen(id); });
    connectChoice(option2_, [this](int id) { meridianChosen(id); });
    connectChoice(option3_, [this](int id) { scaleChosen(id); });

    runLoad();
}

void frmUnicoFuso::loadDefaults() {
    // Nothing copied in another window may be pasted here.
    m.CopiedCoordinates.Kind = CopiedKind::Empty;
    system_.options[0]->setChecked(true);
    option2_->button(0)->setChecked(true);
    option3_->button(0)->setChecked(true);
}

SingleZonePage* frmUnicoFuso::shownPage() {
    return pageIndex() == 0 ? static_cast<SingleZonePage*>(&geoPage_) : &planePage_;
}

void frmUnicoFuso::systemChosen(int index) {
    for (SingleZonePage* p :
         {static_cast<SingleZonePage*>(&geoPage_), static_cast<SingleZonePage*>(&planePage_)})
        p->chooseSystem(static_cast<System>(index + 1));
    zoneChanged();
    button(Button::Execute)->setEnabled(true);
    geoInput_->setTitle(Text(geoPage_.geographicCaption()));
    geoResult_->setTitle(Text(geoPage_.geographicCaption()));
    updateGreenwichNotice();
}

void frmUnicoFuso::meridianChosen(int index) {
    const bool typed = index == 1;
    geoPage_.chooseMeridian(typed ? ZoneParameter::Typed : ZoneParameter::Default);
    planePage_.chooseMeridian(typed ? ZoneParameter::Typed : ZoneParameter::Default);
    zoneChanged();
    button(Button::Execute)->setEnabled(true);
    label5_->setVisible(!typed);
    meridianField_->setVisible(typed);
    label6_->setVisible(typed);
    falseEastField_->setVisible(typed);
    if (typed) {
        falseEastField_->showEdit(false);
        meridianField_->showEdit(true);
    }
}

void frmUnicoFuso::scaleChosen(int index) {
    const bool typed = index == 1;
    geoPage_.chooseScale(typed ? ZoneParameter::Typed : ZoneParameter::Default);
    planePage_.chooseScale(typed ? ZoneParameter::Typed : ZoneParameter::Default);
    zoneChanged();
    label8_->setVisible(!typed);
    scaleField_->setVisible(typed);
    if (typed)
        scaleField_->showEdit(true);
}

void frmUnicoFuso::fieldCommitted(CoordinateField* field) {
    for (SingleZonePage* p :
         {static_cast<SingleZonePage*>(&geoPage_), static_cast<SingleZonePage*>(&planePage_)}) {
        if (field == meridianField_)
            p->setTypedMeridian(field->typedValue());
        else if (field == falseEastField_)
            p->setTypedFalseEast(field->typedValue());
        else if (field == scaleField_)
            p->setTypedScale(field->typedValue());
        else
            return;
    }
    zoneChanged();
}

void frmUnicoFuso::zoneChanged() {
    geoPage_.clearResult();
    planePage_.clearResult();
    invalidateResult();
    showZone();
}

void frmUnicoFuso::showZone() {
    label5_->setText(Text(geoPage_.defaultParametersText()));
    label13_->setText(Text(geoPage_.meridianText()));
    label14_->setText(Text(geoPage_.falseEastText()));
    label15_->setText(Text(geoPage_.scaleText()));
    setDescription(label7_, geoPage_.description());
    // Plane coordinates of another zone are not offered for pasting.
    if (!acceptsPaste(m.CopiedCoordinates))
        button(Button::Paste)->setEnabled(false);
}

void frmUnicoFuso::settingsApplied() {
    // The typed meridian was shown again from the new origin; the pages take
    // it, and the zone's texts follow the new notation and origin.
    if (!meridianField_->editing()) {
        geoPage_.setTypedMeridian(meridianField_->typedValue());
        planePage_.setTypedMeridian(meridianField_->typedValue());
    }
    showZone();
}

void frmUnicoFuso::updateGreenwichNotice() {
    const bool notice = geoPage_.greenwichLongitudes();
    label16_->setVisible(notice);
    label17_->setVisible(notice);
}

bool frmUnicoFuso::countsFromLongitudeOrigin(const CoordinateField* field) const {
    return field->angleRole() == CoordinateField::AngleRole::Longitude && geoPage_.system() == System::ROMA40;
}

void frmUnicoFuso::readInputs() {
    if (pageIndex() == 0) {
        geoPage_.setLatitude(latitudeField_->typedValue());
        geoPage_.setLongitude(longitudeField_->typedValue());
    } else {
        planePage_.setNorth(northField_->typedValue());
        planePage_.setEast(eastField_->typedValue());
    }
}

CoordinateField* frmUnicoFuso::fieldForInput(int input) const {
    switch (input) {
    case InputScaleFactor:
        return scaleField_;
    case InputFalseEast:
        return falseEastField_;
    case InputCentralMeridian:
        return meridianField_;
    case InputZoneLatitude:
        return latitudeField_;
    case InputZoneLongitude:
        return longitudeField_;
    case InputZoneNorth:
        return northField_;
    case InputZoneEast:
        return eastField_;
    default:
        return nullptr;
    }
}

void frmUnicoFuso::execute() {
    ConversionWindow::execute();
    // The factor of the last conversion stays in the shared state.
    if (shownPage()->hasResult())
        m.ScaleFactor = shownPage()->parameters().ScaleFactor;
}

void frmUnicoFuso::showResult() {
    text3_->setText(Text(geoPage_.northText()));
    text4_->setText(Text(geoPage_.eastText()));
    text17_->setText(Text(planePage_.latitudeText()));
    text18_->setText(Text(planePage_.longitudeText()));
}

void frmUnicoFuso::emptyResultBoxes() {
    // Each tab's boxes show its page's result while the page has one.
    ConversionWindow::emptyResultBoxes();
    showResult();
}

void frmUnicoFuso::showPasted() {
    // The record's system, with its handler; then its values in the shown tab.
    system_.options[size_t(Code(shownPage()->system()) - 1)]->setChecked(true);
    const CopiedCoordinatesRecord& c = m.CopiedCoordinates;
    if (pageIndex() == 0) {
        latitudeField_->pasteAngle(c.Latitude);
        longitudeField_->pasteAngle(c.Longitude);
    } else {
        northField_->pasteNumber(c.North);
        eastField_->pasteNumber(c.East);
    }
}

void frmUnicoFuso::pageShown(int) {
    // A result still shown on this tab can be copied from it.
    button(Button::Copy)->setEnabled(shownPage()->hasResult());
}

CoordinateField* frmUnicoFuso::nextField(CoordinateField* field) const {
    if (field == meridianField_)
        return falseEastField_;
    if (field == falseEastField_ || field == scaleField_)
        return pageIndex() == 0 ? latitudeField_ : northField_;
    return ConversionWindow::nextField(field);
}

QWidget* frmUnicoFuso::initialFocus() const {
    return latitudeField_->edit();
}
