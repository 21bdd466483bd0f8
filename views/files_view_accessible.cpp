#include "views/files_view_accessible.h"

#include "views/files_view.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QHeaderView>

namespace vorn {
namespace {

// Qt's own table interface for the list, with the table's columns renumbered
// to the shown ones. Children keep Qt's numbering, which the view's own
// events use; cells in hidden columns already say they are invisible.
class CFilesViewAccessible final : public QAccessibleInterface, public QAccessibleTableInterface {
public:
    CFilesViewAccessible(const CFilesView& view, QAccessibleInterface& qtTable)
        : m_view(view), m_qtTable(qtTable), m_qtTableId(QAccessible::uniqueId(&qtTable))
    {
    }
    // Qt's interface stays in the registry under its own id after this one
    // took the list's place there, so only this one goes with the list; at
    // exit the registry may have deleted Qt's first.
    ~CFilesViewAccessible() override
    {
        if (QAccessible::accessibleInterface(m_qtTableId) == &m_qtTable)
            QAccessible::deleteAccessibleInterface(m_qtTableId);
    }

    bool isValid() const override { return m_qtTable.isValid(); }
    QObject* object() const override { return m_qtTable.object(); }
    QWindow* window() const override { return m_qtTable.window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        return m_qtTable.relations(match);
    }
    QAccessibleInterface* focusChild() const override { return m_qtTable.focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override { return m_qtTable.childAt(x, y); }
    QAccessibleInterface* parent() const override { return m_qtTable.parent(); }
    QAccessibleInterface* child(int index) const override { return m_qtTable.child(index); }
    int childCount() const override { return m_qtTable.childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override { return m_qtTable.indexOfChild(child); }
    QString text(QAccessible::Text kind) const override { return m_qtTable.text(kind); }
    void setText(QAccessible::Text kind, const QString& text) override { m_qtTable.setText(kind, text); }
    QRect rect() const override { return m_qtTable.rect(); }
    QAccessible::Role role() const override { return m_qtTable.role(); }
    QAccessible::State state() const override { return m_qtTable.state(); }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return m_qtTable.interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return QtTable().caption(); }
    QAccessibleInterface* summary() const override { return QtTable().summary(); }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        const int logical = LogicalColumn(column);
        return logical < 0 ? nullptr : QtTable().cellAt(row, logical);
    }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> cells = QtTable().selectedCells();
        cells.removeIf([this](QAccessibleInterface* cell) {
            return ShownColumn(cell->tableCellInterface()->columnIndex()) < 0;
        });
        return cells;
    }
    QString columnDescription(int column) const override
    {
        const int logical = LogicalColumn(column);
        return logical < 0 ? QString() : QtTable().columnDescription(logical);
    }
    QString rowDescription(int row) const override { return QtTable().rowDescription(row); }
    int selectedColumnCount() const override { return static_cast<int>(selectedColumns().size()); }
    int selectedRowCount() const override { return QtTable().selectedRowCount(); }
    int columnCount() const override { return static_cast<int>(ShownColumns().size()); }
    int rowCount() const override { return QtTable().rowCount(); }
    QList<int> selectedColumns() const override
    {
        QList<int> shown;
        for (const int logical : QtTable().selectedColumns())
            if (const int column = ShownColumn(logical); column >= 0)
                shown.append(column);
        return shown;
    }
    QList<int> selectedRows() const override { return QtTable().selectedRows(); }
    bool isColumnSelected(int column) const override
    {
        const int logical = LogicalColumn(column);
        return logical >= 0 && QtTable().isColumnSelected(logical);
    }
    bool isRowSelected(int row) const override { return QtTable().isRowSelected(row); }
    bool selectRow(int row) override { return QtTable().selectRow(row); }
    bool selectColumn(int column) override
    {
        const int logical = LogicalColumn(column);
        return logical >= 0 && QtTable().selectColumn(logical);
    }
    bool unselectRow(int row) override { return QtTable().unselectRow(row); }
    bool unselectColumn(int column) override
    {
        const int logical = LogicalColumn(column);
        return logical >= 0 && QtTable().unselectColumn(logical);
    }
    void modelChange(QAccessibleTableModelChangeEvent* event) override { QtTable().modelChange(event); }

private:
    QAccessibleTableInterface& QtTable() const { return *m_qtTable.tableInterface(); }

    // The model's columns the header shows, in the order it shows them.
    QList<int> ShownColumns() const
    {
        const QHeaderView& header = *m_view.horizontalHeader();
        QList<int> shown;
        for (int visual = 0; visual < header.count(); ++visual)
            if (const int logical = header.logicalIndex(visual); !header.isSectionHidden(logical))
                shown.append(logical);
        return shown;
    }
    int LogicalColumn(int column) const
    {
        const QList<int> shown = ShownColumns();
        return column >= 0 && column < shown.size() ? shown[column] : -1;
    }
    int ShownColumn(int logical) const { return static_cast<int>(ShownColumns().indexOf(logical)); }

    const CFilesView& m_view;
    QAccessibleInterface& m_qtTable;
    const QAccessible::Id m_qtTableId;
};

// The list whose interface is being made: asked for it again meanwhile, the
// factory leaves it to Qt's own, which the new one wraps and which the
// registry then finds under the list no more.
const QObject* s_wrapping = nullptr;

QAccessibleInterface* FilesViewAccessible(const QString&, QObject* object)
{
    const auto* view = qobject_cast<CFilesView*>(object);
    if (!view || object == s_wrapping)
        return nullptr;
    s_wrapping = object;
    QAccessibleInterface* qtTable = QAccessible::queryAccessibleInterface(object);
    s_wrapping = nullptr;
    if (!qtTable || !qtTable->tableInterface())
        return nullptr;
    return new CFilesViewAccessible(*view, *qtTable);
}

}  // namespace

void InstallFilesViewAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(FilesViewAccessible);
        return true;
    }();
    (void)installed;
}

}  // namespace vorn
