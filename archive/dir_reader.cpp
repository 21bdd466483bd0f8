#include "archive/dir_reader.h"

#include "archive/catalogue_builder.h"
#include "archive/record_reader.h"

#include <unordered_set>

namespace vorn {

void ReadDirCatalogue(const ByteSource& source, Catalogue& catalogue)
{
    const RecordLayout layout = kDirLayout;
    RecordReader reader(source, layout);
    CatalogueBuilder builder(catalogue, source.Size());
    std::vector<std::uint64_t> returnOffsets;           // one per open folder
    std::unordered_set<std::uint64_t> runsRead = {0};  // where each run began

    std::uint64_t offset = 0;
    for (;;) {
        const std::optional<RawRecord> record = reader.ReadRecord(offset);
        if (!record) {
            builder.NoteTruncated(offset);
            return;
        }
        if (!builder.WithinBudget(layout.recordSize))
            return;
        switch (record->type) {
        case static_cast<std::uint8_t>(RecordType::File):
            builder.AddFile(*record, offset);
            offset += layout.recordSize;
            break;
        case static_cast<std::uint8_t>(RecordType::Folder):
            if (builder.Depth() >= Catalogue::kMaxFolderDepth) {
                catalogue.AddAnomaly(AnomalyKind::TooDeep, offset,
                                     DescribeRecord("Folder", record->name, offset) +
                                         " is nested too deep; its contents were not read.");
            } else if (!runsRead.insert(record->position).second) {
                catalogue.AddAnomaly(AnomalyKind::Loop, offset,
                                     DescribeRecord("Folder", record->name, offset) + " leads back to offset " +
                                         std::to_string(record->position) + ", which was read already; not followed.");
            } else {
                builder.OpenFolder(*record);
                returnOffsets.push_back(offset + layout.recordSize);
                offset = record->position;
                break;
            }
            offset += layout.recordSize;
            break;
        case static_cast<std::uint8_t>(RecordType::End):
            if (returnOffsets.empty())
                return;  // the end of the top-level run ends the catalogue
            offset = returnOffsets.back();
            returnOffsets.pop_back();
            builder.CloseFolder();
            break;
        default:
            builder.SkipUnknown(offset);
            offset += layout.recordSize;
            break;
        }
    }
}

}  // namespace vorn
