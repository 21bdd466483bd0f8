#pragma once

#include "framework/message_reporter.h"
#include "write/write_problem.h"

namespace vorn {

// The user's message for a problem of a write: what it concerns, and why.
Message DescribeWriteProblem(const WriteProblem& problem);
// The first problem's message, with every other one listed below it.
Message DescribeWriteProblems(const WriteProblems& problems);

}  // namespace vorn
