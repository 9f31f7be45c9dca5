#include "files/qt/frmConversioneFile.h"

#include "app/Modulo1.h"
#include "app/WindowPlacement.h"
#include "files/DelimitedText.h"
#include "geodesy/PlaneConversions.h"
#include "geodesy/TextNumbers.h"

#include <QApplication>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <algorithm>
#include <cstdio>

using namespace tervano;
using namespace tervano::files;

namespace {

// The lines and bytes of the input the preview reads at most.
constexpr int PreviewLines = 20;
constexpr qint64 PreviewBytes = 64 * 1024;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

template <class W> W* Named(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

// What the user reads in the list of conversions.
QString ConversionCaption(Conversion c) {
    switch (c) {
    case Conversion::GeoToPlane:
        return QStringLiteral("Geografiche - Piane");
    case Conversion::PlaneToGeo:
        return QStringLiteral("Piane - Geografiche");
    case Conversion::GeoToCartesian:
        return QStringLiteral("Geografiche - Cartesiane");
    case Conversion::CartesianToGeo:
        return QStringLiteral("Cartesiane - Geografiche");
    case Conversion::SingleZoneGeoToPlane:
        return QStringLiteral("Fuso Unico: Geografiche - Piane");
    case Conversion::SingleZonePlaneToGeo:
        return QStringLiteral("Fuso Unico: Piane - Geografiche");
    case Conversion::SystemChangeGeographic:
        return QStringLiteral("Passaggio fra Sistemi: coordinate geografiche");
    case Conversion::SystemChangePlane:
        return QStringLiteral("Passaggio fra Sistemi: coordinate piane");
    case Conversion::CadastreToGaussBoaga:
        return QStringLiteral("Catasto: Cassini-Soldner - Gauss-Boaga");
    case Conversion::GaussBoagaToCadastre:
        return QStringLiteral("Catasto: Gauss-Boaga - Cassini-Soldner");
    }
    return QString::fromLatin1(ConversionName(c));
}

// The choices each conversion takes, hence the frames it shows.
struct Takes {
    bool system = true, zone = false, axis = false, singleZone = false, target = false, centre = false;
    bool method = false;
};
Takes TakesOf(Conversion c) {
    Takes t;
    switch (c) {
    case Conversion::GeoToPlane:
        t.zone = true;
        break;
    case Conversion::GeoToCartesian:
    case Conversion::CartesianToGeo:
        t.axis = true;
        break;
    case Conversion::SingleZoneGeoToPlane:
    case Conversion::SingleZonePlaneToGeo:
        t.singleZone = true;
        break;
    case Conversion::SystemChangeGeographic:
    case Conversion::SystemChangePlane:
        t.target = true;
        t.method = true;
        break;
    case Conversion::CadastreToGaussBoaga:
    case Conversion::GaussBoagaToCadastre:
        t.system = false;
        t.centre = true;
        break;
    default:
        break;
    }
    return t;
}

constexpr PlaneZone Zones[5] = {PlaneZone::UTM32, PlaneZone::UTM33, PlaneZone::UTM34, PlaneZone::GBOvest,
                                PlaneZone::GBEst};
constexpr const char* SystemNames[3] = {"roma40", "ed50", "wgs84"};

QString DelimiterCaption(Delimiter d) {
    switch (d) {
    case Delimiter::Tab:
        return QStringLiteral("tabulazione");
    case Delimiter::Semicolon:
        return QStringLiteral("punto e virgola");
    case Delimiter::Comma:
        return QStringLiteral("virgola");
    case Delimiter::Blanks:
        return QStringLiteral("spazi");
    }
    return {};
}

} // namespace

// What the worker hands back at the end of a run.
struct frmConversioneFile::Outcome {
    RunOutcome run;
    std::vector<RefusedRow> refused; // the first RefusedListed
    std::string commitError;
};

// Runs on the worker thread: keeps the refused rows, posts the progress to
// the window and answers whether "ANNULLA" was pressed.
class frmConversioneFile::Observer : public RunObserver {
public:
    Observer(frmConversioneFile* window, std::atomic<bool>& cancel, std::function<void(std::uint64_t)> hook,
             qint64 size, Outcome& outcome)
        : window_(window), cancel_(cancel), hook_(std::move(hook)), size_(size), outcome_(outcome) {}

