#define FUSE_USE_VERSION 312
#include "mount/fuse_mount.h"

#include <fuse3/fuse_lowlevel.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {
namespace {

// Nothing changes under the mount: the kernel may keep names and attributes.
constexpr double kCacheSeconds = 3600;

// What every request reads; the same from every thread, never changed. Inode
// 1 is the top level, then each folder in catalogue order, then each file by
// its entry index.
class Mounted {
public:
    Mounted(int fd, const Catalogue& catalogue, const MountIndex& index)
        : m_fd(fd), m_catalogue(catalogue), m_index(index), m_uid(::getuid()), m_gid(::getgid())
    {
        m_folders.push_back(nullptr);
        ForEachFolder(catalogue, [&](const CDirNode& folder) {
            m_inodes.emplace(&folder, m_folders.size() + 1);
            m_folders.push_back(&folder);
        });
    }

    bool Stat() { return ::fstat(m_fd, &m_archive) == 0; }
    // Set once, before the first request.
    void SetNoOpen(bool noOpen) { m_noOpen = noOpen; }
    bool NoOpen() const { return m_noOpen; }
    const MountIndex& Index() const { return m_index; }

    fuse_ino_t InodeOf(const MountItem& item) const
    {
        if (item.isFile)
            return m_folders.size() + 1 + item.file;
        return item.folder ? m_inodes.at(item.folder) : FUSE_ROOT_ID;
    }

    std::optional<MountItem> ItemOf(fuse_ino_t inode) const
    {
        if (inode == 0)
            return std::nullopt;
        if (inode <= m_folders.size())
            return MountItem{m_folders[inode - 1], 0, false};
        const std::uint64_t file = inode - m_folders.size() - 1;
        if (file >= m_catalogue.entries.size())
            return std::nullopt;
        return MountItem{nullptr, static_cast<std::uint32_t>(file), true};
    }

    struct stat StatOf(const MountItem& item) const
    {
        struct stat out {};
        out.st_ino = InodeOf(item);
        out.st_uid = m_uid;
        out.st_gid = m_gid;
        out.st_atim = out.st_mtim = out.st_ctim = m_archive.st_mtim;
        if (item.isFile) {
            const FileEntry& entry = m_catalogue.entries[item.file];
            out.st_mode = S_IFREG | 0444;
            out.st_nlink = 1;
            out.st_size = entry.m_size;
            out.st_blocks = (static_cast<blkcnt_t>(entry.m_size) + 511) / 512;
        } else {
            out.st_mode = S_IFDIR | 0555;
            out.st_nlink = static_cast<nlink_t>(2 + m_index.FoldersIn(item.folder));
        }
        return out;
    }

    // Reads size bytes of the file at offset; the error when the archive
    // changed since the mount, or ends before the file's data does.
    int Read(std::uint32_t file, std::uint64_t offset, std::size_t size, std::vector<char>& out) const
    {
        const FileEntry& entry = m_catalogue.entries[file];
        out.clear();
        if (offset >= entry.m_size)
            return 0;
        if (Changed())
            return EIO;
        out.resize(static_cast<std::size_t>(std::min<std::uint64_t>(size, entry.m_size - offset)));
        for (std::size_t got = 0; got < out.size();) {
            const ssize_t read =
                ::pread(m_fd, out.data() + got, out.size() - got, static_cast<off_t>(entry.m_offset + offset + got));
            if (read < 0 && errno == EINTR)
                continue;
            if (read <= 0)
                return EIO;
            got += static_cast<std::size_t>(read);
        }
        return 0;
    }

private:
    // Another size or time than at the mount: what the archive now holds is
    // not what the mount shows.
    bool Changed() const
    {
        struct stat now {};
        return ::fstat(m_fd, &now) != 0 || now.st_size != m_archive.st_size ||
               now.st_mtim.tv_sec != m_archive.st_mtim.tv_sec || now.st_mtim.tv_nsec != m_archive.st_mtim.tv_nsec;
    }

