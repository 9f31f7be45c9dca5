#include "app/Artwork.h"

#include "app/Fonts.h"

#include <QFile>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <cmath>

namespace {

// The picture's projection: plate carrée with the longitudes shrunk by the
// cosine of the middle latitude, which keeps the peninsula's shape.
constexpr double MidLatitude = 41.5;
constexpr double West = 6.0, East = 19.0, South = 35.4, North = 47.2;

struct MapFrame {
    double scale = 1; // pixels per degree of latitude
    double aspect = std::cos(MidLatitude * 3.14159265358979 / 180.0);
    QPointF origin; // pixel of West, North

    MapFrame(const QRectF& area) {
        const double wide = (East - West) * aspect;
        const double tall = North - South;
        scale = std::min(area.width() / wide, area.height() / tall);
        origin = QPointF(area.center().x() - wide * scale / 2, area.center().y() - tall * scale / 2);
    }
    QPointF at(double lon, double lat) const {
        return {origin.x() + (lon - West) * aspect * scale, origin.y() + (North - lat) * scale};
    }
};

QPainterPath LandPath(const MapFrame& frame) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const QPolygonF& ring : TerritoryOutline()) {
        QPolygonF shape;
        shape.reserve(ring.size());
        for (const QPointF& p : ring)
            shape << frame.at(p.x(), p.y());
        path.addPolygon(shape);
        path.closeSubpath();
    }
    return path;
}

} // namespace

// The resources live in a static library: make sure they are linked in.
static void LoadArtworkResources() {
    Q_INIT_RESOURCE(resources);
}

const QVector<QPolygonF>& TerritoryOutline() {
    static const QVector<QPolygonF> rings = [] {
        LoadArtworkResources();
        QVector<QPolygonF> result;
        QFile file(QStringLiteral(":/italy-outline.txt"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return result;
        QTextStream in(&file);
        QPolygonF ring;
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            if (line.startsWith(QLatin1Char('#')))
                continue;
            if (line.isEmpty()) {
                if (!ring.isEmpty())
                    result << ring;
                ring.clear();
                continue;
            }
            const QStringList xy = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (xy.size() == 2)
                ring << QPointF(xy[0].toDouble(), xy[1].toDouble());
        }
        if (!ring.isEmpty())
            result << ring;
        return result;
    }();
    return rings;
}

QPixmap TerritoryPicture(QSize size, QRectF mapArea) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sea(0, 0, 0, size.height());
    sea.setColorAt(0, QColor(0xe4, 0xee, 0xf6));
    sea.setColorAt(1, QColor(0xbf, 0xd5, 0xe9));
    p.fillRect(pixmap.rect(), sea);

    const MapFrame frame(mapArea);
    const QRectF box(frame.at(West, North), frame.at(East, South));
    p.save();
    p.setClipRect(box);

    // Graticule, one degree apart.
    p.setPen(QPen(QColor(0x95, 0xb3, 0xcf), 0.8));
    for (int lon = static_cast<int>(West); lon <= static_cast<int>(East); ++lon)
        p.drawLine(frame.at(lon, South), frame.at(lon, North));
    for (int lat = static_cast<int>(std::ceil(South)); lat <= static_cast<int>(North); ++lat)
        p.drawLine(frame.at(West, lat), frame.at(East, lat));

    // Overlap band of the two zones, half a degree either side of 12°E.
    p.fillRect(QRectF(frame.at(11.5, North), frame.at(12.5, South)), QColor(0xb0, 0x3a, 0x2e, 22));

    // Land.
    const QPainterPath land = LandPath(frame);
    p.setPen(QPen(QColor(0x6d, 0x5b, 0x3e), 1.1));
    p.setBrush(QColor(0xf4, 0xec, 0xd6));
    p.drawPath(land);

    // Central meridians of the zones Ovest (9°E) and Est (15°E).
    QPen meridian(QColor(0xb0, 0x3a, 0x2e), 1.6, Qt::DashLine);
    p.setPen(meridian);
    p.drawLine(frame.at(9, South), frame.at(9, North));
    p.drawLine(frame.at(15, South), frame.at(15, North));
    p.restore();

    // Monte Mario, origin of the national system.
    const QPointF monteMario = frame.at(12.4523, 41.9225);
    p.setPen(QPen(QColor(0x1f, 0x3b, 0x5c), 1.2));
    p.setBrush(QColor(0xb0, 0x3a, 0x2e));
    p.drawEllipse(monteMario, 3.2, 3.2);

    const double side = mapArea.height() / 480.0;
    // Labels on a pale backdrop so that no line runs through them.
    auto label = [&p](const QPointF& anchor, Qt::Alignment align, const QString& text, const QColor& colour) {
        const QFontMetricsF fm(p.font());
        QRectF r = fm.boundingRect(QRectF(0, 0, 400, 100), Qt::AlignLeft | Qt::AlignTop, text);
        r.adjust(-3, -1, 3, 1);
        if (align & Qt::AlignHCenter)
            r.moveCenter(QPointF(anchor.x(), anchor.y() + r.height() / 2));
        else if (align & Qt::AlignRight)
            r.moveTopRight(anchor);
        else
            r.moveTopLeft(anchor);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawRoundedRect(r, 3, 3);
        p.setPen(colour);
        p.drawText(r, Qt::AlignCenter, text);
    };
    const QColor red(0xb0, 0x3a, 0x2e);
    const QColor blue(0x1f, 0x3b, 0x5c);
    p.setFont(NamedFont(QStringLiteral("Arial"), std::max(6.0, 8.0 * side), true));
    label(QPointF(frame.at(9, North).x(), box.bottom() - 30 * side), Qt::AlignHCenter,
          QStringLiteral("Fuso Ovest\n9° E"), red);
    label(QPointF(frame.at(15, North).x(), box.bottom() - 30 * side), Qt::AlignHCenter,
          QStringLiteral("Fuso Est\n15° E"), red);
    p.setFont(NamedFont(QStringLiteral("Arial"), std::max(6.0, 7.5 * side)));
    label(monteMario + QPointF(6, -6 * side), Qt::AlignLeft, QStringLiteral("M. Mario"), blue);

    // Latitudes along the left edge, over the sea.
    p.setFont(NamedFont(QStringLiteral("Arial"), std::max(6.0, 7.0 * side)));
    p.setPen(QColor(0x4a, 0x6a, 0x8a));
    for (int lat = 36; lat <= 46; lat += 2)
        p.drawText(QRectF(box.left() + 3, frame.at(West, lat).y() - 14, 40, 13),
                   Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("%1° N").arg(lat));
    p.end();
    return pixmap;
}

