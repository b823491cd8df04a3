#pragma once
// What the played actions did to the frame, for the headers of exported
// files: the conditions of the exposure that RawFrame holds, of the dark
// subtracted from it, and every action in order.

#include "Actions.h"

#include <optional>
#include <string>
#include <vector>

struct ReplayLog {
    std::optional<SliderPositions> exposure;  // the last Start; none before any
    std::optional<SliderPositions> dark;      // the dark subtracted from that exposure
    std::vector<std::string> history;         // one line per action played, in order
};

// Plays the actions on the engine, in order, and records their effect.
ReplayLog PlayActions(const std::vector<ReplayAction>& actions);
