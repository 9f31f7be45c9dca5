#include "datum/qt/frmSistemi.h"

#include "app/Modulo1.h"
#include "datum/CommonPointSearch.h"
#include "datum/SystemChange.h"
#include "geodesy/ReferenceSystems.h"
#include "geodesy/TextNumbers.h"
#include "windows/qt/CoordinateField.h"
#include "windows/qt/WindowDecorations.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include <cmath>

using namespace tervano;

namespace {

const char* const SystemNames[3] = {"ROMA40", "ED50", "WGS84"};
const char* const GeographicCaptions[3] = {"ROMA40", "ED50", "WGS84"};
const char* const PlaneCaptions[3] = {"GAUSS-BOAGA", "UTM (ED50)", "UTM (WGS84)"};
const char* const PlaneFrames[3] = {"Coordinate piane GAUSS BOAGA", "Coordinate piane UTM-ED50",
                                    "Coordinate piane UTM-WGS84"};
const char* const GreenwichNotice = "ATTENZIONE:          Long. da Greenwich";

QString GeographicFrame(int system) {
    return QStringLiteral("Coordinate geografiche ") + QString::fromLatin1(SystemNames[system - 1]);
}

// "  (Fuso 32)" ... for the UTM zones, nothing for the ROMA40 ones.
QString ZoneSuffix(int zone) {
    return zone >= UTM32 && zone <= UTM34 ? QStringLiteral("  (Fuso %1)").arg(31 + zone) : QString();
}

QGroupBox* OptionFrame(QWidget* parent, const QString& name, const QString& title, const QString& group,
                       QButtonGroup** buttons, std::array<QRadioButton*, 3>& options) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    *buttons = new QButtonGroup(frame);
    (*buttons)->setObjectName(group);
    auto* l = new QVBoxLayout(frame);
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(frame);
        b->setObjectName(QStringLiteral("%1_%2").arg(group).arg(i));
        (*buttons)->addButton(b, i);
        l->addWidget(b);
        options[size_t(i)] = b;
    }
    return frame;
}

std::string DecimalSeparator() {
    return QString(QLocale().decimalPoint()).toStdString();
}

// A result angle (decimal degrees) in the notation of angleUnit, to tenths of
// a second, thousandths of a minute or five decimals of a degree or grad.
QString ReducedAngle(double degrees, int angleUnit) {
    return QString::fromStdString(
        FormatResultAngle(degrees, angleUnit, DecimalSeparator(), AngleDetail::Reduced));
}

QLabel* NoticeLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(QString::fromLatin1(GreenwichNotice), parent);
    label->setObjectName(name);
    StyleNotice(label);
    return label;
}

struct FrameRow {
    const char* labelName;
    const char* caption;
    QWidget* box;
};

// A coordinate frame: two labelled rows, then either a notice across the
// frame (thirdBox null) or a label and a narrow box.
void LayOutFrame(QGroupBox* frame, const QString& name, const FrameRow& first, const FrameRow& second,
                 QWidget* third, QWidget* thirdBox = nullptr) {
    frame->setObjectName(name);
    auto* g = new QGridLayout(frame);
    int i = 0;
    for (const FrameRow* row : {&first, &second}) {
        const FrameRow& r = *row;
        g->addWidget(MakeRowLabel(frame, QString::fromLatin1(r.labelName), QString::fromUtf8(r.caption)), i,
                     0);
        g->addWidget(r.box, i++, 1);
    }
    // The third row keeps its room when hidden, so that the source and the
    // result frames line up whichever systems are chosen.
    for (QWidget* w : {third, thirdBox}) {
        if (!w)
            continue;
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    if (thirdBox) {
        g->addWidget(third, 2, 0);
        g->addWidget(thirdBox, 2, 1, Qt::AlignLeft);
    } else {
        g->addWidget(third, 2, 0, 1, 2);
    }
    g->setColumnStretch(1, 1);
    g->setRowStretch(3, 1);
}

// A typed value that did not fit a double stays out of every range.
double Checked(const CoordinateField* f) {
    return f->valid() ? f->value() : HUGE_VAL;
}

} // namespace

