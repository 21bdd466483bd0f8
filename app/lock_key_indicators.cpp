#include "app/lock_key_indicators.h"

#include "res/resource_ids.h"
#include "res/strings.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace vorn {
namespace {

constexpr quint32 kX11LockMask = 0x02;
constexpr quint32 kX11Mod2Mask = 0x10;

}  // namespace

std::optional<LockKeyState> LockKeyStateOf(const QKeyEvent& event, const QString& platformName)
{
    if (platformName != QLatin1String("xcb"))
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        return std::nullopt;
    default:
        break;
    }
    const quint32 state = event.nativeModifiers();
    return LockKeyState{(state & kX11LockMask) != 0, (state & kX11Mod2Mask) != 0, false};
}

CLockKeyIndicators::Pane CLockKeyIndicators::AddPane(QStatusBar& statusBar, int indicatorId)
{
    Pane pane{new QLabel(&statusBar), res::LoadString(indicatorId)};
    pane.label->setAlignment(Qt::AlignCenter);
    pane.label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    const QFontMetrics metrics = pane.label->fontMetrics();
    pane.label->setMinimumWidth(metrics.horizontalAdvance(pane.text) + 2 * metrics.averageCharWidth());
    statusBar.addPermanentWidget(pane.label);
    return pane;
}

void CLockKeyIndicators::ShowPane(const Pane& pane, bool on)
{
    pane.label->setText(on ? pane.text : QString());
}

CLockKeyIndicators::CLockKeyIndicators(QStatusBar& statusBar)
    : QObject(&statusBar),
      m_caps(AddPane(statusBar, res::ID_INDICATOR_CAPS)),
      m_num(AddPane(statusBar, res::ID_INDICATOR_NUM)),
      m_scroll(AddPane(statusBar, res::ID_INDICATOR_SCRL))
{
    qApp->installEventFilter(this);
}

CLockKeyIndicators::~CLockKeyIndicators()
{
    qApp->removeEventFilter(this);
}

void CLockKeyIndicators::Show(const LockKeyState& state)
{
    ShowPane(m_caps, state.caps);
    ShowPane(m_num, state.num);
    ShowPane(m_scroll, state.scroll);
}

bool CLockKeyIndicators::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        if (const auto state = LockKeyStateOf(*static_cast<QKeyEvent*>(event), QGuiApplication::platformName()))
            Show(*state);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vorn
