#include "windows/qt/frmUnicoFuso.h"

#include "app/Modulo1.h"
#include "geodesy/TextNumbers.h"
#include "windows/qt/CoordinateField.h"
#include "windows/qt/WindowDecorations.h"

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

using namespace tervano;
using Kind = CoordinateField::Kind;
using Role = CoordinateField::AngleRole;

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

frmUnicoFuso::frmUnicoFuso(Modulo1& model, QWidget* mainWindow)
    : ConversionWindow(model, mainWindow, QStringLiteral("frmUnicoFuso"), QStringLiteral("Fuso Unico")),
      geoPage_(pageSettings()), planePage_(pageSettings()) {
    system_ = makeSystemFrame(QStringLiteral("Frame1"));

    // Central meridian and false East; scale factor.
    const OptionFrame frame2 = MakeOptionFrame(this, "Frame2", "Meridiano centrale del fuso", "Option2",
                                               {"Merid. Medio per l'Italia = ", "Meridiano Scelto = "});
    option2_ = frame2.group;
    label5_ = MakeLabel(frame2.frame, "Label5", "");
    meridianField_ = MakeAngleField(Role::Longitude, "Text6", "Text5", frame2.frame);
    label6_ = MakeLabel(frame2.frame, "Label6", "Falsa origine Est =");
    falseEastField_ = MakeField(Kind::Length, "Text10", "Text9", frame2.frame,
                                "Falsa origine Est del merid. centrale in metri");
    falseEastField_->setFormatter([](const CoordinateField& f) {
        if (f.edit()->text().trimmed().isEmpty())
            return QString();
        return CoordinateField::format(f.value(), QString::fromUtf8(Patterns::MetresWhole));
    });
    // Wide enough for a meridian in any notation and a false East in millions.
    meridianField_->setMinimumWidth(150);
    falseEastField_->setMinimumWidth(110);
    QGridLayout* g2 = LayOutGrid(frame2.frame, {{option2_->button(0), 0, 0},
                                                {label5_, 0, 1, 1, 3},
                                                {option2_->button(1), 1, 0},
                                                {meridianField_, 1, 1},
                                                {label6_, 1, 2},
                                                {falseEastField_, 1, 3}});
    g2->setColumnStretch(1, 1);
    g2->setColumnStretch(3, 1);
    const OptionFrame frame3 = MakeOptionFrame(this, "Frame3", "Fattore di scala", "Option3",
                                               {"Fattore usuale =", "Fattore scelto ="});
    option3_ = frame3.group;
    label8_ = MakeLabel(frame3.frame, "Label8", "0.9996");
    scaleField_ = MakeField(Kind::Length, "Text12", "Text11", frame3.frame,
                            "Fattore di deformazione lineare sul merid. centrale");
    scaleField_->setFormatter([](const CoordinateField& f) {
        return Q(PlainDecimalText(f.value(), QString(QLocale().decimalPoint()).toStdString()));
    });
    LayOutGrid(
        frame3.frame,
        {{option3_->button(0), 0, 0}, {label8_, 0, 1}, {option3_->button(1), 0, 2}, {scaleField_, 0, 3}})
        ->setColumnStretch(3, 1);
    // The parameter boxes keep their room while hidden: choosing a meridian or
    // a factor does not widen the window and move its buttons.
    KeepRoomWhenHidden({label5_, meridianField_, label6_, falseEastField_, label8_, scaleField_});

    // Description: the system's lines, then the zone's lines with their values beside them.
    const ValuedDescription description =
        MakeValuedDescription(this, "DescriptionFrame", "Label7", {"Label13", "Label14", "Label15"});
    label7_ = description.description;
    label13_ = description.values[0];
    label14_ = description.values[1];
    label15_ = description.values[2];
    // Room for the longest description of the three systems: choosing another does not widen the window.
    int widest = 0;
    for (int code : {ROMA40, ED50, WGS84}) {
        setDescription(label7_, SingleZoneDescription(code, {}, {}, {}));
        widest = std::max(widest, label7_->sizeHint().width());
    }
    label7_->setMinimumWidth(widest);
    // Room for any typed meridian, so that typing one does not widen the window.
    label13_->setMinimumWidth(label13_->fontMetrics().horizontalAdvance(QStringLiteral("-25° 00' 00.00''")));

    // The zone parameters belong to no page: "CANCELLA COORDINATE" leaves them.
    for (CoordinateField* f : {meridianField_, falseEastField_, scaleField_})
        addInputField(f);
    QGroupBox* frame8 = makePointNameFrame(QStringLiteral("Frame8"), QStringLiteral("Text19"), nullptr);

    // Tab 0: geographic to plane; tab 1: plane to geographic.
    auto* tabs = Named(new QTabWidget(this), "SSTab1");
    auto* page0 = new QWidget;
    addPage(&geoPage_, page0);
    latitudeField_ = MakeAngleField(Role::Latitude, "Text7", "Text1", page0);
    longitudeField_ = MakeAngleField(Role::Longitude, "Text8", "Text2", page0);
    addInputField(latitudeField_);
    addInputField(longitudeField_);
    label16_ = MakeNotice(page0, "Label16", "ATTENZIONE:     Long. da Greenwich");
    geoInput_ =
        MakeRowFrame(page0, "Frame4", "Coordinate Geografiche",
                     {{"Label1", "φ =", latitudeField_}, {"Label2", "λ =", longitudeField_}}, label16_);
    text3_ = makeResultBox(QStringLiteral("Text3"));
    text4_ = makeResultBox(QStringLiteral("Text4"));
    SideBySide(page0, {geoInput_, MakeRowFrame(page0, "Frame5", SingleZonePlaneCaption,
                                               {{"Label3", "N =", text3_}, {"Label4", "E =", text4_}})});
    tabs->addTab(page0, QStringLiteral("&GEOGRAFICHE - PIANE"));

    auto* page1 = new QWidget;
    addPage(&planePage_, page1);
    northField_ = MakeField(Kind::Length, "Text14", "Text13", page1, "Coordinata Nord in metri");
    eastField_ = MakeField(Kind::Length, "Text16", "Text15", page1, "Coordinata Est in metri");
    addInputField(northField_);
    addInputField(eastField_);
    QGroupBox* planeInput = MakeRowFrame(page1, "Frame6", SingleZonePlaneCaption,
                                         {{"Label9", "N =", northField_}, {"Label10", "E =", eastField_}});
    text17_ = makeResultBox(QStringLiteral("Text17"));
    text18_ = makeResultBox(QStringLiteral("Text18"));
    label17_ = MakeNotice(page1, "Label17", "ATTANZIONE:   Long. da Greenwich");
    geoResult_ = MakeRowFrame(page1, "Frame7", "Coordinate Geografiche",
                              {{"Label11", "φ =", text17_}, {"Label12", "λ =", text18_}}, label17_);
    SideBySide(page1, {planeInput, geoResult_});
    tabs->addTab(page1, QStringLiteral("&PIANE - GEOGRAFICHE"));
    setTabs(tabs);

    QWidget* unitRow = makeUnitRow(QStringLiteral("Label18"), QStringLiteral("Label19"));
    arrangeColumns({system_.frame, description.frame}, {frame2.frame, frame3.frame, tabs, frame8, unitRow});
    connectChoice(system_.group, [this](int id) { systemChosen(id); });
    connectChoice(option2_, [this](int id) { meridianChosen(id); });
    connectChoice(option3_, [this](int id) { scaleChosen(id); });
    runLoad();
}

