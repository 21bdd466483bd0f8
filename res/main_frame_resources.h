#pragma once

#include <span>

namespace vorn::res {

// The main window's menu, accelerators and tool bar (all under IDR_MAINFRAME).

inline constexpr int kSeparator = 0;

struct MenuItem {
    int commandId;     // kSeparator for a separator
    const char* text;  // a tab separates the label from the shortcut shown beside it
};

struct MenuPopup {
    const char* text;
    std::span<const MenuItem> items;
};

struct Accelerator {
    const char* keys;  // in QKeySequence's portable text form
    int commandId;
};

std::span<const MenuPopup> MainMenu();
// The context menu of list rows and tree items; kSeparator between groups.
std::span<const MenuItem> ItemMenu();
std::span<const MenuItem> FolderMenu();
std::span<const Accelerator> MainAccelerators();
// Command ids of the tool bar's buttons, kSeparator between groups.
std::span<const int> MainToolBar();

}  // namespace vorn::res
