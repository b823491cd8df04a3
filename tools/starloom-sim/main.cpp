// starloom-sim: plays Starloom's button presses without a window.

#include "ExportTargets.h"
#include "Exports.h"
#include "Outputs.h"
#include "Random.h"
#include "ReplayLog.h"
#include "ReplayOptions.h"
#include "Simulation.h"
#include "StagedFiles.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

int Fail(int status, const QString& message)
{
    QTextStream(stderr) << "starloom-sim: " << message << '\n';
    return status;
}

// Nothing is put in place unless every file could be written; what was
// staged and not committed is gone once `files` is.
QString WriteOutputs(const ReplayOptions& options, const ReplayLog& log)
{
    StagedFiles files;
    QString error = StageExports(options.exports, log, files);
    if (error.isEmpty() && !options.rawDir.isEmpty())
        error = StageRawPlanes(options.rawDir, files);
    return error.isEmpty() ? files.CommitAll() : error;
}

}  // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QString error;
    const auto options = ParseReplayOptions(arguments, error);
    if (!options)
        return Fail(2, error + QStringLiteral(" (see starloom-sim --help)"));
    QTextStream out(stdout);
    if (options->help) {
        out << ReplayUsage();
        return 0;
    }
    // A run that is refused or fails leaves no folder of its own making.
    const QStringList madeFolders = options->rawDir.isEmpty() ? QStringList() : MissingFolders(options->rawDir);
    const auto failAndTidy = [&madeFolders](int status, const QString& message) {
        RemoveEmptyFolders(madeFolders);
        return Fail(status, message);
    };
    if (!options->rawDir.isEmpty()) {
        error = PrepareRawDir(options->rawDir);
        if (!error.isEmpty())
            return failAndTidy(2, error);
    }
    // After the raw folder exists, so that "--raw out --fits out/a.fits" works.
    error = CheckExportTargets(options->exports);
    if (!error.isEmpty())
        return failAndTidy(2, error);

    StartRandomSource();
    SetUpSimulation();
    const ReplayLog log = PlayActions(options->actions);

    error = WriteOutputs(*options, log);
    if (!error.isEmpty())
        return failAndTidy(1, error);
    out << (options->digest ? PlaneDigests() : FrameSummary());
    return 0;
}
