#pragma once

#include <QString>
#include <QStringList>

class Modulo1;
class QWidget;

// The seven conversion windows the main menu opens, by object name.
QStringList ConversionWindowNames();

// True when the program contains the named conversion window.
bool ConversionWindowAvailable(const QString& name);

// Creates the named conversion window as a top-level window that disables
// mainWindow while it is open. nullptr when the window is not available.
QWidget* CreateConversionWindow(const QString& name, Modulo1& m, QWidget* mainWindow);
