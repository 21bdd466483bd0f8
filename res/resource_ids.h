#pragma once

// Resource and command identifiers, in one place. The numbers are the keys of
// the string table (a command's prompt is stored under the command's id).

namespace vorn::res {

// Resources
inline constexpr int IDR_MAINFRAME = 128;  // menu, accelerators, tool bar, icon, document-template string
inline constexpr int IDB_FOLDER_CLOSED = 131;
inline constexpr int IDB_FOLDER_OPEN = 132;
inline constexpr int IDB_ARCHIVE = 133;
inline constexpr int IDB_ARCHIVE_SEL = 134;
inline constexpr int IDB_FILE_PAGE = 139;       // a file row of the list

// Commands of this program
inline constexpr int ID_FILE_EXTRACT = 32776;
inline constexpr int ID_VIEW_OPTIONS = 32779;
inline constexpr int ID_FILE_EXTRACT_HERE = 32780;
inline constexpr int ID_FILE_PROPERTIES = 32781;
inline constexpr int ID_EDIT_COPY_PATH = 32782;
inline constexpr int ID_GO_BACK = 32783;
inline constexpr int ID_GO_FORWARD = 32784;
inline constexpr int ID_GO_UP = 32785;
inline constexpr int ID_ITEM_OPEN = 32786;     // a folder row's context menu
inline constexpr int ID_ITEM_PREVIEW = 32787;  // a file row's context menu
inline constexpr int ID_VIEW_PREVIEW = 32790;
inline constexpr int ID_FILE_TEST = 32791;
inline constexpr int ID_VIEW_NAME_ENCODING = 32792;  // the View menu's sub-menu
inline constexpr int ID_FILE_COMPARE = 32793;
inline constexpr int ID_VIEW_SORT_NAME = 32800;  // the list's sort, as clicks on its header give it
inline constexpr int ID_VIEW_SORT_SIZE = 32801;
inline constexpr int ID_VIEW_SORT_TYPE = 32802;
inline constexpr int ID_VIEW_COLUMN_BYTES = 32803;  // the list's optional columns
inline constexpr int ID_VIEW_COLUMN_OFFSET = 32804;
inline constexpr int ID_EDIT_REPLACE = 32810;  // pending changes to the archive
inline constexpr int ID_EDIT_ADD_FILES = 32811;
inline constexpr int ID_EDIT_ADD_FOLDER = 32812;
inline constexpr int ID_EDIT_NEW_FOLDER = 32813;
inline constexpr int ID_EDIT_DELETE = 32814;
inline constexpr int ID_EDIT_RENAME = 32815;
inline constexpr int ID_FILE_NEW_FROM_FOLDER = 32816;

// Standard commands
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_CLOSE = 57602;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_MRU_FILE1 = 57616;
inline constexpr int ID_FILE_MRU_FILE2 = 57617;
inline constexpr int ID_FILE_MRU_FILE3 = 57618;
inline constexpr int ID_FILE_MRU_FILE4 = 57619;
inline constexpr int ID_EDIT_FIND = 57636;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_EDIT_REDO = 57644;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;

// Status bar panes
inline constexpr int ID_INDICATOR_CAPS = 59137;
inline constexpr int ID_INDICATOR_NUM = 59138;
inline constexpr int ID_INDICATOR_SCRL = 59139;

// Strings
inline constexpr int AFX_IDS_APP_TITLE = 57344;
inline constexpr int AFX_IDS_IDLEMESSAGE = 57345;
inline constexpr int IDS_OPEN_FAILED = 61201;        // the file cannot be opened for reading
inline constexpr int IDS_NOTHING_TO_SAVE = 61202;    // Ctrl+S with no change pending
inline constexpr int IDS_OPEN_FILTER = 61203;        // the Open dialog's file filter
inline constexpr int IDS_OPEN_CAPTION = 61204;       // the Open dialog's caption
inline constexpr int IDS_NO_FORMAT = 61205;          // an archive of neither extension opens empty
inline constexpr int IDS_COLUMN_NAME = 61210;
inline constexpr int IDS_COLUMN_SIZE = 61211;
inline constexpr int IDS_COLUMN_TYPE = 61212;
inline constexpr int IDS_FILE_FOLDER = 61213;        // the Type text of a folder row
inline constexpr int IDS_SIZE_SUFFIX = 61214;        // after a size in kilobytes
inline constexpr int IDS_COLUMN_FOLDER = 61215;      // whole-archive results: the folder a row is in
inline constexpr int IDS_COLUMN_BYTES = 61216;       // the exact size
inline constexpr int IDS_COLUMN_OFFSET = 61217;      // where the data starts in the archive
inline constexpr int IDS_NO_DEFAULT_FOLDER = 61218;  // why Extract to Default Folder is disabled

}  // namespace vorn::res
