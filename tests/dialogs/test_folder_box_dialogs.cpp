// The Extract and Options dialogs share the folder box, Browse... and OK/Cancel;
// every case runs against both.

#include "dialogs/folder_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/extract_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace vorn;

namespace {

std::unique_ptr<CFolderBoxDialog> MakeDialog(const QByteArray& kind, const QString& path)
{
    if (kind == "extract")
        return std::make_unique<CExtractDialog>(path);
    return std::make_unique<COptionsDialog>(path);
}

QLineEdit* PathBox(QDialog& dialog)
{
    return dialog.findChild<QLineEdit*>(QStringLiteral("IDC_PATH"));
}

QPushButton* Button(QWidget& dialog, const char* name)
{
    return dialog.findChild<QPushButton*>(QLatin1String(name));
}

void Retype(QDialog& dialog, const QString& text)
{
    PathBox(dialog)->clear();
    QTest::keyClicks(PathBox(dialog), text);
}

// Presses Browse..., lets the chooser show folder and answers it with the
// chooser's own button: "Select" (QDialogButtonBox::Open) or Cancel.
void Browse(QDialog& dialog, const QString& folder, QDialogButtonBox::StandardButton answer)
{
    QTest::mouseClick(Button(dialog, "IDC_BROWSE"), Qt::LeftButton);
    auto* chooser = dialog.findChild<CFolderDialog*>();
    QVERIFY(chooser);
    QVERIFY(chooser->isVisible());
    chooser->setDirectory(folder);
    auto* buttons = chooser->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    QTest::mouseClick(buttons->button(answer), Qt::LeftButton);
    QVERIFY(!chooser->isVisible());
    // The chooser deletes itself; a later Browse must not find it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class FolderBoxDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::newRow("extract") << QByteArray("extract");
        QTest::newRow("options") << QByteArray("options");
    }

    void opensWithTextFocusAndTabOrder()
    {
        QFETCH_GLOBAL(QByteArray, kind);
        auto dialog = MakeDialog(kind, QStringLiteral("/srv/out"));
        dialog->open();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));

        if (kind == "extract") {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Extract files or directory"));
            QVERIFY(dialog->findChild<QLabel*>()->text() == QStringLiteral("Extract to..."));
        } else {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Options"));
            QCOMPARE(dialog->findChild<QGroupBox*>()->title(), QStringLiteral("Extract Options"));
        }
        QCOMPARE(PathBox(*dialog)->text(), QStringLiteral("/srv/out"));
        QCOMPARE(QApplication::focusWidget(), PathBox(*dialog));
        QVERIFY(Button(*dialog, "IDOK")->isDefault());

        QWidget* expectedOrder[] = {Button(*dialog, "IDC_BROWSE"), Button(*dialog, "IDOK"),
                                    Button(*dialog, "IDCANCEL"), PathBox(*dialog)};
        for (QWidget* expected : expectedOrder) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected);
        }
    }

    void okReturnsTheTextAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("blanks kept") << QStringLiteral("  /tmp/with blanks  ");
        QTest::newRow("empty") << QString();
    }

    // Options takes an empty box (no default folder); Extract waits for a folder.
    void okReturnsTheTextAsTyped()
    {
        QFETCH_GLOBAL(QByteArray, kind);
        QFETCH(QString, typed);
        auto dialog = MakeDialog(kind, QStringLiteral("/srv/out"));
        dialog->open();
        Retype(*dialog, typed);
        const bool waits = kind == "extract" && typed.isEmpty();
        QCOMPARE(Button(*dialog, "IDOK")->isEnabled(), !waits);
        if (waits)
            QTest::keyClick(PathBox(*dialog), Qt::Key_Return);
        QTest::mouseClick(Button(*dialog, "IDOK"), Qt::LeftButton);
        QCOMPARE(dialog->isVisible(), waits);
        if (!waits) {
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
            QCOMPARE(dialog->GetPath(), typed);
        }
    }

    void optionsSaysWhenTheFolderDoesNotExist()
    {
        QFETCH_GLOBAL(QByteArray, kind);
        if (kind != "options")
            QSKIP("Options only");
        QTemporaryDir existing;
        auto dialog = MakeDialog(kind, existing.filePath(QStringLiteral("missing")));
        dialog->open();
        const auto* note = dialog->findChild<QLabel*>(QStringLiteral("IDC_FOLDER_NOTE"));
        QCOMPARE(note->text(), QStringLiteral("This folder does not exist; extracting makes it."));
        Retype(*dialog, existing.path());
        QCOMPARE(note->text(), QString());
        Retype(*dialog, QString());
        QCOMPARE(note->text(), QString());
    }

    void enterInTheBoxActsAsOk()
    {
        QFETCH_GLOBAL(QByteArray, kind);
        auto dialog = MakeDialog(kind, QString());
        dialog->open();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QTest::keyClicks(PathBox(*dialog), QStringLiteral("/data"));
        QTest::keyClick(PathBox(*dialog), Qt::Key_Return);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->GetPath(), QStringLiteral("/data"));
    }

    void cancelCopiesNothingBack()
    {
        QFETCH_GLOBAL(QByteArray, kind);
        auto dialog = MakeDialog(kind, QStringLiteral("/srv/out"));
        dialog->open();
        Retype(*dialog, QStringLiteral("/elsewhere"));
        QTest::mouseClick(Button(*dialog, "IDCANCEL"), Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(dialog->GetPath(), QStringLiteral("/srv/out"));
    }

    void browseSelectReplacesTypedText()
    {
        QFETCH_GLOBAL(QByteArray, kind);
        QTemporaryDir chosen;
        auto dialog = MakeDialog(kind, QStringLiteral("/srv/out"));
        dialog->open();
        Retype(*dialog, QStringLiteral("typed"));
        Browse(*dialog, chosen.path(), QDialogButtonBox::Open);
        QCOMPARE(PathBox(*dialog)->text(), chosen.path());
        QTest::mouseClick(Button(*dialog, "IDOK"), Qt::LeftButton);
        QCOMPARE(dialog->GetPath(), chosen.path());
    }

    void browseCancelKeepsTheText()
    {
        QFETCH_GLOBAL(QByteArray, kind);
        QTemporaryDir ignored;
        auto dialog = MakeDialog(kind, QStringLiteral("/srv/out"));
        dialog->open();
        Retype(*dialog, QStringLiteral("typed"));
        Browse(*dialog, ignored.path(), QDialogButtonBox::Cancel);
        QCOMPARE(PathBox(*dialog)->text(), QStringLiteral("typed"));
        QTest::mouseClick(Button(*dialog, "IDOK"), Qt::LeftButton);
        QCOMPARE(dialog->GetPath(), QStringLiteral("typed"));
    }
};

QTEST_MAIN(FolderBoxDialogsTest)
#include "test_folder_box_dialogs.moc"
