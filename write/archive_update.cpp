#include "write/archive_update.h"

#include "write/name_rules.h"
#include "write/tree_from_archive.h"

#include <algorithm>

namespace vorn {

bool HasDamage(const Catalogue& catalogue)
{
    return std::any_of(catalogue.anomalies.begin(), catalogue.anomalies.end(), [](const CatalogueAnomaly& finding) {
        return SeverityOf(finding.kind) == FindingSeverity::Damage;
    });
}

UpdatedTree TreeWithChanges(const Catalogue& catalogue, std::span<const TreeChange> changes, ArchiveFormat format,
                            NameEncoder& names)
{
    UpdatedTree updated{EditTreeOf(catalogue), {}};
    for (const TreeChange& change : changes) {
        WriteProblems found = ApplyChange(updated.tree, change);
        updated.problems.insert(updated.problems.end(), found.begin(), found.end());
    }
    WriteProblems refused = CheckNames(updated.tree.top, format, names, ChildOrder::Keep);
    updated.problems.insert(updated.problems.end(), refused.begin(), refused.end());
    return updated;
}

}  // namespace vorn
