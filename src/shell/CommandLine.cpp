#include "shell/CommandLine.h"

#include "core/SharedDatabase.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
// Qt's own options, which QGuiApplication and QApplication take out of the arguments (with one dash or two).
const QStringList kQtOptionsWithValue = {QStringLiteral("platform"),
                                         QStringLiteral("platformpluginpath"),
                                         QStringLiteral("platformtheme"),
                                         QStringLiteral("plugin"),
                                         QStringLiteral("qwindowgeometry"),
                                         QStringLiteral("geometry"),
                                         QStringLiteral("qwindowtitle"),
                                         QStringLiteral("title"),
                                         QStringLiteral("qwindowicon"),
                                         QStringLiteral("icon"),
                                         QStringLiteral("session"),
                                         QStringLiteral("style"),
                                         QStringLiteral("stylesheet"),
                                         QStringLiteral("display"),
                                         QStringLiteral("fontengine"),
                                         QStringLiteral("name"),
                                         QStringLiteral("visual"),
                                         QStringLiteral("ncols"),
                                         QStringLiteral("cmap")};
const QStringList kQtOptionsAlone = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                     QStringLiteral("nograb"),  QStringLiteral("dograb"),
                                     QStringLiteral("sync"),    QStringLiteral("testability")};
// Options given as -name=value.
const QStringList kQtOptionsJoined = {QStringLiteral("style"), QStringLiteral("stylesheet"),
                                      QStringLiteral("qmljsdebugger"), QStringLiteral("dialogs")};

// The option's name without its dashes, or empty for an argument that is no single-word option.
QString optionName(const QString& argument) {
    if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-") || argument == QLatin1String("--")) {
        return {};
    }
    return argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
}

// In English, as the rest of the command line's help.
QString qtOptionsHelp() {
    return QStringLiteral(
        "\nQt's own options, which every Qt program takes:\n"
        "  -platform <name[:options]>   The display plug-in: xcb, wayland, offscreen, ...\n"
        "  -platformtheme <name>        The desktop's theme plug-in.\n"
        "  -platformpluginpath <path>   Where to look for display plug-ins.\n"
        "  -plugin <plugin>             Loads an input plug-in.\n"
        "  -display <display>           The X display to use.\n"
        "  -qwindowgeometry <geometry>  The first window's place and size (X11).\n"
        "  -qwindowtitle <title>        The first window's title.\n"
        "  -qwindowicon <icon>          The windows' icon.\n"
        "  -reverse                     Lays the windows out from right to left.\n"
        "  -session <session>           Restores a desktop session.\n"
        "  -style <style>               The widget style: Fusion, Windows, ...\n"
        "  -stylesheet <file>           A Qt style sheet for every window.\n"
        "  -widgetcount                 Says at the end how many widgets were made.\n"
        "  -nograb, -dograb             Whether menus and lists may take the mouse and keyboard (X11).\n");
}
} // namespace

QStringList WithoutQtOptions(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString name = i == 0 ? QString() : optionName(arguments.at(i));
        if (kQtOptionsWithValue.contains(name) && i + 1 < arguments.size()) {
            ++i;
            continue;
        }
        if (kQtOptionsAlone.contains(name) ||
            (name.contains(QLatin1Char('=')) && kQtOptionsJoined.contains(name.section(QLatin1Char('='), 0, 0)))) {
            continue;
        }
        kept << arguments.at(i);
    }
    return kept;
}

bool ChoosesPlatform(const QStringList& arguments) {
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (optionName(arguments.at(i)) == QLatin1String("platform")) {
            return true;
        }
    }
    return false;
}

CommandLine ReadCommandLine(const QStringList& given) {
    const QStringList arguments = WithoutQtOptions(given);
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
                       "secret store or ~/.pgpass, or the program asks for it; never put it in\n"
                       "the address, where every user of the computer could read it."),
        QStringLiteral("address"));
    parser.addOption(database);
    // "-name" is one option, as Qt's own are, not the letters n, a, m and e.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const bool understood = parser.parse(arguments);
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Without an application object the parser cannot know the program's name, nor list Qt's options.
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), QStringLiteral("velloran"));
        if (parser.isSet(QStringLiteral("help-all"))) {
            text += qtOptionsHelp();
        }
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

namespace {
// Overwrites the password of a postgresql:// address in place; true when there was one.
bool hidePasswordIn(char* address) {
    char* const start = std::strstr(address, "://");
    if (!start) {
        return false;
    }
    char* const authority = start + 3;
    const std::size_t length = std::strcspn(authority, "/?#");
    // The user's part ends at the last '@' of the authority; a password is what follows its first ':'.
    char* at = nullptr;
    for (char* c = authority; c < authority + length; ++c) {
        at = *c == '@' ? c : at;
    }
    char* const colon = at ? static_cast<char*>(std::memchr(authority, ':', std::size_t(at - authority))) : nullptr;
    if (!colon || colon + 1 == at) {
        return false;
    }
    std::memset(colon + 1, '*', std::size_t(at - colon - 1));
    return true;
}
} // namespace

void HidePasswords(int argc, char** argv) {
    const char* const option = "--database";
    const std::size_t optionLength = std::strlen(option);
    bool hidden = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0 || std::strcmp(argv[i], "-database") == 0) {
            if (i + 1 < argc) {
                hidden = hidePasswordIn(argv[++i]) || hidden;
            }
        } else if (std::strncmp(argv[i], option, optionLength) == 0 && argv[i][optionLength] == '=') {
            hidden = hidePasswordIn(argv[i] + optionLength + 1) || hidden;
        }
    }
    if (hidden) {
        std::fputs("velloran: a password on the command line can be read by every user of this computer while the "
                   "program runs; Velloran has hidden it from the process list, but leave it out next time: Velloran "
                   "asks for it and keeps it in the desktop's secret store, or libpq reads it from ~/.pgpass.\n",
                   stderr);
    }
    // The environment is readable by the user's own processes alone, but a password there ends up in shell
    // histories and scripts all the same.
    if (char* address = std::getenv("VELLORAN_DATABASE"); address && hidePasswordIn(address)) {
        std::fputs("velloran: a password in VELLORAN_DATABASE is unsafe (shell histories and scripts keep it); leave "
                   "it out: Velloran asks for it and keeps it in the desktop's secret store, or libpq reads it from "
                   "~/.pgpass.\n",
                   stderr);
    }
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
