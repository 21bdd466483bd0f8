#include "app/test_command.h"

#include "app/run_guard.h"
#include "app/run_progress.h"
#include "archive/archive_file.h"
#include "archive/catalogue_check.h"
#include "dialogs/test_report_dialog.h"
#include "views/figures.h"

#include <QFile>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>

namespace vorn {
namespace {

QString Summary(const QString& name, std::size_t files, const CatalogueFindings& findings)
{
    const QString checked = Counted(files, "file", "files");
    if (findings.count == 0)
        return QObject::tr("No findings: the catalogue of %1 and its %2 look sound.").arg(name, checked);
    QString summary = QObject::tr("%1 in %2 (%3).").arg(Counted(findings.count, "finding", "findings"), name, checked);
    if (findings.anomalies.size() < findings.count)
        summary += QObject::tr(" The first %1 are listed.").arg(GroupedNumber(findings.anomalies.size()));
    return summary;
}

// Runs the check on a worker thread under a progress dialog; the dialog is
// gone by the time this returns, so that its delayed showing cannot come up
// over the report.
CatalogueFindings CheckWithProgress(QWidget* parent, CRunGuard& guard, std::shared_ptr<const CArchiveFile> archive)
{
    QProgressDialog progress(parent);
    SetUpRunProgress(progress, QObject::tr("Testing the archive..."));

    std::atomic<int> permille{0};
    std::atomic<bool> cancel{false};
    QObject::connect(&progress, &QProgressDialog::canceled, &progress, [&cancel] { cancel = true; });
    QObject::connect(&guard, &CRunGuard::StopRequested, &progress, [&cancel] { cancel = true; });

    QTimer refresh;
    QObject::connect(&refresh, &QTimer::timeout, &progress, [&] { progress.setValue(permille.load()); });
    refresh.start(100);
    const CRunGuard::Scope running(guard);
    CatalogueFindings findings;
    RunOffUiThread([&, archive = std::move(archive)] {
        findings = CheckCatalogue(archive->GetCatalogue(), [&](std::uint64_t done, std::uint64_t total) {
            permille = total ? static_cast<int>(1000 * done / total) : 1000;
            return !cancel.load();
        });
    });
    return findings;
}

}  // namespace

void TestArchive(QWidget* parent, CRunGuard& guard, std::shared_ptr<const CArchiveFile> archive)
{
    const CatalogueFindings findings = CheckWithProgress(parent, guard, archive);
    if (findings.stopped)
        return;

    QList<CTestReportDialog::Finding> rows;
    rows.reserve(static_cast<qsizetype>(findings.anomalies.size()));
    for (const CatalogueAnomaly& anomaly : findings.anomalies)
        rows.append({QString::fromLatin1(AnomalyKindName(anomaly.kind)), QString::fromStdString(anomaly.path),
                     QString::fromStdString(anomaly.text)});
    const QString name = QFile::decodeName(QByteArray::fromStdString(archive->GetFileName()));
    CTestReportDialog(QObject::tr("Test of %1").arg(name), Summary(name, archive->Entries().size(), findings), rows,
                      parent)
        .exec();
}

}  // namespace vorn
