#include "tests/support/temp_dir.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vorn::testing {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vorn-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("could not write " + path);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> ListTree(const std::string& root)
{
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        std::string relative = std::filesystem::relative(entry.path(), root).string();
        if (entry.is_directory() && !entry.is_symlink())
            relative += '/';
        paths.push_back(relative);
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::map<std::string, std::string> TreeContent(const std::string& root)
{
    std::map<std::string, std::string> content;
    for (const std::string& path : ListTree(root))
        content[path] = path.ends_with('/') ? "" : ReadFile(root + "/" + path);
    return content;
}

}  // namespace vorn::testing
