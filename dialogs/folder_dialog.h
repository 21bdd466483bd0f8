#pragma once

#include <QFileDialog>
#include <QString>

namespace vorn {

// The folder chooser: a file dialog that lists folders only and answers
// "Select" with the sub-folder highlighted in its list, or with the folder it
// is showing when none is. It never moves the process's current directory.
class CFolderDialog final : public QFileDialog {
    Q_OBJECT

public:
    // pstrFolder receives the chosen folder on Select and is left alone
    // otherwise; it must outlive the dialog.
    explicit CFolderDialog(QString* pstrFolder, QWidget* parent = nullptr);

    void accept() override;

private:
    QString ChosenFolder() const;
    void HideFileNameRows();

    QString* m_pstrFolder;
};

}  // namespace vorn
