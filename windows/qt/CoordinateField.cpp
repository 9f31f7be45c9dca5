#include "windows/qt/CoordinateField.h"

#include "geodesy/TextNumbers.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QPalette>
#include <QStackedLayout>
#include <cmath>

CoordinateField::CoordinateField(Kind kind, const QString& editName, const QString& displayName,
                                 QWidget* parent)
    : QWidget(parent), kind_(kind), stack_(new QStackedLayout(this)), edit_(new QLineEdit(this)),
      display_(new QLineEdit(this)) {
    stack_->setContentsMargins(0, 0, 0, 0);
    edit_->setObjectName(editName);
    display_->setObjectName(displayName);
    display_->setReadOnly(true);
    display_->setAlignment(Qt::AlignCenter);
    // Tab reaches the display box, where Enter, F2 or Space open the value as
    // a click does. A warm tint and the hand cursor set it apart from the
    // result boxes, which cannot be opened.
    display_->setFocusPolicy(Qt::StrongFocus);
    display_->setCursor(Qt::PointingHandCursor);
    QPalette tinted = display_->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor base = tinted.color(group, QPalette::Base);
        const QColor warm(255, 236, 150);
        tinted.setColor(group, QPalette::Base,
                        QColor((base.red() * 4 + warm.red()) / 5, (base.green() * 4 + warm.green()) / 5,
                               (base.blue() * 4 + warm.blue()) / 5));
    }
    display_->setPalette(tinted);
    stack_->addWidget(edit_);
    stack_->addWidget(display_);
    stack_->setCurrentWidget(edit_);
    edit_->installEventFilter(this);
    display_->installEventFilter(this);
    if (kind_ == Kind::FixedSexagesimal)
        pattern_ = "#0° 00' 00.000''";
}

void CoordinateField::setAngleUnit(int unit) {
    unit_ = unit;
}

void CoordinateField::setToolTips(const QString& tip) {
    edit_->setToolTip(tip);
    display_->setToolTip(tip);
}

bool CoordinateField::editing() const {
    return stack_->currentWidget() == edit_;
}

QString CoordinateField::format(double value, const QString& pattern) {
    const QString separator = QLocale().decimalPoint();
    return QString::fromStdString(
        tervano::FormatPattern(value, pattern.toStdString(), separator.toStdString()));
}

QString CoordinateField::defaultPattern() const {
    switch (kind_) {
    case Kind::Angle:
        return QString::fromUtf8(anglePattern_);
    case Kind::Height:
        return QString::fromUtf8(tervano::Patterns::Height);
    default:
        return QString::fromUtf8(tervano::Patterns::Metres);
    }
}

void CoordinateField::commit() {
    if (committing_)
        return;
    committing_ = true;
    const QByteArray text = edit_->text().toUtf8();
    const tervano::TypedNumber n =
        tervano::ReadTypedNumber(std::string_view(text.constData(), size_t(text.size())));
    typed_ = n.value;
    valid_ = n.valid && std::isfinite(n.value);
    switch (kind_) {
    case Kind::Angle: {
        const tervano::TypedAngle a = tervano::AngleFromTyped(typed_, unit_);
        degrees_ = a.degrees;
        displayValue_ = a.displayValue;
        anglePattern_ = a.pattern;
        break;
    }
    case Kind::FixedSexagesimal: {
        degrees_ = typed_;
        const qsizetype dot = pattern_.indexOf('.');
        int decimals = 0;
        for (qsizetype i = dot + 1; dot >= 0 && i < pattern_.size() && pattern_[i] == '0'; ++i)
            ++decimals;
        displayValue_ = tervano::SexagesimalDisplayValue(typed_, decimals);
        break;
    }
    default:
        degrees_ = typed_;
        displayValue_ = typed_;
        break;
    }
    QString shown;
    if (!valid_ || !std::isfinite(displayValue_) || !std::isfinite(degrees_))
        shown = edit_->text().trimmed(); // a number beyond a double is shown as typed
    else if (formatter_)
        shown = formatter_(*this);
    else
        shown = format(displayValue_, pattern_.isEmpty() ? defaultPattern() : pattern_);
    showDisplay(shown);
    committing_ = false;
    emit committed();
}

void CoordinateField::showDisplay(const QString& text) {
    display_->setText(text);
    display_->setCursorPosition(0);
    stack_->setCurrentWidget(display_);
}

void CoordinateField::showEdit(bool focus) {
    stack_->setCurrentWidget(edit_);
    if (focus)
        edit_->setFocus(Qt::OtherFocusReason);
}

void CoordinateField::clear() {
    committing_ = true; // hiding a focused box must not read it
    edit_->clear();
    display_->clear();
    stack_->setCurrentWidget(edit_);
    committing_ = false;
}

void CoordinateField::showAngle(double d) {
    committing_ = true;
    const tervano::PastedAngle p = tervano::AngleForPaste(d, unit_);
    edit_->setText(QString::fromStdString(tervano::PasteText(p.editValue)));
    typed_ = p.editValue;
    valid_ = true;
    degrees_ = d;
    displayValue_ = p.displayValue;
    anglePattern_ = p.pattern;
    showDisplay(formatter_ ? formatter_(*this)
                           : format(displayValue_, pattern_.isEmpty() ? defaultPattern() : pattern_));
    committing_ = false;
}

void CoordinateField::pasteAngle(double d) {
    showAngle(d);
    emit committed();
}

void CoordinateField::changeNotation(int unit, double shift) {
    if (kind_ != Kind::Angle)
        return;
    const int previous = unit_;
    unit_ = unit;
    if (editing()) {
        // Not read yet: what is typed is meant in the notation it was typed in.
        if (edit_->text().trimmed().isEmpty())
            return;
        const QByteArray text = edit_->text().toUtf8();
        const tervano::TypedNumber n =
            tervano::ReadTypedNumber(std::string_view(text.constData(), size_t(text.size())));
        if (!n.valid || !std::isfinite(n.value))
            return;
        const double d = tervano::AngleFromTyped(n.value, previous).degrees + shift;
        edit_->setText(
            QString::fromStdString(tervano::PasteText(tervano::AngleForPaste(d, unit_).editValue)));
        return;
    }
    // A number beyond a double stays shown as typed, and refused by "ESEGUI".
    if (valid_ && std::isfinite(degrees_))
        showAngle(degrees_ + shift);
}

void CoordinateField::pasteNumber(double v) {
    if (kind_ == Kind::Angle || kind_ == Kind::FixedSexagesimal || !std::isfinite(v)) {
        edit_->setText(QString::fromStdString(tervano::PasteText(v)));
        commit();
        return;
    }
    // The record's value itself is kept; the edit box shows it in its plain
    // form (fifteen digits) for the user to change, and is read only if changed.
    committing_ = true;
    edit_->setText(QString::fromStdString(tervano::PasteText(v)));
    typed_ = v;
    valid_ = true;
    degrees_ = v;
    displayValue_ = v;
    showDisplay(formatter_ ? formatter_(*this) : format(v, pattern_.isEmpty() ? defaultPattern() : pattern_));
    committing_ = false;
    emit committed();
}

bool CoordinateField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                emit enterPressed();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // Switching to another application or opening a menu is not leaving the box.
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && editing() &&
                !committing_)
                commit();
        }
    } else if (watched == display_ && !editing()) {
        if (event->type() == QEvent::MouseButtonPress) {
            emit displayClicked();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_F2:
            case Qt::Key_Space:
                emit displayClicked();
                return true;
            default:
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
