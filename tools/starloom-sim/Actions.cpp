#include "Actions.h"

#include <charconv>
#include <cstdint>
#include <string_view>
#include <system_error>

namespace {

struct SliderRange {
    const char* name;
    std::int32_t min;
    std::int32_t max;
};

constexpr SliderRange Ranges[3] = {
    {"exposure time", 0, 1000},
    {"CCD temperature", -50, 20},
    {"sky magnitude", 0, 8},
};

// Parses a whole field as a plain decimal integer; no blanks or signs other
// than a leading minus, no trailing characters.
bool ParseInteger(std::string_view field, std::int32_t& value)
{
    if (field.empty())
        return false;
    const char* end = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), end, value);
    return ec == std::errc() && ptr == end;
}

}  // namespace

std::optional<ReplayAction> ParseAction(const std::string& text, std::string& error)
{
    const std::string_view all(text);
    const auto equals = all.find('=');
    const std::string_view button = all.substr(0, equals);
    ReplayAction action{};
    if (button == "start")
        action.button = ReplayAction::Button::Start;
    else if (button == "dark")
        action.button = ReplayAction::Button::Dark;
    else {
        error = "'" + text + "': an action is start=E,T,M or dark=E,T,M";
        return std::nullopt;
    }
    if (equals == std::string_view::npos) {
        error = "'" + text + "': missing '=E,T,M' (exposure, temperature, magnitude)";
        return std::nullopt;
    }

    std::int32_t values[3] = {};
    std::string_view rest = all.substr(equals + 1);
    for (int i = 0; i < 3; ++i) {
        const auto comma = rest.find(',');
        const bool last = i == 2;
        if (last != (comma == std::string_view::npos)) {
            error = "'" + text + "': expected exactly three values E,T,M";
            return std::nullopt;
        }
        const std::string_view field = rest.substr(0, comma);
        if (!ParseInteger(field, values[i])) {
            error = "'" + text + "': the " + Ranges[i].name + " '" + std::string(field) + "' is not a whole number";
            return std::nullopt;
        }
        if (values[i] < Ranges[i].min || values[i] > Ranges[i].max) {
            error = "'" + text + "': the " + Ranges[i].name + " " + std::to_string(values[i]) + " lies outside " +
                    std::to_string(Ranges[i].min) + ".." + std::to_string(Ranges[i].max);
            return std::nullopt;
        }
        rest = last ? std::string_view() : rest.substr(comma + 1);
    }
    action.at = {values[0], values[1], values[2]};
    return action;
}

std::string DescribeAction(const ReplayAction& action)
{
    const char* button = action.button == ReplayAction::Button::Start ? "start" : "dark";
    return std::string(button) + "=" + std::to_string(action.at.exposureTime) + "," +
           std::to_string(action.at.ccdTemperature) + "," + std::to_string(action.at.skyMagnitude);
}

bool PlayAction(const ReplayAction& action)
{
    if (action.button == ReplayAction::Button::Dark)
        return PressDark(action.at);
    PressStart(action.at);
    return true;
}
