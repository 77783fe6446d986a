#include "shell/CommandLine.h"

#include "common/SharedDatabase.h"

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
                       "secret store, or the program asks for it."),
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
