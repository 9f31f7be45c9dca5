#pragma once

#include "app/Modulo1.h"
#include "app/SettingsFile.h"
#include "app/Startup.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <ostream>

// A Modulo1 wired to the fakes and set up by the program's own start-up on
// the fake A4 printer, without a settings file (sexagesimal angles, Monte
// Mario longitudes), and helpers to drive a conversion window by the names
// of its controls.
class WindowFixture : public ::testing::Test {
protected:
    FakePlatform fake;
    Modulo1 m{fake.platform()};
    QWidget mainWindow;

    WindowFixture() { RunStartup(m); }

    // The notation as the settings dialog stores it.
    void setAngleUnit(int unit) {
        m.AngleUnit = unit;
        m.AngleUnitLine = ComposeAngleUnitLine(unit);
    }

    // Opens a window (deleted when it closes) and makes it the active one, so
    // that focus changes send their events.
    template <class W> W* open() {
        auto* w = new W(m, &mainWindow);
        w->show();
        QApplication::setActiveWindow(w);
        current = w;
        return w;
    }

    // Deletes the window open, if any, and opens a new one: the way to start
    // again from a window's load within one test.
    template <class W> W* reopen() {
        if (current) {
            current->setAttribute(Qt::WA_DeleteOnClose, false);
            delete current.data();
        }
        return open<W>();
    }

    ~WindowFixture() override {
        if (current) {
            current->setAttribute(Qt::WA_DeleteOnClose, false);
            delete current.data();
        }
    }

    // The window has closed and been deleted (deletion is posted by Qt).
    bool closed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return current.isNull();
    }

    QLineEdit* box(const char* name) const {
        return current->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QPushButton* button(const char* name) const {
        return current->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QRadioButton* option(const char* name) const {
        return current->findChild<QRadioButton*>(QString::fromLatin1(name));
    }
    QGroupBox* frame(const char* name) const {
        return current->findChild<QGroupBox*>(QString::fromLatin1(name));
    }
    QString text(const char* name) const { return box(name)->text(); }
    bool enabled(const char* name) const { return button(name)->isEnabled(); }
    bool focused(const char* name) const { return QApplication::focusWidget() == box(name); }

    // Types into an edit box as the user does: a click on its display box
    // when that is shown, a click into it, the keys, Enter.
    void type(const char* name, const QString& keys, bool enter = true) {
        QLineEdit* e = box(name);
        if (!e->isVisible()) {
            for (QLineEdit* d : e->parentWidget()->findChildren<QLineEdit*>())
                if (d != e && d->isVisible())
                    QTest::mouseClick(d, Qt::LeftButton);
        }
        EXPECT_TRUE(e->isVisible()) << name;
        e->setFocus(Qt::MouseFocusReason);
        e->selectAll();
        QTest::keyClicks(e, keys);
        if (enter)
            QTest::keyClick(e, Qt::Key_Return);
    }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void choose(const char* name) { QTest::mouseClick(option(name), Qt::LeftButton, {}, QPoint(6, 6)); }
    void clickBox(const char* name) { QTest::mouseClick(box(name), Qt::LeftButton); }

    QPointer<QWidget> current;
};

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

// "4 640 123,457" -> 4640123.457
inline double Metres(const QString& shown) {
    QString s = shown;
    s.remove(QLatin1Char(' '));
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    return s.toDouble();
}
