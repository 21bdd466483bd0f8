#pragma once

#include "archive/catalogue.h"

namespace vorn {

// What both catalogue readers do with a record once they know what it means:
// open and close folders, file records under the open folder, and keep count.
class CatalogueBuilder {
public:
    // Files go to sink, when there is one, instead of the catalogue.
    CatalogueBuilder(Catalogue& catalogue, std::uint64_t archiveSize, std::size_t recordSize, const FileSink& sink);

    void AddFile(RawRecord&& record, std::uint64_t offset);
    void OpenFolder(const RawRecord& record, std::uint64_t offset);
    // Makes the open folder's parent the open folder; false when none is open,
    // and then the end record at offset ended the catalogue.
    bool CloseFolder(std::uint64_t offset);
    std::size_t Depth() const { return m_openFolders.size(); }
    // "DATA\\SUB\\name": where a record named name in the open folder stands.
    std::string PathInOpenFolder(const std::string& name) const;
    void SkipUnknown(std::uint64_t offset);

    // Counts the record read at offset and bounds the walk: a catalogue that
    // reads more records than the file can hold is revisiting records,
    // whatever path led there.
    bool WithinBudget(std::uint64_t offset);

    // No record could be read at offset.
    void NoteUnreadable(std::uint64_t offset);

private:
    void ReserveEntries(std::uint64_t firstDataOffset);
    void NoteDataPastEnd(const FileEntry& entry, std::uint64_t offset);

    Catalogue& m_catalogue;
    const FileSink& m_sink;
    std::uint64_t m_archiveSize;
    std::size_t m_recordSize;
    std::uint64_t m_recordBudget;  // as many records as the file can hold
    // The innermost open folder, or null at the top level.
    CDirNode* Open() const { return m_openFolders.empty() ? nullptr : m_openFolders.back(); }

    std::vector<CDirNode*> m_openFolders;  // from the top level down
};

}  // namespace vorn
