#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <map>

class Modulo1;
#include "app/frmImpostazioni.h"
#include "app/frmInfo.h"

// The main window: picture, product name and the menu that opens the
// conversion windows, the settings dialog and the about window. Loading it
// runs the program's start-up.
class frmTervano : public QMainWindow {
    Q_OBJECT
public:
    explicit frmTervano(Modulo1& m, QWidget* parent = nullptr);
    ~frmTervano() override;

    // Shows the named conversion window (created on first use) and closes
    // the other six, each with its own close behaviour.
    void openConversionWindow(const QString& name);
    // The named conversion window while it exists, else nullptr.
    QWidget* conversionWindow(const QString& name) const;

    void openSettings();
    void openAbout();
    // Shows the window "Conversione di file" (created on first use).
    void openFileConversion();
    frmImpostazioni* settingsDialog() const { return settings_; }
    frmInfo* aboutWindow() const { return about_; }
    QWidget* fileConversionWindow() const { return fileConversion_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void endProgram();

    Modulo1& m_;
    std::map<QString, QPointer<QWidget>> windows_;
    QPointer<frmImpostazioni> settings_;
    QPointer<frmInfo> about_;
    QPointer<QWidget> fileConversion_;
};
