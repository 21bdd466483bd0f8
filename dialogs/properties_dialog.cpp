#include "dialogs/properties_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace vorn {

CPropertiesDialog::CPropertiesDialog(const QString& title, const Lines& lines, QWidget* parent) : QDialog(parent)
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
    layout->addWidget(buttons);
    resize(std::max(sizeHint().width(), 360), sizeHint().height());
}

}  // namespace vorn
