#pragma once

#include <QString>

#include <cstdint>

namespace vorn {

class CDirNode;

// Figures as the window shows them, always with thousands separators
// ("1,234"), whatever the system's locale: the texts around them are English.
QString GroupedNumber(std::uint64_t value);
// "82 bytes", "1.2 MiB".
QString ByteSize(std::uint64_t bytes);
// "1 file", "1,234 files": the noun translated in the context "Counted", where
// the callers mark it (QT_TRANSLATE_NOOP) for the translation tools.
QString Counted(std::uint64_t count, const char* singular, const char* plural);
// The two counts most often shown: "1 file", "1,234 files"; "82 bytes".
QString CountedFiles(std::uint64_t count);
QString CountedBytes(std::uint64_t count);
// "512 bytes", "3.1 KiB (3,126 bytes)": from 1 KiB on, the size at a glance
// before the exact count.
QString ByteCountText(std::uint64_t bytes);

// "DATA\SOUND": a folder's path without the leading backslash; empty for the top level.
QString FolderPathText(const CDirNode* folder);

}  // namespace vorn
