#include "CIconListBox.h"

#include "CEntryRowDelegate.h"

#include <QPainter>

class CIconListBox::QuietScope
{
public:
    explicit QuietScope(CIconListBox& list) : m_list(list) { ++m_list.m_nQuiet; }
    ~QuietScope() { --m_list.m_nQuiet; }
    QuietScope(const QuietScope&) = delete;
    QuietScope& operator=(const QuietScope&) = delete;

private:
    CIconListBox& m_list;
};

CIconListBox::CIconListBox(QWidget* parent)
    : QListView(parent), m_pModel(new CEntryListModel(this))
{
    setModel(m_pModel);
    setItemDelegate(new CEntryRowDelegate(this));
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

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CIconListBox::OnSelectionChanged);
}

CIconListBox::~CIconListBox() = default;

void CIconListBox::OnSelectionChanged()
{
    if (m_nQuiet == 0)
        Q_EMIT selChange();
}

int CIconListBox::AddItem(const QString& text, qint32 itemData)
{
    QuietScope quiet(*this);
    return m_pModel->AddSorted(text, itemData);
}

int CIconListBox::AddItems(QList<EntryRow> rows)
{
    QuietScope quiet(*this);
    m_pModel->AddSorted(std::move(rows));
    return m_pModel->Count();
}

int CIconListBox::InsertItem(int index, const QString& text)
{
    if (index == -1)
        index = m_pModel->Count();
    QuietScope quiet(*this);
    return m_pModel->Insert(index, text, -1);
}

int CIconListBox::DeleteString(int index)
{
    if (!m_pModel->IsValidRow(index))
        return -1;
    QuietScope quiet(*this);
    // The view would move the selection to a neighbour of a deleted current row; a list box leaves
    // no selection behind, so the current row moves on here first, without selecting anything.
    const QModelIndex doomed = m_pModel->index(index);
    QItemSelectionModel* selection = selectionModel();
    if (selection->isSelected(doomed))
        selection->clearSelection();
    if (selection->currentIndex() == doomed) {
        const int neighbour = index + 1 < m_pModel->Count() ? index + 1 : index - 1;
        selection->setCurrentIndex(neighbour >= 0 ? m_pModel->index(neighbour) : QModelIndex(),
                                   QItemSelectionModel::NoUpdate);
    }
    m_pModel->Remove(index);
    return m_pModel->Count();
}

void CIconListBox::ResetContent()
{
    QuietScope quiet(*this);
    m_pModel->Clear();
}

int CIconListBox::GetCount() const
{
    return m_pModel->Count();
}

int CIconListBox::GetCurSel() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

int CIconListBox::SetCurSel(int index)
{
    QuietScope quiet(*this);
    if (index == -1) {
        selectionModel()->clearSelection();
        return -1;
    }
    if (!m_pModel->IsValidRow(index))
        return -1;
    const QModelIndex target = m_pModel->index(index);
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    scrollTo(target);
    return index;
}

QString CIconListBox::GetText(int index) const
{
    return m_pModel->IsValidRow(index) ? m_pModel->Text(index) : QString();
}

qint32 CIconListBox::GetItemData(int index) const
{
    return m_pModel->IsValidRow(index) ? m_pModel->Code(index) : -1;
}

int CIconListBox::SetItemData(int index, qint32 itemData)
{
    return m_pModel->SetCode(index, itemData) ? 0 : -1;
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
    if (m_pModel->Count() != 0 || !hasFocus())
        return;
    // An empty list still shows that it has the focus, over the place of its first row.
    QPainter painter(viewport());
    const QPalette::ColorGroup group =
        isEnabled() ? (isActiveWindow() ? QPalette::Active : QPalette::Inactive)
                    : QPalette::Disabled;
    CEntryRowDelegate::DrawFocusFrame(
        painter, QRect(0, 0, viewport()->width(), CEntryRowDelegate::RowHeight),
        palette().color(group, QPalette::Text));
}
