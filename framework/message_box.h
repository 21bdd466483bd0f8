#pragma once

#include "framework/message_reporter.h"

#include <QMessageBox>

class QWidget;

namespace vorn {

// The program's message box: one OK button and the application's title as its
// caption; a message's detail goes below its text, and its list behind the
// box's "Show Details..." button. It opens over parent when parent is on the
// screen, in the screen's middle otherwise.
void ShowMessageBox(QWidget* parent, const Message& message, QMessageBox::Icon icon = QMessageBox::Warning);

// Shows every message of the core in a message box over parent.
class MessageBoxReporter final : public MessageReporter {
public:
    explicit MessageBoxReporter(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }
    void ShowMessage(const Message& message) override { ShowMessageBox(m_parent, message); }

private:
    QWidget* m_parent;
};

}  // namespace vorn
