#pragma once

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace vorn {

// Facts about one thing, as labelled lines the user can select and copy:
// "Path:" and its value, "Size:" and its value, and so on; below them, when
// given, a list under its heading ("What loading found:"), or the line
// whenEmpty for an empty list.
class CPropertiesDialog final : public QDialog {
    Q_OBJECT

public:
    using Lines = QList<QPair<QString, QString>>;
    struct Notes {
        QString heading;
        QStringList items;
        QString whenEmpty;
    };

    CPropertiesDialog(const QString& title, const Lines& lines, QWidget* parent = nullptr);
    CPropertiesDialog(const QString& title, const Lines& lines, const Notes& notes, QWidget* parent = nullptr);
};

}  // namespace vorn