QPixmap MainWindowPicture() {
    return TerritoryPicture(QSize(640, 480), QRectF(236, 6, 398, 468));
}

QPixmap IconPixmap(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = side / 64.0;
    QLinearGradient sea(0, 0, 0, side);
    sea.setColorAt(0, QColor(0x2f, 0x6d, 0xa8));
    sea.setColorAt(1, QColor(0x1c, 0x46, 0x75));
    p.setPen(Qt::NoPen);
    p.setBrush(sea);
    p.drawRoundedRect(QRectF(1 * s, 1 * s, 62 * s, 62 * s), 12 * s, 12 * s);

    const MapFrame frame(QRectF(6 * s, 4 * s, 52 * s, 56 * s));
    p.setPen(QPen(QColor(0x6b, 0x93, 0xbb), std::max(0.6, 0.8 * s)));
    for (int lon = 8; lon <= 18; lon += 2)
        p.drawLine(frame.at(lon, South + 0.3), frame.at(lon, North - 0.3));
    for (int lat = 37; lat <= 46; lat += 2)
        p.drawLine(frame.at(West + 0.3, lat), frame.at(East - 0.3, lat));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf7, 0xf1, 0xe1));
    p.drawPath(LandPath(frame));
    p.setPen(QPen(QColor(0xe0, 0x4b, 0x3a), std::max(1.0, 1.6 * s)));
    p.drawLine(frame.at(9, South + 0.3), frame.at(9, North - 0.3));
    p.drawLine(frame.at(15, South + 0.3), frame.at(15, North - 0.3));
    p.end();
    return pixmap;
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(IconPixmap(side));
    return icon;
}
