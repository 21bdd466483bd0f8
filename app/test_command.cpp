#include "app/test_command.h"

#include "app/busy_state.h"
#include "app/job.h"
#include "app/run_progress.h"
#include "archive/archive_file.h"
#include "archive/catalogue_check.h"
#include "archive/describe_finding.h"
#include "dialogs/report_dialog.h"
#include "views/figures.h"

#include <QFile>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>

namespace vorn {
namespace {

QString Summary(const QString& name, std::size_t files, const CatalogueFindings& findings)
{
    const QString checked = CountedFiles(files);
    if (findings.count == 0)
        return QObject::tr("No findings: the catalogue of %1 and its %2 look sound.").arg(name, checked);
    QString summary = QObject::tr("%1 in %2 (%3).")
                          .arg(Counted(findings.count, QT_TRANSLATE_NOOP("Counted", "finding"),
                                       QT_TRANSLATE_NOOP("Counted", "findings")),
                               name, checked);
    if (findings.anomalies.size() < findings.count)
        summary += QObject::tr(" The first %1 are listed.").arg(GroupedNumber(findings.anomalies.size()));
    return summary;
}

// The check on the job's thread, its progress in permille under a progress dialog.
class CTestJob final : public CJob {
public:
    CTestJob(QWidget* parent, std::shared_ptr<const CArchiveFile> archive)
        : m_parent(parent), m_archive(std::move(archive)), m_progress(parent), m_refresh(this)
    {
        SetUpRunProgress(m_progress, QObject::tr("Testing the archive..."));
        connect(&m_progress, &QProgressDialog::canceled, this, &CJob::RequestStop);
        connect(&m_refresh, &QTimer::timeout, this, [this] { m_progress.setValue(m_permille.load()); });
        m_refresh.start(100);
    }

private:
    void Work() override
    {
        m_findings = CheckCatalogue(m_archive->GetCatalogue(), [this](std::uint64_t done, std::uint64_t total) {
            m_permille = total ? static_cast<int>(1000 * done / total) : 1000;
            return !StopRequested();
        });
    }

    void Deliver() override
    {
        m_refresh.stop();
        // Hidden before the report opens, so that its delayed showing cannot come up over it.
        m_progress.hide();
        m_progress.cancel();
        if (m_findings.stopped)
            return;
        QList<QStringList> rows;
        rows.reserve(static_cast<qsizetype>(m_findings.anomalies.size()));
        for (const CatalogueAnomaly& anomaly : m_findings.anomalies)
            rows.append({QString::fromLatin1(AnomalyKindName(anomaly.kind)),
                         QString::fromLatin1(SeverityName(SeverityOf(anomaly.kind))),
                         QString::fromStdString(anomaly.path), QString::fromStdString(DescribeFinding(anomaly))});
        const QString name = QFile::decodeName(QByteArray::fromStdString(m_archive->GetFileName()));
        CReportDialog(QObject::tr("Test of %1").arg(name), Summary(name, m_archive->Entries().size(), m_findings),
                      {QObject::tr("Kind"), QObject::tr("Severity"), QObject::tr("Path"), QObject::tr("Detail")}, rows,
                      m_parent)
            .exec();
    }

    QWidget* m_parent;
    std::shared_ptr<const CArchiveFile> m_archive;
    QProgressDialog m_progress;
    QTimer m_refresh;
    std::atomic<int> m_permille{0};
    CatalogueFindings m_findings;
};

}  // namespace

void StartTestArchive(QWidget* parent, CBusyState& busy, std::shared_ptr<const CArchiveFile> archive)
{
    busy.Run(new CTestJob(parent, std::move(archive)));
}

}  // namespace vorn
