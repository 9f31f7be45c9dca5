#include "windows/qt/WindowDecorations.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>

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

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, Qt::Alignment alignment) {
    auto* l = Named(new QLabel(QString::fromUtf8(text), parent), name);
    if (alignment)
        l->setAlignment(alignment);
    return l;
}

QLabel* MakeNotice(QWidget* parent, const char* name, const char* text) {
    QLabel* l = MakeLabel(parent, name, text);
    StyleNotice(l);
    return l;
}

CoordinateField* MakeField(CoordinateField::Kind kind, const char* edit, const char* display, QWidget* parent,
                           const char* toolTip) {
    auto* f = new CoordinateField(kind, QString::fromLatin1(edit), QString::fromLatin1(display), parent);
    if (toolTip)
        f->setToolTips(QString::fromUtf8(toolTip));
    return f;
}

CoordinateField* MakeAngleField(CoordinateField::AngleRole role, const char* edit, const char* display,
                                QWidget* parent) {
    CoordinateField* f = MakeField(CoordinateField::Kind::Angle, edit, display, parent);
    f->setAngleRole(role);
    return f;
}

QGroupBox* MakeFrame(QWidget* parent, const char* name, const char* title) {
    return Named(new QGroupBox(QString::fromUtf8(title), parent), name);
}

OptionFrame MakeOptionFrame(QWidget* parent, const char* name, const char* title, const char* group,
                            std::initializer_list<const char*> options) {
    OptionFrame o{MakeFrame(parent, name, title), nullptr};
    o.group = Named(new QButtonGroup(o.frame), group);
    int id = 0;
    for (const char* text : options) {
        auto* b = new QRadioButton(QString::fromUtf8(text), o.frame);
        b->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(group)).arg(id));
        o.group->addButton(b, id++);
    }
    return o;
}

QGridLayout* LayOutGrid(QWidget* frame, std::initializer_list<GridCell> cells) {
    auto* g = new QGridLayout(frame);
    for (const GridCell& c : cells)
        g->addWidget(c.widget, c.row, c.column, c.rowSpan, c.columnSpan, c.alignment);
    return g;
}

QGroupBox* MakeRowFrame(QWidget* parent, const char* name, const char* title,
                        std::initializer_list<FrameRow> rows, QLabel* notice, RowFrameLook look) {
    QGroupBox* frame = MakeFrame(parent, name, title);
    auto* g = new QGridLayout(frame);
    int row = 0;
    for (const FrameRow& r : rows) {
        QLabel* label =
            look == RowFrameLook::Bold
                ? MakeRowLabel(frame, QString::fromLatin1(r.labelName), QString::fromUtf8(r.caption))
                : MakeLabel(frame, r.labelName, r.caption, Qt::AlignRight | Qt::AlignVCenter);
        g->addWidget(label, row, 0);
        g->addWidget(r.box, row++, 1, r.alignment);
    }
    if (notice)
        g->addWidget(notice, row, 0, 1, 2);
    g->setColumnStretch(1, 1);
    if (look == RowFrameLook::Bold)
        g->setRowStretch(g->rowCount(), 1); // an empty row below takes the spare height
    return frame;
}

void SideBySide(QWidget* tab, std::initializer_list<QWidget*> frames, int stretch) {
    auto* l = new QHBoxLayout(tab);
    for (QWidget* f : frames)
        l->addWidget(f, stretch);
}

ValuedDescription MakeValuedDescription(QWidget* parent, const char* frameName, const char* name,
                                        std::initializer_list<const char*> valueNames) {
    ValuedDescription d{Named(new QFrame(parent), frameName), nullptr, {}};
    d.frame->setFrameShape(QFrame::StyledPanel);
    d.description = MakeDescriptionLabel(d.frame, QString::fromLatin1(name));
    d.description->setFrameShape(QFrame::NoFrame);
    // The values stand level with the last lines of the description.
    auto* values = new QVBoxLayout;
    values->setSpacing(0);
    values->setContentsMargins(0, 0, 0, d.description->margin());
    values->addStretch(1);
    for (const char* valueName : valueNames) {
        QLabel* v = MakeDescriptionLabel(d.frame, QString::fromLatin1(valueName));
        v->setFrameShape(QFrame::NoFrame);
        v->setMargin(0);
        QFont f = v->font();
        f.setBold(true);
        v->setFont(f);
        values->addWidget(v);
        d.values.push_back(v);
    }
    auto* l = new QHBoxLayout(d.frame);
    l->setContentsMargins(0, 0, 6, 0);
    l->setSpacing(0);
    l->addWidget(d.description);
    l->addLayout(values);
    l->addStretch(1);
    return d;
}

void KeepRoomWhenHidden(std::initializer_list<QWidget*> widgets) {
    for (QWidget* w : widgets) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
}

void SetVisible(std::initializer_list<QWidget*> widgets, bool visible) {
    for (QWidget* w : widgets)
        w->setVisible(visible);
}
