#pragma once
// The editing buffer of the window: the line that says whom the fields edit, first name, surname,
// birth year and the two gender buttons. It owns nothing of the list: it shows a participant,
// reads the one typed, and says when the user edited a name or chose a gender.

#include "app/NameValidator.h"
#include "entries/Entry.h"

#include <optional>
#include <QObject>

class ElidingLabel;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QWidget;

class ParticipantEditor : public QObject
{
    Q_OBJECT

public:
    /// Makes the controls as children of `window`, which lays them out with placeIn.
    explicit ParticipantEditor(QWidget* window);

    /// The editing line and the four fields, one row each from `row` on, two columns wide.
    void placeIn(QGridLayout* grid, int& row);
    /// In Tab order: the three fields and both gender buttons.
    QList<QWidget*> tabOrder() const;

    /// The fields as they stand; a year that is no whole number reads as nothing.
    entry::Participant participant() const;
    /// The year typed, or nothing after the message "Geben Sie bitte eine ganze Zahl ein." with
    /// the field focused and selected.
    std::optional<qint32> takeYear();
    /// The last year the field held as a number: shown by the program or taken from the user.
    /// A text that is no number leaves it as it was.
    qint32 lastYear() const { return m_lastYear; }
    /// Shows a participant; edits by the program are no user's edits and raise no signal.
    void show(const entry::Participant& participant);
    /// Empty fields for the next participant, "weiblich" unless `keepGender`: after "Hinzu" the
    /// next child of a group is most often of the same gender.
    void clear(bool keepGender = false);
    /// An empty year field; the names and the gender stay.
    void clearYear();
    QString yearText() const;
    /// After a refused year: the caret back into "Jahrgang", its text selected to be typed over,
    /// showing `kept` where the row being corrected keeps that year.
    void refuseYear(std::optional<qint32> kept);
    /// The caret into "Vorname", all selected, where the user goes on typing.
    void focusFirstName();
    /// Whether the focus is being moved by the program: leaving the year field then is no
    /// user's leaving.
    bool isMovingFocus() const { return m_movingFocus; }

    /// The year field, whose leaving the window watches, and whether it holds a typed year that
    /// has not been dealt with yet.
    QLineEdit* yearField() const { return m_edYear; }
    bool isYearPending() const;
    void setYearDealtWith();

    /// The line above the fields: a new participant, or the selected row (and what it was).
    void showEditing(const QString& now, const QString& was);

Q_SIGNALS:
    /// The user changed first name or surname.
    void nameEdited();
    /// The user chose a gender.
    void genderChosen(int gender);
    /// The user moved the focus out of the year field, inside the window; `typed`: with a year
    /// typed that was not dealt with yet.
    void yearLeft(bool typed);
    /// Enter in one of the fields or on a gender button: the user wants the participant added,
    /// as a form is sent with Enter.
    void submitted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The name rules as the user types, and the explanation of a refused character.
    void describeYears();
    void watchNameField(QLineEdit* field, NameValidator::Field kind);
    void showRejectedCharacter(QLineEdit* field, char32_t ch);

    QWidget* m_window;
    ElidingLabel* m_lblEditing;
    QLineEdit* m_edFirstName;
    QLineEdit* m_edName;
    QLineEdit* m_edYear;
    QGroupBox* m_gender;
    QRadioButton* m_rbFemale;
    QRadioButton* m_rbMale;
    qint32 m_lastYear = 0;
    QString m_editingNow; ///< what showEditing() was last told, shown again with a new gender
    QString m_editingWas;
    bool m_movingFocus = false;
};
