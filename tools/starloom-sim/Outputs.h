#pragma once
// What the replay tool reports after the last action.

#include "StagedFiles.h"

#include <QString>
#include <QStringList>

// Checks before anything is simulated that `dir` exists or can be created
// and can be written into. Returns an empty string or the reason it cannot.
QString PrepareRawDir(const QString& dir);

// The folders on the way to `dir`, `dir` included, that do not exist yet,
// deepest first: what PrepareRawDir will create.
QStringList MissingFolders(const QString& dir);

// Removes each of `folders` that is empty, in order; a refused or failed
// run takes back the folders it made.
void RemoveEmptyFolders(const QStringList& folders);

// Stages the eight planes as files in `dir`. Returns an empty string or the
// reason of the failure.
QString StageRawPlanes(const QString& dir, StagedFiles& out);

// One "<PlaneName> sha256=<hex>" line per plane, then MinLevel and DarkPending.
QString PlaneDigests();

// Black point, lowest, highest and mean raw count of the last frame.
QString FrameSummary();
