#include "app/frmImpostazioni.h"

#include "app/Fonts.h"
#include "app/Modulo1.h"
#include "app/SettingsFile.h"
#include "app/WindowPlacement.h"
#include "windows/qt/ConversionWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

// A label whose text marks its line breaks with runs of blanks: each run
// starts a new line on screen, while text() keeps the text as written.
class BlankRunLabel : public QLabel {
public:
    using QLabel::QLabel;

    QSize sizeHint() const override {
        const QRect r =
            fontMetrics().boundingRect(QRect(0, 0, 4000, 4000), Qt::AlignLeft | Qt::AlignTop, shown());
        const QMargins m = contentsMargins();
        return {r.width() + m.left() + m.right() + 2, r.height() + m.top() + m.bottom()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        p.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignTop, shown());
    }

private:
    QString shown() const {
        static const QRegularExpression run(QStringLiteral(" {2,}"));
        QString t = text();
        t.replace(run, QStringLiteral("\n"));
        return t;
    }
};

} // namespace

frmImpostazioni::frmImpostazioni(Modulo1& m, QWidget* mainWindow) : QWidget(nullptr, Qt::Dialog), m_(m) {
    setObjectName(QStringLiteral("frmImpostazioni"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Impostazioni"));
    setFont(NamedFont(QStringLiteral("Arial"), 9));

    auto* units = new QGroupBox(QStringLiteral("Unità di misura degli angoli"), this);
    units->setObjectName(QStringLiteral("Frame1"));
    auto* unitsLayout = new QVBoxLayout(units);
    auto* unitGroup = new QButtonGroup(this);
    const QString unitCaptions[4] = {QStringLiteral("Sessagesimali (gg.ppssdddd)"),
                                     QStringLiteral("Sessadecimali (gg.dddddddd)"),
                                     QStringLiteral("Centesimali (gg.dddddddd)"),
                                     QStringLiteral("Gradi Primi Decimi di primo (gg.ppdddddd)")};
    for (int i = 0; i < 4; ++i) {
        unit_[i] = new QRadioButton(unitCaptions[i], units);
        unit_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        unitGroup->addButton(unit_[i], i);
        unitsLayout->addWidget(unit_[i]);
    }

    auto* origins = new QGroupBox(QStringLiteral("Origine delle Longitudini per il Sistema ROMA40"), this);
    origins->setObjectName(QStringLiteral("Frame2"));
    auto* originsLayout = new QVBoxLayout(origins);
    auto* originGroup = new QButtonGroup(this);
    const QString originCaptions[2] = {QStringLiteral("Roma M. Mario (origine propria del Sistema)"),
                                       QStringLiteral("Greenwich")};
    for (int i = 0; i < 2; ++i) {
        origin_[i] = new QRadioButton(originCaptions[i], origins);
        origin_[i]->setObjectName(QStringLiteral("Option2_%1").arg(i));
        originGroup->addButton(origin_[i], i);
        originsLayout->addWidget(origin_[i]);
    }

    auto* note = new BlankRunLabel(QStringLiteral("Nota: questa impostazione non ha effetto sulla scheda") +
                                       QString(14, ' ') +
                                       QStringLiteral("\"Catasto\" nella quale il Centro del Sistema deve") +
                                       QString(15, ' ') + QStringLiteral("essere espresso in Sessagesimali."),
                                   this);
    note->setObjectName(QStringLiteral("Label1"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    connect(ok, &QPushButton::clicked, this, &frmImpostazioni::accept);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(units);
    layout->addWidget(origins);
    layout->addWidget(note);
    layout->addLayout(buttons);

    // Current values.
    if (m_.AngleUnit >= 1 && m_.AngleUnit <= 4)
        unit_[m_.AngleUnit - 1]->setChecked(true);
    if (m_.LongitudeOrigin >= 1 && m_.LongitudeOrigin <= 2)
        origin_[m_.LongitudeOrigin - 1]->setChecked(true);

    PlaceOver(this, mainWindow);
}

void frmImpostazioni::accept() {
    for (int i = 0; i < 4; ++i)
        if (unit_[i]->isChecked())
            m_.AngleUnit = i + 1;
    if (origin_[0]->isChecked())
        m_.LongitudeOrigin = 1;
    if (origin_[1]->isChecked())
        m_.LongitudeOrigin = 2;
    // Printed pages name the notation the values are in.
    m_.AngleUnitLine = ComposeAngleUnitLine(m_.AngleUnit);
    // An open conversion window takes the new settings at once.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<ConversionWindow*>(w))
            window->applySettings();

    if (!WriteSettingsFile(m_.platform.settings.settingsFilePath(), {m_.AngleUnit, m_.LongitudeOrigin})) {
        m_.platform.messages.show(
            this,
            QStringLiteral("IMPOSSIBILE SALVARE LE IMPOSTAZIONI NEL FILE DI CONFIGURAZIONE") +
                QLatin1Char('\r') +
                QStringLiteral("LE SCELTE FATTE VALGONO FINO ALLA CHIUSURA DEL PROGRAMMA"),
            MessageIcon::Exclamation);
    }
    close();
}

void frmImpostazioni::keyPressEvent(QKeyEvent* event) {
    // Dialog keys: Esc cancels; Enter presses the focused button, else "OK".
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        else
            accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
