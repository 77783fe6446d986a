#include "shell/CommandLine.h"

#include "common/SharedDatabase.h"

#include <QCommandLineParser>
#include <cerrno>
#include <cstdio>
#include <cstring>

CommandLine ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Velloran: a dowsing record keeper, a pagan festival calendar and a pagan diary.\n\n"
                       "Records and diary entries are kept in Dowsing.dll and diary.dll: beside the program when\n"
                       "its own folder holds them and may be written, otherwise in the user's data folder\n"
                       "(~/.local/share/velloran)."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption database(
        QStringLiteral("database"),
        // In English like the rest of the help: it is read before any translation is loaded.
        QStringLiteral("Keep records and diary in a shared PostgreSQL database, for this run:\n"
                       "postgresql://user@host:port/database[?sslmode=verify-full&sslrootcert=file],\n"
                       "or 'files' for the files on this computer. The environment variable\n"
                       "VELLORAN_DATABASE says the same. The password comes from the desktop's\n"
                       "secret store, or the program asks for it."),
        QStringLiteral("address"));
    parser.addOption(database);
    const bool understood = parser.parse(arguments);
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Without an application object the parser cannot know the program's name.
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), QStringLiteral("velloran"));
        return {CommandLine::Request::Help, text};
    }
    if (parser.isSet(version)) {
        return {CommandLine::Request::Version, QStringLiteral("velloran %1\n").arg(QStringLiteral(VELLORAN_VERSION))};
    }
    if (!understood) {
        return {CommandLine::Request::Refuse,
                QStringLiteral("velloran: %1\nTry 'velloran --help'.\n").arg(parser.errorText())};
    }
    if (parser.isSet(database) && parser.value(database) != QLatin1String("files")) {
        QString why;
        if (!SharedDatabase::fromUrl(parser.value(database), &why)) {
            return {CommandLine::Request::Refuse,
                    QStringLiteral("velloran: --database: %1\nTry 'velloran --help'.\n").arg(why),
                    {}};
        }
    }
    if (!parser.positionalArguments().isEmpty()) {
        return {CommandLine::Request::Refuse,
                QStringLiteral("velloran: unexpected argument '%1'\nTry 'velloran --help'.\n")
                    .arg(parser.positionalArguments().constFirst())};
    }
    return {CommandLine::Request::Run, {}, parser.value(database)};
}

int AnswerCommandLine(const CommandLine& commandLine) {
    switch (commandLine.request) {
    case CommandLine::Request::Help:
    case CommandLine::Request::Version:
        // An answer lost to a full disk or a closed pipe must not pass for one given; the flush is where a
        // buffered write finds out.
        if (std::fputs(commandLine.text.toLocal8Bit().constData(), stdout) < 0 || std::fflush(stdout) != 0) {
            std::fprintf(stderr, "velloran: cannot write to standard output: %s\n", std::strerror(errno));
            return 1;
        }
        return 0;
    case CommandLine::Request::Refuse:
        std::fputs(commandLine.text.toLocal8Bit().constData(), stderr);
        return 2;
    case CommandLine::Request::Run:
        break;
    }
    return -1;
}
