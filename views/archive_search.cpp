#include "views/archive_search.h"

#include "archive/archive_file.h"
#include "browse/name_pattern.h"

namespace vorn {

CArchiveSearch::CArchiveSearch(QObject* parent) : QObject(parent), m_thread([this] { Work(); })
{
}

CArchiveSearch::~CArchiveSearch()
{
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void CArchiveSearch::Start(std::shared_ptr<const CArchiveFile> archive, std::string pattern, const ListSort& sort)
{
    Post({std::move(archive), std::move(pattern), sort});
}

void CArchiveSearch::Stop()
{
    Post({});
}

void CArchiveSearch::Post(Query query)
{
    {
        const std::lock_guard lock(m_mutex);
        query.generation = ++m_generation;
        m_pending = std::move(query);
    }
    m_wake.notify_one();
}

bool CArchiveSearch::IsNewest(std::uint64_t generation)
{
    const std::lock_guard lock(m_mutex);
    return generation == m_generation;
}

void CArchiveSearch::Work()
{
    for (;;) {
        Query query;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_quit || m_pending; });
            if (m_quit)
                break;
            query = std::move(*m_pending);
            m_pending.reset();
        }
        Answer(query);
    }
    m_orderedArchive.reset();
}

void CArchiveSearch::Answer(const Query& query)
{
    {
        const std::lock_guard lock(m_mutex);
        m_answer = {};
    }
    const bool catalogueOrder = !query.archive || query.sort.column == ListSort::kCatalogueOrder;
    if (catalogueOrder || m_orderedArchive != query.archive || m_orderedSort != query.sort) {
        m_ordered = {};  // before a new order is made, so that the two never take memory together
        m_orderedArchive = catalogueOrder ? nullptr : query.archive;
        m_orderedSort = query.sort;
        if (!catalogueOrder) {
            ListRows ordered = WholeArchive(query.archive->GetCatalogue());
            SortRows(ordered, query.archive->GetCatalogue(), query.sort);
            m_ordered = Share(std::move(ordered));
        }
    }
    if (!query.archive || !IsNewest(query.generation))
        return;
    const Catalogue& catalogue = query.archive->GetCatalogue();
    const NamePattern pattern(query.pattern);
    SharedRows found =
        catalogueOrder ? Share(FindInArchive(catalogue, pattern)) : FilterSharedRows(m_ordered, catalogue, pattern);
    {
        const std::lock_guard lock(m_mutex);
        if (query.generation != m_generation)
            return;
        m_answer = std::move(found);
    }
    QMetaObject::invokeMethod(
        this,
        [this, generation = query.generation] {
            {
                const std::lock_guard lock(m_mutex);
                if (generation != m_generation || !m_answer.files)
                    return;
                m_found = std::exchange(m_answer, {});
            }
            emit Found();
        },
        Qt::QueuedConnection);
}

}  // namespace vorn