void frmUnicoFuso::loadDefaults() {
    // Nothing copied in another window may be pasted here.
    m.CopiedCoordinates.Kind = CopiedKind::Empty;
    for (QButtonGroup* g : {system_.group, option2_, option3_})
        g->button(0)->setChecked(true);
}

SingleZonePage* frmUnicoFuso::shownPage() {
    return pageIndex() == 0 ? static_cast<SingleZonePage*>(&geoPage_) : &planePage_;
}

template <class Change> void frmUnicoFuso::changeZone(Change change) {
    change(geoPage_);
    change(planePage_);
    // A result of either tab belongs to the old zone.
    geoPage_.clearResult();
    planePage_.clearResult();
    invalidateResult();
    label5_->setText(Q(geoPage_.defaultParametersText()));
    label13_->setText(Q(geoPage_.meridianText()));
    label14_->setText(Q(geoPage_.falseEastText()));
    label15_->setText(Q(geoPage_.scaleText()));
    setDescription(label7_, geoPage_.description());
    // Plane coordinates of another zone are not offered for pasting.
    if (!acceptsPaste(m.CopiedCoordinates))
        button(Button::Paste)->setEnabled(false);
}

void frmUnicoFuso::systemChosen(int index) {
    changeZone([index](SingleZonePage& p) { p.chooseSystem(static_cast<System>(index + 1)); });
    button(Button::Execute)->setEnabled(true);
    geoInput_->setTitle(Q(geoPage_.geographicCaption()));
    geoResult_->setTitle(Q(geoPage_.geographicCaption()));
    updateGreenwichNotice();
}

