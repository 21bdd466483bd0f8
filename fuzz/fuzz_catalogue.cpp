#include "fuzz/fuzz_catalogue.h"

#include "archive/catalogue.h"
#include "archive/catalogue_check.h"
#include "archive/describe_finding.h"
#include "archive/name_encoding.h"
#include "extract/extraction_plan.h"
#include "fuzz/catalogue_walk.h"
#include "fuzz/fuzz_require.h"
#include "fuzz/plan_invariants.h"
#include "fuzz/rewrite_invariants.h"

#include <algorithm>
#include <optional>

namespace vorn::fuzz {
namespace {

constexpr std::size_t kFolderPlanPathBudget = 1 << 16;

// The name encoding: Windows-1252 unless the input starts with a byte of 0x80
// or more, whose low bits pick a code page with something of its own: UTF-8
// read by our reader, no ASCII superset, state, combining marks, bytes of two
// spellings, multibyte leads.
NameDecoder DecoderFor(const std::uint8_t* data, std::size_t size)
{
    static const char* const kEncodings[] = {
        "UTF-8",      "IBM037",       "UTF-7",        "ISO-2022-JP", "TCVN5712-1", "WINDOWS-1258",
        "WINDOWS-1255", "Shift-JIS",  "GBK",          "Big5",        "EUC-KR",     "CP437",
    };
    constexpr std::size_t kCount = sizeof kEncodings / sizeof kEncodings[0];
    if (size == 0 || data[0] < 0x80)
        return NameDecoder::Default();
    std::optional<NameDecoder> decoder = NameDecoder::For(kEncodings[(data[0] & 0x7F) % kCount]);
    Require(decoder.has_value(), "every fuzzed name encoding is known to iconv");
    return std::move(*decoder);
}

}  // namespace

void FuzzCatalogue(const std::uint8_t* data, std::size_t size, ArchiveFormat format)
{
    const MemoryByteSource source({data, size});
    NameDecoder decoder = DecoderFor(data, size);
    const std::string encoding = decoder.Encoding();
    const Catalogue catalogue = LoadCatalogue(source, format, std::move(decoder));
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
        for (std::size_t step = 0; step < plan.steps.size(); ++step)
            pathBytes += plan.RelativePath(step).size();
    });
    for (std::uint32_t entry = 0; entry < catalogue.entries.size(); ++entry) {
        const ExtractionPlan plan = PlanExtraction(catalogue, {ExtractionItem::File(entry)});
        CheckPlan(catalogue, plan);
        CheckFilePlan(catalogue, plan, entry);
    }
    CheckRewrite(data, size, format, encoding);
}

}  // namespace vorn::fuzz
