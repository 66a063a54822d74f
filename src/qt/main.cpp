// der-ed: the desktop program.
#include "files/RecoveryFile.h"
#include "qt/DesktopProgram.h"
#include "qt/StartUp.h"

#include <QApplication>
#include <QStringList>

#include <iostream>
#include <memory>

namespace {

struct Arguments {
    std::string settingsPath;
    std::string commandLine;
    dered::ShellOptions shell;
};

bool ParseArguments(const QStringList& arguments, Arguments& args) {
    args.settingsPath = dered::DefaultSettingsPath();
    QStringList rest;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--settings")) {
            if (i + 1 >= arguments.size()) {
                return false;
            }
            args.settingsPath = arguments[++i].toLocal8Bit().toStdString();
        } else if (arg == QLatin1String("--quit-when-shown")) {
            args.shell.quitWhenMapShown = true;
        } else {
            rest << arg;
        }
    }
    // The report path is the rest of the command line, as one text.
    args.commandLine = rest.join(QLatin1Char(' ')).toLocal8Bit().toStdString();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    dered::ShellApplication app(argc, argv);
    Arguments args;
    if (!ParseArguments(QCoreApplication::arguments(), args)) {
        std::cerr << "usage: der-ed [--settings FILE] [--quit-when-shown] [REPORT]\n";
        return 2;
    }
    const std::string programDir =
        QCoreApplication::applicationDirPath().toLocal8Bit().toStdString();
    // The records are large: they live on the heap.
    auto desktop = std::make_unique<dered::DesktopProgram>(
        dered::ProgramOptions{programDir, args.commandLine, dered::DefaultRecoveryDir()},
        args.settingsPath, args.shell);
    desktop->Start();
    if (desktop->platform.Ended()) {
        return 0;
    }
    return QApplication::exec();
}
