#pragma once

#include "archive/file_entry.h"
#include "framework/escape_controls.h"

#include <optional>
#include <string>

namespace vorn::cli {

enum class PathText { Exact, Escaped };

// A folder's path, worked out once for each run of entries in the same folder.
class FolderPathCache {
public:
    explicit FolderPathCache(PathText text) : m_text(text) {}

    const std::string& PathOf(const FileEntry& entry)
    {
        if (!m_folder || *m_folder != entry.m_folder) {
            m_folder = entry.m_folder;
            m_path = m_text == PathText::Escaped ? EscapeControls(entry.GetPath()) : entry.GetPath();
        }
        return m_path;
    }

private:
    PathText m_text;
    std::optional<const CDirNode*> m_folder;
    std::string m_path;
};

}  // namespace vorn::cli