void frmUnicoFuso::meridianChosen(int index) {
    const bool typed = index == 1;
    changeZone([typed](SingleZonePage& p) {
        p.chooseMeridian(typed ? ZoneParameter::Typed : ZoneParameter::Default);
    });
    button(Button::Execute)->setEnabled(true);
    label5_->setVisible(!typed);
    SetVisible({meridianField_, label6_, falseEastField_}, typed);
    if (typed) {
        falseEastField_->showEdit(false);
        meridianField_->showEdit(true);
    }
}

void frmUnicoFuso::scaleChosen(int index) {
    const bool typed = index == 1;
    changeZone(
        [typed](SingleZonePage& p) { p.chooseScale(typed ? ZoneParameter::Typed : ZoneParameter::Default); });
    label8_->setVisible(!typed);
    scaleField_->setVisible(typed);
    if (typed)
        scaleField_->showEdit(true);
}

void frmUnicoFuso::fieldCommitted(CoordinateField* field) {
    const TypedValue v = field->typedValue();
    if (field == meridianField_)
        changeZone([&v](SingleZonePage& p) { p.setTypedMeridian(v); });
    else if (field == falseEastField_)
        changeZone([&v](SingleZonePage& p) { p.setTypedFalseEast(v); });
    else if (field == scaleField_)
        changeZone([&v](SingleZonePage& p) { p.setTypedScale(v); });
}

void frmUnicoFuso::settingsApplied() {
    // The typed meridian was shown again from the new origin; the pages take
    // it, and the zone's texts follow the new notation and origin.
    const bool typing = meridianField_->editing();
    changeZone([&](SingleZonePage& p) {
        if (!typing)
            p.setTypedMeridian(meridianField_->typedValue());
    });
}

void frmUnicoFuso::updateGreenwichNotice() {
    SetVisible({label16_, label17_}, geoPage_.greenwichLongitudes());
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
    // Numbered as SingleZoneInputs, from 1.
    const std::array<CoordinateField*, 8> fields{nullptr,         scaleField_,    latitudeField_,
                                                 longitudeField_, meridianField_, northField_,
                                                 eastField_,      falseEastField_};
    return input >= 1 && input < int(fields.size()) ? fields[size_t(input)] : nullptr;
}

void frmUnicoFuso::showResult() {
    text3_->setText(Q(geoPage_.northText()));
    text4_->setText(Q(geoPage_.eastText()));
    text17_->setText(Q(planePage_.latitudeText()));
    text18_->setText(Q(planePage_.longitudeText()));
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
