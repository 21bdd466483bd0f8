#include "framework/message_reporter.h"

#include "framework/escape_controls.h"

#include <cstdio>

namespace vorn {

std::string OneLine(const Message& message)
{
    return message.detail.empty() ? message.text : message.text + " (" + message.detail + ")";
}

void StderrReporter::ShowMessage(const Message& message)
{
    std::string lines = EscapeControls(m_program + ": " + OneLine(message)) + "\n";
    for (const std::string& item : message.list)
        lines += EscapeControls(m_program + ":   " + item) + "\n";
    std::fputs(lines.c_str(), stderr);
}

}  // namespace vorn
