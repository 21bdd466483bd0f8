#pragma once

namespace vorn {

// Assistive technology sees the file list as a table of the columns the header
// shows, in their order, instead of every column of the model: the Folder,
// Size (bytes) and Offset columns are there only while they are shown.
// Installed once; takes effect for file lists whose accessible interface has
// not been asked for yet.
void InstallFilesViewAccessible();

}  // namespace vorn
