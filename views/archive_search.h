#pragma once

#include "browse/list_rows.h"

#include <QObject>

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>

namespace vorn {

class CArchiveFile;

// Finds, on a thread of its own, every folder and file of an archive whose
// name matches a filter text, in the list's order. Only the newest query
// counts: queries that were overtaken before they ran are dropped, and the
// answer to an overtaken one is never delivered. The thread holds its own
// share of the archive and keeps the whole archive in the last order asked
// for, so that each keystroke costs one pass over the names.
class CArchiveSearch final : public QObject {
    Q_OBJECT

public:
    explicit CArchiveSearch(QObject* parent = nullptr);
    ~CArchiveSearch() override;
    CArchiveSearch(const CArchiveSearch&) = delete;
    CArchiveSearch& operator=(const CArchiveSearch&) = delete;

    void Start(std::shared_ptr<const CArchiveFile> archive, std::string pattern, const ListSort& sort);
    // Drops any query and lets the archive go.
    void Stop();
    // The answer that Found announced, handed over once (up to a million rows: never copied).
    SharedRows TakeFound() { return std::exchange(m_found, {}); }

signals:
    // The newest query's answer is ready, on the thread that owns this object.
    void Found();

private:
    struct Query {
        std::shared_ptr<const CArchiveFile> archive;  // null: forget everything
        std::string pattern;
        ListSort sort;
        std::uint64_t generation = 0;
    };

    void Post(Query query);
    void Work();
    void Answer(const Query& query);
    bool IsNewest(std::uint64_t generation);

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Query> m_pending;
    std::uint64_t m_generation = 0;
    bool m_quit = false;
    // The newest answer until the owning thread takes it (none without files);
    // an overtaken one is let go before the next is made, so that two never
    // wait at once.
    SharedRows m_answer;
    SharedRows m_found;  // the owning thread's

    // The worker thread's alone: the whole archive in an order other than the
    // catalogue's, which needs no list of its own. Answers that keep every row
    // share it.
    std::shared_ptr<const CArchiveFile> m_orderedArchive;
    ListSort m_orderedSort;
    SharedRows m_ordered;

    std::thread m_thread;
};

}  // namespace vorn
