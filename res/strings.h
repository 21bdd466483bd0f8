#pragma once

#include <QString>

namespace vorn::res {

// The text stored under id in the string table; empty for an unknown id.
QString LoadString(int id);

// A command prompt holds the status bar text, a newline, then the tooltip.
QString StatusPrompt(int commandId);
QString ToolTipPrompt(int commandId);

// The window title: the first part of the document-template string.
QString WindowTitle();

}  // namespace vorn::res
