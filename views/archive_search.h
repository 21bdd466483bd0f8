#pragma once

#include "browse/list_rows.h"
#include "framework/background_worker.h"

#include <QObject>

#include <memory>
#include <string>
#include <utility>

namespace vorn {

class CArchiveFile;

// Finds, on a worker thread, every folder and file of an archive whose name
// matches a filter text, in the list's order. Only the newest query counts:
// queries that were overtaken before they ran are dropped, and the answer to
// an overtaken one is never delivered. The worker holds its own share of the
// archive and keeps the whole archive in the last order asked for, so that
// each keystroke costs one pass over the names.
class CArchiveSearch final : public QObject {
    Q_OBJECT

public:
    explicit CArchiveSearch(QObject* parent = nullptr);

    void Start(std::shared_ptr<const CArchiveFile> archive, std::string pattern, const ListSort& sort);
    // Drops any query and lets the archive go.
    void Stop();
    // The answer that Found announced, handed over once (up to a million rows: never copied).
    SharedRows TakeFound() { return std::exchange(m_found, {}); }

signals:
    // The newest query's answer is ready, on the thread that owns this object.
    void Found();

private:
    // The whole archive in an order other than the catalogue's, which needs no
    // list of its own. Answers that keep every row share it. The worker's
    // jobs' alone: this thread only hands it to them.
    struct OrderedArchive {
        std::shared_ptr<const CArchiveFile> archive;
        ListSort sort;
        SharedRows rows;
    };

    static SharedRows Find(OrderedArchive& ordered, const std::shared_ptr<const CArchiveFile>& archive,
                           const std::string& pattern, const ListSort& sort, const CBackgroundWorker::Ticket& ticket);

    std::shared_ptr<OrderedArchive> m_ordered;
    SharedRows m_found;
    CBackgroundWorker m_worker{CBackgroundWorker::Results::NewestOnly};
};

}  // namespace vorn
