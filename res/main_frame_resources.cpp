#include "res/main_frame_resources.h"

#include "res/resource_ids.h"

#include <array>

namespace vorn::res {
namespace {

constexpr std::array kFileMenu{
    MenuItem{ID_FILE_OPEN, "&Open...\tCtrl+O"},
    MenuItem{ID_FILE_NEW_FROM_FOLDER, "&New Archive from Folder..."},
    MenuItem{ID_FILE_CLOSE, "&Close\tCtrl+W"},
    MenuItem{ID_FILE_SAVE, "&Save\tCtrl+S"},
    MenuItem{ID_FILE_SAVE_AS, "Save &As...\tCtrl+Shift+S"},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_FILE_EXTRACT, "&Extract...\tCtrl+E"},
    MenuItem{ID_FILE_EXTRACT_HERE, "Extract to &Default Folder"},
    MenuItem{ID_FILE_TEST, "&Test Archive\tCtrl+T"},
    MenuItem{ID_FILE_COMPARE, "Co&mpare With..."},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_FILE_PROPERTIES, "P&roperties\tAlt+Enter"},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_FILE_MRU_FILE1, "Recent File"},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_APP_EXIT, "E&xit"},
};

constexpr std::array kEditMenu{
    MenuItem{ID_EDIT_UNDO, "&Undo\tCtrl+Z"},
    MenuItem{ID_EDIT_REDO, "&Redo\tCtrl+Shift+Z"},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_EDIT_REPLACE, "Re&place..."},
    MenuItem{ID_EDIT_ADD_FILES, "&Add Files..."},
    MenuItem{ID_EDIT_ADD_FOLDER, "Add F&older..."},
    MenuItem{ID_EDIT_NEW_FOLDER, "&New Folder\tCtrl+Shift+N"},
    MenuItem{ID_EDIT_RENAME, "Rena&me\tF2"},
    MenuItem{ID_EDIT_DELETE, "&Delete\tDel"},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_EDIT_COPY_PATH, "&Copy Path\tCtrl+Shift+C"},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_EDIT_FIND, "&Find\tCtrl+F"},
};

constexpr std::array kViewMenu{
    MenuItem{ID_VIEW_TOOLBAR, "&Toolbar"},
    MenuItem{ID_VIEW_STATUS_BAR, "&Status Bar"},
    MenuItem{ID_VIEW_PREVIEW, "&Preview\tF3"},
    MenuItem{ID_VIEW_NAME_ENCODING, "Name &Encoding"},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_VIEW_SORT_NAME, "Sort by &Name"},
    MenuItem{ID_VIEW_SORT_SIZE, "Sort by Si&ze"},
    MenuItem{ID_VIEW_SORT_TYPE, "Sort by T&ype"},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_VIEW_COLUMN_BYTES, "Size in &Bytes"},
    MenuItem{ID_VIEW_COLUMN_OFFSET, "O&ffset"},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_VIEW_OPTIONS, "&Options..."},
};

constexpr std::array kGoMenu{
    MenuItem{ID_GO_BACK, "&Back\tAlt+Left"},
    MenuItem{ID_GO_FORWARD, "&Forward\tAlt+Right"},
    MenuItem{ID_GO_UP, "&Up One Level\tAlt+Up"},
};

constexpr std::array kHelpMenu{
    MenuItem{ID_APP_ABOUT, "&About Vorn..."},
};

// Open and Preview are this menu's own; the others are the main menu's commands.
constexpr std::array kItemMenu{
    MenuItem{ID_FILE_EXTRACT, nullptr},
    MenuItem{ID_FILE_EXTRACT_HERE, nullptr},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_ITEM_OPEN, "&Open"},
    MenuItem{ID_ITEM_PREVIEW, "&Preview"},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_EDIT_COPY_PATH, nullptr},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_EDIT_REPLACE, nullptr},
    MenuItem{ID_EDIT_RENAME, nullptr},
    MenuItem{ID_EDIT_DELETE, nullptr},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_FILE_PROPERTIES, nullptr},
};

constexpr std::array kMainMenu{
    MenuPopup{"&File", kFileMenu},
    MenuPopup{"&Edit", kEditMenu},
    MenuPopup{"&View", kViewMenu},
    MenuPopup{"&Go", kGoMenu},
    MenuPopup{"&Help", kHelpMenu},
};

// Ctrl+E is bound as well: the menu shows it beside Extract. The keys of the
// commands added since come after the original table.
constexpr std::array kAccelerators{
    Accelerator{"Ctrl+N", ID_FILE_NEW},
    Accelerator{"Ctrl+O", ID_FILE_OPEN},
    Accelerator{"Ctrl+E", ID_FILE_EXTRACT},
    Accelerator{"Ctrl+S", ID_FILE_SAVE},
    Accelerator{"F6", ID_NEXT_PANE},
    Accelerator{"Shift+F6", ID_PREV_PANE},
    Accelerator{"Ctrl+F", ID_EDIT_FIND},
    Accelerator{"Alt+Left", ID_GO_BACK},
    Accelerator{"Alt+Right", ID_GO_FORWARD},
    Accelerator{"Alt+Up", ID_GO_UP},
    Accelerator{"Alt+Return", ID_FILE_PROPERTIES},
    Accelerator{"Alt+Enter", ID_FILE_PROPERTIES},  // the keypad's
    Accelerator{"Ctrl+Shift+C", ID_EDIT_COPY_PATH},
    Accelerator{"F3", ID_VIEW_PREVIEW},
    Accelerator{"Ctrl+T", ID_FILE_TEST},
    Accelerator{"Ctrl+W", ID_FILE_CLOSE},
    Accelerator{"Ctrl+Shift+S", ID_FILE_SAVE_AS},
    Accelerator{"Ctrl+Z", ID_EDIT_UNDO},
    Accelerator{"Ctrl+Shift+Z", ID_EDIT_REDO},
    Accelerator{"Ctrl+Shift+N", ID_EDIT_NEW_FOLDER},
    Accelerator{"F2", ID_EDIT_RENAME},
    Accelerator{"Del", ID_EDIT_DELETE},
};

constexpr std::array kToolBar{ID_FILE_OPEN, kSeparator, ID_FILE_EXTRACT, ID_FILE_TEST, kSeparator, ID_APP_ABOUT};

}  // namespace

std::span<const MenuPopup> MainMenu()
{
    return kMainMenu;
}

std::span<const MenuItem> ItemMenu()
{
    return kItemMenu;
}

std::span<const Accelerator> MainAccelerators()
{
    return kAccelerators;
}

std::span<const int> MainToolBar()
{
    return kToolBar;
}

}  // namespace vorn::res
