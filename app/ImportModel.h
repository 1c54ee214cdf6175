#pragma once
// The member list's candidates as the rows of the import preview. A plain model instead of one
// item per cell: a member list of ten thousand rows must open its preview at once.

#include "memberlist/MemberList.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QList>

class ImportModel : public QAbstractTableModel
{
    Q_DECLARE_TR_FUNCTIONS(ImportModel)

public:
    enum Column
    {
        Participant,
        Year,
        Gender,
        Reason,
        kColumns
    };

    using QAbstractTableModel::QAbstractTableModel;

    const QList<memberlist::Candidate>& candidates() const { return m_rows; }
    void reset(QList<memberlist::Candidate> rows);

    /// Whether the user may pick a gender for the row: only where the file gives none.
    bool genderOpen(int row) const;
    /// Picks the gender for those of the rows that are open to it.
    void pickGender(const QModelIndexList& rows, int gender);
    /// Checks or unchecks those of the rows that can be checked.
    void setChecked(const QModelIndexList& rows, bool checked);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    /// One signal for a change of many rows: the dialog recounts once, not once per row.
    void changedAll();

    QList<memberlist::Candidate> m_rows;
};
