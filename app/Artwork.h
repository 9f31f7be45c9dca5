#pragma once

#include <QIcon>
#include <QPixmap>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QVector>

// The program's own pictures, drawn from the outline of the national
// territory kept in the resources.

// Rings of the outline, longitude/latitude in degrees.
const QVector<QPolygonF>& TerritoryOutline();

// A map of the territory with its graticule and the central meridians of the
// two Gauss-Boaga zones, fitted into mapArea of a picture of the given size.
QPixmap TerritoryPicture(QSize size, QRectF mapArea);

// The 640 x 480 picture of the main window: the map on the right, room for
// the product name on the left.
QPixmap MainWindowPicture();

// The application icon at the usual sizes.
QIcon ApplicationIcon();
QPixmap IconPixmap(int side);
