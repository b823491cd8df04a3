#pragma once
// The presses that the replay tool plays: "start=E,T,M" or "dark=E,T,M",
// each with the three slider positions at the press.

#include "Presses.h"

#include <optional>
#include <string>

struct ReplayAction {
    enum class Button { Start, Dark };
    Button button;
    SliderPositions at;
};

// Parses one action. On failure returns nothing and sets `error` to a
// sentence that names the argument and what is wrong with it.
std::optional<ReplayAction> ParseAction(const std::string& text, std::string& error);

// The action as it was written, normalised: "start=300,-10,4".
std::string DescribeAction(const ReplayAction& action);

// Plays the action on the engine as the window's button would. Returns false
// when the press did nothing at all (Dark processing with no exposure waiting).
bool PlayAction(const ReplayAction& action);
