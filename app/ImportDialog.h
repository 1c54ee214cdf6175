#pragma once
// The preview of a member-list import: every row of the file with a check box, the participant as
// the list will show it, year, gender and why a row cannot be taken as it is. The user picks the
// columns the header did not name, a gender where the file has none, and which rows to take;
// "Übernehmen" hands the checked rows back, "Abbrechen" nothing.
//
// Object names for tests and accessibility tools: importTable, importSummary, importMissing,
// importColumn0..3 (one per missing field, memberlist::Field order), importFemale, importMale,
// importTake, importCancel.

#include "memberlist/MemberList.h"

#include <array>
#include <QDialog>
#include <QList>

class ImportModel;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

class ImportDialog : public QDialog
{
    Q_OBJECT
public:
    /// `existing`: the entry list, for "schon in der Liste".
    ImportDialog(memberlist::Table table, QList<EntryRow> existing, int currentUtcYear,
                 const QString& fileName, QWidget* parent = nullptr);
    ~ImportDialog() override;

    /// The chosen event's birth years: rows outside them are shown, but cannot be taken.
    void setAdmittedYears(memberlist::Admitted admitted);

    /// The checked rows as the entry list takes them, in file order.
    QList<EntryRow> rows() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reevaluate();
    void pickGender(int gender);
    void updateControls();

    memberlist::Table m_table;
    QList<EntryRow> m_existing;
    int m_currentUtcYear;
    memberlist::Admitted m_admitted;
    memberlist::Columns m_columns;
    ImportModel* m_model = nullptr;
    QTableView* m_view = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_female = nullptr;
    QPushButton* m_male = nullptr;
};
