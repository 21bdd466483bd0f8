#include "dialogs/overwrite_question.h"

#include <QApplication>
#include <QMessageBox>

namespace vorn {

OverwriteAnswer AskOverwriteQuestion(QWidget* parent, const QString& relativePath)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(),
                    QObject::tr("The file %1 already exists in the target folder.\n\nReplace it?").arg(relativePath),
                    QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return OverwriteAnswer::Yes;
    case QMessageBox::YesToAll:
        return OverwriteAnswer::YesToAll;
    case QMessageBox::No:
        return OverwriteAnswer::No;
    default:
        return OverwriteAnswer::Cancel;
    }
}

}  // namespace vorn
