#include "windows/qt/WindowDecorations.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

QLabel* MakeRowLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QLabel* MakeDescriptionLabel(QWidget* parent, const QString& name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setFrameShape(QFrame::StyledPanel);
    l->setMargin(4);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    l->setFont(f);
    return l;
}

void StyleNotice(QLabel* label) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(170, 0, 0));
    label->setPalette(p);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
}

QLabel* MakeZonePicture(QWidget* parent, const QString& name) {
    // Three vertical strips with their central meridians: a reminder of the zones.
    QPixmap pix(84, 56);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fills[3] = {QColor(200, 225, 250), QColor(215, 240, 210), QColor(250, 230, 200)};
    for (int i = 0; i < 3; ++i) {
        const QRect strip(2 + i * 27, 2, 26, 52);
        p.fillRect(strip, fills[i]);
        p.setPen(QPen(Qt::darkGray, 1));
        p.drawRect(strip);
        p.setPen(QPen(Qt::darkRed, 1, Qt::DashLine));
        p.drawLine(strip.center().x(), strip.top(), strip.center().x(), strip.bottom());
    }
    p.end();
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setPixmap(pix);
    return l;
}
