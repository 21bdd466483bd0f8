#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QKeyEvent;
class QLabel;
class QStatusBar;

namespace vorn {

struct LockKeyState {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// The lock keys' state carried by a key event, where the platform reports it:
// X11 key events carry the modifier state, whose Lock bit is Caps Lock and
// whose Mod2 bit is Num Lock on common keymaps; Scroll Lock is not reported.
// A lock key's own event carries the state before it toggles, so it is skipped.
std::optional<LockKeyState> LockKeyStateOf(const QKeyEvent& event, const QString& platformName);

// The CAP, NUM and SCRL panes of the status bar, updated from every key event
// the application sees. They stay blank until the platform has reported a state.
class CLockKeyIndicators final : public QObject {
    Q_OBJECT

public:
    explicit CLockKeyIndicators(QStatusBar& statusBar);
    ~CLockKeyIndicators() override;

    void Show(const LockKeyState& state);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A pane shows its text only while its key is on.
    struct Pane {
        QLabel* label;
        QString text;
    };

    static Pane AddPane(QStatusBar& statusBar, int indicatorId);
    static void ShowPane(const Pane& pane, bool on);

    Pane m_caps;
    Pane m_num;
    Pane m_scroll;
};

}  // namespace vorn
