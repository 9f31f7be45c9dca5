#include "datum/qt/frmSistemi.h"

#include "app/Modulo1.h"
#include "app/UserGrid.h"
#include "datum/CommonPointSearch.h"
#include "geodesy/TextNumbers.h"
#include "windows/qt/CoordinateField.h"
#include "windows/qt/WindowDecorations.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

using namespace tervano;
using Moment = SystemChangePage::CaptionMoment;
using Kind = CoordinateField::Kind;

namespace {
const char* const Notice = "ATTENZIONE:          Long. da Greenwich";

// A label for the lines telling how the result was obtained: small type,
// framed, with room for three lines (two, and one wrapped) so that a result
// does not resize the window.
QLabel* MakeMethodLabel(QWidget* parent, const char* name) {
    QLabel* l = MakeDescriptionLabel(parent, QString::fromLatin1(name));
    l->setWordWrap(true);
    l->setMinimumHeight(3 * l->fontMetrics().lineSpacing() + 2 * l->margin() + 2 * l->frameWidth());
    return l;
}

QString Joined(const std::vector<std::string>& lines) {
    QStringList shown;
    for (const std::string& line : lines)
        shown << QString::fromStdString(line);
    return shown.join(QLatin1Char('\n'));
}
} // namespace

frmSistemi::frmSistemi(Modulo1& model, QWidget* mainWindow)
    : ConversionWindow(model, mainWindow, QStringLiteral("frmSistemi"),
                       QStringLiteral("Passaggio fra Sistemi")),
      geographic_(PageSettings{}, model.commonPoints), plane_(PageSettings{}, model.commonPoints) {
    // The point's name is shared by both pages (its place in the Tab order is set below).
    QLineEdit* pointName = nullptr;
    QGroupBox* frame7 = makePointNameFrame(QStringLiteral("Frame7"), QStringLiteral("Text16"), &pointName);
    sources_ = makeSystemFrame(QStringLiteral("Frame2"), QStringLiteral("Option1"));
    sources_.frame->setTitle(QStringLiteral("Sistema di partenza"));
    targets_ = makeSystemFrame(QStringLiteral("Frame4"), QStringLiteral("Option2"));
    targets_.frame->setTitle(QStringLiteral("Sistema di arrivo"));

    // The method: the common-point table, or the user's NTv2 grid with its
    // file, the system names of its header and the system its source is taken as.
    frame8_ = MakeFrame(this, "Frame8", "Metodo");
    methods_ = Named(new QButtonGroup(frame8_), "Option3");
    const std::array<const char*, 2> methodNames = {"Tabella dei punti comuni", "Grigliato NTv2"};
    for (size_t i = 0; i < 2; ++i) {
        methodOptions_[i] = new QRadioButton(QString::fromUtf8(methodNames[i]), frame8_);
        methodOptions_[i]->setObjectName(QStringLiteral("Option3_%1").arg(i));
        methods_->addButton(methodOptions_[i], int(i));
    }
    text17_ = Named(new QLineEdit(frame8_), "Text17");
    text17_->setToolTip(QStringLiteral("File del grigliato NTv2 (.gsb): Invio per caricarlo"));
    command8_ = Named(new QPushButton(QStringLiteral("Sfoglia..."), frame8_), "Command8");
    command9_ = Named(new QPushButton(QStringLiteral("Carica"), frame8_), "Command9");
    label17_ = Named(new QLabel(frame8_), "Label17");
    label17_->setTextFormat(Qt::PlainText);
    label18_ = MakeLabel(frame8_, "Label18", "Sistema di origine:");
    gridSources_ = Named(new QButtonGroup(frame8_), "Option4");
    const std::array<const char*, 2> gridSourceNames = {"ROMA40", "ED50"};
    for (size_t i = 0; i < 2; ++i) {
        gridSourceOptions_[i] = new QRadioButton(QString::fromLatin1(gridSourceNames[i]), frame8_);
        gridSourceOptions_[i]->setObjectName(QStringLiteral("Option4_%1").arg(i));
        gridSources_->addButton(gridSourceOptions_[i], int(i));
    }
    auto* methodRow = new QHBoxLayout;
    methodRow->addWidget(methodOptions_[0]);
    methodRow->addSpacing(24);
    methodRow->addWidget(methodOptions_[1]);
    methodRow->addStretch(1);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(text17_, 1);
    fileRow->addWidget(command8_);
    fileRow->addWidget(command9_);
    auto* headerRow = new QHBoxLayout;
    headerRow->addWidget(label17_, 1);
    headerRow->addWidget(label18_);
    headerRow->addWidget(gridSourceOptions_[0]);
    headerRow->addWidget(gridSourceOptions_[1]);
    auto* l8 = new QVBoxLayout(frame8_);
    l8->addLayout(methodRow);
    l8->addLayout(fileRow);
    l8->addLayout(headerRow);

    tabs_ = Named(new QTabWidget(this), "SSTab1");

    // Tab 0: latitude and longitude; the frames' captions follow the systems.
    auto* geographic = new QWidget;
    addPage(&geographic_, geographic);
    latitude_ = MakeAngleField(CoordinateField::AngleRole::Latitude, "Text5", "Text1", geographic);
    longitude_ = MakeAngleField(CoordinateField::AngleRole::Longitude, "Text6", "Text2", geographic);
    // Typed angles are shown as finely as the results: seconds to tenths,
    // minutes to thousandths, degrees and grads to five decimals.
    for (CoordinateField* f : {latitude_, longitude_}) {
        f->setFormatter([](const CoordinateField& field) {
            const std::string separator = QString(QLocale().decimalPoint()).toStdString();
            return QString::fromStdString(
                FormatTypedAngle(field.typed(), field.angleUnit(), separator, AngleDetail::Reduced));
        });
        addInputField(f);
    }
    label8_ = MakeNotice(geographic, "Label8", Notice);
    frame1_ = MakeRowFrame(geographic, "Frame1", "",
                           {{"Label1", "φ =", latitude_}, {"Label2", "λ =", longitude_}}, label8_);
    text3_ = makeResultBox(QStringLiteral("Text3"));
    text4_ = makeResultBox(QStringLiteral("Text4"));
    label5_ = MakeNotice(geographic, "Label5", Notice);
    frame3_ = MakeRowFrame(geographic, "Frame3", "", {{"Label4", "φ =", text3_}, {"Label3", "λ =", text4_}},
                           label5_);
    label20_ = MakeMethodLabel(geographic, "Label20");
    auto* g0 = new QGridLayout(geographic);
    g0->addWidget(frame1_, 0, 0);
    g0->addWidget(frame3_, 0, 1);
    g0->addWidget(label20_, 1, 0, 1, 2);
    g0->setColumnStretch(0, 1);
    g0->setColumnStretch(1, 1);

    // Tab 1: North, East and the UTM zone number.
    auto* plane = new QWidget;
    addPage(&plane_, plane);
    north_ = MakeField(Kind::Length, "Text9", "Text7", plane, "Coordinata Nord in metri");
    east_ = MakeField(Kind::Length, "Text10", "Text8", plane, "Coordinata Est in metri");
    // Typed North and East are shown, and printed, to the metre like the results.
    for (CoordinateField* f : {north_, east_})
        f->setPattern(QString::fromLatin1(Patterns::MetresWhole));
    zone_ = MakeField(Kind::Length, "Text14", "Text13", plane, "Numero del fuso UTM (32, 33 o 34)");
    zone_->setFormatter([](const CoordinateField& f) {
        return CoordinateField::format(f.value(), QString::fromLatin1(Patterns::ZoneNumber));
    });
    zone_->setFixedWidth(60);
    for (CoordinateField* f : {north_, east_, zone_})
        addInputField(f);
    frame6_ = MakeRowFrame(
        plane, "Frame6", "",
        {{"Label15", "N =", north_}, {"Label16", "E =", east_}, {"Label14", "Fuso", zone_, Qt::AlignLeft}});
    label14_ = frame6_->findChild<QLabel*>(QStringLiteral("Label14"));
    text11_ = makeResultBox(QStringLiteral("Text11"));
    text12_ = makeResultBox(QStringLiteral("Text12"));
    text15_ = makeResultBox(QStringLiteral("Text15"));
    text15_->setFixedWidth(60);
    frame5_ = MakeRowFrame(plane, "Frame5", "",
                           {{"Label12", "N =", text11_},
                            {"Label13", "E =", text12_},
                            {"Label11", "Fuso", text15_, Qt::AlignLeft}});
    label11_ = frame5_->findChild<QLabel*>(QStringLiteral("Label11"));
    label21_ = MakeMethodLabel(plane, "Label21");
    auto* g1 = new QGridLayout(plane);
    g1->addWidget(frame6_, 0, 0);
    g1->addWidget(frame5_, 0, 1);
    g1->addWidget(label21_, 1, 0, 1, 2);
    g1->setColumnStretch(0, 1);
    g1->setColumnStretch(1, 1);

    // Source and result boxes alike wide, and the third rows keeping their room
    // when hidden, so that the two frames of a tab line up whichever systems are chosen.
    for (QWidget* box : std::initializer_list<QWidget*>{latitude_, longitude_, text3_, text4_, north_, east_,
                                                        text11_, text12_})
        box->setMinimumWidth(190);
    KeepRoomWhenHidden({label8_, label5_, label14_, zone_, label11_, text15_});

    tabs_->addTab(geographic, QStringLiteral("GEOGRAFICHE"));
    tabs_->addTab(plane, QStringLiteral("PIANE"));
    setTabs(tabs_);
    QWidget::setTabOrder(text15_, pointName);

    QWidget* unitRow = makeUnitRow(QStringLiteral("Label9"), QStringLiteral("Label10"));
    label9_ = unitRow->findChild<QLabel*>(QStringLiteral("Label9"));
    label10_ = unitRow->findChild<QLabel*>(QStringLiteral("Label10"));
    QGroupBox* frame9 = MakeFrame(this, "Frame9");
    QBoxLayout* buttons = buttonPanel(true);
    buttons->addStretch(1);
    frame9->setLayout(buttons);

    auto* systems = new QHBoxLayout;
    systems->addWidget(sources_.frame, 1);
    systems->addWidget(targets_.frame, 1);
    auto* middle = new QVBoxLayout;
    middle->addLayout(systems);
    middle->addWidget(frame8_);
    middle->addWidget(tabs_);
    middle->addWidget(frame7);
    middle->addWidget(unitRow);
    middle->addStretch(1);
    auto* top = new QHBoxLayout(this);
    top->addLayout(middle, 1);
    top->addWidget(frame9, 0);

    connectChoice(sources_.group, [this](int id) { sourceChosen(id); });
    connectChoice(targets_.group, [this](int id) { targetChosen(id); });
    connectChoice(methods_, [this](int id) { methodChosen(id); });
    connectChoice(gridSources_, [this](int id) { gridSourceChosen(id); });
    connect(text17_, &QLineEdit::returnPressed, this, [this] { loadGrid(); });
    connect(command9_, &QPushButton::clicked, this, [this] { loadGrid(); });
    connect(command8_, &QPushButton::clicked, this, [this] { browseGrid(); });
    runLoad();
    tabs_->tabBar()->installEventFilter(this);
    loading_ = false;
}

