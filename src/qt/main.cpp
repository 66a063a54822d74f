// der-ed: the desktop program.
#include "files/StandardPlaces.h"
#include "qt/DesktopProgram.h"
#include "qt/StartUp.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>

#include <cstring>
#include <memory>
#include <optional>
#include <string>

namespace {

struct Arguments {
    std::optional<std::string> settingsPath; // named on the command line
    std::string commandLine;
    dered::ShellOptions shell;
};

// Help and version are answered before the application object that needs a display.
bool AsksOnlyForText(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* word : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], word) == 0) {
                return true;
            }
        }
    }
    return false;
}

Arguments ParseArguments(const QCoreApplication& app) {
    QCoreApplication::setApplicationName("der-ed");
    QCoreApplication::setApplicationVersion(DERED_VERSION);
    QCommandLineParser parser;
    parser.setApplicationDescription("A desktop aid for one player of a file-exchange strategy "
                                     "game: open a turn's report, enter and check the orders.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption settings(QStringList{"settings"}, "Use FILE as the settings file.",
                                      "FILE");
    const QCommandLineOption quitWhenShown(QStringList{"quit-when-shown"},
                                           "Quit once the map is first painted (for timing).");
    parser.addOption(settings);
    parser.addOption(quitWhenShown);
    parser.addPositionalArgument("REPORT", "The report to open (plyrdata.*).", "[REPORT]");
    parser.process(app);
    Arguments args;
    if (parser.isSet(settings)) {
        args.settingsPath = parser.value(settings).toLocal8Bit().toStdString();
    }
    args.shell.quitWhenMapShown = parser.isSet(quitWhenShown);
    // The report path is the rest of the command line, as one text.
    args.commandLine =
        parser.positionalArguments().join(QLatin1Char(' ')).toLocal8Bit().toStdString();
    return args;
}

std::string Environment(const char* name) {
    return qEnvironmentVariable(name).toLocal8Bit().toStdString();
}

} // namespace

int main(int argc, char** argv) {
    if (AsksOnlyForText(argc, argv)) {
        QCoreApplication text(argc, argv);
        (void)ParseArguments(text); // prints and exits
        return 0;
    }
    dered::ShellApplication app(argc, argv);
    const Arguments args = ParseArguments(app);
    const dered::StandardPlaces places = dered::FindStandardPlaces(
        Environment, QCoreApplication::applicationDirPath().toLocal8Bit().toStdString(),
        {args.settingsPath, {}});
    // The records are large: they live on the heap.
    auto desktop = std::make_unique<dered::DesktopProgram>(
        dered::ProgramOptions{places.mapFolders, args.commandLine, places.recoveryDir},
        places.settings, args.shell);
    desktop->Start();
    if (desktop->platform.Ended()) {
        return 0;
    }
    return QApplication::exec();
}
