#include "cadastre/qt/frmCatasto.h"

#include "app/Modulo1.h"
#include "cadastre/CassiniSoldner.h"
#include "geodesy/ReferenceSystems.h"
#include "geodesy/TextNumbers.h"
#include "windows/qt/CoordinateField.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <initializer_list>

using namespace tervano;

namespace {

// Metres with two decimals.
QString metres(double v) {
    return CoordinateField::format(v, QString::fromUtf8(Patterns::MetresCm));
}

QStringList toLines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& l : lines)
        out << QString::fromStdString(l);
    return out;
}

QLabel* fieldLabel(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

} // namespace

frmCatasto::frmCatasto(Modulo1& model, QWidget* mainWindow)
    : ConversionWindow(model, mainWindow, QStringLiteral("frmCatasto"), QStringLiteral("Catasto")) {
    // Centre of the cadastral system.
    frame1_ = new QGroupBox(
        QStringLiteral(
            "Coordinate del centro del Sistema Catastale riferite a Bessel (Genova) con longitudine "
            "da Genova"),
        this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    combo_ = new QComboBox(frame1_);
    combo_->setObjectName(QStringLiteral("Combo1"));
    combo_->setToolTip(QStringLiteral("Selezionare una voce dall'elenco"));
    for (int i = 0; i < CentreCount; ++i)
        combo_->addItem(QString::fromStdString(CentreName(i)));
    combo_->setMaxVisibleItems(CentreCount);

    const auto centreFormatter = [this](const CoordinateField& f) {
        // A table longitude is written after two blanks; typed values and latitudes without.
        const bool tableLongitude = showingTableCentre_ && &f == centreLon_;
        return QString::fromStdString(
            FormatCentreValue(f.typed(), tableLongitude, QLocale().decimalPoint().toStdString()));
    };
    centreLat_ = new CoordinateField(CoordinateField::Kind::FixedSexagesimal, QStringLiteral("Text15"),
                                     QStringLiteral("Text5"), frame1_);
    centreLat_->setToolTips(QStringLiteral("Latitudine in sessagesimali (gg.ppssdddd)"));
    centreLat_->setFormatter(centreFormatter);
    centreLon_ = new CoordinateField(CoordinateField::Kind::FixedSexagesimal, QStringLiteral("Text16"),
                                     QStringLiteral("Text6"), frame1_);
    centreLon_->setToolTips(QStringLiteral("Longitudine in sessagesimali (gg.ppssdddd)"));
    centreLon_->setFormatter(centreFormatter);

    auto* label7 = fieldLabel(QStringLiteral("φ ="), frame1_);
    label7->setObjectName(QStringLiteral("Label7"));
    auto* label10 = fieldLabel(QStringLiteral("λ ="), frame1_);
    label10->setObjectName(QStringLiteral("Label10"));
    auto* label14 = new QLabel(QStringLiteral("Unità di misura degli angoli: Sessagesimali"), frame1_);
    label14->setObjectName(QStringLiteral("Label14"));
    auto* label13 =
        new QLabel(QStringLiteral("Provincie interessate dal Sistema Catastale selezionato:"), frame1_);
    label13->setObjectName(QStringLiteral("Label13"));
    provinces_ = new QLabel(frame1_);
    provinces_->setObjectName(QStringLiteral("Label12"));
    provinces_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    provinces_->setMinimumHeight(provinces_->fontMetrics().lineSpacing() * 8);
    // The list keeps its room while hidden: choosing a centre does not resize the window.
    QSizePolicy keepRoom = provinces_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    provinces_->setSizePolicy(keepRoom);

    auto* centreGrid = new QGridLayout(frame1_);
    centreGrid->addWidget(combo_, 0, 0, 1, 2);
    centreGrid->addWidget(label7, 1, 0);
    centreGrid->addWidget(centreLat_, 1, 1);
    centreGrid->addWidget(label10, 2, 0);
    centreGrid->addWidget(centreLon_, 2, 1);
    centreGrid->addWidget(label14, 3, 0, 1, 2);
    centreGrid->addWidget(label13, 0, 2);
    centreGrid->addWidget(provinces_, 1, 2, 4, 1);
    centreGrid->setColumnStretch(1, 1);
    centreGrid->setColumnStretch(2, 1);
    centreGrid->setRowStretch(4, 1);

    QGroupBox* pointFrame =
        makePointNameFrame(QStringLiteral("Frame2"), QStringLiteral("Text17"), &pointName_);

    // The two directions.
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    auto* tab0 = new QWidget;
    auto* tab1 = new QWidget;

    frame5_ = new QGroupBox(QStringLiteral("Coordinate GAUSS BOAGA"), tab0);
    frame5_->setObjectName(QStringLiteral("Frame5"));
    nord_ = new CoordinateField(CoordinateField::Kind::Length, QStringLiteral("Text1"),
                                QStringLiteral("Text7"), frame5_);
    nord_->setToolTips(QStringLiteral("Coordinata Nord in metri"));
    est_ = new CoordinateField(CoordinateField::Kind::Length, QStringLiteral("Text2"),
                               QStringLiteral("Text8"), frame5_);
    est_->setToolTips(QStringLiteral("Coordinata Est in metri"));
    frame7_ = new QGroupBox(QStringLiteral("Coordinate CASSINI SOLDNER"), tab0);
    frame7_->setObjectName(QStringLiteral("Frame7"));
    text3_ = resultBox(QStringLiteral("Text3"), frame7_);
    text4_ = resultBox(QStringLiteral("Text4"), frame7_);

    frame3_ = new QGroupBox(QStringLiteral("Coordinate CASSINI SOLDNER"), tab1);
    frame3_->setObjectName(QStringLiteral("Frame3"));
    x_ = new CoordinateField(CoordinateField::Kind::Length, QStringLiteral("Text9"), QStringLiteral("Text13"),
                             frame3_);
    x_->setToolTips(QStringLiteral("Coordinata X in metri"));
    y_ = new CoordinateField(CoordinateField::Kind::Length, QStringLiteral("Text10"),
                             QStringLiteral("Text14"), frame3_);
    y_->setToolTips(QStringLiteral("Coordinata Y in metri"));
    frame4_ = new QGroupBox(QStringLiteral("Coordinate GAUSS BOAGA"), tab1);
    frame4_->setObjectName(QStringLiteral("Frame4"));
    text11_ = resultBox(QStringLiteral("Text11"), frame4_);
    text12_ = resultBox(QStringLiteral("Text12"), frame4_);

    for (CoordinateField* f : {nord_, est_, x_, y_})
        f->setPattern(QString::fromUtf8(Patterns::MetresCm));

    const auto pairFrame = [](QGroupBox* frame, const QString& first, QWidget* a, const QString& second,
                              QWidget* b) {
        auto* g = new QGridLayout(frame);
        g->addWidget(fieldLabel(first, frame), 0, 0);
        g->addWidget(a, 0, 1);
        g->addWidget(fieldLabel(second, frame), 1, 0);
        g->addWidget(b, 1, 1);
        g->setColumnStretch(1, 1);
    };
    pairFrame(frame5_, QStringLiteral("N ="), nord_, QStringLiteral("E ="), est_);
    pairFrame(frame7_, QStringLiteral("X ="), text3_, QStringLiteral("Y ="), text4_);
    pairFrame(frame3_, QStringLiteral("X ="), x_, QStringLiteral("Y ="), y_);
    pairFrame(frame4_, QStringLiteral("N ="), text11_, QStringLiteral("E ="), text12_);
    auto* l0 = new QHBoxLayout(tab0);
    l0->addWidget(frame5_);
    l0->addWidget(frame7_);
    auto* l1 = new QHBoxLayout(tab1);
    l1->addWidget(frame3_);
    l1->addWidget(frame4_);
    tabs_->addTab(tab0, QStringLiteral("GAUSS BOAGA - CASSINI SOLDNER"));
    tabs_->addTab(tab1, QStringLiteral("CASSINI SOLDNER - GAUSS BOAGA"));

    auto* left = new QVBoxLayout;
    left->addWidget(frame1_);
    left->addWidget(pointFrame);
    left->addWidget(tabs_);
    left->addStretch(1);
    auto* main = new QHBoxLayout(this);
    main->addLayout(left, 1);
    auto* buttons = buttonPanel(true);
    buttons->addStretch(1);
    main->addLayout(buttons);

    for (CoordinateField* f : {centreLat_, centreLon_, nord_, est_, x_, y_})
        addInputField(f);
    for (CoordinateField* f : {centreLat_, centreLon_})
        connect(f, &CoordinateField::displayClicked, this, [this, f] { onCentreDisplayClicked(f); });
    connect(nord_, &CoordinateField::displayClicked, this, [this] { emptyTabResults(0); });
    connect(est_, &CoordinateField::displayClicked, this, [this] { emptyTabResults(0); });
    connect(x_, &CoordinateField::displayClicked, this, [this] { emptyTabResults(1); });
    connect(y_, &CoordinateField::displayClicked, this, [this] { emptyTabResults(1); });
    connect(combo_, &QComboBox::activated, this, &frmCatasto::onCentreSelected);
    connect(tabs_, &QTabWidget::currentChanged, this, &frmCatasto::onTabChanged);

    setTabOrder(combo_, centreLat_->edit());
    setTabOrder(centreLat_->edit(), centreLon_->edit());
    setTabOrder(centreLon_->edit(), nord_->edit());
    setTabOrder(nord_->edit(), est_->edit());
    setTabOrder(est_->edit(), x_->edit());
    setTabOrder(x_->edit(), y_->edit());
    setTabOrder(y_->edit(), command(1));

    runLoad();
}

QLineEdit* frmCatasto::resultBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

void frmCatasto::loadDefaults() {
    tabs_->setCurrentIndex(0);
    // Other windows may have changed the shared computation parameters.
    m.SystemCode = ROMA40;
    m.ScaleFactor = GaussBoagaScaleFactor;
    provinces_->hide();
    combo_->setCurrentIndex(UserDefinedCentre);
    onCentreSelected(UserDefinedCentre);
}

bool frmCatasto::acceptsPaste(const CopiedCoordinatesRecord& c) const {
    // Tab 0 takes ROMA40 Gauss-Boaga North and East only, tab 1 cadastral X and Y.
    if (shownTab() == 1)
        return c.Kind == CopiedKind::Cadastral;
    return c.isNationalPlane() && c.SystemCode == ROMA40;
}

int frmCatasto::shownTab() const {
    return tabs_->currentIndex();
}

CoordinateField* frmCatasto::firstInputOfShownTab() const {
    return shownTab() == 1 ? x_ : nord_;
}

void frmCatasto::setProvinces(const QString& text) {
    // Lines are kept joined by "\r"; a label breaks lines at "\n".
    provinces_->setText(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

void frmCatasto::settingsApplied() {
    // The centre is always typed in Sessagesimali from Monte Mario, so the
    // settings leave it alone; the results of both tabs go with the others'.
    emptyTabResults(0);
    emptyTabResults(1);
}

void frmCatasto::emptyTabResults(int tab) {
    if (tab == 0) {
        text3_->clear();
        text4_->clear();
    } else {
        text11_->clear();
        text12_->clear();
    }
}

void frmCatasto::emptyResultBoxes() {
    ConversionWindow::emptyResultBoxes();
    emptyTabResults(shownTab());
}

void frmCatasto::onCentreSelected(int index) {
    const CentreSelection s = SelectCentre(index, centre_);
    switch (s.action) {
    case CentreSelection::Action::ClearCentre:
        // The centre values are forgotten with the boxes: nothing computes
        // with a centre the user cannot see.
        centreLat_->clear();
        centreLon_->clear();
        setProvinces({});
        provinces_->hide();
        invalidateResult();
        emptyTabResults(0);
        emptyTabResults(1);
        if (combo_->hasFocus()) {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QApplication::sendEvent(combo_, &enter);
        }
        break;
    case CentreSelection::Action::ShowCentre:
        setProvinces(QString::fromStdString(s.provinces));
        showCentre(true);
        invalidateResult();
        emptyTabResults(0);
        emptyTabResults(1);
        provinces_->show();
        sendKeyToFocus(Qt::ControlModifier);
        break;
    case CentreSelection::Action::ShowAgain:
        showCentre(false);
        break;
    }
}

void frmCatasto::sendKeyToFocus(Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != this)
        target = combo_;
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, modifiers, QStringLiteral("\n"));
    QApplication::sendEvent(target, &key);
}

void frmCatasto::showCentre(bool tableCentre) {
    const QScopedValueRollback<bool> table(showingTableCentre_, tableCentre);
    showCentreValue(centreLat_, centre_.centreLatitude);
    showCentreValue(centreLon_, centre_.centreLongitude);
}

void frmCatasto::showCentreValue(CoordinateField* field, double value) {
    // Writing a stored centre into its boxes is not the user typing it: the
    // buttons keep their state and the selection stays.
    const bool execute = command(1)->isEnabled();
    const bool clear = command(3)->isEnabled();
    const QScopedValueRollback<bool> writing(writingCentre_, true);
    field->edit()->setText(QString::fromStdString(PasteText(value)));
    field->commit();
    command(1)->setEnabled(execute);
    command(3)->setEnabled(clear);
}

void frmCatasto::fieldCommitted(CoordinateField* field) {
    if (field != centreLat_ && field != centreLon_)
        return;
    if (writingCentre_)
        return;
    double& value = field == centreLat_ ? centre_.centreLatitude : centre_.centreLongitude;
    if (field->typed() != value) {
        invalidateResult();
        emptyTabResults(0);
        emptyTabResults(1);
    }
    value = field->typed();
    // A typed centre is a user-defined one; the provinces of a table centre no longer apply.
    combo_->setCurrentIndex(UserDefinedCentre);
    setProvinces({});
    provinces_->hide();
}

void frmCatasto::onCentreDisplayClicked(CoordinateField* field) {
    // The whole centre is typed again: its values go with its boxes.
    emptyTabResults(0);
    emptyTabResults(1);
    centreLat_->clear();
    centreLon_->clear();
    centre_ = CentreValues{};
    combo_->setCurrentIndex(UserDefinedCentre);
    setProvinces({});
    provinces_->hide();
    field->showEdit(true);
}

CoordinateField* frmCatasto::nextField(CoordinateField* field) const {
    if (field == centreLat_)
        return centreLon_;
    if (field == centreLon_)
        return firstInputOfShownTab();
    if (field == nord_)
        return est_;
    if (field == x_)
        return y_;
    return nullptr;
}

bool frmCatasto::eventFilter(QObject* watched, QEvent* event) {
    if (watched == combo_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ControlModifier)
                firstInputOfShownTab()->showEdit(true);
            else
                centreLat_->showEdit(true);
            return true;
        }
    }
    return ConversionWindow::eventFilter(watched, event);
}

