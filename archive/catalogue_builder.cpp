#include "archive/catalogue_builder.h"

#include <algorithm>
#include <limits>
#include <new>
#include <sys/mman.h>

namespace vorn {
namespace {

// The entries of a large catalogue are written once, front to back: in huge
// pages that costs a page fault per 2 MiB instead of one per 4 KiB, which is
// much of a large load's time. Only whole huge pages inside the block qualify.
void AdviseHugePages(void* block, std::size_t bytes)
{
    constexpr std::uintptr_t kHugePage = 2 << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t begin = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t end = (start + bytes) & ~(kHugePage - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

}  // namespace

CatalogueBuilder::CatalogueBuilder(Catalogue& catalogue, std::uint64_t archiveSize, std::size_t recordSize,
                                   const FileSink& sink)
    : m_catalogue(catalogue),
      m_sink(sink),
      m_archiveSize(archiveSize),
      m_recordSize(recordSize),
      m_recordBudget(archiveSize / recordSize)
{
}

// A well-formed catalogue lies before the data, so the first file's data offset
// bounds how many records there are: the entries are sized once instead of
// regrowing and copying a million entries. Space reserved but never written
// costs address space only; where even that is refused, the list just grows.
void CatalogueBuilder::ReserveEntries(std::uint64_t firstDataOffset)
{
    auto& entries = m_catalogue.entries;
    try {
        entries.reserve(static_cast<std::size_t>(std::min(firstDataOffset, m_archiveSize) / m_recordSize));
    } catch (const std::bad_alloc&) {
        return;
    }
    AdviseHugePages(entries.data(), entries.capacity() * sizeof(FileEntry));
}

void CatalogueBuilder::AddFile(RawRecord&& record, std::uint64_t offset)
{
    if (m_sink) {
        const FileEntry entry(Open(), std::move(record.name), record.size, record.position);
        NoteDataPastEnd(entry, offset);
        m_sink(entry);
        return;
    }
    if (m_catalogue.entries.size() >= std::numeric_limits<std::uint32_t>::max())
        return;  // unreachable within the record budget of a 4 GiB catalogue
    if (m_catalogue.entries.capacity() == 0)
        ReserveEntries(record.position);
    const auto index = static_cast<std::uint32_t>(m_catalogue.entries.size());
    const FileEntry& entry =
        m_catalogue.entries.emplace_back(Open(), std::move(record.name), record.size, record.position);
    if (record.sharedNameBytes)
        m_catalogue.sharedNames.files.emplace(index, std::move(*record.sharedNameBytes));
    CDirNode* open = Open();
    (open ? open->m_files : m_catalogue.topFiles).push_back(index);
    if (m_catalogue.fileRecords)
        m_catalogue.fileRecords->push_back(offset);
    NoteDataPastEnd(entry, offset);
}

void CatalogueBuilder::NoteDataPastEnd(const FileEntry& entry, std::uint64_t offset)
{
    if (entry.DataEnd() > m_archiveSize) {
        m_catalogue.AddAnomaly({AnomalyKind::DataPastEnd, offset, ItemPath(entry.m_folder, entry.m_name),
                                {.position = entry.m_offset, .size = entry.m_size, .bound = m_archiveSize}});
    }
}

std::string CatalogueBuilder::PathInOpenFolder(const std::string& name) const
{
    return ItemPath(Open(), name);
}

void CatalogueBuilder::OpenFolder(const RawRecord& record, std::uint64_t offset)
{
    CDirNode* open = Open();
    auto& siblings = open ? open->m_children : m_catalogue.topFolders;
    auto node = std::make_unique<CDirNode>(record.name, open);
    node->m_row = siblings.size();
    node->m_filesBefore = static_cast<std::uint32_t>(m_catalogue.entries.size());
    node->m_recordOffset = offset;
    m_openFolders.push_back(siblings.emplace_back(std::move(node)).get());
    if (record.sharedNameBytes)
        m_catalogue.sharedNames.folders.emplace(Open(), *record.sharedNameBytes);
}

bool CatalogueBuilder::CloseFolder(std::uint64_t offset)
{
    CDirNode* open = Open();
    if (!open) {
        m_catalogue.closingRecord = offset;
        return false;
    }
    open->m_endOffset = offset;
    // The folder gets no more files: a million indices need no room to grow.
    open->m_files.shrink_to_fit();
    m_openFolders.pop_back();
    return true;
}

void CatalogueBuilder::SkipUnknown(std::uint64_t offset)
{
    ++m_catalogue.unknownRecords;
    m_catalogue.AddAnomaly({AnomalyKind::UnknownRecord, offset});
}

bool CatalogueBuilder::WithinBudget(std::uint64_t offset)
{
    if (m_catalogue.recordCount >= m_recordBudget) {
        m_catalogue.AddAnomaly({AnomalyKind::Overrun, offset, {}, {.count = m_catalogue.recordCount}});
        return false;
    }
    ++m_catalogue.recordCount;
    auto& spans = m_catalogue.recordSpans;
    if (!spans.empty() && spans.back().end == offset)
        spans.back().end += m_recordSize;
    else
        spans.push_back({offset, offset + m_recordSize});
    return true;
}

void CatalogueBuilder::NoteUnreadable(std::uint64_t offset)
{
    // A file that ends where a record would begin holds every record whole: a
    // writer may well have left out the closing record.
    m_catalogue.AddAnomaly({offset == m_archiveSize ? AnomalyKind::MissingEnd : AnomalyKind::Truncated, offset, {},
                            {.bound = m_archiveSize}});
}

}  // namespace vorn
