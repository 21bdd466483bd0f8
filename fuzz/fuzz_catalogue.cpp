#include "fuzz/fuzz_catalogue.h"

#include "archive/catalogue.h"
#include "archive/catalogue_check.h"
#include "extract/extraction_plan.h"
#include "fuzz/catalogue_walk.h"
#include "fuzz/fuzz_require.h"
#include "fuzz/plan_invariants.h"

namespace vorn::fuzz {

void FuzzCatalogue(const std::uint8_t* data, std::size_t size, ArchiveFormat format)
{
    const MemoryByteSource source({data, size});
    const Catalogue catalogue = LoadCatalogue(source, format);
    WalkCatalogue(catalogue);

    const std::vector<CatalogueAnomaly> anomalies = CheckCatalogue(catalogue);
    Require(anomalies.size() >= catalogue.anomalies.size(), "the check keeps what the walk found");

    const ExtractionPlan whole = PlanExtraction(catalogue, {ExtractionItem::TopLevel("OUT")});
    CheckPlan(catalogue, whole);
    CheckFolderPlan(whole, "OUT");
    ForEachFolder(catalogue, [&](const CDirNode& folder) {
        const ExtractionPlan plan = PlanExtraction(catalogue, {ExtractionItem::Folder(folder)});
        CheckPlan(catalogue, plan);
        CheckFolderPlan(plan, folder.m_name);
    });
    for (std::uint32_t entry = 0; entry < catalogue.entries.size(); ++entry) {
        const ExtractionPlan plan = PlanExtraction(catalogue, {ExtractionItem::File(entry)});
        CheckPlan(catalogue, plan);
        CheckFilePlan(catalogue, plan, entry);
    }
}

}  // namespace vorn::fuzz
