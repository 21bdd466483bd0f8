#pragma once

#include "app/job.h"
#include "extract/extraction_engine.h"

#include <QPointer>
#include <QString>

#include <memory>
#include <mutex>
#include <optional>

class QProgressDialog;
class QTimer;
class QWidget;

namespace vorn {

class COverwriteQuestion;

// An extraction as a job. A progress dialog over parent shows the files and
// bytes done of the run's totals and the current name; its Cancel, or a stop
// asked for otherwise, stops the run, which discards the file in progress.
// Existing files are asked about on the user-interface thread, over the
// progress dialog, while the worker waits; a stop answers an open question
// with Cancel. The job holds its own share of the archive.
class CExtractionJob final : public CJob, private ExtractionObserver {
    Q_OBJECT

public:
    CExtractionJob(QWidget* parent, std::shared_ptr<const CArchiveFile> archive, QString target,
                   std::vector<ExtractionItem> items, ExtractionOptions options);
    ~CExtractionJob() override;

signals:
    void finished(const vorn::ExtractionResult& result);

private:
    void Work() override;
    void Deliver() override;
    void OnStopRequested() override;

    // ExtractionObserver, called on the job's thread.
    void Progress(const ExtractionProgress& progress) override;
    bool CancelRequested() const override { return StopRequested(); }
    OverwriteAnswer AskOverwrite(const std::string& relativePath, std::uint64_t newSize) override;

    // The user-interface thread's side.
    OverwriteAnswer Ask(const std::string& relativePath, std::uint64_t newSize);
    void Refresh();

    std::shared_ptr<const CArchiveFile> m_archive;
    std::string m_target;
    std::vector<ExtractionItem> m_items;
    ExtractionOptions m_options;
    ExtractionResult m_result;

    std::unique_ptr<QProgressDialog> m_dialog;
    QTimer* m_refresh;
    QPointer<COverwriteQuestion> m_question;  // while one is open
    std::string m_askedPath;
    mutable std::mutex m_mutex;
    std::optional<ExtractionProgress> m_progress;
};

}  // namespace vorn