void frmCatasto::onTabChanged(int) {
    command(6)->setEnabled(false);
    // "COPIA COORDINATE" copies the result of the tab shown; a result of the
    // other tab is copied from there after a new "ESEGUI".
    command(4)->setEnabled(false);
    command(5)->setEnabled(acceptsPaste(m.CopiedCoordinates));
}

CoordinateField* frmCatasto::fieldFor(CadastralInput input) const {
    switch (input) {
    case CadastralInput::CentreLatitude:
        return centreLat_;
    case CadastralInput::CentreLongitude:
        return centreLon_;
    case CadastralInput::Nord:
        return nord_;
    case CadastralInput::Est:
        return est_;
    case CadastralInput::X:
        return x_;
    case CadastralInput::Y:
        return y_;
    }
    return nullptr;
}

void frmCatasto::execute() {
    const int tab = shownTab();
    CoordinateField* first = tab == 0 ? nord_ : x_;
    CoordinateField* second = tab == 0 ? est_ : y_;
    // A box never left (or emptied by "CANCELLA COORDINATE") is read now, so
    // that the computation uses what the boxes show.
    for (CoordinateField* f : {first, second})
        if (f->editing())
            f->commit();

    if (const auto failure = CheckCentre(centre_)) {
        reportInputError(fieldFor(failure->input), toLines(failure->lines));
        return;
    }
    m.SystemCode = ROMA40;
    m.ScaleFactor = GaussBoagaScaleFactor;

    if (tab == 0) {
        if (const auto failure = CheckGaussBoaga(nord_->value(), est_->value())) {
            reportInputError(fieldFor(failure->input), toLines(failure->lines));
            return;
        }
        const CassiniResult r = GaussBoagaToCassini(centre_, nord_->value(), est_->value());
        if (const auto failure = CheckCassiniResult(r)) {
            reportInputError(fieldFor(failure->input), toLines(failure->lines));
            return;
        }
        m.ZoneCode = r.ZoneCode;
        resultX_ = r.X;
        resultY_ = r.Y;
        text3_->setText(metres(r.X));
        text4_->setText(metres(r.Y));
    } else {
        if (const auto failure = CheckCassini(x_->value(), y_->value(), x_->valid(), y_->valid())) {
            reportInputError(fieldFor(failure->input), toLines(failure->lines));
            return;
        }
        const GaussBoagaResult r = CassiniToGaussBoaga(centre_, x_->value(), y_->value());
        if (const auto failure = CheckGaussBoagaResult(r)) {
            reportInputError(fieldFor(failure->input), toLines(failure->lines));
            return;
        }
        m.ZoneCode = r.ZoneCode;
        resultZone_ = r.ZoneCode;
        resultNord_ = r.Nord;
        resultEst_ = r.Est;
        text11_->setText(metres(r.Nord));
        text12_->setText(metres(r.Est));
    }
    acceptResult();
}

