#include "archive/pck_reader.h"

#include "archive/catalogue_builder.h"
#include "archive/record_reader.h"

namespace vorn {

void ReadPckCatalogue(const ByteSource& source, Catalogue& catalogue, NameDecoder& names, const FileSink& sink)
{
    const RecordLayout layout = kPckLayout;
    RecordReader reader(source, layout, names);
    CatalogueBuilder builder(catalogue, source.Size(), layout.recordSize, sink);
    // Folders below the depth bound are not opened; their records are counted
    // here so that their end records close them, not the folders above.
    std::size_t skippedLevels = 0;
    std::size_t skippedFiles = 0;
    std::optional<std::uint64_t> firstSkipped;

    std::uint64_t offset = 0;
    for (bool reading = true; reading;) {
        std::optional<RawRecord> record = reader.ReadRecord(offset);
        if (!record) {
            builder.NoteUnreadable(offset);
            break;
        }
        if (!builder.WithinBudget(offset))
            break;
        if (record->position == 0) {
            catalogue.closingRecord = offset;
            break;
        }
        std::uint64_t next = offset + layout.recordSize;
        switch (record->type) {
        case static_cast<std::uint8_t>(RecordType::File):
            if (skippedLevels > 0)
                ++skippedFiles;
            else
                builder.AddFile(std::move(*record), offset);
            break;
        case static_cast<std::uint8_t>(RecordType::Folder):
            if (skippedLevels > 0 || builder.Depth() >= Catalogue::kMaxFolderDepth) {
                if (!firstSkipped)
                    firstSkipped = offset;
                ++skippedLevels;
                break;
            }
            if (record->position <= offset) {
                catalogue.AddAnomaly({AnomalyKind::Loop, offset, builder.PathInOpenFolder(record->name),
                                      {.name = record->name, .position = record->position}});
            }
            builder.OpenFolder(*record, offset);
            if (record->position > offset)
                next = record->position;
            break;
        case static_cast<std::uint8_t>(RecordType::End):
            if (skippedLevels > 0) {
                --skippedLevels;
                break;
            }
            reading = builder.CloseFolder(offset);  // an end record at the top level ends the catalogue
            break;
        default:
            builder.SkipUnknown(offset);
            break;
        }
        offset = next;
    }
    if (firstSkipped) {
        catalogue.AddAnomaly({AnomalyKind::TooDeep, *firstSkipped, {}, {.count = skippedFiles}});
    }
}

}  // namespace vorn
