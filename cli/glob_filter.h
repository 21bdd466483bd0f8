#pragma once

#include "archive/file_entry.h"
#include "browse/glob_pattern.h"
#include "cli/folder_path_cache.h"
#include "framework/message_reporter.h"

#include <string>
#include <vector>

namespace vorn::cli {

struct GlobOptions {
    std::vector<std::string> patterns;
    bool caseSensitive = false;
};

// The files the --glob patterns of a command pick, and the patterns that
// picked none, which the command reports like an item that does not exist.
class GlobFilter {
public:
    explicit GlobFilter(const GlobOptions& options);

    bool Any() const { return !m_patterns.empty(); }
    // Whether one of the patterns matches the file's path.
    bool Matches(const FileEntry& entry);
    // Reports each pattern that matched nothing; true if one did not.
    bool ReportUnmatched(MessageReporter& reporter, const std::string& archivePath) const;

private:
    std::vector<std::string> m_texts;
    std::vector<GlobPattern> m_patterns;
    std::vector<char> m_matched;  // by pattern
    FolderPathCache m_paths{PathText::Exact};
};

}  // namespace vorn::cli
