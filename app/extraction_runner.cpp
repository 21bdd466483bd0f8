#include "app/extraction_runner.h"

#include "app/run_guard.h"
#include "app/run_progress.h"
#include "dialogs/overwrite_question.h"
#include "views/figures.h"

#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <mutex>
#include <optional>
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

// Sits between the worker thread and the progress dialog: the worker leaves
// its progress here and the dialog picks it up; questions go to the
// user-interface thread, which shows them over the dialog while the worker
// waits for the answer.
class ProgressBridge final : public ExtractionObserver {
public:
    ProgressBridge(QProgressDialog& dialog, std::string target) : m_dialog(dialog), m_target(std::move(target)) {}

    void Progress(const ExtractionProgress& progress) override
    {
        const std::lock_guard lock(m_mutex);
        m_progress = progress;
    }

    bool CancelRequested() const override { return m_cancel.load(std::memory_order_relaxed); }

    OverwriteAnswer AskOverwrite(const std::string& relativePath, std::uint64_t newSize) override
    {
        OverwriteAnswer answer = OverwriteAnswer::Cancel;
        QMetaObject::invokeMethod(&m_dialog, [&] { answer = Ask(relativePath, newSize); },
                                  Qt::BlockingQueuedConnection);
        return answer;
    }

    // The user-interface thread's side from here on.

    void Cancel()
    {
        m_cancel.store(true, std::memory_order_relaxed);
        m_dialog.setLabelText(QObject::tr("Cancelling: the file being written is discarded..."));
        if (m_question)
            m_question->AnswerCancel();
    }

    // Shows the latest progress, naming the file asked about while a question
    // is open; nothing until the run has reported its totals.
    void Refresh()
    {
        std::optional<ExtractionProgress> progress;
        {
            const std::lock_guard lock(m_mutex);
            progress = m_progress;
        }
        if (!progress)
            return;
        if (m_question)
            progress->currentPath = m_askedPath;
        if (!CancelRequested())
            m_dialog.setLabelText(ProgressText(*progress));
        m_dialog.setValue(ProgressPermille(*progress));
    }

private:
    // The question belongs over the progress dialog, which must be on the
    // screen first: a hidden parent would put it in a corner, under the dialog
    // once that shows.
    OverwriteAnswer Ask(const std::string& relativePath, std::uint64_t newSize)
    {
        COverwriteQuestion question(QString::fromStdString(relativePath),
                                    ExistingSizeText(m_target + '/' + relativePath), ByteCountText(newSize), &m_dialog);
        m_question = &question;
        m_askedPath = relativePath;
        Refresh();  // which may handle a Cancel meanwhile
        m_dialog.show();
        const OverwriteAnswer answer = CancelRequested() ? OverwriteAnswer::Cancel : question.Ask();
        m_question = nullptr;
        return answer;
    }

    QProgressDialog& m_dialog;
    const std::string m_target;
    COverwriteQuestion* m_question = nullptr;  // while one is open
    std::string m_askedPath;
    mutable std::mutex m_mutex;
    std::optional<ExtractionProgress> m_progress;
    std::atomic<bool> m_cancel{false};
};

}  // namespace

ExtractionResult RunExtractionWithProgress(QWidget* parent, CRunGuard& guard,
                                           std::shared_ptr<const CArchiveFile> archive, const QString& target,
                                           const std::vector<ExtractionItem>& items, const ExtractionOptions& options)
{
    QProgressDialog dialog(parent);
    SetUpRunProgress(dialog, QObject::tr("Preparing the extraction..."));

    const std::string targetPath = target.toStdString();
    ProgressBridge bridge(dialog, targetPath);
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&bridge] { bridge.Cancel(); });
    QObject::connect(&guard, &CRunGuard::StopRequested, &dialog, [&bridge] { bridge.Cancel(); });

    QTimer refresh;
    QObject::connect(&refresh, &QTimer::timeout, &dialog, [&bridge] { bridge.Refresh(); });
    refresh.start(100);
    ExtractionResult result;
    RunOffUiThread([&, archive = std::move(archive)] {
        result = RunExtraction(*archive, targetPath, items, options, &bridge);
    });
    return result;
}

}  // namespace vorn
