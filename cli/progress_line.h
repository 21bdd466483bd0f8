#pragma once

#include "cli/interrupt_signals.h"
#include "extract/extraction_engine.h"
#include "write/archive_writer.h"

#include <chrono>
#include <cstdio>

namespace vorn::cli {

// Shows the progress of an extraction, or of writing an archive, on one line
// of a terminal, redrawn at most ten times a second. Existing files are never
// asked about: the policy decides. SIGINT and SIGTERM cancel the run.
class ProgressLine final : public ExtractionObserver, public WriteObserver {
public:
    explicit ProgressLine(bool visible) : m_visible(visible) {}
    ~ProgressLine() override;

    void Progress(const ExtractionProgress& progress) override;
    bool CancelRequested() const override { return InterruptSignals::Received() != 0; }
    OverwriteAnswer AskOverwrite(const std::string&, std::uint64_t) override { return OverwriteAnswer::No; }

    void Progress(const WriteProgress& progress) override;
    bool StopRequested() const override { return CancelRequested(); }

private:
    void Draw(std::uint64_t filesDone, std::uint64_t filesTotal, std::uint64_t bytesDone, std::uint64_t bytesTotal,
              const std::string& currentPath);

    bool m_visible;
    bool m_drawn = false;
    std::chrono::steady_clock::time_point m_lastDrawn{};
};

}  // namespace vorn::cli
