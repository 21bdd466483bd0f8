#include "archive/catalogue_finding.h"

#include <algorithm>

namespace vorn {

const char* AnomalyKindName(AnomalyKind kind)
{
    switch (kind) {
    case AnomalyKind::UnknownRecord:
        return "unknown-record";
    case AnomalyKind::Truncated:
        return "truncated";
    case AnomalyKind::MissingEnd:
        return "missing-end";
    case AnomalyKind::Loop:
        return "loop";
    case AnomalyKind::TooDeep:
        return "too-deep";
    case AnomalyKind::Overrun:
        return "overrun";
    case AnomalyKind::DataPastEnd:
        return "data-past-end";
    case AnomalyKind::Overlap:
        return "overlap";
    case AnomalyKind::Duplicate:
        return "duplicate";
    case AnomalyKind::CaseCollision:
        return "case-collision";
    case AnomalyKind::UnsafeName:
        return "unsafe-name";
    }
    return "unknown";
}

FindingSeverity SeverityOf(AnomalyKind kind)
{
    switch (kind) {
    case AnomalyKind::MissingEnd:
        return FindingSeverity::Note;  // every item read is whole; a writer may simply stop there
    case AnomalyKind::UnknownRecord:
    case AnomalyKind::Duplicate:
    case AnomalyKind::CaseCollision:
    case AnomalyKind::UnsafeName:
        return FindingSeverity::Warning;
    case AnomalyKind::Truncated:
    case AnomalyKind::Loop:
    case AnomalyKind::TooDeep:
    case AnomalyKind::Overrun:
    case AnomalyKind::DataPastEnd:
    case AnomalyKind::Overlap:
        return FindingSeverity::Damage;
    }
    return FindingSeverity::Damage;
}

const char* SeverityName(FindingSeverity severity)
{
    switch (severity) {
    case FindingSeverity::Note:
        return "note";
    case FindingSeverity::Warning:
        return "warning";
    case FindingSeverity::Damage:
        return "damage";
    }
    return "damage";
}

std::size_t CountNotes(const std::vector<CatalogueAnomaly>& findings)
{
    return static_cast<std::size_t>(std::count_if(findings.begin(), findings.end(), [](const CatalogueAnomaly& finding) {
        return SeverityOf(finding.kind) == FindingSeverity::Note;
    }));
}

}  // namespace vorn
