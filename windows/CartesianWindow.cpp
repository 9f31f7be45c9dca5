#include "windows/CartesianWindow.h"

#include "app/Modulo1.h"
#include "geodesy/CartesianConversions.h"
#include "geodesy/PlaneConversions.h"
#include "geodesy/ReferenceSystems.h"
#include "windows/WindowDecorations.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace tervano;

CartesianWindow::CartesianWindow(Modulo1& model, QWidget* mainWindow, const QString& objectName,
                                 const QString& caption, const Names& names)
    : ConversionWindow(model, mainWindow, objectName, caption) {
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
    auto* notice = new QLabel(QString::fromUtf8(names.noticeText), frame7_);
    notice->setObjectName(QString::fromLatin1(names.noticeLabel));
    notice->setWordWrap(true);
    auto* l7 = new QVBoxLayout(frame7_);
    l7->addWidget(label9);
    l7->addWidget(notice);

    label7_ = MakeDescriptionLabel(this, QStringLiteral("Label7"));

    connect(system_.group, &QButtonGroup::idClicked, this, &CartesianWindow::systemClicked);
    connect(option2_, &QButtonGroup::idClicked, this, &CartesianWindow::axisClicked);
}

QLayout* CartesianWindow::leftColumn() {
    auto* left = new QVBoxLayout;
    left->addWidget(system_.frame);
    left->addWidget(frame4_);
    left->addWidget(frame7_);
    left->addWidget(label7_);
    left->addStretch(1);
    return left;
}

void CartesianWindow::setCoordinateFrames(QGroupBox* geographic, QGroupBox* cartesian) {
    geographicFrame_ = geographic;
    cartesianFrame_ = cartesian;
}

void CartesianWindow::loadAxisDefaults() {
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

void CartesianWindow::systemClicked(int index) {
    invalidateResult();
    m.SystemCode = index + 1;
    updateGreenwichNotice();
    if (geographicFrame_)
        geographicFrame_->setTitle(QString::fromUtf8(GeographicFrameCaption(m.SystemCode)));
    if (cartesianFrame_)
        cartesianFrame_->setTitle(QString::fromUtf8(CartesianFrameCaption(m.SystemCode)));
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

void CartesianWindow::selectCopiedAxis() {
    const int recorded = m.CopiedCoordinates.AxisChoice;
    if (recorded != AxisMonteMario && recorded != AxisGreenwich)
        return;
    option2_->button(recorded - 1)->setChecked(true);
    axisClicked(recorded - 1);
}

QString CartesianWindow::systemCaption() const {
    return system_.group->checkedButton() ? system_.group->checkedButton()->text() : QString();
}

QString CartesianWindow::geographicHeading(const QGroupBox* frame) const {
    const bool greenwich = m.SystemCode == ROMA40 && greenwichLongitudes();
    return frame->title() + (greenwich ? QStringLiteral("  (Long. da Greenwich)") : QString());
}

QString CartesianWindow::cartesianHeading(const QGroupBox* frame) const {
    const bool greenwichAxis =
        m.SystemCode == ROMA40 && (axisChoice_ == AxisGreenwich || greenwichLongitudes());
    return frame->title() + (greenwichAxis ? QStringLiteral("  (Asse X per Greenwich)") : QString());
}
