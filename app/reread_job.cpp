#include "app/reread_job.h"

#include "archive/archive_file.h"

#include <QApplication>

namespace vorn {

CRereadJob::CRereadJob(std::shared_ptr<const CArchiveFile> current, NameDecoder names, MessageReporter& reporter)
    : m_current(std::move(current)), m_names(std::move(names)), m_reporter(reporter)
{
    QApplication::setOverrideCursor(Qt::BusyCursor);
}

CRereadJob::~CRereadJob() = default;

void CRereadJob::Work()
{
    m_reread = std::make_shared<const CArchiveFile>(m_current->GetPathName(), m_reporter, m_current->GetFormat(),
                                                    std::move(m_names));
}

void CRereadJob::Deliver()
{
    QApplication::restoreOverrideCursor();
    emit finished(m_reread);
}

}  // namespace vorn
