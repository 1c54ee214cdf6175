#pragma once
// The entry list of the main window: one row per participant, each with the gender picture and
// the display text. It shows the rows that it is given (the document's EntryListModel) and keeps
// the selection the way a list box does; it never changes a row itself.

#include <QListView>

class CImageList;

class CIconListBox : public QListView
{
    Q_OBJECT
public:
    explicit CIconListBox(QWidget* parent = nullptr);
    ~CIconListBox() override;

    /// The pictures of the rows; not owned. Null: rows are drawn without a picture.
    CImageList* m_pImageList = nullptr;

    /// Shows `rows` (display text under DisplayRole, entry code under EntryListModel's
    /// EntryCodeRole); not owned.
    void setModel(QAbstractItemModel* rows) override;

    int GetCount() const;
    /// The selected row, or -1 when none is selected.
    int GetCurSel() const;
    /// Selects index and scrolls it into view; -1 clears the selection. Returns index, or -1 when
    /// the selection was cleared or the index was out of range (then nothing changes).
    int SetCurSel(int index);
    /// The text of a row; empty for a bad index.
    QString GetText(int index) const;
    /// The data of a row; -1 for a bad index.
    qint32 GetItemData(int index) const;

Q_SIGNALS:
    /// The user changed the selection (mouse, keyboard). Never raised by SetCurSel nor by a change
    /// of the rows.
    void selChange();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    void OnSelectionChanged();
    void OnRowsAboutToBeRemoved(const QModelIndex& parent, int first, int last);

    int m_nQuiet = 0; // > 0 while the rows or SetCurSel change the selection
};
