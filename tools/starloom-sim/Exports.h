#pragma once
// Writes the exports after the last action.

#include "ExportRequest.h"
#include "ReplayLog.h"
#include "StagedFiles.h"

#include <vector>

// Makes each export and stages it in `out`. Returns an empty string or a
// message naming the file and the reason.
QString StageExports(const std::vector<ExportRequest>& exports, const ReplayLog& log, StagedFiles& out);
