#include "app/Artwork.h"
#include "app/Fonts.h"
#include "app/Modulo1.h"
#include "app/RealPlatform.h"
#include "app/StartOptions.h"
#include "app/frmSplash.h"
#include "print/qt/QtPrinterDevice.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
    // The version and the help need no display: answered before Qt starts.
    if (AsksVersionOrHelp(argc, argv)) {
        QStringList args;
        for (int i = 1; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
        if (ParseStartOptions(args).action == StartOptions::Action::Version)
            std::printf("Tervano1 %s\n", TERVANO_VERSION);
        else
            std::fputs(StartHelpText().toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tervano1"));
    QApplication::setApplicationVersion(QStringLiteral(TERVANO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tervano1"));
    const StartOptions options = ParseStartOptions(QApplication::arguments().mid(1));
    if (options.action == StartOptions::Action::Error) {
        QTextStream(stderr) << "Tervano1: " << options.error << "\nPer l'aiuto: Tervano1 --aiuto\n";
        return 2;
    }
    QApplication::setWindowIcon(ApplicationIcon());
    InstallFontSubstitutes();

    QtMessageService shownMessages;
    StandardErrorMessages writtenMessages;
    const bool check = options.action == StartOptions::Action::Check;
    QtPrinterDevice printer;
    UserSettingsLocation settings;
    ImmediateExit process;
    Modulo1 m(Platform{check ? static_cast<MessageService&>(writtenMessages) : shownMessages, printer,
                       settings, process});
    if (check) {
        QTextStream out(stdout);
        return CheckInstallation(m, out);
    }

    frmSplash splash(m);
    splash.show();
    return app.exec();
}
