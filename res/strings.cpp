#include "res/strings.h"

#include "res/resource_ids.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vorn::res {
namespace {

struct StringEntry {
    int id;
    std::string_view text;
};

constexpr std::array kStringTable{
    StringEntry{IDR_MAINFRAME, "Vorn v2.0\n\n\nVorn.Document (*.pck)"},
    StringEntry{AFX_IDS_APP_TITLE, "Vorn 2.0 by Tamsin Vell (tamsin.vell@example.net)"},
    StringEntry{AFX_IDS_IDLEMESSAGE, "Ready"},
    StringEntry{ID_FILE_OPEN, "Open DIR or PCK file\nOpen"},
    StringEntry{ID_FILE_EXTRACT, "Extract files or a directory\nExtract"},
    StringEntry{ID_VIEW_OPTIONS, "Show the options dialog\nOptions"},
    StringEntry{ID_FILE_EXTRACT_HERE, "Extract the selection into the default extraction folder\nExtract to Default Folder"},
    StringEntry{ID_FILE_PROPERTIES, "Show the path, size and place in the archive of the selection, or the figures of the archive itself\nProperties"},
    StringEntry{ID_EDIT_COPY_PATH, "Copy the paths of the selection in the archive\nCopy Path"},
    StringEntry{ID_ITEM_OPEN, "Show the folder's content, or open the file with the desktop's application for it\nOpen"},
    StringEntry{ID_ITEM_PREVIEW, "Show the file's content\nPreview"},
    StringEntry{ID_EDIT_FIND, "Show only the names that match a text\nFind"},
    StringEntry{ID_GO_BACK, "Go back to the folder shown before\nBack"},
    StringEntry{ID_GO_FORWARD, "Go forward to the folder shown next\nForward"},
    StringEntry{ID_GO_UP, "Show the folder that holds this one\nUp One Level"},
    StringEntry{ID_VIEW_PREVIEW, "Show or hide the preview of the selected file\nPreview"},
    StringEntry{ID_VIEW_NAME_ENCODING, "Choose the code page the names of this archive are decoded from\nName Encoding"},
    StringEntry{ID_FILE_TEST, "Check the whole archive for damage and hostile names\nTest Archive"},
    StringEntry{ID_FILE_COMPARE, "List what changed between this archive and another\nCompare With"},
    StringEntry{ID_VIEW_SORT_NAME, "Sort the list by name; again: descending; a third time: catalogue order\nSort by Name"},
    StringEntry{ID_VIEW_SORT_SIZE, "Sort the list by size; again: descending; a third time: catalogue order\nSort by Size"},
    StringEntry{ID_VIEW_SORT_TYPE, "Sort the list by type; again: descending; a third time: catalogue order\nSort by Type"},
    StringEntry{ID_VIEW_COLUMN_BYTES, "Show or hide the exact size in bytes\nSize in Bytes"},
    StringEntry{ID_VIEW_COLUMN_OFFSET, "Show or hide where each file's data starts in the archive\nOffset"},
    StringEntry{ID_FILE_NEW, "Create a new document\nNew"},
    StringEntry{ID_FILE_CLOSE, "Close the open archive\nClose"},
    StringEntry{ID_FILE_SAVE, "Write the archive with the pending changes\nSave"},
    StringEntry{ID_FILE_NEW_FROM_FOLDER, "Make an archive of a folder on disk and open it\nNew Archive from Folder"},
    StringEntry{ID_FILE_SAVE_AS, "Write the archive with the pending changes to another file\nSave As"},
    StringEntry{ID_EDIT_UNDO, "Take back the last change\nUndo"},
    StringEntry{ID_EDIT_REDO, "Make the change taken back again\nRedo"},
    StringEntry{ID_EDIT_REPLACE, "Replace the selected file with a file on disk\nReplace"},
    StringEntry{ID_EDIT_ADD_FILES, "Add files from disk to the folder shown\nAdd Files"},
    StringEntry{ID_EDIT_ADD_FOLDER, "Add a folder from disk, with everything in it, to the folder shown\nAdd Folder"},
    StringEntry{ID_EDIT_NEW_FOLDER, "Make a new folder in the folder shown\nNew Folder"},
    StringEntry{ID_EDIT_DELETE, "Delete the selection from the archive\nDelete"},
    StringEntry{ID_EDIT_RENAME, "Rename the selected item\nRename"},
    StringEntry{ID_FILE_MRU_FILE1, "Open this document"},
    StringEntry{ID_FILE_MRU_FILE2, "Open this document"},
    StringEntry{ID_FILE_MRU_FILE3, "Open this document"},
    StringEntry{ID_FILE_MRU_FILE4, "Open this document"},
    StringEntry{ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    StringEntry{ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    StringEntry{ID_NEXT_PANE, "Switch to the next window pane\nNext Pane"},
    StringEntry{ID_PREV_PANE, "Switch back to the previous window pane\nPrevious Pane"},
    StringEntry{ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    StringEntry{ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    StringEntry{ID_INDICATOR_CAPS, "CAP"},
    StringEntry{ID_INDICATOR_NUM, "NUM"},
    StringEntry{ID_INDICATOR_SCRL, "SCRL"},
    StringEntry{IDS_OPEN_FAILED, "Failed to open document."},
    StringEntry{IDS_NOTHING_TO_SAVE, "No changes are pending: there is nothing to save."},
    StringEntry{IDS_OPEN_FILTER, "Game archives (*.pck *.dir);;All files (*)"},
    StringEntry{IDS_OPEN_CAPTION, "Open"},
    StringEntry{IDS_NO_FORMAT, "No DIR or PCK extension: nothing to show"},
    StringEntry{IDS_COLUMN_NAME, "Name"},
    StringEntry{IDS_COLUMN_SIZE, "Size"},
    StringEntry{IDS_COLUMN_TYPE, "Type"},
    StringEntry{IDS_FILE_FOLDER, "File Folder"},
    StringEntry{IDS_SIZE_SUFFIX, "KB"},
    StringEntry{IDS_COLUMN_FOLDER, "Folder"},
    StringEntry{IDS_COLUMN_BYTES, "Size (bytes)"},
    StringEntry{IDS_COLUMN_OFFSET, "Offset"},
    StringEntry{IDS_NO_DEFAULT_FOLDER, "No default folder is set: choose one in View > Options"},
};

QString PromptPart(int commandId, int part)
{
    return LoadString(commandId).section(QLatin1Char('\n'), part, part);
}

}  // namespace

QString LoadString(int id)
{
    const auto found = std::find_if(kStringTable.begin(), kStringTable.end(),
                                    [id](const StringEntry& entry) { return entry.id == id; });
    if (found == kStringTable.end())
        return {};
    return QString::fromUtf8(found->text.data(), static_cast<qsizetype>(found->text.size()));
}

QString StatusPrompt(int commandId)
{
    return PromptPart(commandId, 0);
}

QString ToolTipPrompt(int commandId)
{
    return PromptPart(commandId, 1);
}

QString WindowTitle()
{
    return PromptPart(IDR_MAINFRAME, 0);
}

}  // namespace vorn::res
