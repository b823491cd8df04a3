#pragma once
// One file that the replay tool is asked to export after the last action.

#include <QString>

struct ExportRequest {
    enum class Kind {
        RawFits,      // --fits: RawFrame, 32-bit signed counts
        DisplayFits,  // --fits-display: DisplayFrame, 8-bit grey levels
        DisplayPng,   // --png: DisplayFrame, 8-bit grey PNG
    };
    Kind kind;
    QString path;
};
