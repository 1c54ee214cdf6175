// The start's honest floor: Zandrel's window as bare Qt, with nothing of the program in it. The
// same controls with the same texts and list items, laid out as CEntryDlg lays them out, in a
// window of the same size; but no settings, no translations, no icon, no entry list model, no
// validators or handlers. What Zandrel's start costs beyond this program is what the program
// itself adds; what this costs beyond minimal_widgets is what Qt needs for the controls the
// window has to have. bench_app starts it with the same first-paint probe preloaded as the others.
//
// The list items are copied here as plain texts on purpose: linking the program's libraries would
// bring their loading and static set-up into the floor.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>

namespace {

// As the program's lists, in their order.
const QStringList kClubs = {
    QStringLiteral("DJK Kirchdorf"),
    QStringLiteral("ESV Birkenstadt"),
    QStringLiteral("FC Steinach 1921"),
    QStringLiteral("MTV Feldkirchen"),
    QStringLiteral("Post SV Musterstadt"),
    QStringLiteral("SC Wiesenbach"),
    QStringLiteral("SG Mühlbach"),
    QStringLiteral("Skiclub Hochalm"),
    QStringLiteral("SpVgg Kleinfeld"),
    QStringLiteral("SV Blau-Weiß Auental"),
    QStringLiteral("SV Grünwiesen"),
    QStringLiteral("TG Seewalden"),
    QStringLiteral("TG Talhausen"),
    QStringLiteral("TSG Rosenfeld"),
    QStringLiteral("TSV Bergheim 1888"),
    QStringLiteral("TSV Unterweiler"),
    QStringLiteral("TSV Waldhausen"),
    QStringLiteral("Turnerbund Sonnenberg"),
    QStringLiteral("Turnverein Neudorf-Altstadt"),
    QStringLiteral("TuS Fichtenberg"),
    QStringLiteral("TuS Lindenhof"),
    QStringLiteral("TV Hasenweiler"),
    QStringLiteral("TV Musterstadt"),
    QStringLiteral("TV Oberweiler"),
    QStringLiteral("TV Schönau am Bach"),
    QStringLiteral("VfL Eichenau"),
};

const QStringList kEvents = {
    QStringLiteral("Gaubergfest"),
    QStringLiteral("Gauturnfest"),
    QStringLiteral("Kinderturnfest"),
    QStringLiteral("Minitrampolin-Meisterschaften"),
};

// Editable and empty at the start, as the window's lists are: the editable field, its completer
// and the measuring of the items are the part of a combo box that costs.
QComboBox* listBox(QWidget* parent, const QStringList& texts)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(texts);
    box->setCurrentIndex(-1);
    box->setMaxVisibleItems(12);
    return box;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog window;
    window.setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
    window.setSizeGripEnabled(true);
    const auto label = [&](const QString& text, QWidget* buddy = nullptr) {
        auto* l = new QLabel(text, &window);
        l->setBuddy(buddy);
        return l;
    };
    const auto button = [&](const QString& text) { return new QPushButton(text, &window); };

    auto* firstName = new QLineEdit(&window);
    auto* name = new QLineEdit(&window);
    auto* year = new QLineEdit(&window);
    auto* gender = new QGroupBox(QStringLiteral("&Geschlecht"), &window);
    auto* genderLayout = new QVBoxLayout(gender);
    genderLayout->addWidget(new QRadioButton(QStringLiteral("&weiblich"), gender));
    genderLayout->addWidget(new QRadioButton(QStringLiteral("&männlich"), gender));
    QPushButton* add = button(QStringLiteral("Hin&zu"));
    QPushButton* newEntry = button(QStringLiteral("Ne&u"));
    QPushButton* remove = button(QStringLiteral("&Entfernen"));
    QPushButton* load = button(QStringLiteral("&Laden"));
    QPushButton* save = button(QStringLiteral("&Speichern"));
    save->setEnabled(false);
    QPushButton* help = button(QStringLiteral("&Hilfe"));
    QPushButton* more = button(QStringLiteral("Weitere Be&fehle"));
    // Empty, but there: the button is drawn with its menu arrow, as in the window.
    more->setMenu(new QMenu(&window));
    QPushButton* exit = button(QStringLiteral("&Beenden"));
    auto* autoNames = new QCheckBox(&window);
    auto* list = new QListView(&window);
    list->setMinimumWidth(360);
    QComboBox* club = listBox(&window, kClubs);
    QComboBox* event = listBox(&window, kEvents);

    auto* left = new QGridLayout;
    left->setColumnStretch(1, 1);
    int row = 0;
    left->addWidget(label(QStringLiteral("&Verein"), club), row++, 0, 1, 2);
    left->addWidget(club, row++, 0, 1, 2);
    left->addWidget(label(QStringLiteral("Veranstal&tung"), event), row++, 0, 1, 2);
    left->addWidget(event, row++, 0, 1, 2);
    left->setRowMinimumHeight(row++, 12);
    auto* editing = label(QStringLiteral("Neuer Teilnehmer"));
    editing->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    left->addWidget(editing, row++, 0, 1, 2);
    left->addWidget(label(QStringLiteral("V&orname"), firstName), row, 0);
    left->addWidget(firstName, row++, 1);
    left->addWidget(label(QStringLiteral("&Name"), name), row, 0);
    left->addWidget(name, row++, 1);
    left->addWidget(label(QStringLiteral("&Jahrgang"), year), row, 0);
    left->addWidget(year, row++, 1);
    left->addWidget(gender, row++, 0, 1, 1);
    left->setRowMinimumHeight(row++, 8);
    left->addWidget(add, row, 0);
    left->addWidget(newEntry, row++, 1);
    auto* removeRow = new QHBoxLayout;
    removeRow->addStretch();
    removeRow->addWidget(remove);
    removeRow->addStretch();
    left->addLayout(removeRow, row++, 0, 1, 2);
    left->setRowStretch(row++, 1);
    left->addWidget(load, row, 0);
    left->addWidget(save, row++, 1);
    auto* autoNamesLabel = new QVBoxLayout;
    autoNamesLabel->setSpacing(0);
    autoNamesLabel->addWidget(label(QStringLiteral("&Automatische"), autoNames));
    autoNamesLabel->addWidget(label(QStringLiteral("Namen")));
    auto* autoNamesRow = new QHBoxLayout;
    autoNamesRow->addStretch();
    autoNamesRow->addWidget(autoNames);
    autoNamesRow->addLayout(autoNamesLabel);
    left->addLayout(autoNamesRow, row++, 0, 1, 2);

    auto* under = new QHBoxLayout;
    under->addWidget(label(QStringLiteral("0 Teilnehmer · 0 weiblich · 0 männlich")));
    under->addStretch();
    under->addWidget(label(QString()), 1); // the status line, empty at the start
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(help);
    bottom->addWidget(more);
    bottom->addWidget(exit);
    auto* right = new QVBoxLayout;
    right->addWidget(list, 1);
    right->addLayout(under);
    right->addLayout(bottom);

    auto* top = new QHBoxLayout(&window);
    top->addLayout(left, 0);
    top->addSpacing(12);
    top->addLayout(right, 1);

    window.resize(720, 500);
    window.show();
    return app.exec();
}
