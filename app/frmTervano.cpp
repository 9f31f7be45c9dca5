#include "app/frmTervano.h"

#include "app/Artwork.h"
#include "app/Fonts.h"
#include "app/Modulo1.h"
#include "app/Startup.h"
#include "app/WindowPlacement.h"
#include "app/WindowRegistry.h"
#include "app/frmImpostazioni.h"
#include "app/frmInfo.h"
#include "files/qt/frmConversioneFile.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace {

struct ConversionEntry {
    const char* item;
    const char* caption;
    const char* window;
};

} // namespace

frmTervano::frmTervano(Modulo1& m, QWidget* parent) : QMainWindow(parent), m_(m) {
    setObjectName(QStringLiteral("frmTervano"));
    RunStartup(m_);

    setWindowTitle(QStringLiteral("Tervano1 - vers. 1.2.1"));
    setWindowIcon(ApplicationIcon());

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(MainWindowPicture());
    picture->setFixedSize(640, 480);
    setCentralWidget(picture);

    auto* product = new QLabel(QStringLiteral("Tervano1"), picture);
    product->setObjectName(QStringLiteral("Label1"));
    product->setFont(NamedFont(QStringLiteral("Comic Sans MS"), 34, true));
    product->setStyleSheet(QStringLiteral("color: #1f3b5c;"));
    product->setGeometry(18, 150, 230, 70);

    auto* subtitle = new QLabel(
        QStringLiteral("Trasformazione di coordinate\nnei sistemi di riferimento\nitaliani"), picture);
    subtitle->setObjectName(QStringLiteral("Label3"));
    subtitle->setFont(NamedFont(QStringLiteral("Arial"), 10));
    subtitle->setStyleSheet(QStringLiteral("color: #2f4f6f;"));
    subtitle->setGeometry(22, 222, 220, 60);

    auto* credits = new QLabel(QStringLiteral("Realizzato dal gruppo di sviluppo Tervano1"), picture);
    credits->setObjectName(QStringLiteral("Label2"));
    credits->setFont(NamedFont(QStringLiteral("Arial"), 8));
    credits->setStyleSheet(QStringLiteral("color: #4a6a8a;"));
    credits->setGeometry(22, 440, 230, 20);

    buildMenu();
    setFixedSize(sizeHint());
}

frmTervano::~frmTervano() {
    // Conversion windows and dialogs are top-level windows of their own.
    for (auto& entry : windows_)
        delete entry.second.data();
    delete settings_.data();
    delete about_.data();
    delete fileConversion_.data();
}

void frmTervano::buildMenu() {
    QMenuBar* bar = menuBar();

    QMenu* generale = bar->addMenu(QStringLiteral("&Generale"));
    generale->setObjectName(QStringLiteral("generale"));
    QAction* impostazioni = generale->addAction(QStringLiteral("&Impostazioni..."));
    impostazioni->setObjectName(QStringLiteral("impostazioni"));
    connect(impostazioni, &QAction::triggered, this, &frmTervano::openSettings);
    QAction* conversioneFile = generale->addAction(QStringLiteral("Conversione di &file..."));
    conversioneFile->setObjectName(QStringLiteral("conversionefile"));
    connect(conversioneFile, &QAction::triggered, this, &frmTervano::openFileConversion);
    QAction* info = generale->addAction(QStringLiteral("In&formazioni su..."));
    info->setObjectName(QStringLiteral("INFO"));
    connect(info, &QAction::triggered, this, &frmTervano::openAbout);
    QAction* escigen = generale->addAction(QStringLiteral("&Esci"));
    escigen->setObjectName(QStringLiteral("escigen"));
    connect(escigen, &QAction::triggered, this, &frmTervano::endProgram);

    auto addWindowEntry = [this](QMenu* menu, QMenuBar* topLevel, const ConversionEntry& e) {
        const QString caption = QString::fromUtf8(e.caption);
        QAction* action = menu ? menu->addAction(caption) : topLevel->addAction(caption);
        action->setObjectName(QString::fromUtf8(e.item));
        const QString window = QString::fromUtf8(e.window);
        action->setEnabled(ConversionWindowAvailable(window));
        connect(action, &QAction::triggered, this, [this, window] { openConversionWindow(window); });
    };

    QMenu* piane = bar->addMenu(QStringLiteral("Geografiche - &Piane"));
    piane->setObjectName(QStringLiteral("piane"));
    addWindowEntry(piane, nullptr, {"geografichepiane", "&Geografiche - Piane", "frmGeoPia"});
    addWindowEntry(piane, nullptr, {"pianegeografiche", "&Piane - Geografiche", "frmPiaGeo"});
    addWindowEntry(piane, nullptr, {"unicofuso", "&Fuso Unico", "frmUnicoFuso"});

    QMenu* cartesiane = bar->addMenu(QStringLiteral("Geografiche - &Cartesiane"));
    cartesiane->setObjectName(QStringLiteral("cartesiane"));
    addWindowEntry(cartesiane, nullptr, {"geografichecartesiane", "&Geografiche - Cartesiane", "frmGeoCart"});
    addWindowEntry(cartesiane, nullptr, {"cartesianegeografiche", "&Cartesiane - Geografiche", "frmCartGeo"});

    addWindowEntry(nullptr, bar, {"passaggiosistemi", "Passaggio fra &Sistemi", "frmSistemi"});
    addWindowEntry(nullptr, bar, {"catasto", "Ca&tasto", "frmCatasto"});

    QAction* esci = bar->addAction(QStringLiteral("&Esci"));
    esci->setObjectName(QStringLiteral("esci"));
    connect(esci, &QAction::triggered, this, &frmTervano::endProgram);
}

void frmTervano::closeEvent(QCloseEvent* event) {
    // While a conversion window or the about window holds it disabled, the
    // main window ignores its close box as it ignores the mouse and keyboard.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void frmTervano::endProgram() {
    // Ends at once: no window is asked or notified.
    m_.platform.process.endNow();
}

QWidget* frmTervano::conversionWindow(const QString& name) const {
    const auto it = windows_.find(name);
    return it == windows_.end() ? nullptr : it->second.data();
}

void frmTervano::openConversionWindow(const QString& name) {
    if (name == QLatin1String("frmSistemi") && !m_.commonPointsLoaded) {
        const QString reason = m_.commonPointsError.isEmpty()
                                   ? QStringLiteral("TABELLA DEI PUNTI COMUNI NON DISPONIBILE")
                                   : m_.commonPointsError;
        m_.platform.messages.show(this, reason, MessageIcon::Stop);
        return;
    }
    QPointer<QWidget>& chosen = windows_[name];
    if (!chosen)
        chosen = CreateConversionWindow(name, m_, this);
    if (!chosen)
        return;
    BringToFront(chosen);
    for (const QString& other : ConversionWindowNames()) {
        if (other == name)
            continue;
        if (QWidget* w = conversionWindow(other))
            w->close();
    }
}

void frmTervano::openSettings() {
    if (!settings_)
        settings_ = new frmImpostazioni(m_, this);
    BringToFront(settings_);
}

void frmTervano::openAbout() {
    if (!about_)
        about_ = new frmInfo(this);
    BringToFront(about_);
}

void frmTervano::openFileConversion() {
    if (!fileConversion_)
        fileConversion_ = new frmConversioneFile(m_, this);
    BringToFront(fileConversion_);
}
