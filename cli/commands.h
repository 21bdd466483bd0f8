#pragma once

#include "cli/cli_archive.h"

#include <string>
#include <vector>

namespace vorn::cli {

struct ListOptions {
    ArchiveArguments archive;
    bool json = false;
};

struct CheckOptions {
    ArchiveArguments archive;
    bool json = false;
};

struct ExtractOptions {
    ArchiveArguments archive;
    std::string target;
    std::vector<std::string> items;
    bool overwrite = false;
    bool quiet = false;
    unsigned jobs = 0;  // 0: DefaultExtractionJobs()
};

int RunList(const ListOptions& options);
int RunTree(const ArchiveArguments& archive);
int RunExtract(const ExtractOptions& options);
int RunCheck(const CheckOptions& options);

}  // namespace vorn::cli
