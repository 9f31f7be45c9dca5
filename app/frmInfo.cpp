#include "app/frmInfo.h"

#include "app/Artwork.h"
#include "app/Fonts.h"
#include "app/WindowPlacement.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmInfo::frmInfo(QWidget* mainWindow) : QWidget(nullptr, Qt::Dialog), main_(mainWindow) {
    setObjectName(QStringLiteral("frmInfo"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Informazioni su Tervano1"));

    // The menu of the main window cannot be used while this window is open.
    if (main_)
        main_->setEnabled(false);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(IconPixmap(64));
    icon->setFixedSize(64, 64);

    auto* product = new QLabel(QStringLiteral("Tervano1"), this);
    product->setObjectName(QStringLiteral("Label1"));
    product->setFont(NamedFont(QStringLiteral("Comic Sans MS"), 22, true));
    product->setStyleSheet(QStringLiteral("color: #1f3b5c;"));

    auto* subtitle =
        new QLabel(QStringLiteral("Trasformazione di coordinate nei sistemi di riferimento italiani"), this);
    subtitle->setObjectName(QStringLiteral("Label2"));
    subtitle->setFont(NamedFont(QStringLiteral("Arial"), 9));

    auto* version = new QLabel(QStringLiteral("Versione 1.2.1  - dicembre 2002"), this);
    version->setObjectName(QStringLiteral("Label3"));
    version->setFont(NamedFont(QStringLiteral("Arial"), 9));

    auto* request = new QLabel(this);
    request->setObjectName(QStringLiteral("Label4"));
    request->setFont(NamedFont(QStringLiteral("Arial"), 9));
    request->setText(QStringLiteral("Per richiedere chiarimenti sulle funzionalità del programma,\n"
                                    "o proporre suggerimenti, contattare gli autori agli indirizzi:\n\n"));

    auto* addresses = new QLabel(this);
    addresses->setObjectName(QStringLiteral("Label5"));
    addresses->setFont(NamedFont(QStringLiteral("Arial"), 9, true));
    addresses->setTextInteractionFlags(Qt::TextSelectableByMouse);
    addresses->setText(QStringLiteral("- assistenza@tervano1.it\n"
                                      "- sviluppo@tervano1.it\n"
                                      "- geodesia@tervano1.it"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    ok->setMinimumWidth(90);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* titles = new QVBoxLayout;
    titles->setSpacing(2);
    titles->addWidget(product);
    titles->addWidget(subtitle);
    titles->addWidget(version);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(titles, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addLayout(top);
    layout->addSpacing(14);
    auto* contacts = new QVBoxLayout;
    contacts->setSpacing(0);
    contacts->addWidget(request);
    contacts->addWidget(addresses);
    layout->addLayout(contacts);
    layout->addLayout(bottom);

    PlaceOver(this, main_);
    ok->setFocus();
}

frmInfo::~frmInfo() {
    releaseMainWindow();
}

void frmInfo::releaseMainWindow() {
    if (main_)
        main_->setEnabled(true);
}

void frmInfo::closeEvent(QCloseEvent* event) {
    releaseMainWindow();
    QWidget::closeEvent(event);
}

void frmInfo::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
