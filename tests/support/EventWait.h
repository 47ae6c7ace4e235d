// EventWait: a bounded wait for work the event loop does (the help engine's
// indexing, the web engine's loading): runs a real event loop until a
// condition holds or the time limit passes. The limit is a bound on waiting,
// never a measure of speed.
#pragma once

#include <functional>

namespace lintavo {

// Runs events until done() holds or limitMs pass; true when done() holds.
bool RunEventsUntil(const std::function<bool()>& done, int limitMs);

}  // namespace lintavo
