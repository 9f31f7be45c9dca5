#include "app/frmSplash.h"

#include "app/Artwork.h"
#include "app/Fonts.h"
#include "app/frmTervano.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

frmSplash::frmSplash(Modulo1& m, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_(m) {
    setObjectName(QStringLiteral("frmSplash"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("frmSplash { background: #fbf8f0; border: 1px solid #7a8ea3; }"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(TerritoryPicture(QSize(300, 340), QRectF(4, 4, 292, 332)));
    picture->setFixedSize(300, 340);

    auto* product = new QLabel(QStringLiteral("Tervano1"), this);
    product->setObjectName(QStringLiteral("Label3"));
    product->setFont(NamedFont(QStringLiteral("Comic Sans MS"), 40, true));
    product->setStyleSheet(QStringLiteral("color: #1f3b5c;"));

    auto* version = new QLabel(QStringLiteral("Versione 1.2.1  - dicembre 2002"), this);
    version->setObjectName(QStringLiteral("Label1"));
    version->setFont(NamedFont(QStringLiteral("Arial"), 11));

    auto* credits = new QLabel(QStringLiteral("Realizzato dal gruppo di sviluppo Tervano1"), this);
    credits->setObjectName(QStringLiteral("Label2"));
    credits->setFont(NamedFont(QStringLiteral("Arial"), 9));
    credits->setStyleSheet(QStringLiteral("color: #4a6a8a;"));

    auto* texts = new QVBoxLayout;
    texts->addStretch(3);
    texts->addWidget(product);
    texts->addWidget(version);
    texts->addStretch(4);
    texts->addWidget(credits);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 24, 12);
    layout->setSpacing(24);
    layout->addWidget(picture);
    layout->addLayout(texts, 1);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(4000);
    connect(timer_, &QTimer::timeout, this, &frmSplash::onTimerTick);
    timer_->start();

    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

frmSplash::~frmSplash() = default;

void frmSplash::onTimerTick() {
    handOver();
}

void frmSplash::mousePressEvent(QMouseEvent*) {
    handOver();
}

void frmSplash::keyPressEvent(QKeyEvent*) {
    handOver();
}

void frmSplash::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    activateWindow();
    setFocus();
}

void frmSplash::handOver() {
    if (handedOver_)
        return;
    handedOver_ = true;
    timer_->stop();
    // The main window is shown before the splash closes, so that the program
    // never finds itself without a visible window.
    main_ = std::make_unique<frmTervano>(m_);
    main_->show();
    close();
}
