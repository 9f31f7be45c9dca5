#include "cadastre/qt/frmCatasto.h"

#include "app/Modulo1.h"
#include "geodesy/TextNumbers.h"
#include "windows/qt/CoordinateField.h"
#include "windows/qt/WindowDecorations.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTabWidget>
#include <utility>

using namespace tervano;

using Kind = CoordinateField::Kind;

namespace {

// The controls of one direction's tab.
struct DirectionNames {
    const char* tab;
    const char* frames[2]; // typed coordinates, results
    const char* boxes[6];  // edit and display of each coordinate, the two results
    const char* tips[2];
    const char* labels[4]; // of the typed coordinates, of the results
};
const DirectionNames Directions[2] = {
    {"GAUSS BOAGA - CASSINI SOLDNER",
     {"Frame5", "Frame7"},
     {"Text1", "Text7", "Text2", "Text8", "Text3", "Text4"},
     {"Coordinata Nord in metri", "Coordinata Est in metri"},
     {"N =", "E =", "X =", "Y ="}},
    {"CASSINI SOLDNER - GAUSS BOAGA",
     {"Frame3", "Frame4"},
     {"Text9", "Text13", "Text10", "Text14", "Text11", "Text12"},
     {"Coordinata X in metri", "Coordinata Y in metri"},
     {"X =", "Y =", "N =", "E ="}},
};

const Qt::Alignment BeforeBox = Qt::AlignRight | Qt::AlignVCenter;

} // namespace

