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

using namespace tervano;
using Kind = CoordinateField::Kind;

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

template <class W> W* Named(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

CoordinateField* Field(Kind kind, const char* edit, const char* display, QWidget* parent,
                       const char* tip = "") {
    auto* f = new CoordinateField(kind, QString::fromLatin1(edit), QString::fromLatin1(display), parent);
    if (*tip != '\0')
        f->setToolTips(QString::fromUtf8(tip));
    return f;
}

// A frame of options "<group>_0", "<group>_1", laid out on a grid by the caller.
QGridLayout* OptionFrame(QWidget* parent, const char* name, const char* title, const char* group,
                         const std::array<const char*, 2>& options, QGroupBox** frame,
                         QButtonGroup** buttons) {
    *frame = Named(new QGroupBox(QString::fromUtf8(title), parent), QString::fromLatin1(name));
    *buttons = Named(new QButtonGroup(*frame), QString::fromLatin1(group));
    for (int id = 0; id < 2; ++id)
        (*buttons)->addButton(Named(new QRadioButton(QString::fromUtf8(options[size_t(id)]), *frame),
                                    QStringLiteral("%1_%2").arg(QLatin1String(group)).arg(id)),
                              id);
    return new QGridLayout(*frame);
}

// A frame holding two rows "label  box" (and a notice, if any, below them).
QGroupBox* TwoRowFrame(QWidget* page, const char* name, const char* title, const char* label1,
                       const char* text1, QWidget* box1, const char* label2, const char* text2, QWidget* box2,
                       QLabel* notice = nullptr) {
    auto* f = Named(new QGroupBox(QString::fromUtf8(title), page), QString::fromLatin1(name));
    auto* g = new QGridLayout(f);
    g->addWidget(MakeRowLabel(page, QString::fromLatin1(label1), QString::fromUtf8(text1)), 0, 0);
    g->addWidget(box1, 0, 1);
    g->addWidget(MakeRowLabel(page, QString::fromLatin1(label2), QString::fromUtf8(text2)), 1, 0);
    g->addWidget(box2, 1, 1);
    if (notice) {
        notice->setParent(f);
        StyleNotice(notice);
        g->addWidget(notice, 2, 0, 1, 2);
    }
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

    // Central meridian and false East; scale factor.
    QGroupBox *frame2, *frame3;
    QGridLayout* g2 =
        OptionFrame(this, "Frame2", "Meridiano centrale del fuso", "Option2",
                    {"Merid. Medio per l'Italia = ", "Meridiano Scelto = "}, &frame2, &option2_);
    label5_ = Named(new QLabel(frame2), QStringLiteral("Label5"));
    meridianField_ = Field(Kind::Angle, "Text6", "Text5", frame2);
    meridianField_->setAngleRole(CoordinateField::AngleRole::Longitude);
    label6_ = Named(new QLabel(QStringLiteral("Falsa origine Est ="), frame2), QStringLiteral("Label6"));
    falseEastField_ =
        Field(Kind::Length, "Text10", "Text9", frame2, "Falsa origine Est del merid. centrale in metri");
    falseEastField_->setFormatter([](const CoordinateField& f) {
        if (f.edit()->text().trimmed().isEmpty())
            return QString();
        return CoordinateField::format(f.value(), QString::fromUtf8(Patterns::MetresWhole));
    });
    // Wide enough for a meridian in any notation and a false East in millions.
    meridianField_->setMinimumWidth(150);
    falseEastField_->setMinimumWidth(110);
    g2->addWidget(option2_->button(0), 0, 0);
    g2->addWidget(label5_, 0, 1, 1, 3);
    g2->addWidget(option2_->button(1), 1, 0);
    g2->addWidget(meridianField_, 1, 1);
    g2->addWidget(label6_, 1, 2);
    g2->addWidget(falseEastField_, 1, 3);
    g2->setColumnStretch(1, 1);
    g2->setColumnStretch(3, 1);
    QGridLayout* g3 = OptionFrame(this, "Frame3", "Fattore di scala", "Option3",
                                  {"Fattore usuale =", "Fattore scelto ="}, &frame3, &option3_);
    label8_ = Named(new QLabel(QStringLiteral("0.9996"), frame3), QStringLiteral("Label8"));
    scaleField_ = Field(Kind::Length, "Text12", "Text11", frame3,
                        "Fattore di deformazione lineare sul merid. centrale");
    scaleField_->setFormatter([](const CoordinateField& f) {
        return Q(PlainDecimalText(f.value(), QString(QLocale().decimalPoint()).toStdString()));
    });
    g3->addWidget(option3_->button(0), 0, 0);
    g3->addWidget(label8_, 0, 1);
    g3->addWidget(option3_->button(1), 0, 2);
    g3->addWidget(scaleField_, 0, 3);
    g3->setColumnStretch(3, 1);
    // The parameter boxes keep their room while hidden: choosing a meridian or
    // a factor does not widen the window and move its buttons.
    for (QWidget* w : {static_cast<QWidget*>(label5_), static_cast<QWidget*>(meridianField_),
                       static_cast<QWidget*>(label6_), static_cast<QWidget*>(falseEastField_),
                       static_cast<QWidget*>(label8_), static_cast<QWidget*>(scaleField_)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    // Description: the system's lines, then the zone's lines with their values beside them.
    auto* description = Named(new QFrame(this), QStringLiteral("DescriptionFrame"));
    description->setFrameShape(QFrame::StyledPanel);
    label7_ = MakeDescriptionLabel(description, QStringLiteral("Label7"));
    label7_->setFrameShape(QFrame::NoFrame);
    // Room for the longest description of the three systems: choosing another does not widen the window.
    int widest = 0;
    for (int code : {ROMA40, ED50, WGS84}) {
        setDescription(label7_, SingleZoneDescription(code, {}, {}, {}));
        widest = std::max(widest, label7_->sizeHint().width());
    }
    label7_->setMinimumWidth(widest);
    auto* values = new QVBoxLayout;
    values->setSpacing(0);
    values->setContentsMargins(0, 0, 0, label7_->margin());
    values->addStretch(1);
    int number = 13;
    for (QLabel** value : {&label13_, &label14_, &label15_}) {
        const QString name = QStringLiteral("Label%1").arg(number++);
        *value = MakeDescriptionLabel(description, name);
        (*value)->setFrameShape(QFrame::NoFrame);
        (*value)->setMargin(0);
        QFont f = (*value)->font();
        f.setBold(true);
        (*value)->setFont(f);
        values->addWidget(*value);
    }
    // Room for any typed meridian, so that typing one does not widen the window.
    label13_->setMinimumWidth(label13_->fontMetrics().horizontalAdvance(QStringLiteral("-25° 00' 00.00''")));
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

    // Tab 0: geographic to plane; tab 1: plane to geographic.
    auto* tabs = Named(new QTabWidget(this), QStringLiteral("SSTab1"));
    auto* page0 = new QWidget;
    addPage(&geoPage_, page0);
    latitudeField_ = Field(Kind::Angle, "Text7", "Text1", page0);
    latitudeField_->setAngleRole(CoordinateField::AngleRole::Latitude);
    longitudeField_ = Field(Kind::Angle, "Text8", "Text2", page0);
    longitudeField_->setAngleRole(CoordinateField::AngleRole::Longitude);
    addInputField(latitudeField_);
    addInputField(longitudeField_);
    label16_ =
        Named(new QLabel(QStringLiteral("ATTENZIONE:     Long. da Greenwich")), QStringLiteral("Label16"));
    geoInput_ = TwoRowFrame(page0, "Frame4", "Coordinate Geografiche", "Label1", "φ =", latitudeField_,
                            "Label2", "λ =", longitudeField_, label16_);
    text3_ = makeResultBox(QStringLiteral("Text3"));
    text4_ = makeResultBox(QStringLiteral("Text4"));
    auto* l0 = new QHBoxLayout(page0);
    l0->addWidget(geoInput_, 1);
    l0->addWidget(TwoRowFrame(page0, "Frame5", SingleZonePlaneCaption, "Label3", "N =", text3_, "Label4",
                              "E =", text4_),
                  1);
    tabs->addTab(page0, QStringLiteral("&GEOGRAFICHE - PIANE"));

    auto* page1 = new QWidget;
    addPage(&planePage_, page1);
    northField_ = Field(Kind::Length, "Text14", "Text13", page1, "Coordinata Nord in metri");
    eastField_ = Field(Kind::Length, "Text16", "Text15", page1, "Coordinata Est in metri");
    addInputField(northField_);
    addInputField(eastField_);
    auto* planeInput = TwoRowFrame(page1, "Frame6", SingleZonePlaneCaption, "Label9", "N =", northField_,
                                   "Label10", "E =", eastField_);
    text17_ = makeResultBox(QStringLiteral("Text17"));
    text18_ = makeResultBox(QStringLiteral("Text18"));
    label17_ =
        Named(new QLabel(QStringLiteral("ATTANZIONE:   Long. da Greenwich")), QStringLiteral("Label17"));
    geoResult_ = TwoRowFrame(page1, "Frame7", "Coordinate Geografiche", "Label11", "φ =", text17_, "Label12",
                             "λ =", text18_, label17_);
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
    for (QWidget* w : {static_cast<QWidget*>(meridianField_), static_cast<QWidget*>(label6_),
                       static_cast<QWidget*>(falseEastField_)})
        w->setVisible(typed);
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
    label16_->setVisible(geoPage_.greenwichLongitudes());
    label17_->setVisible(geoPage_.greenwichLongitudes());
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

void frmUnicoFuso::execute() {
    ConversionWindow::execute();
    // The factor of the last conversion stays in the shared state.
    if (shownPage()->hasResult())
        m.ScaleFactor = shownPage()->parameters().ScaleFactor;
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
