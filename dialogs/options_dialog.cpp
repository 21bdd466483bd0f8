#include "dialogs/options_dialog.h"

#include "dialogs/dialog_units.h"

#include <QGroupBox>

namespace vorn {

namespace {

const FolderBoxTemplate kOptionsTemplate{
    QStringLiteral("Options"), QSize(242, 74),
    QRect(10, 20, 158, 12),   // folder box
    QRect(175, 20, 45, 14),   // Browse...
    QRect(130, 55, 50, 14),   // OK
    QRect(185, 55, 50, 14),   // Cancel
};

}  // namespace

COptionsDialog::COptionsDialog(QString strPath, QWidget* parent)
    : CFolderBoxDialog(kOptionsTemplate, std::move(strPath), parent)
{
    auto* group = new QGroupBox(QStringLiteral("Extract Options"), this);
    CDialogUnits(font()).Place(*group, QRect(5, 5, 235, 45));
    // Behind the folder box and Browse..., which it frames.
    group->lower();
}

}  // namespace vorn
