#pragma once

#include "cli/cli_archive.h"
#include "cli/glob_filter.h"
#include "write/tree_changes.h"

#include <string>
#include <vector>

namespace vorn::cli {

struct ListOptions {
    ArchiveArguments archive;
    GlobOptions glob;
    bool json = false;
};

struct CatOptions {
    ArchiveArguments archive;
    std::vector<std::string> items;
    GlobOptions glob;
};

struct DiffOptions {
    ArchiveArguments first;
    std::string second;  // read with the first's format and encoding options
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
    GlobOptions glob;
    bool overwrite = false;
    bool quiet = false;
    unsigned jobs = 0;  // 0: DefaultExtractionJobs()
};

// What writing an archive takes besides its content.
struct OutputOptions {
    std::string path;
    bool overwrite = false;
    bool quiet = false;
    bool json = false;
    unsigned jobs = 0;  // 0: DefaultExtractionJobs()
};

struct PackOptions {
    std::string folder;
    OutputOptions output;
    std::string format;  // "", "dir" or "pck": from the output's extension
    std::string encoding = kDefaultNameEncoding;
    std::string orderFrom;  // an archive whose order to keep
};

struct UpdateOptions {
    ArchiveArguments archive;
    OutputOptions output;  // path empty: the archive itself
    std::vector<TreeChange> changes;  // in the order given
    bool backup = false;
};

struct MountOptions {
    ArchiveArguments archive;
    std::string mountpoint;
    bool foreground = false;
};

int RunList(const ListOptions& options);
int RunTree(const ArchiveArguments& archive);
int RunExtract(const ExtractOptions& options);
int RunCheck(const CheckOptions& options);
int RunPack(const PackOptions& options);
int RunUpdate(const UpdateOptions& options);
int RunMount(const MountOptions& options);
int RunCat(const CatOptions& options);
int RunDiff(const DiffOptions& options);

}  // namespace vorn::cli
