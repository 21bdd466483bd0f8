#include "archive/archive_summary.h"

#include "archive/archive_file.h"

#include <algorithm>
#include <vector>

namespace vorn {
namespace {

// The bytes of [0, size) that the spans cover together, overlaps counted once.
std::uint64_t CoveredBytes(std::vector<ByteSpan> spans, std::uint64_t size)
{
    std::sort(spans.begin(), spans.end(), [](const ByteSpan& a, const ByteSpan& b) { return a.begin < b.begin; });
    std::uint64_t covered = 0;
    std::uint64_t reached = 0;  // everything before it is counted
    for (const ByteSpan& span : spans) {
        const std::uint64_t begin = std::max(span.begin, reached);
        const std::uint64_t end = std::min(span.end, size);
        if (end > begin) {
            covered += end - begin;
            reached = end;
        }
    }
    return covered;
}

}  // namespace

ArchiveSummary Summarize(const CArchiveFile& archive)
{
    const Catalogue& catalogue = archive.GetCatalogue();
    ArchiveSummary summary;
    summary.format = archive.GetFormat();
    summary.records = catalogue.recordCount;
    ForEachFolder(catalogue, [&summary](const CDirNode&) { ++summary.folders; });
    summary.files = catalogue.entries.size();
    summary.archiveSize = archive.Source().Size();

    std::vector<ByteSpan> spans = catalogue.recordSpans;
    spans.reserve(spans.size() + catalogue.entries.size());
    for (const FileEntry& entry : catalogue.entries) {
        summary.totalBytes += entry.m_size;
        spans.push_back({entry.m_offset, entry.DataEnd()});
    }
    summary.uncoveredBytes = summary.archiveSize - CoveredBytes(std::move(spans), summary.archiveSize);
    return summary;
}

}  // namespace vorn