frmSistemi::frmSistemi(Modulo1& model, QWidget* mainWindow)
    : ConversionWindow(model, mainWindow, QStringLiteral("frmSistemi"),
                       QStringLiteral("Passaggio fra Sistemi")) {
    QGroupBox* frame2 = OptionFrame(this, QStringLiteral("Frame2"), QStringLiteral("Sistema di partenza"),
                                    QStringLiteral("Option1"), &option1_, sourceOptions_);
    QGroupBox* frame4 = OptionFrame(this, QStringLiteral("Frame4"), QStringLiteral("Sistema di arrivo"),
                                    QStringLiteral("Option2"), &option2_, targetOptions_);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));

    // Tab 0: latitude and longitude.
    auto* geographic = new QWidget;
    frame1_ = new QGroupBox(geographic);
    latitude_ = new CoordinateField(CoordinateField::Kind::Angle, QStringLiteral("Text5"),
                                    QStringLiteral("Text1"), frame1_);
    latitude_->setAngleRole(CoordinateField::AngleRole::Latitude);
    longitude_ = new CoordinateField(CoordinateField::Kind::Angle, QStringLiteral("Text6"),
                                     QStringLiteral("Text2"), frame1_);
    longitude_->setAngleRole(CoordinateField::AngleRole::Longitude);
    // Typed angles are shown as finely as the results: seconds to tenths,
    // minutes to thousandths, degrees and grads to five decimals.
    for (CoordinateField* f : {latitude_, longitude_})
        f->setFormatter([](const CoordinateField& field) {
            return QString::fromStdString(
                FormatTypedAngle(field.typed(), field.angleUnit(), DecimalSeparator(), AngleDetail::Reduced));
        });
    label8_ = NoticeLabel(frame1_, QStringLiteral("Label8"));
    LayOutFrame(frame1_, QStringLiteral("Frame1"), {"Label1", "φ =", latitude_},
                {"Label2", "λ =", longitude_}, label8_);

    frame3_ = new QGroupBox(geographic);
    text3_ = new QLineEdit(frame3_);
    text3_->setObjectName(QStringLiteral("Text3"));
    text4_ = new QLineEdit(frame3_);
    text4_->setObjectName(QStringLiteral("Text4"));
    label5_ = NoticeLabel(frame3_, QStringLiteral("Label5"));
    LayOutFrame(frame3_, QStringLiteral("Frame3"), {"Label4", "φ =", text3_}, {"Label3", "λ =", text4_},
                label5_);
    auto* geoLayout = new QHBoxLayout(geographic);
    geoLayout->addWidget(frame1_, 1);
    geoLayout->addWidget(frame3_, 1);

    // Tab 1: North, East and the UTM zone number.
    auto* plane = new QWidget;
    frame6_ = new QGroupBox(plane);
    north_ = new CoordinateField(CoordinateField::Kind::Length, QStringLiteral("Text9"),
                                 QStringLiteral("Text7"), frame6_);
    north_->setToolTips(QStringLiteral("Coordinata Nord in metri"));
    east_ = new CoordinateField(CoordinateField::Kind::Length, QStringLiteral("Text10"),
                                QStringLiteral("Text8"), frame6_);
    east_->setToolTips(QStringLiteral("Coordinata Est in metri"));
    // Typed North and East are shown, and printed, to the metre like the results.
    for (CoordinateField* f : {north_, east_})
        f->setPattern(QString::fromLatin1(Patterns::MetresWhole));
    zone_ = new CoordinateField(CoordinateField::Kind::Length, QStringLiteral("Text14"),
                                QStringLiteral("Text13"), frame6_);
    zone_->setToolTips(QStringLiteral("Numero del fuso UTM (32, 33 o 34)"));
    zone_->setFormatter([](const CoordinateField& f) {
        return CoordinateField::format(f.value(), QString::fromLatin1(Patterns::ZoneNumber));
    });
    zone_->setFixedWidth(60);
    label14_ = MakeRowLabel(frame6_, QStringLiteral("Label14"), QStringLiteral("Fuso"));
    LayOutFrame(frame6_, QStringLiteral("Frame6"), {"Label15", "N =", north_}, {"Label16", "E =", east_},
                label14_, zone_);

    frame5_ = new QGroupBox(plane);
    text11_ = new QLineEdit(frame5_);
    text11_->setObjectName(QStringLiteral("Text11"));
    text12_ = new QLineEdit(frame5_);
    text12_->setObjectName(QStringLiteral("Text12"));
    text15_ = new QLineEdit(frame5_);
    text15_->setObjectName(QStringLiteral("Text15"));
    text15_->setFixedWidth(60);
    label11_ = MakeRowLabel(frame5_, QStringLiteral("Label11"), QStringLiteral("Fuso"));
    LayOutFrame(frame5_, QStringLiteral("Frame5"), {"Label12", "N =", text11_}, {"Label13", "E =", text12_},
                label11_, text15_);
    auto* planeLayout = new QHBoxLayout(plane);
    planeLayout->addWidget(frame6_, 1);
    planeLayout->addWidget(frame5_, 1);

    tabs_->addTab(geographic, QStringLiteral("GEOGRAFICHE"));
    tabs_->addTab(plane, QStringLiteral("PIANE"));

    // Source and result boxes alike wide, so that the two frames of a tab line up.
    for (QWidget* box :
         {static_cast<QWidget*>(latitude_), static_cast<QWidget*>(longitude_), static_cast<QWidget*>(north_),
          static_cast<QWidget*>(east_), static_cast<QWidget*>(text3_), static_cast<QWidget*>(text4_),
          static_cast<QWidget*>(text11_), static_cast<QWidget*>(text12_)})
        box->setMinimumWidth(190);
    // Results are shown only; each tab empties its own.
    for (QLineEdit* r : {text3_, text4_, text11_, text12_, text15_}) {
        r->setReadOnly(true);
        r->setAlignment(Qt::AlignCenter);
        r->setFocusPolicy(Qt::ClickFocus);
    }
    for (CoordinateField* f : {latitude_, longitude_, north_, east_, zone_}) {
        addInputField(f);
        connect(f, &CoordinateField::displayClicked, this, [this] { emptyTabResults(); });
    }

    QGroupBox* frame7 = makePointNameFrame(QStringLiteral("Frame7"), QStringLiteral("Text16"), &pointName_);
    QWidget* unitRow = makeUnitRow(QStringLiteral("Label9"), QStringLiteral("Label10"));
    label9_ = unitRow->findChild<QLabel*>(QStringLiteral("Label9"));
    label10_ = unitRow->findChild<QLabel*>(QStringLiteral("Label10"));

    auto* frame9 = new QGroupBox(this);
    frame9->setObjectName(QStringLiteral("Frame9"));
    QBoxLayout* buttons = buttonPanel(true);
    buttons->addStretch(1);
    frame9->setLayout(buttons);

    auto* systems = new QHBoxLayout;
    systems->addWidget(frame2, 1);
    systems->addWidget(frame4, 1);
    auto* middle = new QVBoxLayout;
    middle->addLayout(systems);
    middle->addWidget(tabs_);
    middle->addWidget(frame7);
    middle->addWidget(unitRow);
    middle->addStretch(1);
    auto* top = new QHBoxLayout(this);
    top->addLayout(middle, 1);
    top->addWidget(frame9, 0);

    connect(option1_, &QButtonGroup::idClicked, this, &frmSistemi::sourceClicked);
    connect(option2_, &QButtonGroup::idClicked, this, &frmSistemi::targetClicked);
    connect(tabs_, &QTabWidget::currentChanged, this, &frmSistemi::tabClicked);

    runLoad();
    tabs_->tabBar()->installEventFilter(this);
}

