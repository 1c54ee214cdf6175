#pragma once
// The entry list of the main window: one row per participant, each with the gender picture and
// the display text, kept in the alphabetical order of the texts by AddItem. The methods are named
// after what a sorted list box offers (add, insert at an index, item data, current selection).

#include "CEntryListModel.h"

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

    /// Adds text at its sorted place (after any equal texts) and gives it itemData. Returns the
    /// index.
    int AddItem(const QString& text, qint32 itemData);
    /// Adds many rows: the same order as AddItem for each row in turn, but one sort for all
    /// instead of one search and one shift per row, so loading a large file stays quick. Returns
    /// the new count.
    int AddItems(QList<EntryRow> rows);
    /// Inserts text exactly at index (-1: at the end) with data -1, whatever the order. Returns the
    /// index, or -1 for an index out of range.
    int InsertItem(int index, const QString& text);
    /// Returns the number of rows left, or -1 for a bad index. A deleted selected row leaves no
    /// selection behind.
    int DeleteString(int index);
    void ResetContent();

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
    /// Returns 0, or -1 for a bad index.
    int SetItemData(int index, qint32 itemData);

    /// The order AddItem sorts by: German, case-insensitive.
    const QCollator& Collator() const { return m_pModel->Collator(); }

Q_SIGNALS:
    /// The user changed the selection (mouse, keyboard). Never raised by the methods above.
    void selChange();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Counts the list's own changes, during which a selection change is not the user's.
    class QuietScope;
    void OnSelectionChanged();

    CEntryListModel* m_pModel;
    int m_nQuiet = 0;
};
