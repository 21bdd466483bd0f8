#include "views/item_facts.h"

#include "archive/archive_file.h"
#include "views/figures.h"

#include <QCoreApplication>

namespace vorn {
namespace {

// The texts' context for the translation tools.
struct FactTexts {
    Q_DECLARE_TR_FUNCTIONS(vorn::FactTexts)
};

QString FilesAndFolders(std::uint64_t files, std::uint64_t folders)
{
    return FactTexts::tr("%1 and %2")
        .arg(CountedFiles(files),
             Counted(folders, QT_TRANSLATE_NOOP("Counted", "folder"), QT_TRANSLATE_NOOP("Counted", "folders")));
}

// Counts and sizes everything below folder (the top level for null).
void AddBelow(const Catalogue& catalogue, const CDirNode* folder, ItemFacts& facts)
{
    std::vector<const CDirNode*> pending{folder};
    while (!pending.empty()) {
        const CDirNode* current = pending.back();
        pending.pop_back();
        for (const std::uint32_t entry : catalogue.FilesOf(current))
            facts.bytes += catalogue.entries[entry].m_size;
        facts.filesBelow += catalogue.FilesOf(current).size();
        for (const auto& child : catalogue.FoldersOf(current)) {
            pending.push_back(child.get());
            ++facts.foldersBelow;
        }
    }
}

}  // namespace

QString PathOf(const Catalogue& catalogue, const ExtractionItem& item)
{
    switch (item.kind) {
    case ExtractionItem::Kind::File:
        return QString::fromStdString(catalogue.entries[item.entry].GetFullPath()).mid(1);
    case ExtractionItem::Kind::Folder:
        return FolderPathText(item.folder);
    case ExtractionItem::Kind::TopLevel:
        break;
    }
    return QString::fromStdString(item.folderName);
}

ItemFacts FactsOf(const CArchiveFile& archive, const std::vector<ExtractionItem>& items)
{
    const Catalogue& catalogue = archive.GetCatalogue();
    ItemFacts facts;
    for (const ExtractionItem& item : items) {
        if (item.kind == ExtractionItem::Kind::File) {
            ++facts.itemFiles;
            facts.bytes += catalogue.entries[item.entry].m_size;
        } else {
            ++facts.itemFolders;
            AddBelow(catalogue, item.folder, facts);  // the top level's folder is null
        }
    }
    if (items.size() == 1) {
        facts.path = PathOf(catalogue, items.front());
        if (items.front().kind == ExtractionItem::Kind::File)
            facts.offset = catalogue.entries[items.front().entry].m_offset;
    }
    return facts;
}

QList<QPair<QString, QString>> FactLines(const ItemFacts& facts)
{
    QList<QPair<QString, QString>> lines;
    if (facts.itemFiles + facts.itemFolders == 1)
        lines.append({FactTexts::tr("Path:"), facts.path});
    else
        lines.append({FactTexts::tr("Selected:"), FilesAndFolders(facts.itemFiles, facts.itemFolders)});
    lines.append({FactTexts::tr("Size:"), ByteCountText(facts.bytes)});
    if (facts.offset)
        lines.append({FactTexts::tr("Offset:"), GroupedNumber(*facts.offset)});
    if (facts.itemFolders > 0)
        lines.append({FactTexts::tr("Contains:"), FilesAndFolders(facts.filesBelow, facts.foldersBelow)});
    return lines;
}

QString ExtractPrompt(const CArchiveFile& archive, const std::vector<ExtractionItem>& items)
{
    if (items.size() == 1) {
        const ExtractionItem& item = items.front();
        if (item.kind == ExtractionItem::Kind::TopLevel)
            return FactTexts::tr("Extract the whole archive");
        const QString path = PathOf(archive.GetCatalogue(), item);
        return item.kind == ExtractionItem::Kind::Folder ? FactTexts::tr("Extract folder %1").arg(path)
                                                          : FactTexts::tr("Extract file %1").arg(path);
    }
    std::uint64_t files = 0;
    for (const ExtractionItem& item : items)
        files += item.kind == ExtractionItem::Kind::File;
    const std::uint64_t folders = items.size() - files;
    if (folders == 0)
        return FactTexts::tr("Extract %1").arg(CountedFiles(files));
    if (files == 0)
        return FactTexts::tr("Extract %1")
            .arg(Counted(folders, QT_TRANSLATE_NOOP("Counted", "folder"), QT_TRANSLATE_NOOP("Counted", "folders")));
    return FactTexts::tr("Extract %1").arg(FilesAndFolders(files, folders));
}

}  // namespace vorn
