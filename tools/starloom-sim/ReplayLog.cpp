#include "ReplayLog.h"

ReplayLog PlayActions(const std::vector<ReplayAction>& actions)
{
    ReplayLog log;
    for (const ReplayAction& action : actions) {
        std::string line = DescribeAction(action);
        if (!PlayAction(action)) {
            // Kept in the history all the same: the press happened, and a
            // reader of the file should see why the frame is not darker.
            line += " (no exposure waiting: no effect)";
        } else if (action.button == ReplayAction::Button::Start) {
            log.exposure = action.at;
            log.dark.reset();
        } else {
            log.dark = action.at;
        }
        log.history.push_back(line);
    }
    return log;
}
