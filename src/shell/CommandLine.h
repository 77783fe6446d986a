#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for. The program takes no arguments beyond --help, --version and --database; Qt's own
// options (-platform, -style, ...) are taken out by QApplication before the rest is judged.
struct CommandLine {
    enum class Request { Run, Help, Version, Refuse };
    Request request = Request::Run;
    QString text; // what to print: the help, the version, or why the arguments are refused
    // --database: a shared database's postgresql:// address, or "files"; empty when not given.
    QString database = {};
};

// Reads the arguments (the program's name first). Needs no application object and no display.
CommandLine ReadCommandLine(const QStringList& arguments);

// Prints the answer: help and version on standard output (exit code 0, or 1 when it cannot be written), a refusal
// on standard error (exit code 2). Returns the exit code, or -1 when the program should run.
int AnswerCommandLine(const CommandLine& commandLine);
