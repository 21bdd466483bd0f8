#pragma once

#include <QDialog>

namespace vorn {

class CLinkStatic;

// The About box: product title, version, author, a link to the web site and
// the credits.
class CAboutDialog final : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget* parent = nullptr);

private:
    CLinkStatic* m_linkSite;
};

}  // namespace vorn
