#include "windows/qt/CartesianWindow.h"

#include "app/Modulo1.h"
#include "geodesy/CartesianConversions.h"
#include "geodesy/PlaneConversions.h"
#include "geodesy/ReferenceSystems.h"
#include "windows/qt/CoordinateField.h"
#include "windows/qt/WindowDecorations.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace tervano;

namespace {

const char* const GeographicCaption = "Coordinate Geografiche";
const char* const CartesianCaption = "Coord. Cartesiane Ellissocentriche";

// Three rows "label  box" in a frame.
void SetRows(QGroupBox* frame, const std::array<CartesianWindow::RowLabel, 3>& labels,
             const std::array<QWidget*, 3>& boxes) {
    auto* g = new QGridLayout(frame);
    for (int i = 0; i < 3; ++i) {
        const CartesianWindow::RowLabel& l = labels[size_t(i)];
        g->addWidget(MakeRowLabel(frame, QString::fromLatin1(l.name), QString::fromUtf8(l.text)), i, 0);
        g->addWidget(boxes[size_t(i)], i, 1);
    }
    g->setColumnStretch(1, 1);
}

} // namespace

CartesianWindow::CartesianWindow(Modulo1& model, QWidget* mainWindow, const QString& objectName,
                                 const QString& caption, const Layout& layout)
    : ConversionWindow(model, mainWindow, objectName, caption), geographicInput_(layout.geographicInput),
      unitCaptionName_(layout.unitCaptionName) {
    system_ = makeSystemFrame(QStringLiteral("Frame1"));

    frame4_ = new QGroupBox(QStringLiteral("Posizione del piano XZ"), this);
    frame4_->setObjectName(QStringLiteral("Frame4"));
    option2_ = new QButtonGroup(frame4_);
    option2_->setObjectName(QStringLiteral("Option2"));
    auto* l4 = new QVBoxLayout(frame4_);
    const char* const axes[2] = {"Asse X passante per il meridiano di Roma M. Mario",
                                 "Asse X passante per il meridiano di Greenwich"};
    for (int i = 0; i < 2; ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(axes[i]), frame4_);
        b->setObjectName(QStringLiteral("Option2_%1").arg(i));
        option2_->addButton(b, i);
        l4->addWidget(b);
    }

    frame5_ = new QGroupBox(QStringLiteral("Origine delle longitudini Greenwich"), this);
    frame5_->setObjectName(QStringLiteral("Frame5"));
    text10_ = makeResultBox(QStringLiteral("Text10"));
    auto* g5 = new QGridLayout(frame5_);
    g5->addWidget(MakeRowLabel(frame5_, QStringLiteral("Label8"), QStringLiteral("λ =")), 0, 0);
    g5->addWidget(text10_, 0, 1);
    g5->setColumnStretch(1, 1);

    frame7_ = new QGroupBox(this);
    frame7_->setObjectName(QStringLiteral("Frame7"));
    auto* label9 = new QLabel(QStringLiteral("              ATTENZIONE:"), frame7_);
    label9->setObjectName(QStringLiteral("Label9"));
    StyleNotice(label9);
    auto* notice = new QLabel(QString::fromUtf8(layout.noticeText), frame7_);
    notice->setObjectName(QString::fromLatin1(layout.noticeName));
    notice->setWordWrap(true);
    auto* l7 = new QVBoxLayout(frame7_);
    l7->addWidget(label9);
    l7->addWidget(notice);

    label7_ = MakeDescriptionLabel(this, QStringLiteral("Label7"));

    frame2_ = new QGroupBox(QString::fromUtf8(geographicInput_ ? GeographicCaption : CartesianCaption), this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    frame3_ = new QGroupBox(QString::fromUtf8(geographicInput_ ? CartesianCaption : GeographicCaption), this);
    frame3_->setObjectName(QStringLiteral("Frame3"));
    for (int i = 0; i < 3; ++i)
        result_[size_t(i)] = makeResultBox(QStringLiteral("Text%1").arg(i + 4));
    SetRows(frame3_, layout.resultLabels, {result_[0], result_[1], result_[2]});

    connect(system_.group, &QButtonGroup::idClicked, this, &CartesianWindow::systemClicked);
    connect(option2_, &QButtonGroup::idClicked, this, &CartesianWindow::axisClicked);
}

void CartesianWindow::finishLayout(const std::array<RowLabel, 3>& inputLabels,
                                   const std::array<CoordinateField*, 3>& fields) {
    for (CoordinateField* f : fields)
        addInputField(f);
    SetRows(frame2_, inputLabels, {fields[0], fields[1], fields[2]});

    QGroupBox* frame6 = makePointNameFrame(QStringLiteral("Frame6"), QStringLiteral("Text11"), &pointName_);
    QWidget* unitRow = makeUnitRow(QString::fromLatin1(unitCaptionName_), QStringLiteral("Label12"));

    // The longitude from Greenwich stands below the geographic coordinates.
    const QList<QWidget*> middle = geographicInput_
                                       ? QList<QWidget*>{frame2_, frame5_, frame3_, frame6, unitRow}
                                       : QList<QWidget*>{frame2_, frame3_, frame5_, frame6, unitRow};
    arrangeColumns({system_.frame, frame4_, frame7_, label7_}, middle);
}

