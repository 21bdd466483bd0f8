#include "extract/name_claims.h"

namespace vorn {

bool NameClaims::Needed(const Catalogue& catalogue, const CDirNode* content)
{
    return !catalogue.FoldersOf(content).empty() || !catalogue.sharedNames.Empty();
}

// A folder's record came after the files read before it and before the next:
// file i sorts at 2i+1, a folder read after n files at 2n, and folders read
// between the same two files by their rows.
NameClaims::Claim NameClaims::FileClaim(std::uint32_t entry) const
{
    return {{2 * std::uint64_t{entry} + 1, 0}, false, m_catalogue.sharedNames.OfFile(entry)};
}

NameClaims::Claim NameClaims::FolderClaim(const CDirNode& folder) const
{
    return {{2 * std::uint64_t{folder.m_filesBefore}, folder.m_row}, true, m_catalogue.sharedNames.OfFolder(&folder)};
}

void NameClaims::ClaimFolder(const CDirNode& folder)
{
    Add(folder.m_name, FolderClaim(folder), true);
}

void NameClaims::ClaimFile(std::uint32_t entry)
{
    Add(m_catalogue.entries[entry].m_name, FileClaim(entry), !m_catalogue.sharedNames.Empty());
}

void NameClaims::ClaimContent(const CDirNode* content)
{
    for (const auto& folder : m_catalogue.FoldersOf(content))
        ClaimFolder(*folder);
    for (const std::uint32_t entry : m_catalogue.FilesOf(content))
        ClaimFile(entry);
}

std::optional<FailureKind> NameClaims::RefusalOfFile(std::uint32_t entry) const
{
    return Refusal(m_catalogue.entries[entry].m_name, FileClaim(entry));
}

std::optional<FailureKind> NameClaims::RefusalOfFolder(const CDirNode& folder) const
{
    return Refusal(folder.m_name, FolderClaim(folder));
}

void NameClaims::Add(std::string_view name, const Claim& claim, bool newName)
{
    const auto found = newName ? m_first.try_emplace(name, claim).first : m_first.find(name);
    if (found != m_first.end() && claim.order < found->second.order)
        found->second = claim;
}

std::optional<FailureKind> NameClaims::Refusal(std::string_view name, const Claim& claim) const
{
    const auto found = m_first.find(name);
    if (found == m_first.end())
        return std::nullopt;
    const Claim& first = found->second;
    if (!SharedNames::SameBytes(first.bytes, claim.bytes))
        return FailureKind::NameSpelledTwice;
    if (first.folder != claim.folder)
        return FailureKind::NameTaken;
    return std::nullopt;
}

}  // namespace vorn
