#include "cli/glob_filter.h"

namespace vorn::cli {

GlobFilter::GlobFilter(const GlobOptions& options)
    : m_texts(options.patterns), m_matched(options.patterns.size(), 0)
{
    for (const std::string& text : m_texts)
        m_patterns.emplace_back(text, options.caseSensitive ? LetterCase::Exact : LetterCase::Ignored);
}

bool GlobFilter::Matches(const FileEntry& entry)
{
    const std::string& folderPath = m_paths.PathOf(entry);
    bool matched = false;
    for (std::size_t i = 0; i < m_patterns.size(); ++i) {
        if (matched && m_matched[i])
            continue;
        if (m_patterns[i].Matches(folderPath, entry.m_name)) {
            m_matched[i] = 1;
            matched = true;
        }
    }
    return matched;
}

bool GlobFilter::ReportUnmatched(MessageReporter& reporter, const std::string& archivePath) const
{
    bool any = false;
    for (std::size_t i = 0; i < m_texts.size(); ++i) {
        if (!m_matched[i]) {
            reporter.ShowMessage({"No file matches " + m_texts[i] + " in " + archivePath, ""});
            any = true;
        }
    }
    return any;
}

}  // namespace vorn::cli
