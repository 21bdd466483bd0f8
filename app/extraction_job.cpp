#include "app/extraction_job.h"

#include "app/run_progress.h"
#include "dialogs/overwrite_question.h"
#include "views/figures.h"

#include <QProgressDialog>
#include <QTimer>

#include <sys/stat.h>

namespace vorn {
namespace {

QString ProgressText(const ExtractionProgress& progress)
{
    return QObject::tr("Extracting %1\n%2 of %3 files, %4 of %5")
        .arg(QString::fromStdString(progress.currentPath), GroupedNumber(progress.filesDone),
             GroupedNumber(progress.filesTotal), ByteSize(progress.bytesDone), ByteSize(progress.bytesTotal));
}

// The size of what stands at path, as the window words it; the link itself for a symbolic link.
QString ExistingSizeText(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return QObject::tr("unknown size");
    return ByteCountText(static_cast<std::uint64_t>(info.st_size));
}

// Bytes as a share of 1000, so that a run of mostly empty files still moves
// the bar by files.
int ProgressPermille(const ExtractionProgress& progress)
{
    const double files = progress.filesTotal ? double(progress.filesDone) / double(progress.filesTotal) : 1.0;
    const double bytes = progress.bytesTotal ? double(progress.bytesDone) / double(progress.bytesTotal) : files;
    return static_cast<int>(500 * files + 500 * bytes);
}

}  // namespace

CExtractionJob::CExtractionJob(QWidget* parent, std::shared_ptr<const CArchiveFile> archive, QString target,
                               std::vector<ExtractionItem> items, ExtractionOptions options)
    : m_archive(std::move(archive)),
      m_target(target.toStdString()),
      m_items(std::move(items)),
      m_options(options),
      m_dialog(std::make_unique<QProgressDialog>(parent)),
      m_refresh(new QTimer(this))
{
    SetUpRunProgress(*m_dialog, tr("Preparing the extraction..."));
    connect(m_dialog.get(), &QProgressDialog::canceled, this, &CJob::RequestStop);
    connect(m_refresh, &QTimer::timeout, this, &CExtractionJob::Refresh);
    m_refresh->start(100);
}

CExtractionJob::~CExtractionJob() = default;

void CExtractionJob::Work()
{
    m_result = RunExtraction(*m_archive, m_target, m_items, m_options, this);
}

void CExtractionJob::Deliver()
{
    m_refresh->stop();
    // Gone before the result is handled, so that its delayed showing cannot come up over a report.
    m_dialog.reset();
    emit finished(m_result);
}

void CExtractionJob::OnStopRequested()
{
    if (m_dialog)
        m_dialog->setLabelText(tr("Cancelling: the file being written is discarded..."));
    if (m_question)
        m_question->AnswerCancel();
}

void CExtractionJob::Progress(const ExtractionProgress& progress)
{
    const std::lock_guard lock(m_mutex);
    m_progress = progress;
}

OverwriteAnswer CExtractionJob::AskOverwrite(const std::string& relativePath, std::uint64_t newSize)
{
    OverwriteAnswer answer = OverwriteAnswer::Cancel;
    QMetaObject::invokeMethod(this, [&] { answer = Ask(relativePath, newSize); }, Qt::BlockingQueuedConnection);
    return answer;
}

// The question belongs over the progress dialog, which must be on the screen
// first: a hidden parent would put it in a corner, under the dialog once that
// shows.
OverwriteAnswer CExtractionJob::Ask(const std::string& relativePath, std::uint64_t newSize)
{
    if (StopRequested())
        return OverwriteAnswer::Cancel;
    COverwriteQuestion question(QString::fromStdString(relativePath), ExistingSizeText(m_target + '/' + relativePath),
                                ByteCountText(newSize), m_dialog.get());
    m_question = &question;
    m_askedPath = relativePath;
    Refresh();
    m_dialog->show();
    const OverwriteAnswer answer = question.Ask();
    m_question = nullptr;
    return StopRequested() ? OverwriteAnswer::Cancel : answer;
}

// Shows the latest progress, naming the file asked about while a question is
// open; nothing until the run has reported its totals.
void CExtractionJob::Refresh()
{
    std::optional<ExtractionProgress> progress;
    {
        const std::lock_guard lock(m_mutex);
        progress = m_progress;
    }
    if (!progress || !m_dialog)
        return;
    if (m_question)
        progress->currentPath = m_askedPath;
    if (!StopRequested())
        m_dialog->setLabelText(ProgressText(*progress));
    m_dialog->setValue(ProgressPermille(*progress));
}

}  // namespace vorn