bool frmSistemi::planeTab() const {
    return tabs_->currentIndex() == 1;
}

void frmSistemi::loadDefaults() {
    m.ScaleFactor = ScaleFactorUTM;
    tabs_->blockSignals(true);
    tabs_->setCurrentIndex(0);
    tabs_->blockSignals(false);
    sourceOptions_[0]->setChecked(true);
    sourceClicked(0);
    targetOptions_[1]->setChecked(true);
    targetClicked(1);
    SourceSystem = ROMA40;
    TargetSystem = ED50;
    SourceZone = 0;
    TargetZone = 0;
    applyCaptions(false);
}

bool frmSistemi::acceptsPaste(const CopiedCoordinatesRecord& c) const {
    return planeTab() ? c.isNationalPlane() : c.isGeographic();
}

bool frmSistemi::countsFromLongitudeOrigin(const CoordinateField* field) const {
    return field == longitude_ && SourceSystem == ROMA40;
}

void frmSistemi::settingsApplied() {
    // The results of both tabs were written in the old settings.
    for (QLineEdit* r : {text3_, text4_, text11_, text12_, text15_})
        r->clear();
}

void frmSistemi::updateGreenwichNotice() {
    label8_->setVisible(SourceSystem == ROMA40 && greenwichLongitudes());
    label5_->setVisible(TargetSystem == ROMA40 && greenwichLongitudes());
}

