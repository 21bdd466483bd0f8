#include "app/load_report.h"

#include "archive/archive_file.h"

namespace vorn {

std::optional<Message> LoadReport(const CArchiveFile& archive, const std::string& shownPath)
{
    const Catalogue& catalogue = archive.GetCatalogue();
    if (catalogue.anomalyCount == 0)
        return std::nullopt;
    Message report;
    report.text = catalogue.unknownRecords > 0 ? "Unknown file type encountered." : "The archive's catalogue is damaged.";
    const std::size_t count = catalogue.anomalyCount;
    report.detail = shownPath + ": " + std::to_string(count) + (count == 1 ? " problem" : " problems") +
                    "; what could be read is shown.";
    for (const CatalogueAnomaly& anomaly : catalogue.anomalies)
        report.list.push_back(anomaly.text);
    if (count > catalogue.anomalies.size())
        report.list.push_back("... and " + std::to_string(count - catalogue.anomalies.size()) + " more.");
    return report;
}

}  // namespace vorn