    int m_fd;
    const Catalogue& m_catalogue;
    const MountIndex& m_index;
    uid_t m_uid;
    gid_t m_gid;
    struct stat m_archive {};
    bool m_noOpen = false;
    std::vector<const CDirNode*> m_folders;  // by inode - 1; the top level first
    std::unordered_map<const CDirNode*, fuse_ino_t> m_inodes;
};

const Mounted& MountedOf(fuse_req_t request)
{
    return *static_cast<const Mounted*>(fuse_req_userdata(request));
}

void Init(void* data, fuse_conn_info* connection)
{
    static_cast<Mounted*>(data)->SetNoOpen((connection->capable & FUSE_CAP_NO_OPEN_SUPPORT) != 0);
}

void Lookup(fuse_req_t request, fuse_ino_t parent, const char* name)
{
    const Mounted& mounted = MountedOf(request);
    const auto folder = mounted.ItemOf(parent);
    if (!folder || folder->isFile) {
        fuse_reply_err(request, ENOTDIR);
        return;
    }
    const auto item = mounted.Index().FindIn(folder->folder, name);
    if (!item) {
        fuse_entry_param none{};
        none.entry_timeout = kCacheSeconds;
        fuse_reply_entry(request, &none);  // a negative entry, kept as long
        return;
    }
    fuse_entry_param entry{};
    entry.ino = mounted.InodeOf(*item);
    entry.attr = mounted.StatOf(*item);
    entry.attr_timeout = kCacheSeconds;
    entry.entry_timeout = kCacheSeconds;
    fuse_reply_entry(request, &entry);
}

void GetAttr(fuse_req_t request, fuse_ino_t inode, fuse_file_info*)
{
    const Mounted& mounted = MountedOf(request);
    const auto item = mounted.ItemOf(inode);
    if (!item) {
        fuse_reply_err(request, ENOENT);
        return;
    }
    const struct stat status = mounted.StatOf(*item);
    fuse_reply_attr(request, &status, kCacheSeconds);
}

void Open(fuse_req_t request, fuse_ino_t inode, fuse_file_info* file)
{
    const auto item = MountedOf(request).ItemOf(inode);
    if (!item || !item->isFile) {
        fuse_reply_err(request, item ? EISDIR : ENOENT);
        return;
    }
    if ((file->flags & O_ACCMODE) != O_RDONLY) {
        fuse_reply_err(request, EROFS);
        return;
    }
    // Where the kernel can do without, files are not opened here at all: it
    // then sends no open, nor a release, for each.
    if (MountedOf(request).NoOpen()) {
        fuse_reply_err(request, ENOSYS);
        return;
    }
    file->keep_cache = 1;
    fuse_reply_open(request, file);
}

void OpenFolder(fuse_req_t request, fuse_ino_t inode, fuse_file_info* folder)
{
    const auto item = MountedOf(request).ItemOf(inode);
    if (!item || item->isFile) {
        fuse_reply_err(request, item ? ENOTDIR : ENOENT);
        return;
    }
    // A folder's listing never changes: the kernel may keep it, and list it again itself.
    folder->cache_readdir = 1;
    folder->keep_cache = 1;
    fuse_reply_open(request, folder);
}

void Read(fuse_req_t request, fuse_ino_t inode, std::size_t size, off_t offset, fuse_file_info*)
{
    const Mounted& mounted = MountedOf(request);
    const auto item = mounted.ItemOf(inode);
    if (!item || !item->isFile || offset < 0) {
        fuse_reply_err(request, EINVAL);
        return;
    }
    thread_local std::vector<char> bytes;
    if (const int error = mounted.Read(item->file, static_cast<std::uint64_t>(offset), size, bytes))
        fuse_reply_err(request, error);
    else
        fuse_reply_buf(request, bytes.data(), bytes.size());
}

// Entries from offset on ("." and ".." at 0 and 1, the folder's items after),
// with their attributes when plus: as many as fit in size bytes.
void ReadFolder(fuse_req_t request, fuse_ino_t inode, std::size_t size, off_t offset, bool plus)
{
    const Mounted& mounted = MountedOf(request);
    const auto folder = mounted.ItemOf(inode);
    if (!folder || folder->isFile) {
        fuse_reply_err(request, ENOTDIR);
        return;
    }
    const auto& items = mounted.Index().ItemsOf(folder->folder);
    std::vector<char> buffer(size);
    std::size_t used = 0;
    for (auto next = static_cast<std::size_t>(std::max<off_t>(offset, 0)); next < items.size() + 2; ++next) {
        std::string name;
        fuse_entry_param entry{};
        if (next < 2) {
            name = next == 0 ? "." : "..";
            entry.attr.st_ino = inode;
            entry.attr.st_mode = S_IFDIR;
        } else {
            const MountItem& item = items[next - 2];
            name = mounted.Index().NameOf(item);
            entry.ino = mounted.InodeOf(item);
            entry.attr = mounted.StatOf(item);
            entry.attr_timeout = kCacheSeconds;
            entry.entry_timeout = kCacheSeconds;
        }
        // "." and ".." go without an inode: the kernel learns nothing from them.
        const auto following = static_cast<off_t>(next + 1);
        const std::size_t length =
            plus ? fuse_add_direntry_plus(request, buffer.data() + used, size - used, name.c_str(), &entry, following)
                 : fuse_add_direntry(request, buffer.data() + used, size - used, name.c_str(), &entry.attr, following);
        if (length > size - used)
            break;
        used += length;
    }
    fuse_reply_buf(request, buffer.data(), used);
}

void ReadDir(fuse_req_t request, fuse_ino_t inode, std::size_t size, off_t offset, fuse_file_info*)
{
    ReadFolder(request, inode, size, offset, false);
}

void ReadDirPlus(fuse_req_t request, fuse_ino_t inode, std::size_t size, off_t offset, fuse_file_info*)
{
    ReadFolder(request, inode, size, offset, true);
}

}  // namespace

