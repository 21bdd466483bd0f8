#pragma once

#include "archive/catalogue.h"
#include "disk/failure.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace vorn {

// Which of the items written into one folder on disk keep their names. Items
// whose names decode equal share one place there: files spelled alike replace
// one another (the catalogue's later record of a name wins) and folders spelled
// alike merge. Otherwise, a file against a folder or two spellings of one name,
// the item first in catalogue order keeps the name and the others are left
// out, whatever order the run writes them in.
class NameClaims {
public:
    explicit NameClaims(const Catalogue& catalogue) : m_catalogue(catalogue) {}

    // Whether the folder's content needs claims at all: not when it holds only
    // files and every name has a single spelling.
    static bool Needed(const Catalogue& catalogue, const CDirNode* content);

    // Folders first: where every name has a single spelling, a file can only
    // meet a folder, so files only mark the folders of their names and large
    // folders of files cost a lookup per file, not an entry each.
    void ClaimFolder(const CDirNode& folder);
    void ClaimFile(std::uint32_t entry);
    // Every sub-folder and file of content (the top level when null).
    void ClaimContent(const CDirNode* content);

    // Why the item cannot have its name; nothing when it can.
    std::optional<FailureKind> RefusalOfFile(std::uint32_t entry) const;
    std::optional<FailureKind> RefusalOfFolder(const CDirNode& folder) const;

private:
    struct Claim {
        std::pair<std::uint64_t, std::uint64_t> order;  // catalogue order
        bool folder;
        const std::string* bytes;  // the name's bytes where it has more than one spelling
    };
    Claim FileClaim(std::uint32_t entry) const;
    Claim FolderClaim(const CDirNode& folder) const;
    void Add(std::string_view name, const Claim& claim, bool newName);
    std::optional<FailureKind> Refusal(std::string_view name, const Claim& claim) const;

    const Catalogue& m_catalogue;
    std::unordered_map<std::string_view, Claim> m_first;  // by decoded name
};

}  // namespace vorn
