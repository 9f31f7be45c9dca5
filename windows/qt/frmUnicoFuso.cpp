#include "windows/qt/frmUnicoFuso.h"

#include "app/Modulo1.h"
#include "geodesy/PlaneConversions.h"
#include "geodesy/ReferenceSystems.h"
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
#include <initializer_list>

using namespace tervano;

namespace {

const char* const PlaneFrameTitle = "Coordinate Piane Fuso Unico";

std::string DecimalSeparator() {
    return QString(QLocale().decimalPoint()).toStdString();
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
    label1->setParent(f);
    label2->setParent(f);
    box1->setParent(f);
    box2->setParent(f);
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
    : ConversionWindow(model, mainWindow, QStringLiteral("frmUnicoFuso"), QStringLiteral("Fuso Unico")) {
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
        return QString::fromStdString(PlainDecimalText(f.value(), DecimalSeparator()));
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

    // Tab 0: geographic to plane.
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    auto* page0 = new QWidget;
    latitudeField_ = new CoordinateField(CoordinateField::Kind::Angle, QStringLiteral("Text7"),
                                         QStringLiteral("Text1"), page0);
    latitudeField_->setAngleRole(CoordinateField::AngleRole::Latitude);
    longitudeField_ = new CoordinateField(CoordinateField::Kind::Angle, QStringLiteral("Text8"),
                                          QStringLiteral("Text2"), page0);
    longitudeField_->setAngleRole(CoordinateField::AngleRole::Longitude);
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
    planeResult_ = TwoRowFrame(page0, QStringLiteral("Frame5"), QString::fromUtf8(PlaneFrameTitle),
                               MakeRowLabel(page0, QStringLiteral("Label3"), QStringLiteral("N =")), text3_,
                               MakeRowLabel(page0, QStringLiteral("Label4"), QStringLiteral("E =")), text4_);
    auto* l0 = new QHBoxLayout(page0);
    l0->addWidget(geoInput_, 1);
    l0->addWidget(planeResult_, 1);
    tabs_->addTab(page0, QStringLiteral("&GEOGRAFICHE - PIANE"));

    // Tab 1: plane to geographic.
    auto* page1 = new QWidget;
    northField_ = new CoordinateField(CoordinateField::Kind::Length, QStringLiteral("Text14"),
                                      QStringLiteral("Text13"), page1);
    northField_->setToolTips(QStringLiteral("Coordinata Nord in metri"));
    eastField_ = new CoordinateField(CoordinateField::Kind::Length, QStringLiteral("Text16"),
                                     QStringLiteral("Text15"), page1);
    eastField_->setToolTips(QStringLiteral("Coordinata Est in metri"));
    planeInput_ =
        TwoRowFrame(page1, QStringLiteral("Frame6"), QString::fromUtf8(PlaneFrameTitle),
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
    l1->addWidget(planeInput_, 1);
    l1->addWidget(geoResult_, 1);
    tabs_->addTab(page1, QStringLiteral("&PIANE - GEOGRAFICHE"));

    // Enter order: the tab's coordinates; the zone parameters lead to them.
    for (CoordinateField* f : {latitudeField_, longitudeField_, northField_, eastField_, meridianField_,
                               falseEastField_, scaleField_})
        addInputField(f);

    QGroupBox* frame8 = makePointNameFrame(QStringLiteral("Frame8"), QStringLiteral("Text19"), &pointName_);
    QWidget* unitRow = makeUnitRow(QStringLiteral("Label18"), QStringLiteral("Label19"));

    arrangeColumns({system_.frame, description}, {frame2, frame3, tabs_, frame8, unitRow});

    connect(system_.group, &QButtonGroup::idClicked, this, &frmUnicoFuso::systemClicked);
    connect(option2_, &QButtonGroup::idClicked, this, &frmUnicoFuso::meridianClicked);
    connect(option3_, &QButtonGroup::idClicked, this, &frmUnicoFuso::scaleClicked);
    connect(tabs_, &QTabWidget::currentChanged, this, &frmUnicoFuso::tabChanged);

    runLoad();
}

int frmUnicoFuso::tab() const {
    return tabs_->currentIndex();
}

void frmUnicoFuso::loadDefaults() {
    // Nothing copied in another window may be pasted here.
    m.CopiedCoordinates.Kind = CopiedKind::Empty;
    settings_ = SingleZoneSettings{};
    settings_.longitudeOrigin = m.LongitudeOrigin;
    tabs_->blockSignals(true);
    tabs_->setCurrentIndex(0);
    tabs_->blockSignals(false);
    system_.options[0]->setChecked(true);
    option2_->button(0)->setChecked(true);
    option3_->button(0)->setChecked(true);
    systemClicked(0);
    meridianClicked(0);
    scaleClicked(0);
    m.SystemCode = ROMA40;
}

bool frmUnicoFuso::acceptsPaste(const CopiedCoordinatesRecord& c) const {
    if (tab() == 0)
        return c.Kind == CopiedKind::Geographic && c.isGeographic();
    // Plane coordinates of this single zone only: the zone the parameters
    // give on the record's system must be the one they were computed in.
    if (c.Kind != CopiedKind::Plane || c.ZoneCode != 0 || !c.hasSystem())
        return false;
    SingleZoneSettings s = settings_;
    s.systemCode = c.SystemCode;
    s.longitudeOrigin = m.LongitudeOrigin;
    const SingleZoneParameters p = ResolveParameters(s);
    return p.centralMeridian == c.SingleZoneMeridian && p.falseEast == c.SingleZoneFalseEast &&
           p.ScaleFactor == c.SingleZoneScale;
}

void frmUnicoFuso::updateGreenwichNotice() {
    const bool notice = m.SystemCode == ROMA40 && greenwichLongitudes();
    label16_->setVisible(notice);
    label17_->setVisible(notice);
}

void frmUnicoFuso::settingsApplied() {
    // The typed meridian was shown again from the new origin; the default
    // meridian and the zone texts follow the new notation and origin.
    settings_.longitudeOrigin = m.LongitudeOrigin;
    if (!meridianField_->editing() && meridianField_->valid())
        settings_.typedMeridian = meridianField_->degrees();
    updateZoneTexts();
}

void frmUnicoFuso::updateZoneTexts() {
    const std::string separator = DecimalSeparator();
    label5_->setText(QString::fromUtf8(
        DefaultParametersText(settings_.systemCode, settings_.longitudeOrigin, m.AngleUnit)));
    label13_->setText(QString::fromStdString(MeridianDescriptionText(settings_, separator)));
    if (settings_.MeridianChoice == TypedChoice)
        label14_->setText(falseEastField_->displayText().trimmed());
    else
        label14_->setText(
            CoordinateField::format(SingleZoneDefaultFalseEast, QString::fromUtf8(Patterns::MetresWhole)));
    label15_->setText(settings_.ScaleChoice == TypedChoice ? scaleField_->displayText() : label8_->text());

    QStringList shown;
    for (const std::string& line : SingleZoneDescription(settings_.systemCode, {}, {}, {}))
        shown << QString::fromStdString(line);
    QStringList printed;
    for (const std::string& line :
         SingleZoneDescription(settings_.systemCode, label13_->text().toStdString(),
                               label14_->text().toStdString(), label15_->text().toStdString()))
        printed << QString::fromStdString(line);
    // The printed description carries the values; on screen they stand beside it.
    setDescription(label7_, printed);
    label7_->setText(shown.join(QLatin1Char('\n')));
    // Plane coordinates of another zone are not offered for pasting.
    if (!acceptsPaste(m.CopiedCoordinates))
        command(5)->setEnabled(false);
}

void frmUnicoFuso::systemClicked(int index) {
    invalidateResult();
    command(1)->setEnabled(true);
    m.SystemCode = index + 1;
    settings_.systemCode = m.SystemCode;
    const QString geographic = QString::fromUtf8(GeographicFrameCaption(m.SystemCode));
    geoInput_->setTitle(geographic);
    geoResult_->setTitle(geographic);
    updateZoneTexts();
    updateGreenwichNotice();
}

void frmUnicoFuso::meridianClicked(int index) {
    invalidateResult();
    command(1)->setEnabled(true);
    const bool typed = index == 1;
    settings_.MeridianChoice = typed ? TypedChoice : DefaultChoice;
    label5_->setVisible(!typed);
    meridianField_->setVisible(typed);
    label6_->setVisible(typed);
    falseEastField_->setVisible(typed);
    updateZoneTexts();
    if (typed) {
        falseEastField_->showEdit(false);
        meridianField_->showEdit(true);
    }
}

void frmUnicoFuso::scaleClicked(int index) {
    // The printed description follows the factor: a result of the old one is no longer shown.
    invalidateResult();
    const bool typed = index == 1;
    settings_.ScaleChoice = typed ? TypedChoice : DefaultChoice;
    label8_->setVisible(!typed);
    scaleField_->setVisible(typed);
    updateZoneTexts();
    if (typed)
        scaleField_->showEdit(true);
}

bool frmUnicoFuso::tabHasResult(int index) const {
    return index == 0 ? !text3_->text().isEmpty() : !text17_->text().isEmpty();
}

void frmUnicoFuso::tabChanged(int index) {
    command(6)->setEnabled(false);
    command(5)->setEnabled(acceptsPaste(m.CopiedCoordinates));
    // Only a result shown on this tab can be copied from it.
    command(4)->setEnabled(tabHasResult(index));
}

void frmUnicoFuso::fieldCommitted(CoordinateField* field) {
    if (field == meridianField_) {
        settings_.typedMeridian = field->degrees();
        settings_.typedMeridianValid = field->valid();
    } else if (field == falseEastField_) {
        settings_.typedFalseEast = field->value();
        settings_.typedFalseEastValid = field->valid();
    } else if (field == scaleField_) {
        settings_.typedScale = field->value();
        settings_.typedScaleValid = field->valid();
    } else {
        return;
    }
    // A changed zone parameter invalidates the results computed with the old one.
    invalidateResult();
    updateZoneTexts();
}

CoordinateField* frmUnicoFuso::nextField(CoordinateField* field) const {
    CoordinateField* first = tab() == 0 ? latitudeField_ : northField_;
    if (field == latitudeField_)
        return longitudeField_;
    if (field == northField_)
        return eastField_;
    if (field == meridianField_)
        return falseEastField_;
    if (field == falseEastField_ || field == scaleField_)
        return first;
    return nullptr;
}

void frmUnicoFuso::clearCoordinates() {
    // Only the coordinates of the shown tab; the zone parameters stay.
    const bool geographic = tab() == 0;
    (geographic ? latitudeField_ : northField_)->clear();
    (geographic ? longitudeField_ : eastField_)->clear();
    (geographic ? text3_ : text17_)->clear();
    (geographic ? text4_ : text18_)->clear();
    for (int i : {4, 5, 1, 6})
        command(i)->setEnabled(false);
    (geographic ? latitudeField_ : northField_)->showEdit(true);
    command(3)->setEnabled(false);
}

void frmUnicoFuso::execute() {
    settings_.longitudeOrigin = m.LongitudeOrigin;
    CoordinateField* focus[InputFalseEast + 1] = {};
    focus[InputScaleFactor] = scaleField_;
    focus[InputFalseEast] = falseEastField_;
    focus[InputZoneLatitude] = latitudeField_;
    focus[InputZoneLongitude] = longitudeField_;
    focus[InputCentralMeridian] = meridianField_;
    focus[InputZoneNorth] = northField_;
    focus[InputZoneEast] = eastField_;
    const bool geographic = tab() == 0;
    const InputCheck check =
        geographic
            ? CheckSingleZoneGeographic(settings_, latitudeField_->degrees(), longitudeField_->degrees(),
                                        latitudeField_->valid(), longitudeField_->valid())
            : CheckSingleZonePlane(settings_, northField_->value(), eastField_->value(), northField_->valid(),
                                   eastField_->valid());
    if (!check.ok()) {
        reportCheck(focus[check.failed], check);
        return;
    }
    const SingleZoneParameters p = ResolveParameters(settings_);
    m.ScaleFactor = p.ScaleFactor;
    acceptResult();
    if (geographic) {
        const SingleZonePlane r =
            SingleZoneForward(p, m.SystemCode, latitudeField_->degrees(), longitudeField_->degrees());
        north_ = r.North;
        east_ = r.East;
        const QString metres = QString::fromUtf8(Patterns::Metres);
        text3_->setText(CoordinateField::format(north_, metres));
        text4_->setText(CoordinateField::format(east_, metres));
    } else {
        const SingleZoneGeographic r =
            SingleZoneInverse(p, m.SystemCode, northField_->value(), eastField_->value());
        latitude_ = r.latitude;
        longitude_ = r.longitude;
        text17_->setText(resultAngleText(latitude_));
        text18_->setText(resultAngleText(longitude_));
    }
}

void frmUnicoFuso::copyCoordinates() {
    if (tab() == 0) {
        m.CopiedCoordinates.North = north_;
        m.CopiedCoordinates.East = east_;
        // In this single zone, not a national one: with the zone's parameters.
        const SingleZoneParameters p = ResolveParameters(settings_);
        m.CopiedCoordinates.ZoneCode = 0;
        m.CopiedCoordinates.SingleZoneMeridian = p.centralMeridian;
        m.CopiedCoordinates.SingleZoneFalseEast = p.falseEast;
        m.CopiedCoordinates.SingleZoneScale = p.ScaleFactor;
        m.CopiedCoordinates.Kind = CopiedKind::Plane;
    } else {
        m.CopiedCoordinates.Latitude = latitude_;
        m.CopiedCoordinates.Longitude = longitude_;
        m.CopiedCoordinates.Kind = CopiedKind::Geographic;
    }
    m.CopiedCoordinates.SystemCode = m.SystemCode;
}

void frmUnicoFuso::pasteCoordinates() {
    system_.options[size_t(m.CopiedCoordinates.SystemCode - 1)]->click();
    if (tab() == 0) {
        latitudeField_->pasteAngle(m.CopiedCoordinates.Latitude);
        longitudeField_->pasteAngle(m.CopiedCoordinates.Longitude);
    } else {
        northField_->pasteNumber(m.CopiedCoordinates.North);
        eastField_->pasteNumber(m.CopiedCoordinates.East);
    }
}

QString frmUnicoFuso::printTitle() const {
    return QStringLiteral("TRASFORMAZIONE COORDINATE CON PARAMETRI PERSONALIZZATI");
}

void frmUnicoFuso::printBlock(PrintQueue& q) {
    const QString gap = m.GapWide;
    const QString caption =
        system_.group->checkedButton() ? system_.group->checkedButton()->text() : QString();
    printBlockStart(q, caption, label7_, pointName_->text());
    const QString geographicHeading = geoInput_->title() + (m.SystemCode == ROMA40 && greenwichLongitudes()
                                                                ? QStringLiteral("  (Long. da Greenwich)")
                                                                : QString());
    auto group = [&](const QString& heading, const QStringList& values) {
        q.setFont(11, true);
        q.printLine({heading});
        q.setFont(11, false);
        q.printLine(values);
        q.printLine();
    };
    const QString plane = QString::fromUtf8(PlaneFrameTitle);
    if (tab() == 0) {
        group(geographicHeading, {QStringLiteral("Latitudine: "), latitudeField_->displayText(), gap,
                                  QStringLiteral("Longitudine: "), longitudeField_->displayText()});
        group(plane,
              {QStringLiteral("Nord: "), text3_->text(), gap, QStringLiteral("Est: "), text4_->text()});
    } else {
        group(plane, {QStringLiteral("Nord: "), northField_->displayText(), gap, QStringLiteral("Est: "),
                      eastField_->displayText()});
        group(geographicHeading, {QStringLiteral("Latitudine: "), text17_->text(), gap,
                                  QStringLiteral("Longitudine: "), text18_->text()});
    }
    printBlockEnd(q);
}
