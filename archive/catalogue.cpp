#include "archive/catalogue.h"

#include "archive/dir_reader.h"
#include "archive/pck_reader.h"

namespace vorn {

void Catalogue::AddAnomaly(CatalogueAnomaly anomaly)
{
    ++anomalyCount;
    if (anomalies.size() < kMaxAnomalies)
        anomalies.push_back(std::move(anomaly));
}

const std::vector<std::unique_ptr<CDirNode>>& Catalogue::FoldersOf(const CDirNode* folder) const
{
    return folder ? folder->m_children : topFolders;
}

const std::vector<std::uint32_t>& Catalogue::FilesOf(const CDirNode* folder) const
{
    return folder ? folder->m_files : topFiles;
}

Catalogue LoadCatalogue(const ByteSource& source, ArchiveFormat format, NameDecoder names, const FileSink& sink,
                        FileRecordOffsets offsets)
{
    Catalogue catalogue;
    if (offsets == FileRecordOffsets::Keep && !sink)
        catalogue.fileRecords.emplace();
    if (format == ArchiveFormat::Dir)
        ReadDirCatalogue(source, catalogue, names, sink);
    else if (format == ArchiveFormat::Pck)
        ReadPckCatalogue(source, catalogue, names, sink);
    return catalogue;
}

}  // namespace vorn
