#define FUSE_USE_VERSION 31
#include "mount/fuse_mount.h"

#include <fuse3/fuse.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {
namespace {

// What every callback reads; the same from every thread, never changed.
struct Mounted {
    int fd;
    const Catalogue& catalogue;
    const MountIndex& index;
    struct stat archive;  // as it was at the mount
};

const Mounted& Context()
{
    return *static_cast<const Mounted*>(fuse_get_context()->private_data);
}

// The archive has another size or time than at the mount: what it now holds
// is not what the mount shows.
bool ArchiveChanged(const Mounted& mounted)
{
    struct stat now {};
    return ::fstat(mounted.fd, &now) != 0 || now.st_size != mounted.archive.st_size ||
           now.st_mtim.tv_sec != mounted.archive.st_mtim.tv_sec ||
           now.st_mtim.tv_nsec != mounted.archive.st_mtim.tv_nsec;
}

void FillStat(const Mounted& mounted, const MountItem& item, struct stat& out)
{
    out = {};
    out.st_uid = ::getuid();
    out.st_gid = ::getgid();
    out.st_atim = out.st_mtim = out.st_ctim = mounted.archive.st_mtim;
    if (item.isFile) {
        const FileEntry& entry = mounted.catalogue.entries[item.file];
        out.st_mode = S_IFREG | 0444;
        out.st_nlink = 1;
        out.st_size = entry.m_size;
        out.st_blocks = (static_cast<blkcnt_t>(entry.m_size) + 511) / 512;
    } else {
        out.st_mode = S_IFDIR | 0555;
        out.st_nlink = static_cast<nlink_t>(2 + mounted.index.FoldersIn(item.folder));
    }
}

void* Init(fuse_conn_info*, fuse_config* config)
{
    // Nothing changes under the mount: the kernel may keep names, attributes and data.
    config->entry_timeout = 3600;
    config->attr_timeout = 3600;
    config->negative_timeout = 3600;
    config->kernel_cache = 1;
    return fuse_get_context()->private_data;
}

int GetAttr(const char* path, struct stat* out, fuse_file_info*)
{
    const Mounted& mounted = Context();
    const auto item = mounted.index.Find(path);
    if (!item)
        return -ENOENT;
    FillStat(mounted, *item, *out);
    return 0;
}

int ReadDir(const char* path, void* buffer, fuse_fill_dir_t fill, off_t, fuse_file_info*, fuse_readdir_flags flags)
{
    const Mounted& mounted = Context();
    const auto folder = mounted.index.Find(path);
    if (!folder)
        return -ENOENT;
    if (folder->isFile)
        return -ENOTDIR;
    fill(buffer, ".", nullptr, 0, fuse_fill_dir_flags{});
    fill(buffer, "..", nullptr, 0, fuse_fill_dir_flags{});
    const bool plus = (flags & FUSE_READDIR_PLUS) != 0;
    struct stat status {};
    for (const MountItem& item : mounted.index.ItemsOf(folder->folder)) {
        if (plus)
            FillStat(mounted, item, status);
        const std::string name(mounted.index.NameOf(item));
        if (fill(buffer, name.c_str(), plus ? &status : nullptr, 0,
                 plus ? FUSE_FILL_DIR_PLUS : fuse_fill_dir_flags{}) != 0)
            break;
    }
    return 0;
}

int Open(const char* path, fuse_file_info* file)
{
    const Mounted& mounted = Context();
    const auto item = mounted.index.Find(path);
    if (!item)
        return -ENOENT;
    if (!item->isFile)
        return -EISDIR;
    if ((file->flags & O_ACCMODE) != O_RDONLY)
        return -EROFS;
    file->fh = item->file;
    file->keep_cache = 1;
    return 0;
}

int Read(const char*, char* buffer, std::size_t size, off_t offset, fuse_file_info* file)
{
    const Mounted& mounted = Context();
    const FileEntry& entry = mounted.catalogue.entries[file->fh];
    if (offset < 0 || static_cast<std::uint64_t>(offset) >= entry.m_size)
        return 0;
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(size, entry.m_size - offset));
    if (ArchiveChanged(mounted))
        return -EIO;
    std::size_t got = 0;
    while (got < want) {
        const ssize_t read = ::pread(mounted.fd, buffer + got, want - got,
                                     static_cast<off_t>(entry.m_offset + static_cast<std::uint64_t>(offset) + got));
        if (read < 0 && errno == EINTR)
            continue;
        if (read <= 0)
            return -EIO;  // the archive ends, or fails, before the file's data does
        got += static_cast<std::size_t>(read);
    }
    return static_cast<int>(got);
}

}  // namespace

MountResult ServeMount(int archiveFd, const Catalogue& catalogue, const MountIndex& index,
                       const std::string& archiveName, const std::string& mountpoint, bool foreground)
{
    const int device = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
    if (device < 0)
        return {MountResult::Kind::NoFuse, errno};
    ::close(device);

    Mounted mounted{archiveFd, catalogue, index, {}};
    if (::fstat(archiveFd, &mounted.archive) != 0)
        return {MountResult::Kind::MountFailed, errno};

    fuse_operations operations{};
    operations.init = Init;
    operations.getattr = GetAttr;
    operations.readdir = ReadDir;
    operations.open = Open;
    operations.read = Read;

    // The archive's name shows as the mount's source, commas (option separators) aside.
    std::string source = archiveName;
    std::replace(source.begin(), source.end(), ',', '_');
    const std::string options = "ro,default_permissions,subtype=vorn,fsname=" + source;
    const char* arguments[] = {"vorn-cli", "-o", options.c_str()};
    fuse_args args = FUSE_ARGS_INIT(3, const_cast<char**>(arguments));
    fuse* filesystem = fuse_new(&args, &operations, sizeof operations, &mounted);
    fuse_opt_free_args(&args);  // what fuse_new added to them
    if (!filesystem)
        return {MountResult::Kind::MountFailed, 0};
    MountResult result;
    if (fuse_mount(filesystem, mountpoint.c_str()) != 0) {
        result = {MountResult::Kind::MountFailed, 0};
    } else {
        fuse_session* session = fuse_get_session(filesystem);
        if (fuse_daemonize(foreground ? 1 : 0) == 0 && fuse_set_signal_handlers(session) == 0) {
            static_cast<void>(fuse_loop_mt(filesystem, 0));
            fuse_remove_signal_handlers(session);
        }
        fuse_unmount(filesystem);
    }
    fuse_destroy(filesystem);
    return result;
}

}  // namespace vorn
