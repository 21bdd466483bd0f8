#include "framework/message_box.h"

#include <QApplication>

namespace vorn {

void ShowMessageBox(QWidget* parent, const Message& message, QMessageBox::Icon icon)
{
    // Over a window not on the screen (the main window before start-up has
    // shown it), a box would open in a corner: it goes to the screen's middle.
    QWidget* owner = parent && parent->isVisible() ? parent : nullptr;
    QMessageBox box(icon, QApplication::applicationName(), QString::fromStdString(message.text), QMessageBox::Ok,
                    owner);
    if (!message.detail.empty())
        box.setInformativeText(QString::fromStdString(message.detail));
    QStringList list;
    for (const std::string& line : message.list)
        list << QString::fromStdString(line);
    box.setDetailedText(list.join(QLatin1Char('\n')));
    box.exec();
}

}  // namespace vorn
