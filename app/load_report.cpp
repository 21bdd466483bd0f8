#include "app/load_report.h"

#include "archive/archive_file.h"
#include "archive/describe_finding.h"
#include "res/resource_ids.h"
#include "res/strings.h"
#include "views/figures.h"

#include <QObject>

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
    report.text = (catalogue.unknownRecords > 0 ? QObject::tr("Unknown file type encountered.")
                                                : QObject::tr("The archive's catalogue is damaged."))
                      .toStdString();
    report.detail = QObject::tr("%1: %2; what could be read is shown.")
                        .arg(QString::fromStdString(shownPath),
                             Counted(count, QT_TRANSLATE_NOOP("Counted", "problem"),
                                     QT_TRANSLATE_NOOP("Counted", "problems")))
                        .toStdString();
    if (unlisted > 0)
        report.list.push_back(QObject::tr("... and %1 more.").arg(GroupedNumber(unlisted)).toStdString());
    return report;
}

Message OpenFailure(const CArchiveFile& archive, const std::string& shownPath)
{
    return {res::LoadString(res::IDS_OPEN_FAILED).toStdString(),
            shownPath + ": " + OpenErrorText(archive.GetOpenError())};
}

}  // namespace vorn
