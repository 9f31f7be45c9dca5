#pragma once

#include <QPointer>
#include <QWidget>

class Modulo1;
class QRadioButton;

// The settings dialog: the angle notation and the origin of ROMA40
// longitudes. "OK" applies both and stores them in the settings file;
// "Annulla" and the close box change nothing. It does not disable the main
// window and is destroyed when closed.
class frmImpostazioni : public QWidget {
    Q_OBJECT
public:
    frmImpostazioni(Modulo1& m, QWidget* mainWindow);

    void accept();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Modulo1& m_;
    QRadioButton* unit_[4] = {};
    QRadioButton* origin_[2] = {};
};
