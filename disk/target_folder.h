#pragma once

#include <string>

namespace vorn {

// Makes the folder at path, with the folders above it that are missing, as a
// user who names a new target folder expects. Something already standing at
// path is left for whoever opens it to judge. 0, or the errno of the failure.
int MakeTargetFolder(const std::string& path);

}  // namespace vorn
