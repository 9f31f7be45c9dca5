#include "app/StartOptions.h"

#include "app/CommonPointLoading.h"
#include "app/Modulo1.h"
#include "app/frmTervano.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

StartOptions ParseStartOptions(const QStringList& args) {
    StartOptions o;
    for (const QString& a : args) {
        if (a == QLatin1String("-h") || a == QLatin1String("--aiuto") || a == QLatin1String("--help")) {
            o.action = StartOptions::Action::Help;
            return o;
        }
        if (a == QLatin1String("--versione") || a == QLatin1String("--version")) {
            o.action = StartOptions::Action::Version;
            return o;
        }
    }
    for (const QString& a : args) {
        if (a == QLatin1String("--verifica")) {
            o.action = StartOptions::Action::Check;
            continue;
        }
        o.action = StartOptions::Action::Error;
        o.error = a.startsWith(QLatin1Char('-')) ? QStringLiteral("opzione sconosciuta \"%1\"").arg(a)
                                                 : QStringLiteral("argomento non previsto \"%1\"").arg(a);
        return o;
    }
    return o;
}

bool AsksVersionOrHelp(int argc, char** argv) {
    // Qt's own options are still among the arguments here: they would be
    // refused, but the version and the help are looked for first.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const StartOptions::Action a = ParseStartOptions(args).action;
    return a == StartOptions::Action::Version || a == StartOptions::Action::Help;
}

QString StartHelpText() {
    return QStringLiteral("Uso: Tervano1 [OPZIONE]\n"
                          "\n"
                          "Trasformazione di coordinate fra i sistemi di riferimento italiani (ROMA40,\n"
                          "ED50, WGS84, Catasto). Senza opzioni apre il programma.\n"
                          "\n"
                          "  --verifica   controlla l'installazione: apre la finestra principale senza\n"
                          "               la schermata iniziale, legge le impostazioni e la tabella dei\n"
                          "               punti comuni, scrive l'esito ed esce (0 se tutto è in ordine)\n"
                          "  --versione   la versione\n"
                          "  -h, --aiuto  questo aiuto\n"
                          "\n"
                          "Per convertire file di punti: tervano1-converti --aiuto\n");
}

int CheckInstallation(Modulo1& m, QTextStream& out) {
    frmTervano main(m);
    main.show();
    QCoreApplication::processEvents();
    const bool opened = main.isVisible();
    out << (opened ? "Finestra principale aperta\n" : "Finestra principale non aperta\n");
    out << "Tabella dei punti comuni: " << QDir::toNativeSeparators(CommonPointFilePath()) << '\n';
    if (!m.commonPointsLoaded) {
        QString why = m.commonPointsError;
        why.replace(QLatin1Char('\r'), QLatin1Char(' '));
        out << why << '\n';
    }
    out.flush();
    return opened && m.commonPointsLoaded ? 0 : 1;
}