frmCatasto::frmCatasto(Modulo1& model, QWidget* mainWindow)
    : ConversionWindow(model, mainWindow, QStringLiteral("frmCatasto"), QStringLiteral("Catasto")) {
    // Centre of the cadastral system, shared by both pages.
    QGroupBox* frame1 =
        MakeFrame(this, "Frame1",
                  "Coordinate del centro del Sistema Catastale riferite a Bessel (Genova) con "
                  "longitudine da Genova");
    combo_ = Named(new QComboBox(frame1), "Combo1");
    combo_->setToolTip(QStringLiteral("Selezionare una voce dall'elenco"));
    for (int i = 0; i < CentreCount; ++i)
        combo_->addItem(QString::fromStdString(CentreName(i)));
    combo_->setMaxVisibleItems(CentreCount);

    // A centre written from the page shows the page's text (a table longitude
    // after two blanks); a typed one is shown as typed values are.
    const auto centreFormatter = [this](const CoordinateField& f) {
        if (writingCentre_)
            return QString::fromStdString(&f == centreLon_ ? shownPage()->centreLongitudeShown()
                                                           : shownPage()->centreLatitudeShown());
        return QString::fromStdString(shownPage()->typedCentreText(f.typed()));
    };
    std::vector<QWidget*> tabOrder{combo_};
    const auto field = [&](Kind kind, const char* edit, const char* display, const char* tip,
                           QWidget* parent) {
        CoordinateField* f = MakeField(kind, edit, display, parent, tip);
        addInputField(f);
        tabOrder.push_back(f->edit());
        return f;
    };
    centreLat_ =
        field(Kind::FixedSexagesimal, "Text15", "Text5", "Latitudine in sessagesimali (gg.ppssdddd)", frame1);
    centreLon_ = field(Kind::FixedSexagesimal, "Text16", "Text6",
                       "Longitudine in sessagesimali (gg.ppssdddd)", frame1);
    for (CoordinateField* f : {centreLat_, centreLon_}) {
        f->setFormatter(centreFormatter);
        connect(f, &CoordinateField::displayClicked, this, [this, f] { onCentreDisplayClicked(f); });
    }
    provinces_ = MakeLabel(frame1, "Label12", "", Qt::AlignLeft | Qt::AlignTop);
    provinces_->setMinimumHeight(provinces_->fontMetrics().lineSpacing() * 8);
    // The list keeps its room while hidden: choosing a centre does not resize the window.
    KeepRoomWhenHidden({provinces_});
    QGridLayout* centreGrid = LayOutGrid(
        frame1,
        {{combo_, 0, 0, 1, 2},
         {MakeLabel(frame1, "Label7", "φ =", BeforeBox), 1, 0},
         {centreLat_, 1, 1},
         {MakeLabel(frame1, "Label10", "λ =", BeforeBox), 2, 0},
         {centreLon_, 2, 1},
         {MakeLabel(frame1, "Label14", "Unità di misura degli angoli: Sessagesimali"), 3, 0, 1, 2},
         {MakeLabel(frame1, "Label13", "Provincie interessate dal Sistema Catastale selezionato:"), 0, 2},
         {provinces_, 1, 2, 4, 1}});
    centreGrid->setColumnStretch(1, 1);
    centreGrid->setColumnStretch(2, 1);
    centreGrid->setRowStretch(4, 1);

    QGroupBox* pointFrame = makePointNameFrame(QStringLiteral("Frame2"), QStringLiteral("Text17"), nullptr);

    // The two directions, one page per tab.
    tabs_ = Named(new QTabWidget(this), "SSTab1");
    for (size_t i = 0; i < directions_.size(); ++i) {
        const DirectionNames& n = Directions[i];
        auto* tab = new QWidget;
        addPage(directions_[i], tab);
        CoordinateField* typed[2];
        for (size_t k = 0; k < 2; ++k) {
            typed[k] = field(Kind::Length, n.boxes[2 * k], n.boxes[2 * k + 1], n.tips[k], nullptr);
            typed[k]->setPattern(QString::fromUtf8(Patterns::MetresCm));
            results_[i][k] = makeResultBox(QString::fromLatin1(n.boxes[4 + k]));
        }
        SideBySide(tab,
                   {MakeRowFrame(tab, n.frames[0], directions_[i]->inputCaption(),
                                 {{"", n.labels[0], typed[0]}, {"", n.labels[1], typed[1]}}, nullptr,
                                 RowFrameLook::Plain),
                    MakeRowFrame(tab, n.frames[1], directions_[i]->resultCaption(),
                                 {{"", n.labels[2], results_[i][0]}, {"", n.labels[3], results_[i][1]}},
                                 nullptr, RowFrameLook::Plain)},
                   0);
        tabs_->addTab(tab, QString::fromLatin1(n.tab));
    }
    setTabs(tabs_);

    arrangeColumns({}, {frame1, pointFrame, tabs_});
    tabOrder.push_back(button(Button::Execute));
    for (size_t i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);

    // The centre follows the list's index however it changes (a pick, the
    // keyboard, an assistive tool), once; a pick of the user also activates
    // the entry, which hands the focus on and, when the index did not change,
    // sets the entry's centre again.
    connect(combo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        changedTo_ = index;
        onCentreSelected(index);
    });
    connect(combo_, &QComboBox::activated, this, [this](int index) {
        if (std::exchange(changedTo_, -1) != index)
            onCentreSelected(index);
        handOnFocus(index);
    });

    runLoad();
}

CadastralPage* frmCatasto::shownPage() const {
    return directions_[size_t(pageIndex())];
}

void frmCatasto::loadDefaults() {
    provinces_->hide();
    showUserDefinedEntry();
    onCentreSelected(UserDefinedCentre);
}

void frmCatasto::setProvinces(const std::string& text) {
    // Lines are kept joined by "\r"; a label breaks lines at "\n".
    provinces_->setText(QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    provinces_->setVisible(!text.empty());
}

void frmCatasto::showUserDefinedEntry() {
    const QSignalBlocker quiet(combo_);
    combo_->setCurrentIndex(UserDefinedCentre);
    changedTo_ = -1; // picking the entry now empties the centre
}

void frmCatasto::centreChanged() {
    // The results of both pages went with the centre; the shown page's copy and print too.
    if (!page()->hasResult())
        invalidateResult();
    showResult();
}

void frmCatasto::onCentreSelected(int index) {
    CentreSelection s{};
    for (CadastralPage* p : directions_)
        s = p->chooseCentre(index);
    switch (s.action) {
    case CentreSelection::Action::ClearCentre:
        // The centre values are forgotten with the boxes: nothing computes
        // with a centre the user cannot see.
        centreLat_->clear();
        centreLon_->clear();
        setProvinces({});
        centreChanged();
        break;
    case CentreSelection::Action::ShowCentre:
        setProvinces(s.provinces);
        showCentreValue(centreLat_, centre().centreLatitude);
        showCentreValue(centreLon_, centre().centreLongitude);
        centreChanged();
        break;
    case CentreSelection::Action::ShowAgain: // an index outside the list: nothing changed
        break;
    }
}

void frmCatasto::handOnFocus(int index) {
    // The user-defined entry: Enter in the list, to the latitude box. A table
    // centre: Ctrl+Enter where the focus is, to the first coordinate.
    if (index == UserDefinedCentre) {
        if (combo_->hasFocus()) {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QApplication::sendEvent(combo_, &enter);
        }
        return;
    }
    if (index < 0 || index >= CentreCount)
        return;
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != this)
        target = combo_;
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::ControlModifier, QStringLiteral("\n"));
    QApplication::sendEvent(target, &key);
}