    void refused(const RefusedRow& r) override {
        if (outcome_.refused.size() < size_t(RefusedListed))
            outcome_.refused.push_back(r);
    }
    void progress(std::uint64_t bytes, std::uint64_t) override {
        const int percent = size_ > 0 ? int(100.0 * double(bytes) / double(size_)) : 0;
        if (percent != last_) {
            last_ = percent;
            frmConversioneFile* w = window_;
            QMetaObject::invokeMethod(
                w, [w, percent] { w->showProgress(percent); }, Qt::QueuedConnection);
        }
        if (hook_)
            hook_(bytes);
    }
    bool cancelled() override { return cancel_.load(); }

private:
    frmConversioneFile* window_;
    std::atomic<bool>& cancel_;
    std::function<void(std::uint64_t)> hook_;
    qint64 size_;
    Outcome& outcome_;
    int last_ = -1;
};

frmConversioneFile::frmConversioneFile(Modulo1& model, QWidget* mainWindow)
    : QWidget(nullptr), m(model), mainWindow_(mainWindow), conversions_(AllConversions()) {
    setObjectName(QStringLiteral("frmConversioneFile"));
    setWindowTitle(QStringLiteral("Conversione di file"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (m.commonPointsLoaded)
        commonPoints_ = std::make_shared<const CommonPointTable>(m.commonPoints);

    // Input file and its preview.
    auto* inputFrame =
        Named(new QGroupBox(QStringLiteral("File di ingresso"), this), QStringLiteral("Frame1"));
    input_ = Named(new QLineEdit(inputFrame), QStringLiteral("FileIngresso"));
    input_->setToolTip(QStringLiteral("File di testo delimitato con un punto per riga"));
    browseInput_ =
        Named(new QPushButton(QStringLiteral("Sfoglia..."), inputFrame), QStringLiteral("Sfoglia1"));
    delimiter_ = Named(new QComboBox(inputFrame), QStringLiteral("Delimitatore"));
    delimiter_->addItem(QStringLiteral("rilevato dal file"));
    for (Delimiter d : {Delimiter::Tab, Delimiter::Semicolon, Delimiter::Comma, Delimiter::Blanks})
        delimiter_->addItem(DelimiterCaption(d), int(d));
    format_ = Named(new QLabel(inputFrame), QStringLiteral("LabelFormato"));
    preview_ = Named(new QTableWidget(inputFrame), QStringLiteral("Anteprima"));
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->setSelectionMode(QAbstractItemView::NoSelection);
    preview_->setFocusPolicy(Qt::NoFocus);
    preview_->setMinimumSize(520, 150);
    preview_->horizontalHeader()->setStretchLastSection(true);
    preview_->setToolTip(QStringLiteral("Le prime righe del file come vengono lette"));
    auto* g1 = new QGridLayout(inputFrame);
    g1->addWidget(input_, 0, 0, 1, 3);
    g1->addWidget(browseInput_, 0, 3);
    g1->addWidget(new QLabel(QStringLiteral("Delimitatore:"), inputFrame), 1, 0);
    g1->addWidget(delimiter_, 1, 1);
    g1->addWidget(format_, 1, 2, 1, 2);
    g1->addWidget(preview_, 2, 0, 1, 4);
    g1->setColumnStretch(2, 1);

    // The conversion and its choices.
    options_ = new QWidget(this);
    auto* conversionFrame =
        Named(new QGroupBox(QStringLiteral("Conversione"), options_), QStringLiteral("Frame2"));
    conversionBox_ = Named(new QComboBox(conversionFrame), QStringLiteral("Conversione"));
    for (Conversion c : conversions_)
        conversionBox_->addItem(ConversionCaption(c), QString::fromLatin1(ConversionName(c)));
    conversionState_ = Named(new QLabel(conversionFrame), QStringLiteral("LabelConversione"));
    conversionState_->setWordWrap(true);
    conversionState_->setStyleSheet(QStringLiteral("color: #b00000;"));
    auto* l2 = new QVBoxLayout(conversionFrame);
    l2->addWidget(conversionBox_);
    l2->addWidget(conversionState_);

    QStringList systems;
    for (int i = 1; i <= 3; ++i)
        systems << QString::fromUtf8(SystemCaption(i));
    systemFrame_ =
        makeOptionFrame(QStringLiteral("Frame3"), QStringLiteral("Sistema Geodetico di riferimento"),
                        QStringLiteral("Option1"), systems, &system_);

    zoneFrame_ = makeOptionFrame(
        QStringLiteral("Frame4"), QStringLiteral("Scelta del fuso"), QStringLiteral("Option2"),
        {QStringLiteral("Coordinate piane nel fuso di appartenenza"), QStringLiteral("Scelta del fuso")},
        &zoneChoice_);
    zone_ = Named(new QButtonGroup(zoneFrame_), QStringLiteral("Option3"));
    auto* zoneRow = new QHBoxLayout;
    const char* const zoneNames[5] = {"32", "33", "34", "Ovest", "Est"};
    for (int i = 0; i < 5; ++i) {
        auto* b = Named(new QRadioButton(QString::fromLatin1(zoneNames[i]), zoneFrame_),
                        QStringLiteral("Option3_%1").arg(i));
        zone_->addButton(b, i);
        zoneRow->addWidget(b);
    }
    zoneRow->addStretch(1);
    static_cast<QBoxLayout*>(zoneFrame_->layout())->addLayout(zoneRow);

    QStringList units;
    for (int u = 1; u <= 4; ++u)
        units << QString::fromUtf8(AngleUnitName(u));
    unitFrame_ = makeOptionFrame(QStringLiteral("Frame5"), QStringLiteral("Unità di misura degli angoli"),
                                 QStringLiteral("Option4"), units, &unit_);
    originFrame_ =
        makeOptionFrame(QStringLiteral("Frame6"), QStringLiteral("Origine delle longitudini ROMA40"),
                        QStringLiteral("Option5"),
                        {QStringLiteral("Monte Mario"), QStringLiteral("Greenwich")}, &origin_, false);
    axisFrame_ = makeOptionFrame(QStringLiteral("Frame7"), QStringLiteral("Posizione del piano XZ"),
                                 QStringLiteral("Option6"),
                                 {QStringLiteral("Asse X passante per il meridiano di Roma M. Mario"),
                                  QStringLiteral("Asse X passante per il meridiano di Greenwich")},
                                 &axis_);
    targetFrame_ = makeOptionFrame(QStringLiteral("Frame8"), QStringLiteral("Sistema di arrivo"),
                                   QStringLiteral("Option7"), systems, &target_);

    singleZoneFrame_ = Named(new QGroupBox(QStringLiteral("Fuso Unico"), options_), QStringLiteral("Frame9"));
    meridian_ = Named(new QLineEdit(singleZoneFrame_), QStringLiteral("Meridiano"));
    meridian_->setToolTip(QStringLiteral("Meridiano centrale del fuso, nella notazione scelta"));
    falseEast_ = Named(new QLineEdit(singleZoneFrame_), QStringLiteral("FalsoEst"));
    falseEast_->setToolTip(QStringLiteral("Falsa origine Est del merid. centrale in metri"));
    scale_ = Named(new QLineEdit(singleZoneFrame_), QStringLiteral("Scala"));
    scale_->setToolTip(QStringLiteral("Fattore di deformazione lineare sul merid. centrale"));
    auto* g9 = new QGridLayout(singleZoneFrame_);
    g9->addWidget(new QLabel(QStringLiteral("Meridiano centrale ="), singleZoneFrame_), 0, 0);
    g9->addWidget(meridian_, 0, 1);
    g9->addWidget(new QLabel(QStringLiteral("Falsa origine Est ="), singleZoneFrame_), 1, 0);
    g9->addWidget(falseEast_, 1, 1);
    g9->addWidget(new QLabel(QStringLiteral("Fattore di scala ="), singleZoneFrame_), 2, 0);
    g9->addWidget(scale_, 2, 1);

    // The method of the change of system: the table, or the grid the user
    // loaded in the change-of-system window (the grid of the run).
    methodFrame_ = makeOptionFrame(
        QStringLiteral("Frame13"), QStringLiteral("Metodo"), QStringLiteral("Option8"),
        {QStringLiteral("Tabella dei punti comuni"), QStringLiteral("Grigliato NTv2")}, &method_);
    gridName_ = Named(new QLabel(methodFrame_), QStringLiteral("LabelGrigliato"));
    gridName_->setWordWrap(true);
    gridName_->setTextFormat(Qt::PlainText);
    gridName_->setText(m.grid ? QStringLiteral("File: %1").arg(QFileInfo(m.gridPath).fileName())
                              : QStringLiteral("Nessun grigliato caricato: si sceglie nella finestra "
                                               "Passaggio fra Sistemi"));
    methodFrame_->layout()->addWidget(gridName_);

    centreFrame_ =
        Named(new QGroupBox(QStringLiteral("Centro di emanazione"), options_), QStringLiteral("Frame10"));
    centre_ = Named(new QLineEdit(centreFrame_), QStringLiteral("Centro"));
    centre_->setToolTip(
        QStringLiteral("Nome o numero del centro nella tabella, oppure latitudine,longitudine"));
    auto* l10 = new QVBoxLayout(centreFrame_);
    l10->addWidget(centre_);

    auto* optionsLayout = new QVBoxLayout(options_);
    optionsLayout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : {static_cast<QWidget*>(conversionFrame), static_cast<QWidget*>(systemFrame_),
                       static_cast<QWidget*>(zoneFrame_), static_cast<QWidget*>(axisFrame_),
                       static_cast<QWidget*>(singleZoneFrame_), static_cast<QWidget*>(targetFrame_),
                       static_cast<QWidget*>(methodFrame_), static_cast<QWidget*>(centreFrame_),
                       static_cast<QWidget*>(unitFrame_), static_cast<QWidget*>(originFrame_)})
        optionsLayout->addWidget(w);
    optionsLayout->addStretch(1);

    // Output file, progress and outcome.
    auto* outputFrame =
        Named(new QGroupBox(QStringLiteral("File di uscita"), this), QStringLiteral("Frame11"));
    output_ = Named(new QLineEdit(outputFrame), QStringLiteral("FileUscita"));
    output_->setToolTip(QStringLiteral("File in cui scrivere i punti convertiti"));
    browseOutput_ =
        Named(new QPushButton(QStringLiteral("Sfoglia..."), outputFrame), QStringLiteral("Sfoglia2"));
    auto* l11 = new QHBoxLayout(outputFrame);
    l11->addWidget(output_, 1);
    l11->addWidget(browseOutput_);

    auto* runFrame =
        Named(new QGroupBox(QStringLiteral("Esito della conversione"), this), QStringLiteral("Frame12"));
    progress_ = Named(new QProgressBar(runFrame), QStringLiteral("ProgressBar1"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    summary_ = Named(new QLabel(runFrame), QStringLiteral("LabelRiepilogo"));
    summary_->setWordWrap(true);
    refused_ = Named(new QTableWidget(0, 2, runFrame), QStringLiteral("Rifiutate"));
    refused_->setHorizontalHeaderLabels({QStringLiteral("Riga"), QStringLiteral("Esito")});
    refused_->verticalHeader()->setVisible(false);
    refused_->horizontalHeader()->setStretchLastSection(true);
    refused_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    refused_->setMinimumHeight(120);
    refused_->setToolTip(QStringLiteral("Le righe non convertite, con il loro messaggio"));
    auto* l12 = new QVBoxLayout(runFrame);
    l12->addWidget(progress_);
    l12->addWidget(summary_);
    l12->addWidget(refused_, 1);

    execute_ = Named(new QPushButton(QStringLiteral("ESEGUI"), this), QStringLiteral("Command1"));
    cancel_ = Named(new QPushButton(QStringLiteral("ANNULLA"), this), QStringLiteral("Command2"));
    exit_ = Named(new QPushButton(QStringLiteral("ESCI"), this), QStringLiteral("Command3"));
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {execute_, cancel_, exit_}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("ANNULLA")) +
                           8 * b->fontMetrics().averageCharWidth());
        buttons->addWidget(b);
    }
    buttons->addStretch(1);

    auto* files = new QVBoxLayout;
    files->addWidget(inputFrame, 3);
    files->addWidget(outputFrame, 0);
    files->addWidget(runFrame, 2);
    auto* top = new QHBoxLayout(this);
    top->addWidget(options_, 0);
    top->addLayout(files, 1);
    top->addLayout(buttons, 0);

    // Defaults: ROMA40, the zone of membership, the notation and longitude origin of the settings.
    system_->button(0)->setChecked(true);
    zoneChoice_->button(0)->setChecked(true);
    unit_->button(m.AngleUnit >= 1 && m.AngleUnit <= 4 ? m.AngleUnit - 1 : 0)->setChecked(true);
    origin_->button(m.LongitudeOrigin == 2 ? 1 : 0)->setChecked(true);
    axis_->button(0)->setChecked(true);
    target_->button(2)->setChecked(true);
    method_->button(m.changeMethod == ChangeMethod::Grid ? 1 : 0)->setChecked(true);
    conversionBox_->setCurrentIndex(0);

    connect(conversionBox_, &QComboBox::currentIndexChanged, this, [this] { conversionChanged(); });
    connect(system_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            systemChanged();
    });
    connect(method_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (!on)
            return;
        // The method chosen last, in this window or the change-of-system one.
        m.changeMethod = id == 1 ? ChangeMethod::Grid : ChangeMethod::Table;
        optionsChanged();
    });
    for (QButtonGroup* g : {zoneChoice_, zone_, unit_, origin_, axis_, target_})
        connect(g, &QButtonGroup::idToggled, this, [this](int, bool on) {
            if (on)
                optionsChanged();
        });
    for (QLineEdit* e : {meridian_, falseEast_, scale_, centre_})
        connect(e, &QLineEdit::textChanged, this, [this] { optionsChanged(); });
    connect(input_, &QLineEdit::textChanged, this, [this] { refreshPreview(); });
    connect(delimiter_, &QComboBox::currentIndexChanged, this, [this] { refreshPreview(); });
    connect(browseInput_, &QPushButton::clicked, this, &frmConversioneFile::browseInput);
    connect(browseOutput_, &QPushButton::clicked, this, &frmConversioneFile::browseOutput);
    connect(execute_, &QPushButton::clicked, this, &frmConversioneFile::startRun);
    connect(cancel_, &QPushButton::clicked, this, &frmConversioneFile::cancelRun);
    connect(exit_, &QPushButton::clicked, this, &QWidget::close);

    conversionChanged();
    setRunning(false);
    PlaceOver(this, mainWindow_);
    // Wider and taller than the main window: kept on its screen.
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(std::max(area.left(), std::min(x(), area.right() - width())),
             std::max(area.top(), std::min(y(), area.bottom() - height())));
    }
    if (mainWindow_)
        mainWindow_->setEnabled(false);
}

