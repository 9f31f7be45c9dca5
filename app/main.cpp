#include "app/Artwork.h"
#include "app/Fonts.h"
#include "app/Modulo1.h"
#include "app/RealPlatform.h"
#include "app/frmSplash.h"
#include "print/qt/QtPrinterDevice.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tervano1"));
    QApplication::setApplicationVersion(QStringLiteral("1.2.1"));
    QApplication::setDesktopFileName(QStringLiteral("tervano1"));
    QApplication::setWindowIcon(ApplicationIcon());
    InstallFontSubstitutes();

    QtMessageService messages;
    QtPrinterDevice printer;
    UserSettingsLocation settings;
    ImmediateExit process;
    Modulo1 m(Platform{messages, printer, settings, process});

    frmSplash splash(m);
    splash.show();
    return app.exec();
}
