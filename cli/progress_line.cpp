#include "cli/progress_line.h"

#include "cli/human_size.h"

namespace vorn::cli {

ProgressLine::~ProgressLine()
{
    if (m_drawn)
        std::fputs("\r\033[K", stderr);
}

void ProgressLine::Progress(const ExtractionProgress& progress)
{
    if (!m_visible)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (m_drawn && now - m_lastDrawn < std::chrono::milliseconds(100))
        return;
    m_lastDrawn = now;
    m_drawn = true;
    std::string path = progress.currentPath;
    if (path.size() > 40)
        path = "..." + path.substr(path.size() - 37);
    std::fprintf(stderr, "\r\033[K%llu/%llu files, %s of %s  %s", static_cast<unsigned long long>(progress.filesDone),
                 static_cast<unsigned long long>(progress.filesTotal), HumanSize(progress.bytesDone).c_str(),
                 HumanSize(progress.bytesTotal).c_str(), path.c_str());
    std::fflush(stderr);
}

}  // namespace vorn::cli
