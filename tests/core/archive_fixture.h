#pragma once

#include "archive/archive_file.h"
#include "extract/extraction_engine.h"
#include "tests/support/archive_writer.h"
#include "tests/support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

namespace vorn::testing {

// An archive written to a scratch folder and opened, with an empty target
// folder beside it.
class ArchiveFixture : public ::testing::Test {
protected:
    void Open(const WriterTree& tree, ArchiveFormat format = ArchiveFormat::Pck,
              NameDecoder names = NameDecoder::Default())
    {
        OpenBytes(BuildArchive(format, tree), format, std::move(names));
    }

    void OpenBytes(const std::string& bytes, ArchiveFormat format = ArchiveFormat::Pck,
                   NameDecoder names = NameDecoder::Default())
    {
        m_archivePath = m_dir / (format == ArchiveFormat::Pck ? "test.pck" : "test.dir");
        WriteFile(m_archivePath, bytes);
        m_archive = std::make_unique<CArchiveFile>(m_archivePath, m_reporter, std::nullopt, std::move(names));
    }

    const vorn::Catalogue& Loaded() const { return m_archive->GetCatalogue(); }

    const CDirNode& Folder(const std::string& path) const
    {
        const CDirNode* found = nullptr;
        ForEachFolder(Loaded(), [&](const CDirNode& folder) {
            if (!found && folder.GetPath() == path)
                found = &folder;
        });
        if (!found)
            throw std::runtime_error("no folder " + path);
        return *found;
    }

    std::string Target() const { return m_dir / "out"; }
    std::string InTarget(const std::string& relative) const { return Target() + "/" + relative; }

    ExtractionResult Extract(const std::vector<ExtractionItem>& items, ExtractionOptions options = {},
                             ExtractionObserver* observer = nullptr)
    {
        return RunExtraction(*m_archive, Target(), items, options, observer);
    }

    void SetUp() override { std::filesystem::create_directory(Target()); }

    TempDir m_dir;
    std::string m_archivePath;
    CollectingReporter m_reporter;
    std::unique_ptr<CArchiveFile> m_archive;
};

// A failure as the tests compare it: its kind and path.
struct KindAndPath {
    FailureKind kind;
    std::string path;
    bool operator==(const KindAndPath&) const = default;
};

inline void PrintTo(const KindAndPath& failure, std::ostream* out)
{
    *out << "{kind " << static_cast<int>(failure.kind) << ", " << failure.path << "}";
}

inline std::vector<KindAndPath> KindsAndPaths(const std::vector<Failure>& failures)
{
    std::vector<KindAndPath> found;
    for (const Failure& failure : failures)
        found.push_back({failure.kind, failure.path});
    return found;
}

inline std::vector<std::string> Texts(const std::vector<Message>& messages)
{
    std::vector<std::string> texts;
    for (const Message& message : messages)
        texts.push_back(message.text);
    return texts;
}

}  // namespace vorn::testing
