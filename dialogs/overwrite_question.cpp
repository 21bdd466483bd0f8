#include "dialogs/overwrite_question.h"

#include <QAbstractButton>
#include <QApplication>

namespace vorn {

COverwriteQuestion::COverwriteQuestion(const QString& relativePath, QWidget* parent)
    : QMessageBox(QMessageBox::Question, QApplication::applicationName(),
                  tr("The file %1 already exists in the target folder.\n\nReplace it?").arg(relativePath),
                  QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::Cancel, parent)
{
    setDefaultButton(QMessageBox::No);
    setEscapeButton(QMessageBox::Cancel);
}

OverwriteAnswer COverwriteQuestion::Ask()
{
    switch (exec()) {
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

void COverwriteQuestion::AnswerCancel()
{
    button(QMessageBox::Cancel)->click();
}

}  // namespace vorn
