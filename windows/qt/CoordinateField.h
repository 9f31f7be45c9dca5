#pragma once

#include "windows/ConversionPage.h"

#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <functional>

class QStackedLayout;

// The pair of boxes behind every typed coordinate: an edit box where the user
// types and a read-only, centred display box that shows the value formatted.
// Both sit at the same place (a stacked layout); exactly one is visible.
//
// Leaving the edit box (focus lost) reads the text as a number
// (tervano::ReadTypedNumber), stores the typed value t, the value in decimal
// degrees d (angles) or metres (lengths) and the display value, formats the
// display box and shows it, then emits committed(). Clicking the display box,
// or Enter, F2 or Space on it (Tab reaches it), emits displayClicked(); the
// window empties its results and calls showEdit(). The display box is tinted
// and shows a hand cursor, unlike the result boxes, which cannot be opened.
// Enter in the edit box is swallowed and emits enterPressed().
//
// Usage (inside a ConversionWindow, which wires the signals):
//   auto* lat = new CoordinateField(CoordinateField::Kind::Angle, "Text7", "Text1");
//   lat->setAngleRole(CoordinateField::AngleRole::Latitude);
//   addInputField(lat);                        // Enter chain, buttons, display click
//   ... lat->degrees() in the computation, lat->displayText() in the printed block.
// Kinds:
//   Angle            typed in the current AngleUnit (setAngleUnit), d through AngleFromTyped
//   FixedSexagesimal always gg.ppssdddd, d = t unconverted, pattern "#0° 00' 00.000''" by default
//   Length           metres, "# ### ##0.000"
//   Height           metres, "# ##0.000"
// setPattern() overrides the display pattern of any kind; setFormatter()
// replaces the formatting altogether (e.g. a plain decimal or a zone number).
class CoordinateField : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Angle, FixedSexagesimal, Length, Height };
    enum class AngleRole { None, Latitude, Longitude };

    CoordinateField(Kind kind, const QString& editName, const QString& displayName,
                    QWidget* parent = nullptr);

    QLineEdit* edit() const { return edit_; }
    QLineEdit* display() const { return display_; }
    Kind kind() const { return kind_; }

    void setAngleUnit(int unit);
    int angleUnit() const { return unit_; }
    void setAngleRole(AngleRole role) { role_ = role; }
    AngleRole angleRole() const { return role_; }
    void setPattern(const QString& pattern) { pattern_ = pattern; }
    void setFormatter(std::function<QString(const CoordinateField&)> f) { formatter_ = std::move(f); }
    // Tooltip of both boxes.
    void setToolTips(const QString& tip);

    // Values stored when the edit box was last left or pasted.
    double typed() const { return typed_; }
    bool valid() const { return valid_; }
    double degrees() const { return degrees_; }
    double value() const { return degrees_; } // lengths: metres
    double displayValue() const { return displayValue_; }
    QString displayText() const { return display_->text(); }
    // The stored value as a page takes it: decimal degrees (angles) or metres,
    // whether it was read, and the text shown for it.
    tervano::TypedValue typedValue() const { return {degrees_, valid_, display_->text().toStdString()}; }
    bool editing() const;

    // Reads the edit box, stores the values, fills and shows the display box,
    // emits committed().
    void commit();
    // Shows the edit box (keeping its text), optionally giving it the focus.
    void showEdit(bool focus = true);
    // Empties both boxes and shows the edit box.
    void clear();
    // An angle d (decimal degrees) written into the edit box in the current
    // notation; d itself is kept, not read back. Emits committed().
    void pasteAngle(double d);
    // The settings changed while the window is open: an angle box takes the
    // notation `unit` and is shown again as pasteAngle() writes it, from the
    // stored d moved by `shift` degrees (a ROMA40 longitude whose origin
    // changed: the same place counted from the new origin). An edit box being
    // typed in is read in the old notation and rewritten in the new one; an
    // empty one stays empty. Other kinds are left alone. Emits nothing.
    void changeNotation(int unit, double shift = 0);
    // A length pasted: written into the edit box in its plain form, the value
    // itself kept (not read back from the fifteen digits written). Emits committed().
    void pasteNumber(double v);
    // The locale's rendering of a number through a digit pattern.
    static QString format(double value, const QString& pattern);

signals:
    void committed();
    void displayClicked();
    void enterPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showDisplay(const QString& text);
    // The edit and display boxes and the stored values for an angle d in the current notation.
    void showAngle(double d);
    QString defaultPattern() const;

    Kind kind_;
    AngleRole role_ = AngleRole::None;
    int unit_ = 1;
    QString pattern_;
    std::function<QString(const CoordinateField&)> formatter_;
    QStackedLayout* stack_;
    QLineEdit* edit_;
    QLineEdit* display_;
    double typed_ = 0;
    bool valid_ = true;
    double degrees_ = 0;
    double displayValue_ = 0;
    const char* anglePattern_ = "#0° 00' 00.0000''";
    bool committing_ = false;
};
