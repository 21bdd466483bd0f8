#include "archive/catalogue_builder.h"

#include <limits>

namespace vorn {

std::string DescribeRecord(const char* what, const std::string& name, std::uint64_t offset)
{
    return std::string(what) + " \"" + name + "\" at offset " + std::to_string(offset);
}

CatalogueBuilder::CatalogueBuilder(Catalogue& catalogue, std::uint64_t archiveSize)
    : m_catalogue(catalogue), m_archiveSize(archiveSize)
{
}

void CatalogueBuilder::AddFile(const RawRecord& record, std::uint64_t offset)
{
    if (m_catalogue.entries.size() >= std::numeric_limits<std::uint32_t>::max())
        return;  // unreachable within the record budget of a 4 GiB catalogue
    const auto index = static_cast<std::uint32_t>(m_catalogue.entries.size());
    const FileEntry& entry = m_catalogue.entries.emplace_back(m_open, record.name, record.size, record.position);
    (m_open ? m_open->m_files : m_catalogue.topFiles).push_back(index);
    if (entry.DataEnd() > m_archiveSize) {
        m_catalogue.AddAnomaly(AnomalyKind::DataPastEnd, offset,
                               "The data of " + entry.GetPath() + "\\" + entry.m_name +
                                   " lies past the end of the archive (offset " + std::to_string(entry.m_offset) +
                                   ", size " + std::to_string(entry.m_size) + ", archive size " +
                                   std::to_string(m_archiveSize) + ").");
    }
}

void CatalogueBuilder::OpenFolder(const RawRecord& record)
{
    auto& siblings = m_open ? m_open->m_children : m_catalogue.topFolders;
    auto node = std::make_unique<CDirNode>(record.name, m_open);
    node->m_row = siblings.size();
    m_open = siblings.emplace_back(std::move(node)).get();
    ++m_depth;
}

bool CatalogueBuilder::CloseFolder()
{
    if (!m_open)
        return false;
    m_open = m_open->m_parent;
    --m_depth;
    return true;
}

void CatalogueBuilder::SkipUnknown(std::uint64_t offset)
{
    ++m_catalogue.unknownRecords;
    m_catalogue.AddAnomaly(AnomalyKind::UnknownRecord, offset,
                           "Unknown record type at offset " + std::to_string(offset) + "; skipped.");
}

bool CatalogueBuilder::WithinBudget(std::uint64_t offset, std::size_t recordSize)
{
    if (m_catalogue.recordCount >= m_archiveSize / recordSize) {
        m_catalogue.AddAnomaly(AnomalyKind::Overrun, 0,
                               "The catalogue's records overlap; reading stopped after " +
                                   std::to_string(m_catalogue.recordCount) + " records.");
        return false;
    }
    ++m_catalogue.recordCount;
    auto& spans = m_catalogue.recordSpans;
    if (!spans.empty() && spans.back().end == offset)
        spans.back().end += recordSize;
    else
        spans.push_back({offset, offset + recordSize});
    return true;
}

void CatalogueBuilder::NoteTruncated(std::uint64_t offset)
{
    m_catalogue.AddAnomaly(AnomalyKind::Truncated, offset,
                           offset < m_archiveSize
                               ? "The catalogue ends inside a record at offset " + std::to_string(offset) + "."
                               : "The catalogue ends without its closing record.");
}

}  // namespace vorn
