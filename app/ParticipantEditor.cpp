#include "app/ParticipantEditor.h"

#include "app/DataExchange.h"
#include "app/ElidingLabel.h"
#include "app/KeyboardRules.h"
#include "app/MessageBox.h"
#include "app/NameValidator.h"
#include "messages/Messages.h"

#include <algorithm>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

ParticipantEditor::ParticipantEditor(QWidget* window)
    : QObject(window), m_window(window), m_lblEditing(new ElidingLabel(window, 2)),
      m_edFirstName(new QLineEdit(window)), m_edName(new QLineEdit(window)),
      m_edYear(new QLineEdit(window)), m_gender(new QGroupBox(tr("&Geschlecht"), window)),
      m_rbFemale(new QRadioButton(tr("&weiblich"), m_gender)),
      m_rbMale(new QRadioButton(tr("&männlich"), m_gender))
{
    // Says whether the fields edit the selected participant or make a new one. Its width never
    // moves the other controls: it changes with every keystroke in a selected row. Two lines, so
    // that the row's name as it was still shows beside a long new one.
    m_lblEditing->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    m_lblEditing->setObjectName(QStringLiteral("labelEditing"));
    const auto name = [](QWidget* w, const char* objectName, const QString& accessibleName) {
        w->setObjectName(QString::fromLatin1(objectName));
        w->setAccessibleName(accessibleName);
    };
    name(m_edFirstName, "editFirstName", tr("Vorname"));
    name(m_edName, "editName", tr("Name"));
    name(m_edYear, "editYear", tr("Jahrgang"));
    name(m_gender, "groupGender", tr("Geschlecht"));
    name(m_rbFemale, "buttonFemale", tr("weiblich"));
    name(m_rbMale, "buttonMale", tr("männlich"));
    auto* genderLayout = new QVBoxLayout(m_gender);
    genderLayout->addWidget(m_rbFemale);
    genderLayout->addWidget(m_rbMale);
    m_rbFemale->setChecked(true);
    connect(m_rbMale, &QAbstractButton::toggled, this,
            [this] { showEditing(m_editingNow, m_editingWas); });

    describeYears();

    watchNameField(m_edFirstName, NameValidator::FirstName);
    watchNameField(m_edName, NameValidator::Surname);
    for (QLineEdit* field : {m_edFirstName, m_edName, m_edYear})
        keys::keepAltForMnemonics(field);
    keys::makeAutomaticRadioButtons(m_rbFemale, m_rbMale);
    m_edYear->installEventFilter(this);
    for (QLineEdit* field : {m_edFirstName, m_edName, m_edYear})
        connect(field, &QLineEdit::returnPressed, this, &ParticipantEditor::submitted);
    for (QRadioButton* button : {m_rbFemale, m_rbMale})
        button->installEventFilter(this);
    // clicked is the user's: the program's setChecked raises nothing.
    for (QRadioButton* button : {m_rbFemale, m_rbMale})
        connect(button, &QAbstractButton::clicked, this, [this, button] {
            if (button->isChecked())
                Q_EMIT genderChosen(button == m_rbMale ? entry::Male : entry::Female);
        });
}

void ParticipantEditor::watchNameField(QLineEdit* field, NameValidator::Field kind)
{
    field->setValidator(new NameValidator(field, kind));
    // Only what the user types renames the selected row; the program's own writes do not.
    connect(field, &QLineEdit::textEdited, this, &ParticipantEditor::nameEdited);
    connect(field, &QLineEdit::inputRejected, this, [this, field] {
        const auto* validator = static_cast<const NameValidator*>(field->validator());
        showRejectedCharacter(field, validator->lastRejected());
    });
    // A refusal explains the keystroke it refused; once the text was taken it is old news,
    // and screen readers would go on reading it as the field's description.
    connect(field, &QLineEdit::textChanged, field, [field] {
        if (!field->toolTip().isEmpty())
            field->setToolTip(QString());
    });
}

void ParticipantEditor::describeYears()
{
    // The allowed years, where the year is typed.
    const int thisYear = entry::currentUtcYear();
    m_edYear->setToolTip(QStringLiteral("%1–%2").arg(thisYear - 99).arg(thisYear - 1));
    m_edYear->setAccessibleDescription(
        tr("Erlaubt sind die Jahrgänge %1 bis %2.").arg(thisYear - 99).arg(thisYear - 1));
}

