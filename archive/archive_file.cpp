#include "archive/archive_file.h"

#include "archive/describe_failure.h"
#include "disk/name_safety.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace vorn {

CArchiveFile::CArchiveFile(std::string path, MessageReporter& reporter, std::optional<ArchiveFormat> forcedFormat,
                           NameDecoder names, const FileSink& sink, FileRecordOffsets offsets)
    : m_pathName(std::move(path)), m_file(m_pathName), m_nameEncoding(names.Encoding()), m_reporter(reporter)
{
    if (!m_file.IsOpen()) {
        m_pathName.clear();
        return;
    }
    m_format = forcedFormat.value_or(FormatFromPath(m_pathName));
    m_catalogue = LoadCatalogue(m_file, m_format, std::move(names), sink, offsets);
    m_isOpen = true;
}

CArchiveFile::~CArchiveFile()
{
    Close();
}

void CArchiveFile::Close()
{
    if (!m_isOpen)
        return;
    m_file.Close();
    m_isOpen = false;
    m_pathName.clear();
}

std::string CArchiveFile::GetFileName() const
{
    const std::size_t separator = m_pathName.find_last_of("\\/");
    return separator == std::string::npos ? m_pathName : m_pathName.substr(separator + 1);
}

CDirNode* CArchiveFile::GetRoot() const
{
    return m_catalogue.topFolders.empty() ? nullptr : m_catalogue.topFolders.front().get();
}

bool CArchiveFile::WriteEntry(const std::string& path, std::uint32_t size, std::uint32_t offset,
                              ExistingFile existing)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const int dirFd = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) {
        m_reporter.ShowMessage(DescribeFailure({FailureKind::FileNotCreated, path, errno}));
        return false;
    }
    const CopyResult result = CopyArchiveRange(CopySourceOf(m_file.Descriptor()), {offset, size}, dirFd, name, existing);
    ::close(dirFd);
    if (const auto failure = CopyFailure(result, path))
        m_reporter.ShowMessage(DescribeFailure(*failure));
    return result.status == CopyStatus::Copied;
}

bool CArchiveFile::WriteEntryByName(const std::string& name, const std::string& targetDir, ExistingFile existing)
{
    for (const FileEntry& entry : m_catalogue.entries) {
        if (!EqualsIgnoringAsciiCase(entry.m_name, name))
            continue;
        if (const auto reason = UnsafeNameReason(entry.m_name)) {
            m_reporter.ShowMessage(DescribeFailure({FailureKind::RefusedName, entry.GetFullPath(), 0, *reason}));
            return false;
        }
        return WriteEntry(targetDir + "/" + entry.m_name, entry.m_size, entry.m_offset, existing);
    }
    m_reporter.ShowMessage({"Could not find file " + name + ".", ""});
    return false;
}

}  // namespace vorn