SystemChangePage& frmSistemi::shownPage() {
    return pageIndex() == 1 ? static_cast<SystemChangePage&>(plane_) : geographic_;
}

const SystemChangePage& frmSistemi::shownPage() const {
    return pageIndex() == 1 ? static_cast<const SystemChangePage&>(plane_) : geographic_;
}

void frmSistemi::loadDefaults() {
    sources_.options[0]->setChecked(true);
    targets_.options[1]->setChecked(true);
    // The method and the grid as last chosen in this run.
    text17_->setText(m.gridPath);
    showGrid();
    methodOptions_[m.changeMethod == ChangeMethod::Grid ? 1 : 0]->setChecked(true);
}

void frmSistemi::showGrid() {
    gridSourceOptions_[m.gridSource == System::ED50 ? 1 : 0]->setChecked(true);
    label17_->setText(m.grid ? QStringLiteral("Da: %1  a: %2")
                                   .arg(QString::fromStdString(m.grid->sourceName),
                                        QString::fromStdString(m.grid->targetName))
                             : QStringLiteral("Nessun grigliato caricato"));
    GridChoice choice;
    choice.grid = m.grid;
    choice.fileName = m.grid ? QFileInfo(m.gridPath).fileName().toStdString() : std::string();
    choice.gridSource = m.gridSource;
    const GridChoice& now = geographic_.grid();
    if (now.grid == choice.grid && now.fileName == choice.fileName && now.gridSource == choice.gridSource)
        return;
    geographic_.setGrid(choice);
    plane_.setGrid(choice);
    invalidateResult();
    showResult();
}

