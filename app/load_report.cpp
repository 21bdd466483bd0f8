#include "app/load_report.h"

#include "archive/archive_file.h"
#include "archive/describe_finding.h"

namespace vorn {

std::optional<Message> LoadReport(const CArchiveFile& archive, const std::string& shownPath)
{
    const Catalogue& catalogue = archive.GetCatalogue();
    Message report;
    for (const CatalogueAnomaly& anomaly : catalogue.anomalies)
        if (SeverityOf(anomaly.kind) != FindingSeverity::Note)  // Test Archive shows those
            report.list.push_back(DescribeFinding(anomaly));
    const std::size_t unlisted = catalogue.anomalyCount - catalogue.anomalies.size();
    const std::size_t count = report.list.size() + unlisted;
    if (count == 0)
        return std::nullopt;
    report.text = catalogue.unknownRecords > 0 ? "Unknown file type encountered." : "The archive's catalogue is damaged.";
    report.detail = shownPath + ": " + std::to_string(count) + (count == 1 ? " problem" : " problems") +
                    "; what could be read is shown.";
    if (unlisted > 0)
        report.list.push_back("... and " + std::to_string(unlisted) + " more.");
    return report;
}

}  // namespace vorn
