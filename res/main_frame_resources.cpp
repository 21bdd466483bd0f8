#include "res/main_frame_resources.h"

#include "res/resource_ids.h"

#include <QtGlobal>

#include <array>

namespace vorn::res {
namespace {

constexpr std::array kFileMenu{
    MenuItem{ID_FILE_OPEN, QT_TRANSLATE_NOOP("Menus", "&Open...\tCtrl+O")},
    MenuItem{ID_FILE_NEW_FROM_FOLDER, QT_TRANSLATE_NOOP("Menus", "&New Archive from Folder...")},
    MenuItem{ID_FILE_CLOSE, QT_TRANSLATE_NOOP("Menus", "&Close\tCtrl+W")},
    MenuItem{ID_FILE_SAVE, QT_TRANSLATE_NOOP("Menus", "&Save\tCtrl+S")},
    MenuItem{ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("Menus", "Save &As...\tCtrl+Shift+S")},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_FILE_EXTRACT, QT_TRANSLATE_NOOP("Menus", "&Extract...\tCtrl+E")},
    MenuItem{ID_FILE_EXTRACT_HERE, QT_TRANSLATE_NOOP("Menus", "Extract to &Default Folder")},
    MenuItem{ID_FILE_TEST, QT_TRANSLATE_NOOP("Menus", "&Test Archive\tCtrl+T")},
    MenuItem{ID_FILE_COMPARE, QT_TRANSLATE_NOOP("Menus", "Co&mpare With...")},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_FILE_PROPERTIES, QT_TRANSLATE_NOOP("Menus", "P&roperties\tAlt+Enter")},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_FILE_MRU_FILE1, QT_TRANSLATE_NOOP("Menus", "Recent File")},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_APP_EXIT, QT_TRANSLATE_NOOP("Menus", "E&xit")},
};

constexpr std::array kEditMenu{
    MenuItem{ID_EDIT_UNDO, QT_TRANSLATE_NOOP("Menus", "&Undo\tCtrl+Z")},
    MenuItem{ID_EDIT_REDO, QT_TRANSLATE_NOOP("Menus", "&Redo\tCtrl+Shift+Z")},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_EDIT_REPLACE, QT_TRANSLATE_NOOP("Menus", "Re&place...")},
    MenuItem{ID_EDIT_ADD_FILES, QT_TRANSLATE_NOOP("Menus", "&Add Files...")},
    MenuItem{ID_EDIT_ADD_FOLDER, QT_TRANSLATE_NOOP("Menus", "Add F&older...")},
    MenuItem{ID_EDIT_NEW_FOLDER, QT_TRANSLATE_NOOP("Menus", "&New Folder\tCtrl+Shift+N")},
    MenuItem{ID_EDIT_RENAME, QT_TRANSLATE_NOOP("Menus", "Rena&me\tF2")},
    MenuItem{ID_EDIT_DELETE, QT_TRANSLATE_NOOP("Menus", "&Delete\tDel")},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_EDIT_COPY_PATH, QT_TRANSLATE_NOOP("Menus", "&Copy Path\tCtrl+Shift+C")},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_EDIT_FIND, QT_TRANSLATE_NOOP("Menus", "&Find\tCtrl+F")},
};

constexpr std::array kViewMenu{
    MenuItem{ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("Menus", "&Toolbar")},
    MenuItem{ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("Menus", "&Status Bar")},
    MenuItem{ID_VIEW_PREVIEW, QT_TRANSLATE_NOOP("Menus", "&Preview\tF3")},
    MenuItem{ID_VIEW_NAME_ENCODING, QT_TRANSLATE_NOOP("Menus", "Name &Encoding")},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_VIEW_SORT_NAME, QT_TRANSLATE_NOOP("Menus", "Sort by &Name")},
    MenuItem{ID_VIEW_SORT_SIZE, QT_TRANSLATE_NOOP("Menus", "Sort by Si&ze")},
    MenuItem{ID_VIEW_SORT_TYPE, QT_TRANSLATE_NOOP("Menus", "Sort by T&ype")},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_VIEW_COLUMN_BYTES, QT_TRANSLATE_NOOP("Menus", "Size in &Bytes")},
    MenuItem{ID_VIEW_COLUMN_OFFSET, QT_TRANSLATE_NOOP("Menus", "O&ffset")},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_VIEW_OPTIONS, QT_TRANSLATE_NOOP("Menus", "&Options...")},
};

constexpr std::array kGoMenu{
    MenuItem{ID_GO_BACK, QT_TRANSLATE_NOOP("Menus", "&Back\tAlt+Left")},
    MenuItem{ID_GO_FORWARD, QT_TRANSLATE_NOOP("Menus", "&Forward\tAlt+Right")},
    MenuItem{ID_GO_UP, QT_TRANSLATE_NOOP("Menus", "&Up One Level\tAlt+Up")},
};

constexpr std::array kHelpMenu{
    MenuItem{ID_APP_ABOUT, QT_TRANSLATE_NOOP("Menus", "&About Vorn...")},
};

// Open and Preview are this menu's own; the others are the main menu's commands.
constexpr std::array kItemMenu{
    MenuItem{ID_FILE_EXTRACT, nullptr},
    MenuItem{ID_FILE_EXTRACT_HERE, nullptr},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_ITEM_OPEN, QT_TRANSLATE_NOOP("Menus", "&Open")},
    MenuItem{ID_ITEM_PREVIEW, QT_TRANSLATE_NOOP("Menus", "&Preview")},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_EDIT_COPY_PATH, nullptr},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_EDIT_REPLACE, nullptr},
    MenuItem{ID_EDIT_RENAME, nullptr},
    MenuItem{ID_EDIT_DELETE, nullptr},
    MenuItem{kSeparator, nullptr},
    MenuItem{ID_FILE_PROPERTIES, nullptr},
};

// What adds to a folder: over a tree item (the folder it shows) and over the
// list where no row is (the folder the list shows).
constexpr std::array kFolderMenu{
    MenuItem{ID_EDIT_ADD_FILES, nullptr},
    MenuItem{ID_EDIT_ADD_FOLDER, nullptr},
    MenuItem{ID_EDIT_NEW_FOLDER, nullptr},
};

constexpr std::array kMainMenu{
    MenuPopup{QT_TRANSLATE_NOOP("Menus", "&File"), kFileMenu},
    MenuPopup{QT_TRANSLATE_NOOP("Menus", "&Edit"), kEditMenu},
    MenuPopup{QT_TRANSLATE_NOOP("Menus", "&View"), kViewMenu},
    MenuPopup{QT_TRANSLATE_NOOP("Menus", "&Go"), kGoMenu},
    MenuPopup{QT_TRANSLATE_NOOP("Menus", "&Help"), kHelpMenu},
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

std::span<const MenuItem> FolderMenu()
{
    return kFolderMenu;
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
