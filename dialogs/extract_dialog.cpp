#include "dialogs/extract_dialog.h"

#include "dialogs/dialog_units.h"

#include <QLabel>

namespace vorn {

namespace {

const FolderBoxTemplate kExtractTemplate{
    QStringLiteral("Extract files or directory"), QSize(182, 79),
    QRect(5, 15, 175, 12),    // folder box
    QRect(135, 30, 45, 15),   // Browse...
    QRect(75, 60, 50, 14),    // OK
    QRect(130, 60, 50, 14),   // Cancel
};

}  // namespace

CExtractDialog::CExtractDialog(QString strPath, QWidget* parent)
    : CFolderBoxDialog(kExtractTemplate, std::move(strPath), parent)
{
    auto* prompt = new QLabel(QStringLiteral("Extract to..."), this);
    prompt->setTextFormat(Qt::PlainText);
    CDialogUnits(font()).Place(*prompt, QRect(5, 5, 90, 8));
}

}  // namespace vorn
