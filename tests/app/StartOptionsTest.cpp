#include "app/StartOptions.h"

#include "support/FakePlatform.h"

#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

using Action = StartOptions::Action;

TEST(StartOptions, VersionAndHelpWinOverEverythingElseAndStrangersAreRefused) {
    EXPECT_EQ(ParseStartOptions({}).action, Action::Run);
    EXPECT_EQ(ParseStartOptions({"--verifica"}).action, Action::Check);
    EXPECT_EQ(ParseStartOptions({"--verifica", "--versione"}).action, Action::Version);
    EXPECT_EQ(ParseStartOptions({"--sconosciuta", "-h"}).action, Action::Help);
    EXPECT_EQ(ParseStartOptions({"--help"}).action, Action::Help);

    const StartOptions unknown = ParseStartOptions({"--verifica", "--verbose"});
    EXPECT_EQ(unknown.action, Action::Error);
    EXPECT_EQ(unknown.error, QStringLiteral("opzione sconosciuta \"--verbose\""));
    // A file name from a launcher's field code: the program opens no files.
    const StartOptions file = ParseStartOptions({"punti.txt"});
    EXPECT_EQ(file.action, Action::Error);
    EXPECT_EQ(file.error, QStringLiteral("argomento non previsto \"punti.txt\""));

    // Answered before Qt starts, so that they work without a display; the
    // check needs Qt.
    const char* version[] = {"Tervano1", "-platform", "offscreen", "--versione"};
    const char* check[] = {"Tervano1", "--verifica"};
    EXPECT_TRUE(AsksVersionOrHelp(4, const_cast<char**>(version)));
    EXPECT_FALSE(AsksVersionOrHelp(2, const_cast<char**>(check)));
}

// Restores an environment variable when the test ends.
struct EnvironmentValue {
    const char* name;
    QByteArray before;
    bool had;
    explicit EnvironmentValue(const char* n)
        : name(n), before(qgetenv(n)), had(qEnvironmentVariableIsSet(n)) {}
    ~EnvironmentValue() {
        if (had)
            qputenv(name, before);
        else
            qunsetenv(name);
    }
};

TEST(StartOptions, TheInstallationCheckSaysWhereTheTableIsAndFailsWithoutIt) {
    EnvironmentValue keep("TERVANO1_COMMON_POINTS");
    FakePlatform fake;
    QString text;

    qputenv("TERVANO1_COMMON_POINTS", QByteArray(TERVANO_SOURCE_DIR "/data/common_points.tsv"));
    {
        Modulo1 m(fake.platform());
        QTextStream out(&text);
        EXPECT_EQ(CheckInstallation(m, out), 0);
    }
    EXPECT_EQ(text, QStringLiteral("Finestra principale aperta\nTabella dei punti comuni: " TERVANO_SOURCE_DIR
                                   "/data/common_points.tsv\n"));

    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("manca.tsv"));
    qputenv("TERVANO1_COMMON_POINTS", missing.toLocal8Bit());
    text.clear();
    {
        Modulo1 m(fake.platform());
        QTextStream out(&text);
        EXPECT_EQ(CheckInstallation(m, out), 1);
    }
    EXPECT_EQ(text,
              QStringLiteral("Finestra principale aperta\nTabella dei punti comuni: ") + missing +
                  QStringLiteral("\nPASSAGGIO FRA SISTEMI NON DISPONIBILE: FILE DEI PUNTI COMUNI MANCANTE O "
                                 "NON LEGGIBILE: ") +
                  missing + QLatin1Char('\n'));
    EXPECT_TRUE(fake.messages.shown.empty());
}
