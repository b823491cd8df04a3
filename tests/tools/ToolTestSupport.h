#pragma once
// Runs the starloom-sim program as a teacher would and reads back what it
// wrote, for the tests of its files, reports and refusals.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

struct ToolRun {
    int status = -1;  // exit status; -1 when it did not exit normally
    QString out;
    QString err;
};

// Runs starloom-sim with `arguments` and no display at all (no DISPLAY,
// WAYLAND_DISPLAY or QT_QPA_PLATFORM), as on a lab server. `inChild`, when
// given, runs in the child just before the program starts.
ToolRun RunTool(const QStringList& arguments, const std::function<void()>& inChild = {});

// A plane written by --raw: values in walking order, x outer, y inner.
std::vector<std::int32_t> ReadIntPlane(const QString& file);

// Every file under `dir` (recursively) with its contents, to show that a
// failed run changed nothing.
QMap<QString, QByteArray> FolderContents(const QString& dir);

constexpr int Width = 600;
constexpr int Height = 400;
