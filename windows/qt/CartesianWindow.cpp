#include "windows/qt/CartesianWindow.h"

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

void CartesianWindow::buildFrames(const Layout& layout, CartesianPage& page) {
    page_ = &page;
    geographicInput_ = layout.geographicInput;
    unitCaptionName_ = layout.unitCaptionName;
    addPage(page_);
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

    frame2_ = new QGroupBox(this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    frame3_ = new QGroupBox(this);
    frame3_->setObjectName(QStringLiteral("Frame3"));
    for (int i = 0; i < 3; ++i)
        result_[size_t(i)] = makeResultBox(QStringLiteral("Text%1").arg(i + 4));
    SetRows(frame3_, layout.resultLabels, {result_[0], result_[1], result_[2]});

    connectChoice(system_.group, [this](int id) {
        page_->chooseSystem(static_cast<System>(id + 1));
        invalidateResult();
        showSystem();
    });
    connectChoice(option2_, [this](int id) {
        page_->chooseAxis(id == 1 ? XAxis::ThroughGreenwich : XAxis::ThroughMonteMario);
        invalidateResult();
        updateGreenwichNotice();
    });
}

void CartesianWindow::finishLayout(const std::array<RowLabel, 3>& inputLabels,
                                   const std::array<CoordinateField*, 3>& fields) {
    for (CoordinateField* f : fields)
        addInputField(f);
    SetRows(frame2_, inputLabels, {fields[0], fields[1], fields[2]});

    QGroupBox* frame6 = makePointNameFrame(QStringLiteral("Frame6"), QStringLiteral("Text11"), nullptr);
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
    showSystem();
}

void CartesianWindow::updateGreenwichNotice() {
    frame7_->setVisible(page_->greenwichNotice());
    frame4_->setVisible(page_->showsAxisChoice());
    frame5_->setVisible(page_->shiftsToGreenwichAxis());
}

bool CartesianWindow::countsFromLongitudeOrigin(const CoordinateField* field) const {
    return field->angleRole() == CoordinateField::AngleRole::Longitude && page_->system() == System::ROMA40;
}

void CartesianWindow::showSystem() {
    updateGreenwichNotice();
    (geographicInput_ ? frame2_ : frame3_)->setTitle(QString::fromStdString(page_->geographicCaption()));
    (geographicInput_ ? frame3_ : frame2_)->setTitle(QString::fromStdString(page_->cartesianCaption()));
    setDescription(label7_, page_->description());
}

void CartesianWindow::showResult() {
    const std::array<std::string, 3> texts = page_->resultTexts();
    for (size_t i = 0; i < 3; ++i)
        result_[i]->setText(QString::fromStdString(texts[i]));
    text10_->setText(QString::fromStdString(page_->greenwichLongitudeText()));
}

void CartesianWindow::showPastedReference() {
    system_.options[size_t(Code(page_->system()) - 1)]->setChecked(true);
    option2_->button(static_cast<int>(page_->axis()) - 1)->setChecked(true);
}
