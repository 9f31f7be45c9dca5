#pragma once

#include "windows/qt/CoordinateField.h"

#include <QString>
#include <initializer_list>
#include <vector>

class QButtonGroup;
class QFrame;
class QGridLayout;
class QGroupBox;
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

// The pieces a window's layout is described with. Texts are UTF-8, object
// names Latin-1.
//
//   Named(new QLabel(frame), "Label5")                  a widget with its object name
//   MakeLabel(frame, "Label14", "Unità ...")            a plain label
//   MakeNotice(frame, "Label8", "ATTENZIONE: ...")      a red notice
//   MakeField(Kind::Length, "Text14", "Text13", page, "Coordinata Nord in metri")
//   MakeAngleField(AngleRole::Latitude, "Text7", "Text1", page)
//   MakeFrame(this, "Frame9")                           a frame with its object name and title
//   MakeOptionFrame(this, "Frame3", "Fattore di scala", "Option3", {"Fattore usuale =", ...})
//   MakeRowFrame(page, "Frame4", "Coordinate Geografiche", {{"Label1", "φ =", lat}, ...}, notice)
//   LayOutGrid(frame, {{combo, 0, 0, 1, 2}, {box, 1, 1}})
//   SideBySide(tab, {source, result})
//   KeepRoomWhenHidden({label, box}), SetVisible({label, box}, shown)
template <class W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
// A plain label; `alignment` if given (a label before its box: right, centred vertically).
QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, Qt::Alignment alignment = {});
QLabel* MakeNotice(QWidget* parent, const char* name, const char* text);
// A coordinate field with its edit and display boxes, and their tooltip if any.
CoordinateField* MakeField(CoordinateField::Kind kind, const char* edit, const char* display, QWidget* parent,
                           const char* toolTip = nullptr);
// An angle field (CoordinateField::Kind::Angle) holding a latitude or a longitude.
CoordinateField* MakeAngleField(CoordinateField::AngleRole role, const char* edit, const char* display,
                                QWidget* parent);
// A frame with its object name and title.
QGroupBox* MakeFrame(QWidget* parent, const char* name, const char* title = "");

// A frame of options "<group>_0", "<group>_1" ... in the button group named
// `group`, with the ids 0, 1 ...; the caller lays the buttons out.
struct OptionFrame {
    QGroupBox* frame;
    QButtonGroup* group;
};
OptionFrame MakeOptionFrame(QWidget* parent, const char* name, const char* title, const char* group,
                            std::initializer_list<const char*> options);

// One widget on a grid: its cell, the rows and columns it spans, its alignment.
struct GridCell {
    QWidget* widget;
    int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
    Qt::Alignment alignment = {};
};
QGridLayout* LayOutGrid(QWidget* frame, std::initializer_list<GridCell> cells);

// A row of a frame of coordinates: the label before the box (object name and
// text) and the box, with its alignment in its cell.
struct FrameRow {
    const char* labelName;
    const char* caption;
    QWidget* box;
    Qt::Alignment alignment = {};
};
// How a frame of rows looks: bold labels, the rows at their natural height at
// the top of the frame (level with the rows of a frame beside it); or plain
// labels set against their boxes, the rows sharing the frame's height.
enum class RowFrameLook { Bold, Plain };
// A frame of rows "label  box", the boxes taking the spare width, then the
// notice (a MakeNotice label) across the frame, if any.
QGroupBox* MakeRowFrame(QWidget* parent, const char* name, const char* title,
                        std::initializer_list<FrameRow> rows, QLabel* notice = nullptr,
                        RowFrameLook look = RowFrameLook::Bold);

// The frames of a tab side by side, each given `stretch` of the spare width.
void SideBySide(QWidget* tab, std::initializer_list<QWidget*> frames, int stretch = 1);

// A description frame: the description label (unframed) with a column of
// bold values beside its last lines.
struct ValuedDescription {
    QFrame* frame;
    QLabel* description;
    std::vector<QLabel*> values;
};
ValuedDescription MakeValuedDescription(QWidget* parent, const char* frameName, const char* name,
                                        std::initializer_list<const char*> valueNames);

// Widgets that keep their room while hidden, so that showing and hiding them
// neither resizes the window nor moves what is beside them.
void KeepRoomWhenHidden(std::initializer_list<QWidget*> widgets);
// Shows or hides the widgets together.
void SetVisible(std::initializer_list<QWidget*> widgets, bool visible);
