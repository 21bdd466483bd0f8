#include "dialogs/properties_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace vorn {

CPropertiesDialog::CPropertiesDialog(const QString& title, const Lines& lines, QWidget* parent)
    : CPropertiesDialog(title, lines, {}, parent)
{
}

CPropertiesDialog::CPropertiesDialog(const QString& title, const Lines& lines, const Notes& notes, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    auto* form = new QFormLayout;
    for (const auto& [label, value] : lines) {
        auto* text = new QLabel(value, this);
        text->setTextFormat(Qt::PlainText);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        text->setAccessibleName(QString(label).remove(QLatin1Char(':')));
        form->addRow(label, text);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    if (!notes.heading.isEmpty()) {
        auto* list = new QPlainTextEdit(this);
        list->setReadOnly(true);
        list->setLineWrapMode(QPlainTextEdit::NoWrap);
        list->setAccessibleName(QString(notes.heading).remove(QLatin1Char(':')));
        list->setPlainText(notes.items.isEmpty() ? notes.whenEmpty : notes.items.join(QLatin1Char('\n')));
        layout->addSpacing(6);
        layout->addWidget(new QLabel(notes.heading, this));
        layout->addWidget(list, 1);
    }
    layout->addWidget(buttons);
    resize(std::max(sizeHint().width(), notes.heading.isEmpty() ? 360 : 560), sizeHint().height());
}

}  // namespace vorn
