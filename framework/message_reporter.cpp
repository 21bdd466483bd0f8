#include "framework/message_reporter.h"

#include <cstdio>

namespace vorn {

std::string OneLine(const Message& message)
{
    return message.detail.empty() ? message.text : message.text + " (" + message.detail + ")";
}

void StderrReporter::ShowMessage(const Message& message)
{
    const std::string line = m_program + ": " + OneLine(message) + "\n";
    std::fputs(line.c_str(), stderr);
}

}  // namespace vorn
