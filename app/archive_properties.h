#pragma once

class QWidget;

namespace vorn {

class CArchiveFile;

// Properties of the archive as a whole: its figures and what its loading found, in a
// dialog over parent.
void ShowArchiveProperties(QWidget* parent, const CArchiveFile& archive);

}  // namespace vorn