void frmSistemi::applyCaptions(bool tabFocus) {
    const bool plane = planeTab();
    for (size_t i = 0; i < 3; ++i) {
        const QString caption = QString::fromLatin1(plane ? PlaneCaptions[i] : GeographicCaptions[i]);
        sourceOptions_[i]->setText(caption);
        targetOptions_[i]->setText(caption);
    }
    frame1_->setTitle(GeographicFrame(SourceSystem));
    frame3_->setTitle(GeographicFrame(TargetSystem) +
                      (tabFocus && TargetSystem == ROMA40 ? QStringLiteral(" ") : QString()));
    if (tabFocus || !(plane && SourceSystem == ED50))
        frame6_->setTitle(QString::fromLatin1(PlaneFrames[SourceSystem - 1]));
    else
        frame6_->setTitle(QStringLiteral("Coordinate piane UTM (ED50)"));
    frame5_->setTitle(QString::fromLatin1(PlaneFrames[TargetSystem - 1]));
    updateGreenwichNotice();
    const bool sourceZone = SourceSystem != ROMA40;
    label14_->setVisible(sourceZone);
    zone_->setVisible(sourceZone);
    const bool targetZone = TargetSystem != ROMA40;
    label11_->setVisible(targetZone);
    text15_->setVisible(targetZone);
}

void frmSistemi::emptyTabResults() {
    if (planeTab()) {
        text11_->clear();
        text12_->clear();
        text15_->clear();
    } else {
        text3_->clear();
        text4_->clear();
    }
}

void frmSistemi::emptyResultBoxes() {
    ConversionWindow::emptyResultBoxes();
    emptyTabResults();
}

void frmSistemi::sourceClicked(int index) {
    command(6)->setEnabled(false);
    command(4)->setEnabled(false);
    emptyTabResults();
    SourceSystem = index + 1;
    for (int i = 0; i < 3; ++i)
        targetOptions_[size_t(i)]->setEnabled(i != index);
    applyCaptions(false);
    if (planeTab() && SourceSystem != ROMA40)
        zone_->display()->setText(CoordinateField::format(zone_->value(), QStringLiteral("##")));
}

void frmSistemi::targetClicked(int index) {
    command(6)->setEnabled(false);
    emptyTabResults();
    command(4)->setEnabled(false);
    TargetSystem = index + 1;
    for (int i = 0; i < 3; ++i)
        sourceOptions_[size_t(i)]->setEnabled(i != index);
    applyCaptions(false);
}

void frmSistemi::tabClicked(int index) {
    command(6)->setEnabled(false);
    // The copy belongs to the result of the tab it was computed on.
    command(4)->setEnabled(false);
    const bool plane = index == 1;
    label9_->setVisible(!plane);
    label10_->setVisible(!plane);
    command(5)->setEnabled(acceptsPaste(m.CopiedCoordinates));
    applyCaptions(true);
    (plane ? north_ : latitude_)->showEdit(true);
}