void frmCatasto::clearCoordinates() {
    // Only the tab shown; the centre stays.
    const int tab = shownTab();
    CoordinateField* first = tab == 0 ? nord_ : x_;
    CoordinateField* second = tab == 0 ? est_ : y_;
    first->clear();
    second->clear();
    emptyTabResults(tab);
    first->showEdit(true);
    for (int i : {4, 5, 1, 6, 3})
        command(i)->setEnabled(false);
}

void frmCatasto::copyCoordinates() {
    CopiedCoordinatesRecord& c = m.CopiedCoordinates;
    if (shownTab() == 0) {
        c.CadastralX = resultX_;
        c.CadastralY = resultY_;
        c.SystemCode = 0; // cadastral coordinates belong to their centre, not to a system
        c.ZoneCode = 0;
        c.Kind = CopiedKind::Cadastral;
    } else {
        c.North = resultNord_;
        c.East = resultEst_;
        c.SystemCode = ROMA40;
        c.ZoneCode = resultZone_;
        c.Kind = CopiedKind::Plane;
    }
}

void frmCatasto::pasteCoordinates() {
    const CopiedCoordinatesRecord& c = m.CopiedCoordinates;
    if (shownTab() == 0) {
        nord_->pasteNumber(c.North);
        est_->pasteNumber(c.East);
        emptyTabResults(0);
    } else {
        x_->pasteNumber(c.CadastralX);
        y_->pasteNumber(c.CadastralY);
        emptyTabResults(1);
    }
}