void ParticipantEditor::placeIn(QGridLayout* grid, int& row)
{
    // A label's mnemonic (Alt+letter) moves the focus to the field it names.
    const auto label = [this](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, m_window);
        l->setBuddy(buddy);
        return l;
    };
    grid->addWidget(m_lblEditing, row++, 0, 1, 2);
    grid->addWidget(label(tr("V&orname"), m_edFirstName), row, 0);
    grid->addWidget(m_edFirstName, row++, 1);
    grid->addWidget(label(tr("&Name"), m_edName), row, 0);
    grid->addWidget(m_edName, row++, 1);
    grid->addWidget(label(tr("&Jahrgang"), m_edYear), row, 0);
    grid->addWidget(m_edYear, row++, 1);
    grid->addWidget(m_gender, row++, 0, 1, 1);
}

QList<QWidget*> ParticipantEditor::tabOrder() const
{
    return {m_edFirstName, m_edName, m_edYear, m_rbFemale, m_rbMale};
}

entry::Participant ParticipantEditor::participant() const
{
    return {m_edName->text(), m_edFirstName->text(),
            ddx::parseWholeNumber(m_edYear->text()).value_or(0),
            m_rbMale->isChecked() ? entry::Male : entry::Female};
}

std::optional<qint32> ParticipantEditor::takeYear()
{
    // An empty field is no number typed wrong: the year is still to come.
    if (m_edYear->text().trimmed().isEmpty())
        return 0;
    const std::optional<qint32> year = ddx::parseWholeNumber(m_edYear->text());
    if (!year) {
        msgbox::show(m_window, messages::notANumber());
        m_edYear->setFocus(Qt::OtherFocusReason);
        m_edYear->selectAll();
    } else {
        m_lastYear = *year;
    }
    return year;
}

void ParticipantEditor::show(const entry::Participant& participant)
{
    // A longer name from a file must fit whole, or the next edit would cut it short in the list
    // and in the saved file; typing still cannot make it longer.
    for (auto [field, text] : {std::pair{m_edFirstName, &participant.firstName},
                               std::pair{m_edName, &participant.name}}) {
        field->setMaxLength(std::max(entry::kMostNameChars, int(text->size())));
        if (field->text() != *text)
            field->setText(*text);
    }
    m_edYear->setText(QString::number(participant.year));
    m_lastYear = participant.year;
    const bool male = participant.gender == entry::Male;
    m_rbMale->setChecked(male);
    m_rbFemale->setChecked(!male);
}

void ParticipantEditor::clear(bool keepGender)
{
    show({{}, {}, 0, keepGender && m_rbMale->isChecked() ? entry::Male : entry::Female});
    clearYear();
}

void ParticipantEditor::clearYear()
{
    m_edYear->clear();
    m_lastYear = 0;
}

QString ParticipantEditor::yearText() const
{
    return m_edYear->text();
}

void ParticipantEditor::refuseYear(std::optional<qint32> kept)
{
    if (kept) {
        m_edYear->setText(QString::number(*kept));
        m_lastYear = *kept;
    }
    const QScopedValueRollback moving(m_movingFocus, true);
    m_edYear->setFocus(Qt::OtherFocusReason);
    // After the field's own handling of the focus leaving it, which would clear the selection.
    QTimer::singleShot(0, m_edYear, &QLineEdit::selectAll);
}

void ParticipantEditor::focusFirstName()
{
    const QScopedValueRollback moving(m_movingFocus, true);
    m_edFirstName->setFocus(Qt::OtherFocusReason);
    m_edFirstName->selectAll();
}

bool ParticipantEditor::isYearPending() const
{
    return m_edYear->isModified();
}

void ParticipantEditor::setYearDealtWith()
{
    m_edYear->setModified(false);
}

void ParticipantEditor::showEditing(const QString& now, const QString& was)
{
    m_editingNow = now;
    m_editingWas = was;
    QString text = tr("Neuer Teilnehmer");
    if (!now.isNull()) {
        text = tr("Eintrag ändern: %1").arg(now);
        if (was != now)
            text = tr("Eintrag ändern: %1 (war: %2)").arg(now, was);
    }
    // The gender the next "Hinzu" takes, in words: it stays from one child to the next.
    text += QStringLiteral(" · ") + (m_rbMale->isChecked() ? tr("männlich") : tr("weiblich"));
    m_lblEditing->setFullText(text);
}

void ParticipantEditor::showRejectedCharacter(QLineEdit* field, char32_t ch)
{
    if (ch == 0)
        return;
    const QString text = NameValidator::explanation(ch);
    field->setToolTip(text);
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), text, field);
}

bool ParticipantEditor::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_rbFemale || watched == m_rbMale) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
            static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
            Q_EMIT submitted();
            return true;
        }
    }
    // Only a move of the focus inside the window counts as leaving the field: a message box or
    // another window taking the focus does not, or every error box would trigger the next. Nor
    // does the program's own move out of fields it has just cleared.
    if (watched == m_edYear && event->type() == QEvent::FocusOut && !m_movingFocus) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Q_EMIT yearLeft(isYearPending());
    }
    return QObject::eventFilter(watched, event);
}
