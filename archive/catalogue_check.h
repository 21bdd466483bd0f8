#pragma once

#include "archive/catalogue.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace vorn {

// What a check found: the first Catalogue::kMaxAnomalies findings and how many
// there are in all.
struct [[nodiscard]] CatalogueFindings {
    std::vector<CatalogueAnomaly> anomalies;
    std::size_t count = 0;
    bool stopped = false;  // the progress callback asked to stop: the findings are partial

    void Add(CatalogueAnomaly anomaly);
};

// Told how many of total steps a check has done, now and then; returning false
// stops the check.
using CheckProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// The names of the files at the given catalogue indices (ascending), in that order.
using EntryNames = std::function<std::vector<std::string>(std::span<const std::uint32_t> indices)>;

// Checks the files of a catalogue as they are read, keeping 16 bytes of each
// (data span, folder, a hash of the name folded to one case) instead of the
// entries: names are asked for again only for the few files a finding names.
class CatalogueChecker {
public:
    // The next file in catalogue order.
    void Add(const FileEntry& entry);
    std::size_t FileCount() const { return m_files.size(); }

    // Everything questionable about the catalogue whose files were added: what
    // the walk itself found, then files sharing data bytes, names met twice in
    // one folder, names that differ only in case there and names that cannot be
    // written to disk as they stand.
    CatalogueFindings Finish(const Catalogue& catalogue, const EntryNames& names, const CheckProgress& progress = {});

private:
    struct CheckedFile {
        std::uint32_t offset;
        std::uint32_t size;
        std::uint32_t folder;  // an index into m_folders
        std::uint32_t foldedNameHash;
    };
    class Steps;

    void FindOverlaps(Steps& steps);
    std::vector<std::uint32_t> FindNamesMetTwice(const Catalogue& catalogue, Steps& steps) const;
    std::uint32_t FolderId(const CDirNode* folder);

    std::deque<CheckedFile> m_files;  // no reallocation peak while a million are added
    std::vector<const CDirNode*> m_folders;  // of the files, in the order first met
    std::unordered_map<const CDirNode*, std::uint32_t> m_folderIds;
    std::vector<std::uint32_t> m_unsafe;  // files whose names cannot be written to disk
    std::vector<std::pair<std::uint32_t, std::uint32_t>> m_overlaps;  // file, file overlapped; the first ones
    std::size_t m_overlapCount = 0;
};

// The check of a loaded catalogue, its files and names at hand.
CatalogueFindings CheckCatalogue(const Catalogue& catalogue, const CheckProgress& progress = {});

}  // namespace vorn
