#pragma once

#include "extract/extraction_engine.h"

#include <QMessageBox>
#include <QString>

namespace vorn {

// Asks whether to replace a file that already exists in the target folder:
// Yes, Yes to All, No or Cancel (Escape and the close box mean Cancel).
class COverwriteQuestion final : public QMessageBox {
    Q_OBJECT

public:
    COverwriteQuestion(const QString& relativePath, QWidget* parent);

    // Runs the question modally.
    OverwriteAnswer Ask();
    // Closes the open question as if the user had chosen Cancel.
    void AnswerCancel();
};

}  // namespace vorn
