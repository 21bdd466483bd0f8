#pragma once

#include "extract/extraction_engine.h"

#include <QMessageBox>
#include <QString>

namespace vorn {

// Asks whether to replace a file that already exists in the target folder,
// showing the sizes of both: Yes, Yes to All, No, No to All or Cancel (Escape
// and the close box mean Cancel).
class COverwriteQuestion final : public QMessageBox {
    Q_OBJECT

public:
    // The sizes come as the window words them ("3,000 bytes").
    COverwriteQuestion(const QString& relativePath, const QString& existingSize, const QString& newSize,
                       QWidget* parent);

    // Runs the question modally.
    OverwriteAnswer Ask();
    // Closes the open question as if the user had chosen Cancel.
    void AnswerCancel();
};

}  // namespace vorn
