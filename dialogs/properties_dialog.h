#pragma once

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>

namespace vorn {

// Facts about one thing, as labelled lines the user can select and copy:
// "Path:" and its value, "Size:" and its value, and so on.
class CPropertiesDialog final : public QDialog {
    Q_OBJECT

public:
    using Lines = QList<QPair<QString, QString>>;

    CPropertiesDialog(const QString& title, const Lines& lines, QWidget* parent = nullptr);
};

}  // namespace vorn