bool frmSistemi::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabs_->tabBar() && event->type() == QEvent::FocusIn)
        applyCaptions(true);
    return ConversionWindow::eventFilter(watched, event);
}

CoordinateField* frmSistemi::nextField(CoordinateField* field) const {
    if (field == latitude_)
        return longitude_;
    if (field == north_)
        return east_;
    if (field == east_ && SourceSystem != ROMA40)
        return zone_;
    return nullptr;
}

void frmSistemi::clearCoordinates() {
    const bool plane = planeTab();
    if (plane) {
        north_->clear();
        east_->clear();
        if (SourceSystem != ROMA40)
            zone_->clear();
    } else {
        latitude_->clear();
        longitude_->clear();
    }
    emptyTabResults();
    (plane ? north_ : latitude_)->showEdit(true);
    for (int i : {4, 1, 6, 3})
        command(i)->setEnabled(false);
}

void frmSistemi::InternalErrorBox(int code) {
    m.platform.messages.show(this, QString::fromStdString(InternalErrorText(code)), MessageIcon::None);
    m.platform.process.endNow();
}

void frmSistemi::execute() {
    if (planeTab())
        executePlane();
    else
        executeGeographic();
}

bool frmSistemi::showOutcome(const ChangeOutcome& r) {
    if (r.poorReliability)
        m.platform.messages.show(this, QString::fromStdString(PoorReliabilityText()),
                                 MessageIcon::Information);
    switch (r.status) {
    case ChangeStatus::InternalError:
        InternalErrorBox(r.internalErrorCode);
        return false;
    case ChangeStatus::Refused: {
        CoordinateField* const focus = r.focus == ChangeField::Latitude    ? latitude_
                                       : r.focus == ChangeField::Longitude ? longitude_
                                       : r.focus == ChangeField::North     ? north_
                                       : r.focus == ChangeField::East      ? east_
                                                                           : zone_;
        reportInputError(focus, {QString::fromStdString(r.message)}, MessageIcon::Exclamation);
        return false;
    }
    case ChangeStatus::NotComputable:
        // No result: nothing from an earlier one stays offered.
        invalidateResult();
        m.platform.messages.show(this, QString::fromStdString(r.message), MessageIcon::Exclamation);
        return false;
    case ChangeStatus::OutOfRange:
        // No result to show, copy or print: nothing from an earlier one stays offered.
        invalidateResult();
        m.platform.messages.show(this, QString::fromStdString(r.message), MessageIcon::Exclamation);
        return false;
    case ChangeStatus::Done:
        break;
    }
    SourceZone = r.SourceZone;
    TargetZone = r.TargetZone;
    return true;
}

void frmSistemi::executeGeographic() {
    const ChangeOutcome r = ChangeGeographic(m.commonPoints, {SourceSystem, TargetSystem, m.LongitudeOrigin,
                                                              Checked(latitude_), Checked(longitude_)});
    if (!showOutcome(r))
        return;
    resultLatitude_ = r.latitude;
    resultLongitude_ = r.longitude;
    text3_->setText(ReducedAngle(r.latitude, m.AngleUnit));
    text4_->setText(ReducedAngle(r.longitude, m.AngleUnit));
    acceptResult();
}

void frmSistemi::executePlane() {
    // The zone number is the typed value rounded to an integer, 0 when empty.
    const double typedZone = Checked(zone_);
    const int zoneNumber = std::abs(typedZone) < 1e6 ? int(std::lround(typedZone)) : 0;
    ChangeOutcome r = ChangePlane(m.commonPoints,
                                  {SourceSystem, TargetSystem, Checked(north_), Checked(east_), zoneNumber});
    // A refusal marked with a valid zone is an East outside that zone's
    // territory: the message names the East, and the East is what to correct.
    if (r.status == ChangeStatus::Refused && r.focus == ChangeField::Zone && zoneNumber >= 32 &&
        zoneNumber <= 34)
        r.focus = ChangeField::East;
    if (!showOutcome(r))
        return;
    if (r.ResultZoneNumber != 0)
        ResultZoneNumber = r.ResultZoneNumber;
    resultNorth_ = r.north;
    resultEast_ = r.east;
    const QString whole = QString::fromLatin1(Patterns::MetresWhole);
    text11_->setText(CoordinateField::format(r.north, whole));
    text12_->setText(CoordinateField::format(r.east, whole));
    text15_->setText(CoordinateField::format(ResultZoneNumber, QString::fromLatin1(Patterns::ZoneNumber)));
    acceptResult();
}

