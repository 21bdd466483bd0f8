#include "framework/message_box.h"

#include <QApplication>

namespace vorn {

void ShowMessageBox(QWidget* parent, const Message& message, QMessageBox::Icon icon)
{
    QMessageBox box(icon, QApplication::applicationName(), QString::fromStdString(message.text), QMessageBox::Ok,
                    parent);
    if (!message.detail.empty())
        box.setInformativeText(QString::fromStdString(message.detail));
    box.exec();
}

}  // namespace vorn
