#pragma once

#include "framework/message_reporter.h"
#include "write/write_problem.h"

namespace vorn {

// The user's message for a problem of a write: what it concerns, and why.
Message DescribeWriteProblem(const WriteProblem& problem);

}  // namespace vorn
