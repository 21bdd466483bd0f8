#include "app/extraction_runner.h"

#include "dialogs/overwrite_question.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <mutex>

namespace vorn {
namespace {

// Sits between the worker thread and the user-interface thread: the worker
// leaves its progress here, the progress dialog picks it up on a timer, and
// questions go to the user-interface thread and wait for the answer.
class ThreadBridge final : public ExtractionObserver {
public:
    explicit ThreadBridge(QWidget* questionParent) : m_questionParent(questionParent) {}

    void Progress(const ExtractionProgress& progress) override
    {
        const std::lock_guard lock(m_mutex);
        m_progress = progress;
    }

    bool CancelRequested() const override { return m_cancel.load(std::memory_order_relaxed); }

    OverwriteAnswer AskOverwrite(const std::string& relativePath) override
    {
        OverwriteAnswer answer = OverwriteAnswer::Cancel;
        QMetaObject::invokeMethod(
            m_questionParent,
            [&] { answer = AskOverwriteQuestion(m_questionParent, QString::fromStdString(relativePath)); },
            Qt::BlockingQueuedConnection);
        return answer;
    }

    void Cancel() { m_cancel.store(true, std::memory_order_relaxed); }

    ExtractionProgress Snapshot() const
    {
        const std::lock_guard lock(m_mutex);
        return m_progress;
    }

private:
    QWidget* m_questionParent;
    mutable std::mutex m_mutex;
    ExtractionProgress m_progress;
    std::atomic<bool> m_cancel{false};
};

QString ProgressText(const ExtractionProgress& progress)
{
    const QLocale locale;
    return QObject::tr("Extracting %1\n%2 of %3 files, %4 of %5")
        .arg(QString::fromStdString(progress.currentPath))
        .arg(progress.filesDone)
        .arg(progress.filesTotal)
        .arg(locale.formattedDataSize(static_cast<qint64>(progress.bytesDone)),
             locale.formattedDataSize(static_cast<qint64>(progress.bytesTotal)));
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

ExtractionResult RunExtractionWithProgress(QWidget* parent, std::shared_ptr<const CArchiveFile> archive,
                                           const QString& target, const std::vector<ExtractionItem>& items,
                                           const ExtractionOptions& options)
{
    QProgressDialog dialog(parent);
    dialog.setWindowTitle(QApplication::applicationName());
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setRange(0, 1000);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(300);
    dialog.setMinimumWidth(420);

    ThreadBridge bridge(&dialog);
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&] {
        bridge.Cancel();
        dialog.setLabelText(QObject::tr("Cancelling after the current file..."));
    });

    ExtractionResult result;
    const std::string targetPath = target.toStdString();
    QThread* worker = QThread::create([&, archive = std::move(archive)] {
        result = RunExtraction(*archive, targetPath, items, options, &bridge);
    });
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);

    QTimer refresh;
    QObject::connect(&refresh, &QTimer::timeout, &dialog, [&] {
        const ExtractionProgress progress = bridge.Snapshot();
        if (!bridge.CancelRequested())
            dialog.setLabelText(ProgressText(progress));
        dialog.setValue(ProgressPermille(progress));
    });
    refresh.start(100);
    worker->start();
    loop.exec();
    worker->wait();
    delete worker;
    return result;
}

}  // namespace vorn
