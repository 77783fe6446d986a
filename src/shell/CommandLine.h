#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for. The program takes no arguments beyond --help, --help-all, --version and
// --database; Qt's own options (-platform, -style, ...) are left to QApplication, which takes them out.
struct CommandLine {
    enum class Request { Run, Help, Version, Refuse };
    Request request = Request::Run;
    QString text; // what to print: the help, the version, or why the arguments are refused
    // --database: a shared database's postgresql:// address, or "files"; empty when not given.
    QString database = {};
};

// Reads the arguments (the program's name first), Qt's own options aside. Needs no application object and no
// display, so that an argument nobody understands is refused before a display is looked for.
CommandLine ReadCommandLine(const QStringList& arguments);

// The arguments without Qt's own options and their values, as QApplication leaves them.
QStringList WithoutQtOptions(const QStringList& arguments);
// True when the arguments choose Qt's display plug-in themselves (-platform offscreen, say).
bool ChoosesPlatform(const QStringList& arguments);

// A password in a shared database's address on the command line (--database) or in VELLORAN_DATABASE can be read by
// every user of the computer (ps shows the command line) for as long as the program runs. Overwrites it where the
// system keeps it, so that no process list shows it from then on, and says on standard error why a password does
// not belong there and where it does. Call before anything else reads the arguments, with a copy taken first.
void HidePasswords(int argc, char** argv);

// Prints the answer: help and version on standard output (exit code 0, or 1 when it cannot be written), a refusal
// on standard error (exit code 2). Returns the exit code, or -1 when the program should run.
int AnswerCommandLine(const CommandLine& commandLine);
