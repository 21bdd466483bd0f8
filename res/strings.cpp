#include "res/strings.h"

#include "res/resource_ids.h"

#include <QCoreApplication>

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
    StringEntry{IDR_MAINFRAME, QT_TRANSLATE_NOOP("Resources", "Vorn v2.0\n\n\nVorn.Document (*.pck)")},
    StringEntry{AFX_IDS_APP_TITLE, QT_TRANSLATE_NOOP("Resources", "Vorn 2.0 by Tamsin Vell (tamsin.vell@example.net)")},
    StringEntry{AFX_IDS_IDLEMESSAGE, QT_TRANSLATE_NOOP("Resources", "Ready")},
    StringEntry{ID_FILE_OPEN, QT_TRANSLATE_NOOP("Resources", "Open DIR or PCK file\nOpen")},
    StringEntry{ID_FILE_EXTRACT, QT_TRANSLATE_NOOP("Resources", "Extract files or a directory\nExtract")},
    StringEntry{ID_VIEW_OPTIONS, QT_TRANSLATE_NOOP("Resources", "Show the options dialog\nOptions")},
    StringEntry{ID_FILE_EXTRACT_HERE, QT_TRANSLATE_NOOP("Resources", "Extract the selection into the default extraction folder\nExtract to Default Folder")},
    StringEntry{ID_FILE_PROPERTIES, QT_TRANSLATE_NOOP("Resources", "Show the path, size and place in the archive of the selection, or the figures of the archive itself\nProperties")},
    StringEntry{ID_EDIT_COPY_PATH, QT_TRANSLATE_NOOP("Resources", "Copy the paths of the selection in the archive\nCopy Path")},
    StringEntry{ID_ITEM_OPEN, QT_TRANSLATE_NOOP("Resources", "Show the folder's content, or open the file with the desktop's application for it\nOpen")},
    StringEntry{ID_ITEM_PREVIEW, QT_TRANSLATE_NOOP("Resources", "Show the file's content\nPreview")},
    StringEntry{ID_EDIT_FIND, QT_TRANSLATE_NOOP("Resources", "Show only the names that match a text\nFind")},
    StringEntry{ID_GO_BACK, QT_TRANSLATE_NOOP("Resources", "Go back to the folder shown before\nBack")},
    StringEntry{ID_GO_FORWARD, QT_TRANSLATE_NOOP("Resources", "Go forward to the folder shown next\nForward")},
    StringEntry{ID_GO_UP, QT_TRANSLATE_NOOP("Resources", "Show the folder that holds this one\nUp One Level")},
    StringEntry{ID_VIEW_PREVIEW, QT_TRANSLATE_NOOP("Resources", "Show or hide the preview of the selected file\nPreview")},
    StringEntry{ID_VIEW_NAME_ENCODING, QT_TRANSLATE_NOOP("Resources", "Choose the code page the names of this archive are decoded from\nName Encoding")},
    StringEntry{ID_FILE_TEST, QT_TRANSLATE_NOOP("Resources", "Check the whole archive for damage and hostile names\nTest Archive")},
    StringEntry{ID_FILE_COMPARE, QT_TRANSLATE_NOOP("Resources", "List what changed between this archive and another\nCompare With")},
    StringEntry{ID_VIEW_SORT_NAME, QT_TRANSLATE_NOOP("Resources", "Sort the list by name; again: descending; a third time: catalogue order\nSort by Name")},
    StringEntry{ID_VIEW_SORT_SIZE, QT_TRANSLATE_NOOP("Resources", "Sort the list by size; again: descending; a third time: catalogue order\nSort by Size")},
    StringEntry{ID_VIEW_SORT_TYPE, QT_TRANSLATE_NOOP("Resources", "Sort the list by type; again: descending; a third time: catalogue order\nSort by Type")},
    StringEntry{ID_VIEW_COLUMN_BYTES, QT_TRANSLATE_NOOP("Resources", "Show or hide the exact size in bytes\nSize in Bytes")},
    StringEntry{ID_VIEW_COLUMN_OFFSET, QT_TRANSLATE_NOOP("Resources", "Show or hide where each file's data starts in the archive\nOffset")},
    StringEntry{ID_FILE_NEW, QT_TRANSLATE_NOOP("Resources", "Create a new document\nNew")},
    StringEntry{ID_FILE_CLOSE, QT_TRANSLATE_NOOP("Resources", "Close the open archive\nClose")},
    StringEntry{ID_FILE_SAVE, QT_TRANSLATE_NOOP("Resources", "Write the archive with the pending changes\nSave")},
    StringEntry{ID_FILE_NEW_FROM_FOLDER, QT_TRANSLATE_NOOP("Resources", "Make an archive of a folder on disk and open it\nNew Archive from Folder")},
    StringEntry{ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("Resources", "Write the archive with the pending changes to another file\nSave As")},
    StringEntry{ID_EDIT_UNDO, QT_TRANSLATE_NOOP("Resources", "Take back the last change\nUndo")},
    StringEntry{ID_EDIT_REDO, QT_TRANSLATE_NOOP("Resources", "Make the change taken back again\nRedo")},
    StringEntry{ID_EDIT_REPLACE, QT_TRANSLATE_NOOP("Resources", "Replace the selected file with a file on disk\nReplace")},
    StringEntry{ID_EDIT_ADD_FILES, QT_TRANSLATE_NOOP("Resources", "Add files from disk to the folder shown\nAdd Files")},
    StringEntry{ID_EDIT_ADD_FOLDER, QT_TRANSLATE_NOOP("Resources", "Add a folder from disk, with everything in it, to the folder shown\nAdd Folder")},
    StringEntry{ID_EDIT_NEW_FOLDER, QT_TRANSLATE_NOOP("Resources", "Make a new folder in the folder shown\nNew Folder")},
    StringEntry{ID_EDIT_DELETE, QT_TRANSLATE_NOOP("Resources", "Delete the selection from the archive\nDelete")},
    StringEntry{ID_EDIT_RENAME, QT_TRANSLATE_NOOP("Resources", "Rename the selected item\nRename")},
    StringEntry{ID_FILE_MRU_FILE1, QT_TRANSLATE_NOOP("Resources", "Open this document")},
    StringEntry{ID_FILE_MRU_FILE2, QT_TRANSLATE_NOOP("Resources", "Open this document")},
    StringEntry{ID_FILE_MRU_FILE3, QT_TRANSLATE_NOOP("Resources", "Open this document")},
    StringEntry{ID_FILE_MRU_FILE4, QT_TRANSLATE_NOOP("Resources", "Open this document")},
    StringEntry{ID_APP_ABOUT, QT_TRANSLATE_NOOP("Resources", "Display program information, version number and copyright\nAbout")},
    StringEntry{ID_APP_EXIT, QT_TRANSLATE_NOOP("Resources", "Quit the application; prompts to save documents\nExit")},
    StringEntry{ID_NEXT_PANE, QT_TRANSLATE_NOOP("Resources", "Switch to the next window pane\nNext Pane")},
    StringEntry{ID_PREV_PANE, QT_TRANSLATE_NOOP("Resources", "Switch back to the previous window pane\nPrevious Pane")},
    StringEntry{ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("Resources", "Show or hide the toolbar\nToggle ToolBar")},
    StringEntry{ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("Resources", "Show or hide the status bar\nToggle StatusBar")},
    StringEntry{ID_INDICATOR_CAPS, QT_TRANSLATE_NOOP("Resources", "CAP")},
    StringEntry{ID_INDICATOR_NUM, QT_TRANSLATE_NOOP("Resources", "NUM")},
    StringEntry{ID_INDICATOR_SCRL, QT_TRANSLATE_NOOP("Resources", "SCRL")},
    StringEntry{IDS_OPEN_FAILED, QT_TRANSLATE_NOOP("Resources", "Failed to open document.")},
    StringEntry{IDS_NOTHING_TO_SAVE, QT_TRANSLATE_NOOP("Resources", "No changes are pending: there is nothing to save.")},
    StringEntry{IDS_OPEN_FILTER, QT_TRANSLATE_NOOP("Resources", "Game archives (*.pck *.dir);;All files (*)")},
    StringEntry{IDS_OPEN_CAPTION, QT_TRANSLATE_NOOP("Resources", "Open")},
    StringEntry{IDS_NO_FORMAT, QT_TRANSLATE_NOOP("Resources", "No DIR or PCK extension: nothing to show")},
    StringEntry{IDS_COLUMN_NAME, QT_TRANSLATE_NOOP("Resources", "Name")},
    StringEntry{IDS_COLUMN_SIZE, QT_TRANSLATE_NOOP("Resources", "Size")},
    StringEntry{IDS_COLUMN_TYPE, QT_TRANSLATE_NOOP("Resources", "Type")},
    StringEntry{IDS_FILE_FOLDER, QT_TRANSLATE_NOOP("Resources", "File Folder")},
    StringEntry{IDS_SIZE_SUFFIX, QT_TRANSLATE_NOOP("Resources", "KB")},
    StringEntry{IDS_COLUMN_FOLDER, QT_TRANSLATE_NOOP("Resources", "Folder")},
    StringEntry{IDS_COLUMN_BYTES, QT_TRANSLATE_NOOP("Resources", "Size (bytes)")},
    StringEntry{IDS_COLUMN_OFFSET, QT_TRANSLATE_NOOP("Resources", "Offset")},
    StringEntry{IDS_NO_DEFAULT_FOLDER, QT_TRANSLATE_NOOP("Resources", "No default folder is set: choose one in View > Options")},
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
    return QCoreApplication::translate("Resources", found->text.data());
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
