#pragma once
// The replay tool's command line.

#include "Actions.h"
#include "ExportRequest.h"

#include <QString>

#include <optional>
#include <vector>

struct ReplayOptions {
    bool help = false;
    bool digest = false;
    QString rawDir;  // empty: no raw planes
    std::vector<ExportRequest> exports;  // in the order --fits, --fits-display, --png
    std::vector<ReplayAction> actions;
};

// Parses the arguments (without the program name). On failure returns
// nothing and sets `error` to a message that names the bad argument.
std::optional<ReplayOptions> ParseReplayOptions(const QStringList& arguments, QString& error);

// The text that --help prints.
QString ReplayUsage();
