#pragma once

#include "archive/byte_source.h"
#include "archive/catalogue.h"
#include "disk/entry_copy.h"
#include "framework/message_reporter.h"

#include <optional>
#include <string>
#include <vector>

namespace vorn {

// One open archive: the file, kept open for later copies, and its whole
// catalogue, read once at construction (its files passed to a sink instead of
// kept, when one is given). Construction never fails: what went wrong is kept
// (OpenError, the catalogue's anomalies) for the caller to show, and the
// archive is left with what could be read.
class CArchiveFile {
public:
    // The format comes from the path's extension unless forced; names are
    // decoded by names. reporter receives the failures of WriteEntry and
    // WriteEntryByName.
    CArchiveFile(std::string path, MessageReporter& reporter, std::optional<ArchiveFormat> forcedFormat = {},
                 NameDecoder names = NameDecoder::Default(), const FileSink& sink = {},
                 FileRecordOffsets offsets = FileRecordOffsets::Drop);
    ~CArchiveFile();
    CArchiveFile(const CArchiveFile&) = delete;
    CArchiveFile& operator=(const CArchiveFile&) = delete;

    // Closes the file and empties the path; the catalogue stays. Harmless twice.
    void Close();

    // The part of the path after its last separator (backslash or slash).
    std::string GetFileName() const;
    CDirNode* GetRoot() const;

    bool IsOpen() const { return m_isOpen; }
    // Why the file could not be opened; Kind::None when it was.
    const OpenError& GetOpenError() const { return m_file.GetOpenError(); }
    const std::string& GetPathName() const { return m_pathName; }
    ArchiveFormat GetFormat() const { return m_format; }
    // What the names were decoded from: "Windows-1252", "Windows-1251", ...
    const std::string& GetNameEncoding() const { return m_nameEncoding; }
    const Catalogue& GetCatalogue() const { return m_catalogue; }
    const std::vector<FileEntry>& Entries() const { return m_catalogue.entries; }
    // The open file, for copies that run on other threads (reads never seek).
    int Descriptor() const { return m_file.Descriptor(); }
    // The same file as bytes, for reading parts of entries from any thread.
    const ByteSource& Source() const { return m_file; }

    // Copies size bytes at offset into the file at path (relative to the current
    // directory or absolute). An existing file is kept and reported unless its
    // replacement is asked for; it is replaced only once the copy is complete,
    // and never when it is this archive. Failures are reported with the file's
    // name; returns success.
    bool WriteEntry(const std::string& path, std::uint32_t size, std::uint32_t offset,
                    ExistingFile existing = ExistingFile::Keep);
    // Copies the first entry whose name equals name ignoring the case of A-Z into
    // the folder targetDir, under the entry's own name.
    bool WriteEntryByName(const std::string& name, const std::string& targetDir = ".",
                          ExistingFile existing = ExistingFile::Keep);

private:
    bool m_isOpen = false;
    std::string m_pathName;
    FileByteSource m_file;
    ArchiveFormat m_format = ArchiveFormat::None;
    std::string m_nameEncoding;
    Catalogue m_catalogue;
    MessageReporter& m_reporter;
};

}  // namespace vorn
