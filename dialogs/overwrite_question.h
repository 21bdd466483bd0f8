#pragma once

#include "extract/extraction_engine.h"

#include <QString>

class QWidget;

namespace vorn {

// Asks whether to replace a file that already exists in the target folder:
// Yes, Yes to All, No or Cancel (Escape and the close box mean Cancel).
OverwriteAnswer AskOverwriteQuestion(QWidget* parent, const QString& relativePath);

}  // namespace vorn
