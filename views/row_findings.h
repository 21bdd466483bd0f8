#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vorn {

class CDirNode;
struct Catalogue;

// What the list tells about single items: the catalogue's findings (data past
// the end, overlaps, unsafe names, duplicates, ...) by the item they concern.
// The one place that knows where findings come from and how they are worded.
class RowFindings {
public:
    // Archives with more files than this are marked with what the load found
    // only: the full check of a million files would keep a core busy for long.
    static constexpr std::size_t kFullCheckLimit = 200000;

    // Runs the catalogue check (costly: call it off the user-interface thread).
    static RowFindings Of(const Catalogue& catalogue);

    // One line per finding about folder's child called name (the top level's
    // for null); empty when there is none.
    QString About(const CDirNode* folder, std::string_view name) const;
    bool IsEmpty() const { return m_byPath.empty(); }

private:
    std::unordered_map<std::string, std::string> m_byPath;  // lines joined by '\n'
};

}  // namespace vorn