MountResult ServeMount(int archiveFd, const Catalogue& catalogue, const MountIndex& index,
                       const std::string& archiveName, const std::string& mountpoint, bool foreground)
{
    const int device = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
    if (device < 0)
        return {MountResult::Kind::NoFuse, errno};
    ::close(device);

    Mounted mounted(archiveFd, catalogue, index);
    if (!mounted.Stat())
        return {MountResult::Kind::MountFailed, errno};

    fuse_lowlevel_ops operations{};
    operations.init = Init;
    operations.lookup = Lookup;
    operations.getattr = GetAttr;
    operations.open = Open;
    operations.opendir = OpenFolder;
    operations.read = Read;
    operations.readdir = ReadDir;
    operations.readdirplus = ReadDirPlus;

    // The archive's name shows as the mount's source, commas (option separators) aside.
    std::string source = archiveName;
    std::replace(source.begin(), source.end(), ',', '_');
    const std::string options = "ro,default_permissions,subtype=vorn,fsname=" + source;
    const char* arguments[] = {"vorn-cli", "-o", options.c_str()};
    fuse_args args = FUSE_ARGS_INIT(3, const_cast<char**>(arguments));
    fuse_session* session = fuse_session_new(&args, &operations, sizeof operations, &mounted);
    fuse_opt_free_args(&args);  // what fuse_session_new added to them
    if (!session)
        return {MountResult::Kind::MountFailed, 0};
    MountResult result;
    if (fuse_session_mount(session, mountpoint.c_str()) != 0) {
        result = {MountResult::Kind::MountFailed, 0};
    } else {
        if (fuse_daemonize(foreground ? 1 : 0) == 0 && fuse_set_signal_handlers(session) == 0) {
            // A configuration of our own: the older call leaks the one it makes itself.
            fuse_loop_config* loop = fuse_loop_cfg_create();
            static_cast<void>(fuse_session_loop_mt(session, loop));
            fuse_loop_cfg_destroy(loop);
            fuse_remove_signal_handlers(session);
        }
        fuse_session_unmount(session);
    }
    fuse_session_destroy(session);
    return result;
}

}  // namespace vorn
