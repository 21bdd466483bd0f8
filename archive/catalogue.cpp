#include "archive/catalogue.h"

#include "archive/dir_reader.h"
#include "archive/pck_reader.h"

namespace vorn {

const char* AnomalyKindName(AnomalyKind kind)
{
    switch (kind) {
    case AnomalyKind::UnknownRecord:
        return "unknown-record";
    case AnomalyKind::Truncated:
        return "truncated";
    case AnomalyKind::Loop:
        return "loop";
    case AnomalyKind::TooDeep:
        return "too-deep";
    case AnomalyKind::Overrun:
        return "overrun";
    case AnomalyKind::DataPastEnd:
        return "data-past-end";
    case AnomalyKind::Overlap:
        return "overlap";
    case AnomalyKind::Duplicate:
        return "duplicate";
    case AnomalyKind::CaseCollision:
        return "case-collision";
    case AnomalyKind::UnsafeName:
        return "unsafe-name";
    }
    return "unknown";
}

void Catalogue::AddAnomaly(AnomalyKind kind, std::uint64_t offset, std::string text, std::string path)
{
    ++anomalyCount;
    if (anomalies.size() < kMaxAnomalies)
        anomalies.push_back({kind, offset, std::move(text), std::move(path)});
}

const std::vector<std::unique_ptr<CDirNode>>& Catalogue::FoldersOf(const CDirNode* folder) const
{
    return folder ? folder->m_children : topFolders;
}

const std::vector<std::uint32_t>& Catalogue::FilesOf(const CDirNode* folder) const
{
    return folder ? folder->m_files : topFiles;
}

Catalogue LoadCatalogue(const ByteSource& source, ArchiveFormat format, NameDecoder names, const FileSink& sink)
{
    Catalogue catalogue;
    if (format == ArchiveFormat::Dir)
        ReadDirCatalogue(source, catalogue, names, sink);
    else if (format == ArchiveFormat::Pck)
        ReadPckCatalogue(source, catalogue, names, sink);
    return catalogue;
}

}  // namespace vorn