frmConversioneFile::~frmConversioneFile() {
    stopWorker();
    if (!unloaded_ && mainWindow_)
        mainWindow_->setEnabled(true);
}

QGroupBox* frmConversioneFile::makeOptionFrame(const QString& name, const QString& title,
                                               const QString& group, const QStringList& captions,
                                               QButtonGroup** buttons, bool vertical) {
    auto* frame = Named(new QGroupBox(title, options_), name);
    *buttons = Named(new QButtonGroup(frame), group);
    QBoxLayout* l = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(frame)) : new QHBoxLayout(frame);
    for (int i = 0; i < captions.size(); ++i) {
        auto* b = Named(new QRadioButton(captions[i], frame), QStringLiteral("%1_%2").arg(group).arg(i));
        (*buttons)->addButton(b, i);
        l->addWidget(b);
    }
    if (!vertical)
        l->addStretch(1);
    return frame;
}

Conversion frmConversioneFile::conversion() const {
    const int i = conversionBox_->currentIndex();
    return i >= 0 && size_t(i) < conversions_.size() ? conversions_[size_t(i)] : Conversion::GeoToPlane;
}

ConversionOptions frmConversioneFile::options() const {
    ConversionOptions o;
    o.conversion = conversion();
    const Takes takes = TakesOf(o.conversion);
    o.system = static_cast<System>(system_->checkedId() + 1);
    if (takes.zone && zoneChoice_->checkedId() == 1 && zone_->checkedId() >= 0)
        o.zone = Zones[zone_->checkedId()];
    o.angleUnit = unit_->checkedId() + 1;
    o.longitudeOrigin = origin_->checkedId() + 1;
    if (takes.axis)
        o.xAxis = axis_->checkedId() == 1 ? "greenwich" : "montemario";
    if (takes.singleZone) {
        o.meridian = meridian_->text().trimmed().toStdString();
        o.falseEast = falseEast_->text().trimmed().toStdString();
        o.scale = scale_->text().trimmed().toStdString();
    }
    if (takes.target)
        o.targetSystem = SystemNames[target_->checkedId() >= 0 ? target_->checkedId() : 2];
    if (takes.centre)
        o.centre = centre_->text().trimmed().toStdString();
    o.commonPoints = commonPoints_;
    if (takes.method && method_->checkedId() == 1 && m.grid) {
        o.gridPath = QFile::encodeName(m.gridPath).toStdString();
        o.gridSystem = m.gridSource == System::ED50 ? "ed50" : "roma40";
        o.grid = m.grid;
    }
    return o;
}

