#pragma once

// Test-only: a fresh folder on disk, removed with everything in it at the end.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace vorn::testing {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string operator/(const std::string& relative) const { return (m_path / relative).string(); }

private:
    std::filesystem::path m_path;
};

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

// Every folder ("NAME/") and file under root, as sorted paths relative to it.
std::vector<std::string> ListTree(const std::string& root);

// The same paths, each with its bytes (a folder's are empty).
std::map<std::string, std::string> TreeContent(const std::string& root);

}  // namespace vorn::testing
