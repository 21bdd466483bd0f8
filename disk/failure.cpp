#include "disk/failure.h"

#include <algorithm>

namespace vorn {

Severity SeverityOf(FailureKind kind)
{
    switch (kind) {
    case FailureKind::KeptExisting:
        return Severity::Warning;
    case FailureKind::TargetNotOpened:
        return Severity::RunFailed;
    default:
        return Severity::EntryFailed;
    }
}

std::optional<Severity> WorstSeverity(const std::vector<Failure>& failures)
{
    std::optional<Severity> worst;
    for (const Failure& failure : failures)
        worst = std::max(worst.value_or(Severity::Warning), SeverityOf(failure.kind));
    return worst;
}

}  // namespace vorn
