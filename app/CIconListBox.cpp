#include "app/CIconListBox.h"

#include "app/EntryRowDelegate.h"
#include "entries/EntryListModel.h"

#include <QPainter>
#include <QScopeGuard>

CIconListBox::CIconListBox(QWidget* parent) : QListView(parent)
{
    setItemDelegate(new EntryRowDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // All rows have the same height, so the view need not ask each one; this keeps a list of a
    // hundred thousand entries quick to lay out.
    setUniformItemSizes(true);
    setSpacing(0);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

CIconListBox::~CIconListBox() = default;

void CIconListBox::setModel(QAbstractItemModel* rows)
{
    if (!rows) {
        QListView::setModel(rows);
        return;
    }
    // Whatever a change of the rows does to the selection, it is not the user's choice. These
    // connections come before the view's and its selection model's own, so they act first.
    const auto quiet = [this] { ++m_nQuiet; };
    const auto loud = [this] { --m_nQuiet; };
    connect(rows, &QAbstractItemModel::rowsAboutToBeInserted, this, quiet);
    connect(rows, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            &CIconListBox::OnRowsAboutToBeRemoved);
    connect(rows, &QAbstractItemModel::modelAboutToBeReset, this, quiet);
    connect(rows, &QAbstractItemModel::layoutAboutToBeChanged, this, quiet);
    QListView::setModel(rows);
    connect(rows, &QAbstractItemModel::rowsInserted, this, loud);
    connect(rows, &QAbstractItemModel::rowsRemoved, this, loud);
    connect(rows, &QAbstractItemModel::modelReset, this, loud);
    connect(rows, &QAbstractItemModel::layoutChanged, this, loud);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CIconListBox::OnSelectionChanged);
}

void CIconListBox::OnSelectionChanged()
{
    if (m_nQuiet == 0)
        Q_EMIT selChange();
}

void CIconListBox::OnRowsAboutToBeRemoved(const QModelIndex& parent, int first, int last)
{
    ++m_nQuiet;
    // The view would move the selection to a neighbour of a deleted current row; a list box leaves
    // no selection behind, so the current row moves on here first, without selecting anything.
    QItemSelectionModel* selection = selectionModel();
    const int selected = GetCurSel();
    if (selected >= first && selected <= last)
        selection->clearSelection();
    const int current = selection->currentIndex().row();
    if (current >= first && current <= last) {
        const int neighbour = last + 1 < model()->rowCount(parent) ? last + 1 : first - 1;
        selection->setCurrentIndex(neighbour >= 0 ? model()->index(neighbour, 0, parent)
                                                  : QModelIndex(),
                                   QItemSelectionModel::NoUpdate);
    }
}

int CIconListBox::GetCount() const
{
    return model() ? model()->rowCount() : 0;
}

int CIconListBox::GetCurSel() const
{
    const QModelIndexList rows =
        selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

int CIconListBox::SetCurSel(int index)
{
    ++m_nQuiet;
    const auto done = qScopeGuard([this] { --m_nQuiet; });
    if (index == -1) {
        selectionModel()->clearSelection();
        return -1;
    }
    if (index < 0 || index >= GetCount())
        return -1;
    const QModelIndex target = model()->index(index, 0);
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    scrollTo(target);
    return index;
}

QString CIconListBox::GetText(int index) const
{
    return index >= 0 && index < GetCount() ? model()->index(index, 0).data().toString()
                                            : QString();
}

qint32 CIconListBox::GetItemData(int index) const
{
    return index >= 0 && index < GetCount()
               ? model()->index(index, 0).data(EntryListModel::EntryCodeRole).value<qint32>()
               : -1;
}

QItemSelectionModel::SelectionFlags CIconListBox::selectionCommand(const QModelIndex& index,
                                                                   const QEvent* event) const
{
    // A single-selection list box gives the user no way to unselect the chosen row: neither a
    // click into the empty space below the rows nor Ctrl+click or Ctrl+Space clears it.
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    const QItemSelectionModel::SelectionFlags flags = QListView::selectionCommand(index, event);
    if (flags.testFlag(QItemSelectionModel::Deselect))
        return QItemSelectionModel::NoUpdate;
    return flags;
}

void CIconListBox::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    if (GetCount() != 0 || !hasFocus())
        return;
    // An empty list still shows that it has the focus, over the place of its first row.
    QPainter painter(viewport());
    const QPalette::ColorGroup group =
        isEnabled() ? (isActiveWindow() ? QPalette::Active : QPalette::Inactive)
                    : QPalette::Disabled;
    EntryRowDelegate::drawFocusFrame(painter,
                                     QRect(0, 0, viewport()->width(), EntryRowDelegate::RowHeight),
                                     palette().color(group, QPalette::Text));
}
