#pragma once
// Checks, before anything is simulated, that every export can be written
// where it is asked to go, so that a mistyped path costs no simulation and
// is reported as a bad argument.

#include "ExportRequest.h"

#include <vector>

// Returns an empty string, or a message naming the file and why it cannot
// be written there (folder missing, not a folder, not writable; target is a
// folder or a file that may not be replaced; the same file asked twice).
QString CheckExportTargets(const std::vector<ExportRequest>& exports);