std::unique_ptr<RowConverter> frmConversioneFile::makeConverter(std::string& error) const {
    if (TakesOf(conversion()).method && method_->checkedId() == 1 && !m.grid) {
        error = "Nessun grigliato NTv2 caricato: si sceglie nella finestra Passaggio fra Sistemi";
        return nullptr;
    }
    return MakeRowConverter(options(), error);
}

FileLayout frmConversioneFile::layout() const {
    FileLayout l;
    const QVariant d = delimiter_->currentData();
    if (d.isValid())
        l.delimiter = static_cast<Delimiter>(d.toInt());
    return l;
}

void frmConversioneFile::conversionChanged() {
    const Takes t = TakesOf(conversion());
    systemFrame_->setVisible(t.system);
    zoneFrame_->setVisible(t.zone);
    axisFrame_->setVisible(t.axis);
    singleZoneFrame_->setVisible(t.singleZone);
    targetFrame_->setVisible(t.target);
    centreFrame_->setVisible(t.centre);
    methodFrame_->setVisible(t.method);
    systemChanged();
}

void frmConversioneFile::systemChanged() {
    // The zones of the chosen system: Ovest and Est for ROMA40, 32 to 34 for the others.
    const bool roma40 = system_->checkedId() == 0;
    for (int i = 0; i < 5; ++i)
        zone_->button(i)->setEnabled((i >= 3) == roma40);
    const int checked = zone_->checkedId();
    if (checked < 0 || (checked >= 3) != roma40)
        zone_->button(roma40 ? 3 : 0)->setChecked(true);
    optionsChanged();
}

