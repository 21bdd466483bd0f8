#pragma once

#include "app/job.h"
#include "archive/name_encoding.h"

#include <memory>

namespace vorn {

class CArchiveFile;
class MessageReporter;

// The open archive read once more, its names decoded by another encoding, as
// a job: the catalogue of a huge archive takes a while. The window shows a
// busy cursor meanwhile.
class CRereadJob final : public CJob {
    Q_OBJECT

public:
    // reporter is the one the new archive keeps (for its later copies).
    CRereadJob(std::shared_ptr<const CArchiveFile> current, NameDecoder names, MessageReporter& reporter);
    ~CRereadJob() override;

signals:
    // The archive read anew; it may have failed to open (the file is gone).
    void finished(std::shared_ptr<const vorn::CArchiveFile> archive);

private:
    void Work() override;
    void Deliver() override;

    std::shared_ptr<const CArchiveFile> m_current;
    NameDecoder m_names;
    MessageReporter& m_reporter;
    std::shared_ptr<const CArchiveFile> m_reread;
};

}  // namespace vorn
