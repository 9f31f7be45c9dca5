#pragma once

#include <QString>

class QLabel;
class QWidget;

// Small pieces of look shared by the conversion windows.
//
//   MakeRowLabel(frame, "Label1", "φ =")   label before a coordinate box
//   MakeDescriptionLabel(this, "Label7")   the system description (small type, framed)
//   StyleNotice(label)                    the red "ATTENZIONE:" notices
//   MakeZonePicture(parent, "Image1")     a small drawing of the plane zones
QLabel* MakeRowLabel(QWidget* parent, const QString& name, const QString& text);
QLabel* MakeDescriptionLabel(QWidget* parent, const QString& name);
void StyleNotice(QLabel* label);
QLabel* MakeZonePicture(QWidget* parent, const QString& name);
