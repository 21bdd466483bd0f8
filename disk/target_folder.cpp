#include "disk/target_folder.h"

#include <filesystem>
#include <system_error>

namespace vorn {

int MakeTargetFolder(const std::string& path)
{
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, error)))
        return 0;
    std::filesystem::create_directories(path, error);
    return error.value();
}

}  // namespace vorn
