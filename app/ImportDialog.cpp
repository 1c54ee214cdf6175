#include "app/ImportDialog.h"

#include "app/ImportModel.h"
#include "messages/Messages.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using memberlist::Candidate;

ImportDialog::ImportDialog(memberlist::Table table, QList<EntryRow> existing, int currentUtcYear,
                           const QString& fileName, QWidget* parent)
    : QDialog(parent), m_table(std::move(table)), m_existing(std::move(existing)),
      m_currentUtcYear(currentUtcYear), m_columns(memberlist::mapHeader(m_table.header)),
      m_model(new ImportModel(this)), m_view(new QTableView(this)), m_summary(new QLabel(this)),
      m_female(new QPushButton(tr("&weiblich"), this)),
      m_male(new QPushButton(tr("&männlich"), this))
{
    setObjectName(QStringLiteral("importDialog"));
    setWindowTitle(tr("Importieren – %1").arg(fileName));
    setAccessibleName(tr("Mitgliederliste importieren"));
    auto* layout = new QVBoxLayout(this);

    // The fields the header did not name: the user says which column holds them.
    QStringList missing;
    auto* columnChoice = new QFormLayout;
    for (int f = 0; f < memberlist::kFieldCount; ++f) {
        if (m_columns[f] >= 0)
            continue;
        const QString field = messages::memberField(static_cast<memberlist::Field>(f));
        missing << field;
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("importColumn%1").arg(f));
        box->setAccessibleName(tr("Spalte für %1").arg(field));
        box->addItem(tr("(keine)"), -1);
        for (int c = 0; c < m_table.header.size(); ++c) {
            const QString& title = m_table.header[c];
            box->addItem(title.isEmpty() ? tr("Spalte %1").arg(c + 1) : title, c);
        }
        connect(box, &QComboBox::currentIndexChanged, this, [this, box, f] {
            m_columns[f] = box->currentData().toInt();
            reevaluate();
        });
        columnChoice->addRow(tr("%1:").arg(field), box);
    }
    if (!missing.isEmpty()) {
        auto* note = new QLabel(messages::importColumnsMissing(missing), this);
        note->setObjectName(QStringLiteral("importMissing"));
        note->setWordWrap(true);
        layout->addWidget(note);
        layout->addLayout(columnChoice);
    } else {
        delete columnChoice;
    }

    m_view->setObjectName(QStringLiteral("importTable"));
    m_view->setAccessibleName(tr("Mitglieder der Liste"));
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    // Fixed row heights and column widths: measuring ten thousand rows would cost seconds.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    m_view->setColumnWidth(ImportModel::Participant, 22 * em);
    for (const int column : {ImportModel::Year, ImportModel::Gender})
        m_view->setColumnWidth(column, m_view->horizontalHeader()->sectionSizeHint(column) + em);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->installEventFilter(this);
    layout->addWidget(m_view, 1);

    auto* genderRow = new QHBoxLayout;
    auto* genderLabel = new QLabel(tr("Geschlecht der gewählten Zeilen:"), this);
    genderRow->addWidget(genderLabel);
    for (auto [button, name, gender] : {std::tuple(m_female, "importFemale", int(entry::Female)),
                                        std::tuple(m_male, "importMale", int(entry::Male))}) {
        button->setObjectName(QLatin1String(name));
        button->setAccessibleName(
            tr("Geschlecht der gewählten Zeilen: %1").arg(button->text().remove(QLatin1Char('&'))));
        // Enter stays "Übernehmen" even while one of these has the focus.
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, g = gender] { pickGender(g); });
        genderRow->addWidget(button);
    }
    genderRow->addStretch();
    layout->addLayout(genderRow);

    m_summary->setObjectName(QStringLiteral("importSummary"));
    layout->addWidget(m_summary);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* take = buttons->button(QDialogButtonBox::Ok);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    take->setText(tr("Übernehmen"));
    take->setObjectName(QStringLiteral("importTake"));
    take->setAccessibleName(tr("Angehakte Zeilen übernehmen"));
    take->setDefault(true);
    cancel->setText(tr("Abbrechen"));
    cancel->setObjectName(QStringLiteral("importCancel"));
    cancel->setAccessibleName(tr("Abbrechen ohne Änderung"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_model, &QAbstractItemModel::dataChanged, this, &ImportDialog::updateControls);
    connect(m_model, &QAbstractItemModel::modelReset, this, &ImportDialog::updateControls);
    reevaluate();
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ImportDialog::updateControls);
    m_view->setFocus();
    resize(60 * em, 36 * em);
}

ImportDialog::~ImportDialog() = default;

void ImportDialog::setAdmittedYears(memberlist::Admitted admitted)
{
    m_admitted = admitted;
    reevaluate();
}

QList<EntryRow> ImportDialog::rows() const
{
    QList<EntryRow> rows;
    for (const Candidate& c : m_model->candidates()) {
        if (c.checked)
            rows << c.row();
    }
    return rows;
}

void ImportDialog::reevaluate()
{
    m_model->reset(
        memberlist::evaluate(m_table, m_columns, m_currentUtcYear, m_existing, m_admitted));
    if (m_model->rowCount() > 0)
        m_view->setCurrentIndex(m_model->index(0, ImportModel::Participant));
}

void ImportDialog::pickGender(int gender)
{
    m_model->pickGender(m_view->selectionModel()->selectedRows(), gender);
}

void ImportDialog::updateControls()
{
    const QList<Candidate>& rows = m_model->candidates();
    const auto checked =
        std::count_if(rows.begin(), rows.end(), [](const auto& c) { return c.checked; });
    m_summary->setText(messages::importTakes(checked, rows.size()));
    bool open = false;
    for (const QModelIndex& index : m_view->selectionModel()->selectedRows())
        open = open || m_model->genderOpen(index.row());
    m_female->setEnabled(open);
    m_male->setEnabled(open);
}

bool ImportDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Space toggles the check boxes of the selected rows whichever column has the focus; the
    // view alone would toggle only when the current cell is the one with the check box.
    if (watched == m_view && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        const QModelIndex current = m_view->currentIndex();
        if (current.isValid()) {
            const QModelIndex box = current.siblingAtColumn(ImportModel::Participant);
            const bool check = box.data(Qt::CheckStateRole).toInt() != Qt::Checked;
            QModelIndexList rows = m_view->selectionModel()->selectedRows();
            if (rows.isEmpty())
                rows << box;
            m_model->setChecked(rows, check);
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
