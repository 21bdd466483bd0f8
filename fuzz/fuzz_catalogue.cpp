#include "fuzz/fuzz_catalogue.h"

#include "archive/catalogue.h"
#include "archive/catalogue_check.h"
#include "archive/describe_finding.h"
#include "extract/extraction_plan.h"
#include "fuzz/catalogue_walk.h"
#include "fuzz/fuzz_require.h"
#include "fuzz/plan_invariants.h"

#include <algorithm>

namespace vorn::fuzz {
namespace {

constexpr std::size_t kFolderPlanPathBudget = 1 << 16;

}  // namespace

void FuzzCatalogue(const std::uint8_t* data, std::size_t size, ArchiveFormat format)
{
    const MemoryByteSource source({data, size});
    const Catalogue catalogue = LoadCatalogue(source, format);
    WalkCatalogue(catalogue);

    const CatalogueFindings findings = CheckCatalogue(catalogue);
    Require(findings.count >= catalogue.anomalyCount, "the check keeps what the walk found");
    Require(findings.anomalies.size() == std::min(findings.count, Catalogue::kMaxAnomalies),
            "the check keeps its findings up to the bound");
    for (const CatalogueAnomaly& finding : findings.anomalies)
        Require(!DescribeFinding(finding).empty(), "every finding is worded");

    const ExtractionPlan whole = PlanExtraction(catalogue, {ExtractionItem::TopLevel("OUT")});
    CheckPlan(catalogue, whole);
    CheckFolderPlan(whole, "OUT");
    // Each folder's own plan repeats every folder below it: in a chain of
    // folders nested n deep the paths add up to n^3 bytes. Past a budget the
    // remaining folders are left to the top-level plan, so deep inputs do not
    // slow the fuzzer to a crawl.
    std::size_t pathBytes = 0;
    ForEachFolder(catalogue, [&](const CDirNode& folder) {
        if (pathBytes > kFolderPlanPathBudget)
            return;
        const ExtractionPlan plan = PlanExtraction(catalogue, {ExtractionItem::Folder(folder)});
        CheckPlan(catalogue, plan);
        CheckFolderPlan(plan, folder.m_name);
        for (const PlanStep& step : plan.steps)
            pathBytes += step.relativePath.size();
    });
    for (std::uint32_t entry = 0; entry < catalogue.entries.size(); ++entry) {
        const ExtractionPlan plan = PlanExtraction(catalogue, {ExtractionItem::File(entry)});
        CheckPlan(catalogue, plan);
        CheckFilePlan(catalogue, plan, entry);
    }
}

}  // namespace vorn::fuzz