void frmSistemi::methodChosen(int index) {
    const ChangeMethod method = index == 1 ? ChangeMethod::Grid : ChangeMethod::Table;
    m.changeMethod = method;
    geographic_.chooseMethod(method);
    plane_.chooseMethod(method);
    for (QWidget* w : std::initializer_list<QWidget*>{text17_, command8_, command9_, label17_, label18_,
                                                      gridSourceOptions_[0], gridSourceOptions_[1]})
        w->setEnabled(method == ChangeMethod::Grid);
    invalidateResult();
    showResult();
    // A grid remembered from an earlier run that no longer loads: said now
    // that the user asks for the grid.
    if (method == ChangeMethod::Grid && !loading_ && !m.grid && !m.gridError.isEmpty())
        showMessage({QStringLiteral("GRIGLIATO NTv2 NON DISPONIBILE:"), QString(), m.gridError},
                    MessageIcon::Exclamation);
}

void frmSistemi::loadGrid() {
    const QString path = text17_->text().trimmed();
    if (path.isEmpty()) {
        showMessage({QStringLiteral("INDICARE IL FILE DEL GRIGLIATO NTv2")}, MessageIcon::Exclamation);
        text17_->setFocus();
        return;
    }
    QString error;
    if (!LoadUserGrid(m, path, m.gridSource, error)) {
        // The reader's message names the file or the fault. The grid in use
        // stays, and the box shows its file again.
        showMessage({error}, MessageIcon::Exclamation);
        if (m.grid)
            text17_->setText(m.gridPath);
        text17_->setFocus();
        text17_->selectAll();
        return;
    }
    text17_->setText(m.gridPath);
    showGrid();
    rememberGrid();
}

