#include "dialogs/folder_dialog.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vorn;

namespace {

QPushButton* ChooserButton(QFileDialog& chooser, QDialogButtonBox::StandardButton which)
{
    return chooser.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(which);
}

// The view the chooser shows its folder in: the list or the details tree.
QAbstractItemView* FolderView(QFileDialog& chooser)
{
    auto* list = chooser.findChild<QAbstractItemView*>(QStringLiteral("listView"));
    return list->isVisible() ? list : chooser.findChild<QAbstractItemView*>(QStringLiteral("treeView"));
}

// The names the chooser lists, once its model has loaded the folder shown.
QStringList ListedNames(QFileDialog& chooser, int expectedCount)
{
    QAbstractItemView* list = FolderView(chooser);
    if (!QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) == expectedCount; }))
        return {};
    QStringList names;
    for (int row = 0; row < expectedCount; ++row)
        names << list->model()->index(row, 0, list->rootIndex()).data().toString();
    names.sort();
    return names;
}

}  // namespace

class FolderDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_sample.isValid());
        const QDir sample(m_sample.path());
        QVERIFY(sample.mkpath(QStringLiteral("DATA/SUB")));
        QVERIFY(sample.mkpath(QStringLiteral("MUSIC")));
        QFile file(sample.filePath(QStringLiteral("readme.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    void listsFoldersOnlyUnderItsLabels()
    {
        QString chosen;
        CFolderDialog chooser(&chosen);
        chooser.setDirectory(m_sample.path());
        chooser.show();

        QCOMPARE(chooser.windowTitle(), QStringLiteral("Choose folder"));
        QCOMPARE(ChooserButton(chooser, QDialogButtonBox::Open)->text(), QStringLiteral("Select"));
        QVERIFY(!chooser.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->isVisible());
        QCOMPARE(ListedNames(chooser, 2), (QStringList{QStringLiteral("DATA"), QStringLiteral("MUSIC")}));
    }

    // A double click enters a folder; Select answers with the sub-folder
    // highlighted there (the folder shown once nothing is), and browsing moves
    // no current directory.
    void selectReturnsTheHighlightedFolderElseTheFolderShown()
    {
        const QString startDirectory = QDir::currentPath();
        QString chosen;
        CFolderDialog chooser(&chosen);
        chooser.setDirectory(m_sample.path());
        chooser.open();
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        QCOMPARE(ListedNames(chooser, 2).size(), 2);

        QAbstractItemView* list = FolderView(chooser);
        const QModelIndex data = list->model()->index(0, 0, list->rootIndex());
        QCOMPARE(data.data().toString(), QStringLiteral("DATA"));
        QTRY_VERIFY(list->visualRect(data).isValid());  // laid out after loading
        // A real double click: click, second press (the double click), release.
        const QPoint onData = list->visualRect(data).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onData);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onData);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, onData);
        QTRY_COMPARE(chooser.directory().absolutePath(), m_sample.filePath(QStringLiteral("DATA")));
        QCOMPARE(ListedNames(chooser, 1), QStringList{QStringLiteral("SUB")});
        list->setCurrentIndex(list->model()->index(0, 0, list->rootIndex()));

        QTest::mouseClick(ChooserButton(chooser, QDialogButtonBox::Open), Qt::LeftButton);
        QCOMPARE(chooser.result(), int(QDialog::Accepted));
        QCOMPARE(chosen, m_sample.filePath(QStringLiteral("DATA/SUB")));
        QCOMPARE(QDir::currentPath(), startDirectory);

        chooser.open();
        list->clearSelection();
        QTest::mouseClick(ChooserButton(chooser, QDialogButtonBox::Open), Qt::LeftButton);
        QCOMPARE(chosen, m_sample.filePath(QStringLiteral("DATA")));
    }

    void rootKeepsItsSeparator()
    {
        QString chosen;
        CFolderDialog chooser(&chosen);
        chooser.setDirectory(QDir::rootPath());
        chooser.open();
        QTest::mouseClick(ChooserButton(chooser, QDialogButtonBox::Open), Qt::LeftButton);
        QCOMPARE(chosen, QDir::toNativeSeparators(QDir::rootPath()));
    }

    void cancelLeavesTheStringAlone()
    {
        QString chosen = QStringLiteral("unchanged");
        CFolderDialog chooser(&chosen);
        chooser.setDirectory(m_sample.path());
        chooser.open();
        QTest::mouseClick(ChooserButton(chooser, QDialogButtonBox::Cancel), Qt::LeftButton);
        QCOMPARE(chooser.result(), int(QDialog::Rejected));
        QCOMPARE(chosen, QStringLiteral("unchanged"));
    }

private:
    QTemporaryDir m_sample;
};

QTEST_MAIN(FolderDialogTest)
#include "test_folder_dialog.moc"