void frmSistemi::copyCoordinates() {
    CopiedCoordinatesRecord& c = m.CopiedCoordinates;
    if (planeTab()) {
        c.North = resultNorth_;
        c.East = resultEast_;
        c.UtmZone = ResultZoneNumber;
        c.ZoneCode = TargetZone;
        c.Kind = CopiedKind::Plane;
    } else {
        c.Latitude = resultLatitude_;
        c.Longitude = resultLongitude_;
        c.Kind = CopiedKind::Geographic;
    }
    c.SystemCode = TargetSystem;
    command(5)->setEnabled(acceptsPaste(c));
}

void frmSistemi::pasteCoordinates() {
    const CopiedCoordinatesRecord& c = m.CopiedCoordinates;
    // The point's system becomes the source; when it is the target, the
    // conversion turns round and the target takes the former source.
    if (c.SystemCode == TargetSystem) {
        const int former = SourceSystem - 1;
        targetOptions_[size_t(former)]->setChecked(true);
        targetClicked(former);
    }
    sourceOptions_[size_t(c.SystemCode - 1)]->setChecked(true);
    sourceClicked(c.SystemCode - 1);
    if (planeTab()) {
        north_->pasteNumber(c.North);
        east_->pasteNumber(c.East);
        if (c.SystemCode != ROMA40)
            zone_->pasteNumber(32 + c.ZoneCode - UTM32);
    } else {
        latitude_->pasteAngle(c.Latitude);
        longitude_->pasteAngle(c.Longitude);
    }
    emptyTabResults();
}

QString frmSistemi::printTitle() const {
    return QStringLiteral("PASSAGGIO FRA SISTEMI DI RIFERIMENTO");
}

void frmSistemi::printBlock(PrintQueue& q) {
    const bool plane = planeTab();
    q.setFont(11, false);
    q.printLine({m.HeaderPoint, pointName_->text()});
    q.printLine();
    // The source side, then the result side: system name in bold, the frame
    // caption, the two values as the window shows them.
    auto side = [&](int system, int zone, const QGroupBox* planeFrame, const QGroupBox* geoFrame,
                    const QString& first, const QString& second) {
        q.setFont(11, true);
        q.printLine({QStringLiteral("Sistema Geodetico: "), QString::fromLatin1(SystemNames[system - 1])});
        q.setFont(11, false);
        if (plane) {
            q.printLine({planeFrame->title(), ZoneSuffix(zone)});
            q.printLine({QStringLiteral("Nord: "), first, m.GapWide, QStringLiteral("Est: "), second});
        } else {
            const bool greenwich = system == ROMA40 && greenwichLongitudes();
            q.printLine(
                {geoFrame->title(), greenwich ? QStringLiteral("  (Long. da Greenwich)") : QString()});
            q.printLine(
                {QStringLiteral("Latitudine: "), first, m.GapWide, QStringLiteral("Longitudine: "), second});
        }
    };
    if (plane)
        side(SourceSystem, SourceZone, frame6_, frame1_, north_->displayText(), east_->displayText());
    else
        side(SourceSystem, SourceZone, frame6_, frame1_, latitude_->displayText(), longitude_->displayText());
    q.printLine();
    if (plane)
        side(TargetSystem, TargetZone, frame5_, frame3_, text11_->text(), text12_->text());
    else
        side(TargetSystem, TargetZone, frame5_, frame3_, text3_->text(), text4_->text());
    printBlockEnd(q);
}
