#include "cli/progress_line.h"

#include "cli/human_size.h"
#include "framework/escape_controls.h"

namespace vorn::cli {
namespace {

constexpr std::size_t kPathWidth = 40;  // bytes of the current path shown, at most

}  // namespace

ProgressLine::~ProgressLine()
{
    if (m_drawn)
        std::fputs("\r\033[K", stderr);
}

void ProgressLine::Progress(const ExtractionProgress& progress)
{
    Draw(progress.filesDone, progress.filesTotal, progress.bytesDone, progress.bytesTotal, progress.currentPath);
}

void ProgressLine::Progress(const WriteProgress& progress)
{
    Draw(progress.filesDone, progress.filesTotal, progress.bytesDone, progress.bytesTotal, {});
}

void ProgressLine::Draw(std::uint64_t filesDone, std::uint64_t filesTotal, std::uint64_t bytesDone,
                        std::uint64_t bytesTotal, const std::string& currentPath)
{
    if (!m_visible)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (m_drawn && now - m_lastDrawn < std::chrono::milliseconds(100))
        return;
    m_lastDrawn = now;
    m_drawn = true;
    std::string path = EscapeControls(currentPath);
    if (path.size() > kPathWidth) {
        std::size_t start = path.size() - (kPathWidth - 3);
        while (start < path.size() && (static_cast<unsigned char>(path[start]) & 0xC0) == 0x80)
            ++start;  // not into the middle of a character
        path = "..." + path.substr(start);
    }
    std::fprintf(stderr, "\r\033[K%llu/%llu files, %s of %s  %s", static_cast<unsigned long long>(filesDone),
                 static_cast<unsigned long long>(filesTotal), HumanSize(bytesDone).c_str(),
                 HumanSize(bytesTotal).c_str(), path.c_str());
    std::fflush(stderr);
}

}  // namespace vorn::cli
