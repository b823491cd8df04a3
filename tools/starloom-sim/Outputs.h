#pragma once
// What the replay tool reports after the last action.

#include <QString>

// Checks before anything is simulated that `dir` exists or can be created
// and can be written into. Returns an empty string or the reason it cannot.
QString PrepareRawDir(const QString& dir);

// Writes the eight planes into `dir`, all or none. Returns an empty string
// or the reason of the failure.
QString WriteRawPlanes(const QString& dir);

// One "<PlaneName> sha256=<hex>" line per plane, then MinLevel and DarkPending.
QString PlaneDigests();

// Black point, lowest, highest and mean raw count of the last frame.
QString FrameSummary();
