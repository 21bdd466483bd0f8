#pragma once

#include "extract/extraction_plan.h"

#include <QList>
#include <QPair>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace vorn {

class CArchiveFile;
struct Catalogue;

// What there is to know about files and folders of an archive, for the
// Properties dialog and the status bar: each item itself, and for folders
// everything below them.
struct ItemFacts {
    QString path;                         // one item's: "DATA\SOUND\A.WAV", "DATA\SOUND", or the archive item's label
    std::uint64_t itemFiles = 0;          // the items themselves
    std::uint64_t itemFolders = 0;
    std::uint64_t bytes = 0;              // with everything below the folders
    std::optional<std::uint32_t> offset;  // one file's
    std::uint64_t filesBelow = 0;         // in the folders, at any depth
    std::uint64_t foldersBelow = 0;
};

ItemFacts FactsOf(const CArchiveFile& archive, const std::vector<ExtractionItem>& items);
// An item's path, as in its facts.
QString PathOf(const Catalogue& catalogue, const ExtractionItem& item);

// The facts as labelled lines, in the order the Properties dialog shows them.
QList<QPair<QString, QString>> FactLines(const ItemFacts& facts);

// What Extract would write: "Extract folder DATA\SOUND", "Extract file
// DATA\A.WAV", "Extract 3 files and 1 folder".
QString ExtractPrompt(const CArchiveFile& archive, const std::vector<ExtractionItem>& items);

}  // namespace vorn