void frmSistemi::rememberGrid() {
    if (!RememberUserGrid(m))
        showMessage({QStringLiteral("IMPOSSIBILE RICORDARE IL GRIGLIATO PER LE PROSSIME ESECUZIONI"),
                     QStringLiteral("IL GRIGLIATO VALE FINO ALLA CHIUSURA DEL PROGRAMMA")},
                    MessageIcon::Exclamation);
}

void frmSistemi::browseGrid() {
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Grigliato NTv2"), text17_->text(),
                                     QStringLiteral("Grigliati NTv2 (*.gsb *.GSB);;Tutti i file (*)"));
    if (path.isEmpty())
        return;
    text17_->setText(path);
    loadGrid();
}

void frmSistemi::gridSourceChosen(int index) {
    const System source = index == 1 ? System::ED50 : System::ROMA40;
    if (source == m.gridSource)
        return;
    m.gridSource = source;
    showGrid();
    if (!loading_ && m.grid)
        rememberGrid();
}

void frmSistemi::showMethodLines() {
    label20_->setText(geographic_.hasResult() ? Joined(geographic_.methodLines()) : QString());
    label21_->setText(plane_.hasResult() ? Joined(plane_.methodLines()) : QString());
}

void frmSistemi::emptyResultBoxes() {
    ConversionWindow::emptyResultBoxes();
    showMethodLines();
}

bool frmSistemi::countsFromLongitudeOrigin(const CoordinateField* field) const {
    return field == longitude_ && geographic_.source() == System::ROMA40;
}

void frmSistemi::updateGreenwichNotice() {
    label8_->setVisible(geographic_.sourceNotice());
    label5_->setVisible(geographic_.targetNotice());
}

void frmSistemi::applyCaptions(Moment moment) {
    const bool planeShown = pageIndex() == 1;
    geographic_.captionsWritten(moment, !planeShown);
    plane_.captionsWritten(moment, planeShown);
    for (size_t i = 0; i < 3; ++i) {
        const QString caption = QString::fromStdString(shownPage().optionCaption(System(i + 1)));
        sources_.options[i]->setText(caption);
        targets_.options[i]->setText(caption);
    }
    frame1_->setTitle(QString::fromStdString(geographic_.sourceCaption()));
    frame3_->setTitle(QString::fromStdString(geographic_.targetCaption()));
    frame6_->setTitle(QString::fromStdString(plane_.sourceCaption()));
    frame5_->setTitle(QString::fromStdString(plane_.targetCaption()));
    updateGreenwichNotice();
    SetVisible({label14_, zone_}, plane_.sourceHasZone());
    SetVisible({label11_, text15_}, plane_.targetHasZone());
}

