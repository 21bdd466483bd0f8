#include "views/archive_search.h"

#include "archive/archive_file.h"
#include "browse/name_pattern.h"
#include "browse/row_items.h"

namespace vorn {

CArchiveSearch::CArchiveSearch(QObject* parent) : QObject(parent), m_ordered(std::make_shared<OrderedArchive>())
{
}

void CArchiveSearch::Start(std::shared_ptr<const CArchiveFile> archive, std::string pattern, const ListSort& sort)
{
    m_worker.Post([this, ordered = m_ordered, archive = std::move(archive), pattern = std::move(pattern),
                   sort](const CBackgroundWorker::Ticket& ticket) -> CBackgroundWorker::Delivery {
        SharedRows found = Find(*ordered, archive, pattern, sort, ticket);
        if (!found.files)
            return {};
        return [this, found = std::move(found)]() mutable {
            m_found = std::move(found);
            emit Found();
        };
    });
}

void CArchiveSearch::Stop()
{
    m_worker.Cancel();
    // A running job lets the old order, and the archive with it, go when it ends.
    m_ordered = std::make_shared<OrderedArchive>();
}

SharedRows CArchiveSearch::Find(OrderedArchive& ordered, const std::shared_ptr<const CArchiveFile>& archive,
                                const std::string& pattern, const ListSort& sort,
                                const CBackgroundWorker::Ticket& ticket)
{
    const Catalogue& catalogue = archive->GetCatalogue();
    const CatalogueItems items(catalogue);
    const bool catalogueOrder = sort.column == ListSort::kCatalogueOrder;
    if (catalogueOrder || ordered.archive != archive || ordered.sort != sort) {
        ordered.rows = {};  // before a new order is made, so that the two never take memory together
        ordered.archive = catalogueOrder ? nullptr : archive;
        ordered.sort = sort;
        if (!catalogueOrder) {
            ListRows rows = WholeArchive(catalogue);
            SortRows(rows, catalogue, items, sort);
            ordered.rows = Share(std::move(rows));
        }
    }
    if (ticket.Overtaken())
        return {};
    const NamePattern filter(pattern);
    return catalogueOrder ? Share(FindInArchive(catalogue, filter)) : FilterSharedRows(ordered.rows, items, filter);
}

}  // namespace vorn
