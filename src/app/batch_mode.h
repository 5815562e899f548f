#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QTextStream>

#include <functional>
#include <vector>

namespace app {

/// What a command-line mode is given: the resolved data root, the parsed options, and the
/// two text streams (UTF-8) it reports on.
struct BatchContext {
    QString dataRoot;
    const QCommandLineParser& parser;
    QTextStream& out;
    QTextStream& err;
};

/// A mode that does one job without a window (listing, export, printing to PDF) and ends.
struct BatchMode {
    /// The option that selects the mode, without its dashes ("list-games").
    QString trigger;
    /// Modes that write into the data root take the same lock as the window.
    bool writes = false;
    /// Adds the mode's options; an option two modes share is added once.
    std::function<void(QCommandLineParser&)> declareOptions;
    /// Does the job; the return value is the process's exit status.
    std::function<int(const BatchContext&)> run;
    /// Modes that draw nothing (no page, no font) start without the window system's platform
    /// and the font set-up: scripts run them over hundreds of files.
    bool drawsNothing = false;
};

/// Every command-line mode of the program.
const std::vector<BatchMode>& BatchModes();

/// The mode that argv asks for, or nullptr when the window is to start. Looks only at the
/// option names, so that it can be asked before any application object exists.
const BatchMode* RequestedBatchMode(int argc, char* argv[]);

}  // namespace app
