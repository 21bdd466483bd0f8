#pragma once

#include "archive/archive_format.h"
#include "archive/byte_source.h"
#include "archive/catalogue_finding.h"
#include "archive/dir_node.h"
#include "archive/file_entry.h"
#include "archive/name_encoding.h"
#include "archive/shared_names.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vorn {

// Bytes [begin, end) of the archive.
struct ByteSpan {
    std::uint64_t begin;
    std::uint64_t end;
};

// Everything a catalogue walk found: the folder tree, the file list in
// catalogue order and what was wrong with the catalogue.
struct [[nodiscard]] Catalogue {
    static constexpr std::size_t kMaxFolderDepth = 256;
    static constexpr std::size_t kMaxAnomalies = 10000;

    std::vector<FileEntry> entries;
    std::vector<std::unique_ptr<CDirNode>> topFolders;  // the first one is the root
    std::vector<std::uint32_t> topFiles;                // files outside every folder
    std::vector<CatalogueAnomaly> anomalies;            // at most kMaxAnomalies
    std::size_t anomalyCount = 0;                       // including those not kept
    std::size_t unknownRecords = 0;
    std::uint64_t recordCount = 0;       // records read, all kinds
    std::vector<ByteSpan> recordSpans;   // where they lie, runs of adjacent records as one
    SharedNames sharedNames;
    std::optional<std::uint64_t> closingRecord;  // where the record that ended the catalogue lies, if one did
    // Where each entry's record lies, by entry; kept only when the load is asked to.
    std::optional<std::vector<std::uint64_t>> fileRecords;

    void AddAnomaly(CatalogueAnomaly anomaly);
    // Child folders and files of a folder, or of the top level when folder is null.
    const std::vector<std::unique_ptr<CDirNode>>& FoldersOf(const CDirNode* folder) const;
    const std::vector<std::uint32_t>& FilesOf(const CDirNode* folder) const;
};

// Visits every folder once, in catalogue order (the order the folder records
// were read, which is the tree's depth-first pre-order), without recursion.
template <typename Visit>
void ForEachFolder(const Catalogue& catalogue, Visit visit)
{
    std::vector<const CDirNode*> pending;
    const auto pushChildren = [&](const CDirNode* folder) {
        const auto& children = catalogue.FoldersOf(folder);
        for (auto child = children.rbegin(); child != children.rend(); ++child)
            pending.push_back(child->get());
    };
    pushChildren(nullptr);
    while (!pending.empty()) {
        const CDirNode* folder = pending.back();
        pending.pop_back();
        visit(*folder);
        pushChildren(folder);
    }
}

// Receives the files of a catalogue one at a time, in catalogue order, in place
// of the file list: a caller that only passes over them (a listing) need not
// hold a million entries.
using FileSink = std::function<void(const FileEntry&)>;

// Reads the whole catalogue of the given format from source. Never fails:
// whatever could be read stays, and every irregularity becomes an anomaly.
// Names are decoded by names, Windows-1252 unless told otherwise. Given a
// sink, the files go to it and the catalogue keeps none (no entries, no file
// indexes in the folders); folders and anomalies stay as ever. A writer that
// rewrites the archive asks for the file records' offsets too.
enum class FileRecordOffsets { Drop, Keep };
Catalogue LoadCatalogue(const ByteSource& source, ArchiveFormat format, NameDecoder names = NameDecoder::Default(),
                        const FileSink& sink = {}, FileRecordOffsets offsets = FileRecordOffsets::Drop);

}  // namespace vorn