void CartesianWindow::loadDefaults() {
    system_.options[0]->setChecked(true);
    option2_->button(0)->setChecked(true);
    axisChoice_ = AxisMonteMario;
    systemClicked(0);
    frame5_->hide();
}

void CartesianWindow::updateGreenwichNotice() {
    const bool roma = m.SystemCode == ROMA40;
    const bool notice = roma && greenwichLongitudes();
    frame7_->setVisible(notice);
    frame4_->setVisible(roma && !notice);
    frame5_->setVisible(shiftsToGreenwichAxis());
}

bool CartesianWindow::shiftsToGreenwichAxis() const {
    return ShiftsToGreenwichAxis(m.SystemCode, axisChoice_, m.LongitudeOrigin);
}

void CartesianWindow::showGreenwichLongitude(bool shown, double degrees) {
    text10_->setText(shown ? resultAngleText(degrees) : QString());
}

void CartesianWindow::systemClicked(int index) {
    invalidateResult();
    m.SystemCode = index + 1;
    updateGreenwichNotice();
    QGroupBox* geographic = geographicInput_ ? frame2_ : frame3_;
    QGroupBox* cartesian = geographicInput_ ? frame3_ : frame2_;
    geographic->setTitle(QString::fromUtf8(GeographicFrameCaption(m.SystemCode)));
    cartesian->setTitle(QString::fromUtf8(CartesianFrameCaption(m.SystemCode)));
    QStringList lines;
    for (const char* line : CartesianSystemDescription(m.SystemCode))
        lines << QString::fromUtf8(line);
    setDescription(label7_, lines);
}

void CartesianWindow::axisClicked(int index) {
    invalidateResult();
    axisChoice_ = index == 1 ? AxisGreenwich : AxisMonteMario;
    updateGreenwichNotice();
}

void CartesianWindow::selectCopiedReference() {
    system_.options[size_t(m.CopiedCoordinates.SystemCode - 1)]->click();
    const int recorded = m.CopiedCoordinates.AxisChoice;
    if (recorded != AxisMonteMario && recorded != AxisGreenwich)
        return;
    option2_->button(recorded - 1)->setChecked(true);
    axisClicked(recorded - 1);
}

QString CartesianWindow::systemCaption() const {
    return system_.group->checkedButton() ? system_.group->checkedButton()->text() : QString();
}

void CartesianWindow::printBlock(PrintQueue& q) {
    printBlockStart(q, systemCaption(), label7_, pointName_->text());
    QStringList typed, computed;
    for (CoordinateField* f : inputFields())
        typed << f->displayText();
    for (QLineEdit* r : result_)
        computed << r->text();
    // The typed coordinates first, then the results.
    if (geographicInput_) {
        printGeographicGroup(q, typed);
        printCartesianGroup(q, computed);
    } else {
        printCartesianGroup(q, typed);
        printGeographicGroup(q, computed);
    }
    printBlockEnd(q);
}

void CartesianWindow::printGeographicGroup(PrintQueue& q, const QStringList& values) {
    const QString gap = m.GapNarrow;
    const bool greenwich = m.SystemCode == ROMA40 && greenwichLongitudes();
    const QGroupBox* frame = geographicInput_ ? frame2_ : frame3_;
    q.setFont(11, true);
    q.printLine({frame->title() + (greenwich ? QStringLiteral("  (Long. da Greenwich)") : QString())});
    q.setFont(11, false);
    q.printLine({QStringLiteral("Lat.: "), values[0], gap, QStringLiteral("Long.: "), values[1], gap,
                 geographicInput_ ? QStringLiteral("Q. ellis.: ") : QStringLiteral("Quota elliss.: "),
                 values[2]});
    // The Greenwich row only when the longitudes were shifted to the Greenwich axis.
    if (shiftsToGreenwichAxis())
        q.printLine({QStringLiteral("Long. da Greenwich: "), text10_->text()});
    q.printLine();
}

void CartesianWindow::printCartesianGroup(PrintQueue& q, const QStringList& values) {
    const QString gap = m.GapNarrow;
    const bool greenwichAxis =
        m.SystemCode == ROMA40 && (axisChoice_ == AxisGreenwich || greenwichLongitudes());
    const QGroupBox* frame = geographicInput_ ? frame3_ : frame2_;
    q.setFont(11, true);
    q.printLine({frame->title() + (greenwichAxis ? QStringLiteral("  (Asse X per Greenwich)") : QString())});
    q.setFont(11, false);
    q.printLine({QStringLiteral("X: "), values[0], gap, QStringLiteral("Y: "), values[1], gap,
                 QStringLiteral("Z: "), values[2]});
    q.printLine();
}
