#pragma once

#include <QString>
#include <QStringList>

// What the program is asked to do by its command line, once Qt has taken
// its own options (-platform and the like).
struct StartOptions {
    enum class Action { Run, Version, Check, Help, Error };
    Action action = Action::Run;
    QString error; // Italian, for Action::Error
};

// The arguments after the program's name.
StartOptions ParseStartOptions(const QStringList& args);

// Whether the arguments ask only for the version or the help, which are
// answered before Qt starts so that they work without a display.
bool AsksVersionOrHelp(int argc, char** argv);

// The help printed for --aiuto.
QString StartHelpText();

class Modulo1;
class QTextStream;

// Opens the main window as the program does after the splash screen and
// writes on `out` whether it opened and where the common-point table was
// read from, or why it could not be. 0 when both are in order, else 1.
int CheckInstallation(Modulo1& m, QTextStream& out);