void frmConversioneFile::optionsChanged() {
    const bool byHand = zoneChoice_->checkedId() == 1;
    for (QAbstractButton* b : zone_->buttons())
        b->setVisible(byHand);
    std::string error;
    const bool available = makeConverter(error) != nullptr;
    conversionState_->setText(available ? QString() : Q(error));
    conversionState_->setVisible(!available);
    refreshPreview();
}

void frmConversioneFile::refreshPreview() {
    preview_->clear();
    preview_->setRowCount(0);
    preview_->setColumnCount(0);
    format_->clear();
    const QString path = input_->text().trimmed();
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        format_->setText(QStringLiteral("File non leggibile"));
        return;
    }
    const QByteArray head = file.read(PreviewBytes);
    const bool whole = file.atEnd();
    std::vector<std::string> lines;
    qsizetype start = head.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (start < head.size() && int(lines.size()) < PreviewLines) {
        qsizetype end = head.indexOf('\n', start);
        if (end < 0) {
            if (!whole)
                break; // a line cut by the preview's limit
            end = head.size();
        }
        QByteArray line = head.mid(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.push_back(line.toStdString());
        start = end + 1;
    }
    std::vector<std::string_view> views(lines.begin(), lines.end());

    std::string error;
    const std::unique_ptr<RowConverter> converter = makeConverter(error);
    const std::vector<InputRole> roles =
        converter
            ? converter->inputs()
            : std::vector<InputRole>{{"latitudine", FieldKind::Angle}, {"longitudine", FieldKind::Angle}};
    const FileLayout fileLayout = layout();
    const DetectedLayout detected = DetectLayout(views, fileLayout, roles.size());
    const std::vector<int> columns = CoordinateColumns(fileLayout, roles.size());

    std::vector<Field> fields;
    std::vector<std::vector<Field>> rows;
    QStringList lineNumbers;
    std::vector<Field> header;
    size_t widest = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (IsBlankLine(views[i]) || IsCommentLine(views[i]))
            continue;
        SplitLine(views[i], detected.delimiter, fields);
        widest = std::max(widest, fields.size());
        if (detected.headerIndex && *detected.headerIndex == i) {
            header = fields;
            continue;
        }
        rows.push_back(fields);
        lineNumbers << QString::number(i + 1);
    }
    QStringList labels;
    for (size_t c = 0; c < widest; ++c) {
        QString label = c < header.size() ? Q(header[c].value) : QStringLiteral("Colonna %1").arg(c + 1);
        const int column = int(c) + 1;
        if (column == fileLayout.nameColumn)
            label += QStringLiteral("\n(nome)");
        for (size_t r = 0; r < columns.size(); ++r)
            if (columns[r] == column && r < roles.size())
                label += QStringLiteral("\n(%1)").arg(Q(roles[r].name));
        labels << label;
    }
    preview_->setColumnCount(int(widest));
    preview_->setRowCount(int(rows.size()));
    preview_->setHorizontalHeaderLabels(labels);
    preview_->setVerticalHeaderLabels(lineNumbers);
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            preview_->setItem(int(r), int(c), new QTableWidgetItem(Q(rows[r][c].value)));
    preview_->resizeColumnsToContents();
    format_->setText(QStringLiteral("Letto come: %1, %2")
                         .arg(DelimiterCaption(detected.delimiter),
                              detected.headerIndex ? QStringLiteral("con intestazione")
                                                   : QStringLiteral("senza intestazione")));
}