QString frmCatasto::printTitle() const {
    return QStringLiteral("TRASFORMAZIONE CASSINI SOLDNER <> GAUSS BOAGA");
}

void frmCatasto::printBlock(PrintQueue& q) {
    q.setFont(11, true);
    q.printLine({QStringLiteral("Centro del Sistema Catastale (Bessel Genova):  "), combo_->currentText()});
    q.setFont(11, false);
    q.printLine({QStringLiteral("Latitudine: "), centreLat_->displayText(), m.GapWide,
                 QStringLiteral("Longitudine: "), centreLon_->displayText()});
    q.printLine();
    q.printLine({m.HeaderPoint, pointName_->text()});
    q.printLine();
    if (shownTab() == 0) {
        q.setFont(11, true);
        q.printLine({frame5_->title()});
        q.setFont(11, false);
        q.printLine({QStringLiteral("Nord: "), nord_->displayText(), m.GapWide, QStringLiteral("Est: "),
                     est_->displayText()});
        q.printLine();
        q.setFont(11, true);
        q.printLine({frame7_->title()});
        q.setFont(11, false);
        q.printLine(
            {QStringLiteral("X: "), text3_->text(), m.GapWide, QStringLiteral("Y: "), text4_->text()});
    } else {
        q.setFont(11, true);
        q.printLine({frame3_->title()});
        q.setFont(11, false);
        q.printLine(
            {QStringLiteral("X: "), x_->displayText(), m.GapWide, QStringLiteral("Y: "), y_->displayText()});
        q.printLine();
        q.setFont(11, true);
        q.printLine({frame4_->title()});
        q.setFont(11, false);
        q.printLine(
            {QStringLiteral("Nord: "), text11_->text(), m.GapWide, QStringLiteral("Est: "), text12_->text()});
    }
    printBlockEnd(q);
}

// The window opens on the list of centres: the centre comes first.
QWidget* frmCatasto::initialFocus() const {
    return combo_;
}
