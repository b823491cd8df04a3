#pragma once
// Writes the exports after the last action.

#include "ExportRequest.h"
#include "ReplayLog.h"

#include <vector>

// Each file goes to a temporary name beside its target and is renamed into
// place only once every export has been written in full, so a failure (a
// full disk, say) leaves no partial file and never touches an existing one.
// Returns an empty string or a message naming the file and the reason.
QString WriteExports(const std::vector<ExportRequest>& exports, const ReplayLog& log);