void frmConversioneFile::message(const QStringList& lines) {
    m.platform.messages.show(this, lines.join(QLatin1Char('\r')), MessageIcon::Stop);
}

void frmConversioneFile::startRun() {
    if (running_)
        return;
    const QString inPath = input_->text().trimmed();
    const QString outPath = output_->text().trimmed();
    if (inPath.isEmpty()) {
        message({QStringLiteral("INDICARE IL FILE DI INGRESSO")});
        input_->setFocus();
        return;
    }
    if (outPath.isEmpty()) {
        message({QStringLiteral("INDICARE IL FILE DI USCITA")});
        output_->setFocus();
        return;
    }
    std::string error;
    std::unique_ptr<RowConverter> converter = makeConverter(error);
    if (!converter) {
        message({QStringLiteral("CONVERSIONE NON DISPONIBILE"), Q(error).toUpper()});
        return;
    }
    const std::string in = QFile::encodeName(inPath).toStdString();
    const std::string out = QFile::encodeName(outPath).toStdString();
    if (QFileInfo(inPath).absoluteFilePath() == QFileInfo(outPath).absoluteFilePath() || SameFile(in, out)) {
        message({QStringLiteral("IL FILE DI USCITA NON PUO' ESSERE"), QStringLiteral("IL FILE DI INGRESSO")});
        output_->setFocus();
        return;
    }
    if (QFileInfo::exists(outPath) &&
        m.platform.messages.show(this, QStringLiteral("IL FILE DI USCITA ESISTE GIA',\rSOSTITUIRLO ?"),
                                 MessageIcon::Exclamation, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    std::FILE* input = QFileInfo(inPath).isFile() ? std::fopen(in.c_str(), "rb") : nullptr;
    if (input == nullptr) {
        message({QStringLiteral("IMPOSSIBILE APRIRE IL FILE DI INGRESSO"), inPath});
        input_->setFocus();
        return;
    }
    auto output = std::make_shared<OutputFile>();
    if (!output->open(out, error)) {
        std::fclose(input);
        message({QStringLiteral("IMPOSSIBILE SCRIVERE IL FILE DI USCITA"), Q(error)});
        output_->setFocus();
        return;
    }

    const qint64 size = QFileInfo(inPath).size();
    const FileLayout fileLayout = layout();
    refused_->setRowCount(0);
    summary_->clear();
    progress_->setValue(0);
    cancelRequested_ = false;
    setRunning(true);
    std::shared_ptr<const RowConverter> shared(std::move(converter));
    worker_ = std::thread([this, input, output, shared, fileLayout, size, hook = progressHook_] {
        auto outcome = std::make_shared<Outcome>();
        Observer observer(this, cancelRequested_, hook, size, *outcome);
        outcome->run = ConvertStream(input, output->stream(), *shared, fileLayout, observer);
        std::fclose(input);
        if (!outcome->run.error.empty() || outcome->run.cancelled)
            output->discard();
        else if (!output->commit(outcome->commitError))
            output->discard();
        QMetaObject::invokeMethod(
            this, [this, outcome] { finishRun(outcome); }, Qt::QueuedConnection);
    });
}

void frmConversioneFile::cancelRun() {
    if (running_)
        cancelRequested_ = true;
}

void frmConversioneFile::waitForRun() {
    while (running_)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void frmConversioneFile::showProgress(int percent) {
    if (running_)
        progress_->setValue(std::clamp(percent, 0, 100));
}

void frmConversioneFile::stopWorker() {
    cancelRequested_ = true;
    if (worker_.joinable())
        worker_.join();
}

void frmConversioneFile::finishRun(const std::shared_ptr<Outcome>& outcome) {
    if (worker_.joinable())
        worker_.join();
    setRunning(false);
    if (unloaded_)
        return;
    const RunSummary& s = outcome->run.summary;
    const QString counts = QStringLiteral("Righe lette: %1, convertite: %2, rifiutate: %3")
                               .arg(s.read)
                               .arg(s.converted)
                               .arg(s.refused);
    const std::string& error = !outcome->run.error.empty() ? outcome->run.error : outcome->commitError;
    if (outcome->run.cancelled) {
        summary_->setText(QStringLiteral("Conversione annullata: nessun file scritto."));
    } else if (!error.empty()) {
        summary_->setText(QStringLiteral("Conversione non riuscita: nessun file scritto."));
    } else {
        progress_->setValue(100);
        QString text = counts;
        if (s.refused > std::uint64_t(outcome->refused.size()))
            text += QStringLiteral(" (elencate le prime %1)").arg(outcome->refused.size());
        summary_->setText(text);
        refused_->setRowCount(int(outcome->refused.size()));
        for (size_t i = 0; i < outcome->refused.size(); ++i) {
            auto* line = new QTableWidgetItem(QString::number(outcome->refused[i].line));
            line->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            refused_->setItem(int(i), 0, line);
            refused_->setItem(int(i), 1, new QTableWidgetItem(Q(outcome->refused[i].status)));
        }
        refused_->resizeColumnToContents(0);
    }
    if (!error.empty())
        message({QStringLiteral("CONVERSIONE NON RIUSCITA"), Q(error)});
    emit runFinished();
}

void frmConversioneFile::setRunning(bool running) {
    running_ = running;
    options_->setEnabled(!running);
    for (QWidget* w :
         {static_cast<QWidget*>(input_), static_cast<QWidget*>(output_), static_cast<QWidget*>(browseInput_),
          static_cast<QWidget*>(browseOutput_), static_cast<QWidget*>(delimiter_),
          static_cast<QWidget*>(execute_), static_cast<QWidget*>(exit_)})
        w->setEnabled(!running);
    cancel_->setEnabled(running);
}

void frmConversioneFile::browseInput() {
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("File di ingresso"), input_->text(),
                                     QStringLiteral("File di testo (*.txt *.csv *.tsv *.dat);;"
                                                    "Tutti i file (*)"));
    if (path.isEmpty())
        return;
    input_->setText(path);
    if (output_->text().trimmed().isEmpty()) {
        const QFileInfo info(path);
        const QString suffix = info.suffix().isEmpty() ? QString() : QStringLiteral(".") + info.suffix();
        output_->setText(
            info.dir().filePath(info.completeBaseName() + QStringLiteral("_convertito") + suffix));
    }
}

void frmConversioneFile::browseOutput() {
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("File di uscita"), output_->text(),
                                     QStringLiteral("File di testo (*.txt *.csv *.tsv *.dat);;"
                                                    "Tutti i file (*)"));
    if (!path.isEmpty())
        output_->setText(path);
}

void frmConversioneFile::closeEvent(QCloseEvent* event) {
    // Closing during a run stops it after the block being converted; the
    // worker discards the output with its temporary file, and the window,
    // deleted once closed, waits for it.
    cancelRequested_ = true;
    if (!unloaded_) {
        unloaded_ = true;
        if (mainWindow_)
            mainWindow_->setEnabled(true);
    }
    event->accept();
}
