#include "dialogs/about_dialog.h"
#include "dialogs/link_open_error.h"
#include "dialogs/link_static.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace vorn;

namespace {

const QColor kNormal(0, 0, 238);
const QColor kVisited(85, 26, 139);

QColor TextColour(const QWidget& widget)
{
    return widget.palette().color(QPalette::WindowText);
}

// What the message box that the next modal run shows said, with its icon.
struct ShownBox {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Call right before the action that opens the box: the timer fires in the
// box's own event loop.
void AnswerNextMessageBox(ShownBox& shown)
{
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown = {box->text(), box->icon()};
        box->accept();
    });
}

}  // namespace

// Stands in for the web browser.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> m_opened;

public slots:
    void Open(const QUrl& url) { m_opened << url; }
};

class AboutDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dialog = std::make_unique<CAboutDialog>();
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        m_link = m_dialog->findChild<CLinkStatic*>();
        QVERIFY(m_link);
        // The mouse comes into the dialog before it reaches the link. Two
        // moves, as a move to where the mouse already is (the same spot in the
        // previous test's dialog) is dropped.
        QTest::mouseMove(m_dialog->windowHandle(), QPoint(1, 1));
        QTest::mouseMove(m_dialog->windowHandle(), QPoint(2, 2));
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_browser, "Open");
    }

    void cleanup()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        m_dialog.reset();
        m_browser.m_opened.clear();
    }

    void showsItsTexts()
    {
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("About Vorn..."));
        QStringList texts;
        for (const QLabel* label : m_dialog->findChildren<QLabel*>())
            texts << label->text();
        for (const char* expected : {"Version 2.0 04-12-2002", "For the latest updates and news see:",
                                     "Additional credits to:", "https://vorn.example/"})
            QVERIFY2(texts.contains(QLatin1String(expected)), expected);
        QVERIFY(texts.first().startsWith(QStringLiteral("Vorn - ")));
        QCOMPARE(texts.filter(QRegularExpression(QStringLiteral("^     - .+ for "))).size(), 2);
        QVERIFY(m_dialog->findChild<QPushButton*>(QStringLiteral("IDOK"))->isDefault());
    }

    void linkLooksLikeALink()
    {
        QCOMPARE(TextColour(*m_link), kNormal);
        QVERIFY(m_link->font().underline());
        QCOMPARE(m_link->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(m_link->toolTip(), QStringLiteral("https://vorn.example/"));
        // Shrunk to its text: clicks beside the text miss it.
        QCOMPARE(m_link->size(), m_link->fontMetrics().size(Qt::TextSingleLine, m_link->text()));
    }

    void hoverThenVisitedColours()
    {
        const QColor hover = m_link->palette().color(QPalette::Highlight);
        MoveMouseOverLink();
        QCOMPARE(TextColour(*m_link), hover);
        MoveMouseOffLink();
        QCOMPARE(TextColour(*m_link), kNormal);

        MoveMouseOverLink();
        ClickLink();
        QCOMPARE(m_browser.m_opened, QList<QUrl>{QUrl(QStringLiteral("https://vorn.example/"))});
        QCOMPARE(TextColour(*m_link), hover);
        MoveMouseOffLink();
        QCOMPARE(TextColour(*m_link), kVisited);
    }

    void failedOpenSaysWhyAndClearsVisited()
    {
        m_link->SetVisitedState(true);
        // Without a handler the headless platform cannot open anything.
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        MoveMouseOverLink();
        ShownBox shown;
        AnswerNextMessageBox(shown);
        ClickLink();
        QCOMPARE(shown.text, QStringLiteral("Unable to open hyperlink:\n\nThere is no application associated\n"
                                            "with the given filename extension."));
        QCOMPARE(shown.icon, QMessageBox::Warning);
        QVERIFY(m_dialog->isVisible());
        MoveMouseOffLink();
        QCOMPARE(TextColour(*m_link), kNormal);
    }

    void errorTextByCode_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "The operating system is out\nof memory or resources.";
        QTest::newRow("2") << 2 << "The specified file was not found.";
        QTest::newRow("3") << 3 << "The specified path was not found.";
        QTest::newRow("5") << 5 << "The operating system denied\naccess to the specified file.";
        QTest::newRow("8") << 8 << "There was not enough memory to complete the operation.";
        QTest::newRow("11") << 11 << "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
        QTest::newRow("26") << 26 << "A sharing violation occurred. ";
        QTest::newRow("27") << 27 << "The filename association is\nincomplete or invalid.";
        QTest::newRow("28") << 28 << "The DDE transaction could not\nbe completed because the request timed out.";
        QTest::newRow("29") << 29 << "The DDE transaction failed.";
        QTest::newRow("30") << 30
                            << "The DDE transaction could not\nbe completed because other DDE transactions\n"
                               "were being processed.";
        QTest::newRow("31") << 31 << "There is no application associated\nwith the given filename extension.";
        QTest::newRow("32") << 32 << "The specified dynamic-link library was not found.";
        QTest::newRow("4 unknown") << 4 << "Unknown Error (4) occurred.";
    }

    void errorTextByCode()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(LinkOpenErrorText(code)), text);
    }

private:
    // Through the window, as the platform delivers moves: the widgets get
    // their enter and leave events from it.
    void MoveMouseOverLink()
    {
        QTest::mouseMove(m_dialog->windowHandle(), m_link->geometry().center());
    }

    void MoveMouseOffLink()
    {
        QTest::mouseMove(m_dialog->windowHandle(), m_link->geometry().bottomRight() + QPoint(20, 20));
    }

    void ClickLink()
    {
        QTest::mouseClick(m_dialog->windowHandle(), Qt::LeftButton, {}, m_link->geometry().center());
    }

    std::unique_ptr<CAboutDialog> m_dialog;
    CLinkStatic* m_link = nullptr;
    UrlRecorder m_browser;
};

QTEST_MAIN(AboutDialogTest)
#include "test_about_dialog.moc"
