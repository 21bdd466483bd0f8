#pragma once

namespace vorn::cli {

// While alive, SIGINT and SIGTERM ask the running command to stop: the first
// one is noted, and the handlers step aside so that a second one ends the
// process at once.
class InterruptSignals {
public:
    InterruptSignals();
    ~InterruptSignals();
    InterruptSignals(const InterruptSignals&) = delete;
    InterruptSignals& operator=(const InterruptSignals&) = delete;

    // The signal received first, or 0.
    static int Received();
};

}  // namespace vorn::cli
