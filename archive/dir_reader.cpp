#include "archive/dir_reader.h"

#include "archive/catalogue_builder.h"
#include "archive/record_reader.h"

#include <unordered_set>

namespace vorn {

void ReadDirCatalogue(const ByteSource& source, Catalogue& catalogue, NameDecoder& names, const FileSink& sink)
{
    const RecordLayout layout = kDirLayout;
    RecordReader reader(source, layout, names);
    CatalogueBuilder builder(catalogue, source.Size(), layout.recordSize, sink);
    // One per open folder: where its run began and where its parent's run goes on.
    struct OpenRun {
        std::uint64_t start;
        std::uint64_t returnOffset;
    };
    std::vector<OpenRun> openRuns;
    // Only a run still open can lead back into itself for ever; a closed run
    // may be the content of several folders, each read in full. The record
    // budget bounds what such sharing can cost.
    std::unordered_set<std::uint64_t> openStarts = {0};

    std::uint64_t offset = 0;
    for (;;) {
        std::optional<RawRecord> record = reader.ReadRecord(offset);
        if (!record) {
            builder.NoteUnreadable(offset);
            return;
        }
        if (!builder.WithinBudget(offset))
            return;
        switch (record->type) {
        case static_cast<std::uint8_t>(RecordType::File):
            builder.AddFile(std::move(*record), offset);
            offset += layout.recordSize;
            break;
        case static_cast<std::uint8_t>(RecordType::Folder):
            if (builder.Depth() >= Catalogue::kMaxFolderDepth) {
                catalogue.AddAnomaly({AnomalyKind::TooDeep, offset, builder.PathInOpenFolder(record->name),
                                      {.name = record->name}});
            } else if (!openStarts.insert(record->position).second) {
                catalogue.AddAnomaly({AnomalyKind::Loop, offset, builder.PathInOpenFolder(record->name),
                                      {.name = record->name, .position = record->position}});
            } else {
                builder.OpenFolder(*record, offset);
                openRuns.push_back({record->position, offset + layout.recordSize});
                offset = record->position;
                break;
            }
            offset += layout.recordSize;
            break;
        case static_cast<std::uint8_t>(RecordType::End):
            if (!builder.CloseFolder(offset))
                return;  // the end of the top-level run ends the catalogue
            offset = openRuns.back().returnOffset;
            openStarts.erase(openRuns.back().start);
            openRuns.pop_back();
            break;
        default:
            builder.SkipUnknown(offset);
            offset += layout.recordSize;
            break;
        }
    }
}

}  // namespace vorn