void frmSistemi::sourceChosen(int index) {
    geographic_.chooseSource(System(index + 1));
    plane_.chooseSource(System(index + 1));
    for (int i = 0; i < 3; ++i)
        targets_.options[size_t(i)]->setEnabled(i != index);
    invalidateResult();
    showResult(); // the other tab's result, dropped with the change, too
    applyCaptions(Moment::Choice);
    if (pageIndex() == 1 && plane_.sourceHasZone())
        zone_->display()->setText(
            CoordinateField::format(zone_->value(), QString::fromLatin1(Patterns::ZoneNumber)));
}

void frmSistemi::targetChosen(int index) {
    geographic_.chooseTarget(System(index + 1));
    plane_.chooseTarget(System(index + 1));
    for (int i = 0; i < 3; ++i)
        sources_.options[size_t(i)]->setEnabled(i != index);
    invalidateResult();
    showResult();
    applyCaptions(Moment::Choice);
}

void frmSistemi::pageShown(int index) {
    SetVisible({label9_, label10_}, index == 0);
    applyCaptions(Moment::TabFocus);
}

bool frmSistemi::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabs_->tabBar() && event->type() == QEvent::FocusIn)
        applyCaptions(Moment::TabFocus);
    return ConversionWindow::eventFilter(watched, event);
}

CoordinateField* frmSistemi::nextField(CoordinateField* field) const {
    if (field == east_ && !plane_.sourceHasZone())
        return nullptr;
    return ConversionWindow::nextField(field);
}

void frmSistemi::clearCoordinates() {
    // Clearing leaves "INCOLLA COORDINATE" as it was.
    const bool paste = button(Button::Paste)->isEnabled();
    ConversionWindow::clearCoordinates();
    button(Button::Paste)->setEnabled(paste);
}

void frmSistemi::readInputs() {
    geographic_.setLatitude(latitude_->typedValue());
    geographic_.setLongitude(longitude_->typedValue());
    plane_.setNorth(north_->typedValue());
    plane_.setEast(east_->typedValue());
    plane_.setZoneNumber(zone_->typedValue());
}

void frmSistemi::execute() {
    readInputs();
    SystemChangePage& p = shownPage();
    const std::optional<Refusal> refused = p.execute();
    for (const std::string& notice : p.notices())
        showMessage({QString::fromStdString(notice)}, MessageIcon::Information);
    if (p.internalError() != 0) {
        m.platform.messages.show(this, QString::fromStdString(InternalErrorText(p.internalError())),
                                 MessageIcon::None);
        m.platform.process.endNow();
    } else if (refused) {
        reportRefusal(*refused);
    } else {
        acceptResult();
        showResult();
    }
}

void frmSistemi::showResult() {
    text3_->setText(QString::fromStdString(geographic_.latitudeText()));
    text4_->setText(QString::fromStdString(geographic_.longitudeText()));
    text11_->setText(QString::fromStdString(plane_.northText()));
    text12_->setText(QString::fromStdString(plane_.eastText()));
    text15_->setText(QString::fromStdString(plane_.zoneText()));
    showMethodLines();
}

void frmSistemi::copyCoordinates() {
    ConversionWindow::copyCoordinates();
    button(Button::Paste)->setEnabled(acceptsPaste(m.CopiedCoordinates));
}

void frmSistemi::showPasted() {
    // The options follow the page's systems, their handlers running as for a click.
    const SystemChangePage& p = shownPage();
    targets_.options[size_t(Code(p.target()) - 1)]->setChecked(true);
    sources_.options[size_t(Code(p.source()) - 1)]->setChecked(true);
    applyCaptions(Moment::Choice);
    if (pageIndex() == 1) {
        north_->pasteNumber(plane_.north().value);
        east_->pasteNumber(plane_.east().value);
        if (plane_.sourceHasZone())
            zone_->pasteNumber(plane_.zoneNumber().value);
    } else {
        latitude_->pasteAngle(geographic_.latitude().value);
        longitude_->pasteAngle(geographic_.longitude().value);
    }
}