void frmCatasto::showCentreValue(CoordinateField* field, double value) {
    // Writing the page's centre into its boxes is not the user typing it: the
    // buttons keep their state and the selection stays.
    const bool execute = button(Button::Execute)->isEnabled();
    const bool clear = button(Button::Clear)->isEnabled();
    const QScopedValueRollback<bool> writing(writingCentre_, true);
    field->edit()->setText(QString::fromStdString(PasteText(value)));
    field->commit();
    button(Button::Execute)->setEnabled(execute);
    button(Button::Clear)->setEnabled(clear);
}

void frmCatasto::fieldCommitted(CoordinateField* field) {
    if ((field != centreLat_ && field != centreLon_) || writingCentre_)
        return;
    for (CadastralPage* p : directions_) {
        if (field == centreLat_)
            p->setCentreLatitude(field->typedValue());
        else
            p->setCentreLongitude(field->typedValue());
    }
    // A typed centre is a user-defined one; the provinces of a table centre no longer apply.
    showUserDefinedEntry();
    setProvinces({});
    centreChanged();
}

void frmCatasto::onCentreDisplayClicked(CoordinateField* field) {
    // The whole centre is typed again: its values go with its boxes.
    showUserDefinedEntry();
    onCentreSelected(UserDefinedCentre);
    field->showEdit(true);
}

CoordinateField* frmCatasto::nextField(CoordinateField* field) const {
    if (field == centreLat_)
        return centreLon_;
    if (field == centreLon_)
        return pageFields().front();
    return ConversionWindow::nextField(field);
}

bool frmCatasto::eventFilter(QObject* watched, QEvent* event) {
    if (watched == combo_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ControlModifier)
                pageFields().front()->showEdit(true);
            else
                centreLat_->showEdit(true);
            return true;
        }
    }
    return ConversionWindow::eventFilter(watched, event);
}

void frmCatasto::readInputs() {
    // A box never left (or emptied by "CANCELLA COORDINATE") is read now, so
    // that the computation uses what the boxes show.
    const std::vector<CoordinateField*>& fields = pageFields();
    for (CoordinateField* f : fields)
        if (f->editing())
            f->commit();
    shownPage()->setFirst(fields[0]->typedValue());
    shownPage()->setSecond(fields[1]->typedValue());
}

CoordinateField* frmCatasto::fieldForInput(int input) const {
    if (input == CentreLatitudeInput)
        return centreLat_;
    if (input == CentreLongitudeInput)
        return centreLon_;
    return ConversionWindow::fieldForInput(input - FirstCoordinateInput + 1);
}

void frmCatasto::showResult() {
    // Both pages: a centre change empties the other tab's results too.
    for (size_t i = 0; i < directions_.size(); ++i) {
        const std::array<std::string, 2> texts = directions_[i]->resultTexts();
        for (size_t k = 0; k < 2; ++k)
            results_[i][k]->setText(QString::fromStdString(texts[k]));
    }
}

void frmCatasto::showPasted() {
    const std::vector<CoordinateField*>& fields = pageFields();
    fields[0]->pasteNumber(shownPage()->first().value);
    fields[1]->pasteNumber(shownPage()->second().value);
}

// The window opens on the list of centres: the centre comes first.
QWidget* frmCatasto::initialFocus() const {
    return combo_;
}
