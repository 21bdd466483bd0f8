#include "views/row_findings.h"

#include "archive/catalogue_check.h"
#include "archive/describe_finding.h"
#include "archive/dir_node.h"

namespace vorn {

RowFindings RowFindings::Of(const Catalogue& catalogue)
{
    const CatalogueFindings checked = catalogue.entries.size() <= kFullCheckLimit
                                          ? CheckCatalogue(catalogue)
                                          : CatalogueFindings{catalogue.anomalies, catalogue.anomalyCount};
    RowFindings findings;
    for (const CatalogueAnomaly& anomaly : checked.anomalies) {
        if (anomaly.path.empty())
            continue;  // about the catalogue as a whole
        std::string& lines = findings.m_byPath[anomaly.path];
        lines += (lines.empty() ? "" : "\n") + DescribeFinding(anomaly);
    }
    return findings;
}

QString RowFindings::About(const CDirNode* folder, std::string_view name) const
{
    if (m_byPath.empty())
        return {};
    const auto found = m_byPath.find(ItemPath(folder, name));
    return found == m_byPath.end() ? QString() : QString::fromStdString(found->second);
}

}  // namespace vorn
