#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>
#include <QString>

class QLineEdit;
class QPushButton;

namespace vorn {

// Caption and control rectangles (in dialog units) of a dialog built around
// the folder box.
struct FolderBoxTemplate {
    const char* caption;  // marked for translation in the context vorn::CFolderBoxDialog
    QSize size;
    QRect path;
    QRect browse;
    QRect ok;
    QRect cancel;
};

// A dialog that edits one folder path: the folder box, "Browse..." with the
// folder chooser, OK (the default button) and Cancel. OK takes the box's text
// exactly as it stands; after Cancel the caller ignores the path. The box opens
// with its text selected, so that typing replaces it.
class CFolderBoxDialog : public QDialog {
    Q_OBJECT

public:
    // Runs the dialog modally; true after OK.
    bool DoModal();

    // After OK: the box's text as the user left it.
    const QString& GetPath() const { return m_strPath; }

    void accept() override;

protected:
    CFolderBoxDialog(const FolderBoxTemplate& layout, QString strPath, QWidget* parent);

    QLineEdit& PathBox() const { return *m_editPath; }
    QPushButton& OkButton() const { return *m_okButton; }

private:
    void OnBrowse();
    void OnFolderChosen();

    QLineEdit* m_editPath;
    QPushButton* m_okButton;
    QString m_strPath;
    QString m_strChosenFolder;
};

}  // namespace vorn
