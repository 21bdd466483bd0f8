#include "dialogs/overwrite_question.h"

#include <QAbstractButton>
#include <QApplication>

namespace vorn {

COverwriteQuestion::COverwriteQuestion(const QString& relativePath, const QString& existingSize,
                                       const QString& newSize, QWidget* parent)
    : QMessageBox(QMessageBox::Question, QApplication::applicationName(),
                  tr("The file %1 already exists in the target folder.\n\nReplace it?").arg(relativePath),
                  QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::NoToAll |
                      QMessageBox::Cancel,
                  parent)
{
    setDefaultButton(QMessageBox::No);
    setEscapeButton(QMessageBox::Cancel);
    setInformativeText(tr("Existing file: %1\nNew file: %2").arg(existingSize, newSize));
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
    case QMessageBox::NoToAll:
        return OverwriteAnswer::NoToAll;
    default:
        return OverwriteAnswer::Cancel;
    }
}

void COverwriteQuestion::AnswerCancel()
{
    button(QMessageBox::Cancel)->click();
}

}  // namespace vorn
