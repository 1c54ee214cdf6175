#include "app/WindowFrame.h"

#include "app/CIconListBox.h"
#include "app/ClubEventChooser.h"
#include "app/ParticipantEditor.h"
#include "app/StatusLine.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QPushButton* button(QWidget* window, const QString& text, const char* name)
{
    // Every control has a mnemonic of its own; the accessible name is the text without it.
    auto* b = new QPushButton(text, window);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(QString(text).remove(u'&'));
    return b;
}

QLayout* editColumn(QWidget* window, WindowFrame& f, ClubEventChooser& chooser,
                    ParticipantEditor& editor)
{
    auto* left = new QGridLayout;
    left->setColumnStretch(1, 1);
    int row = 0;
    chooser.placeIn(left, row);
    left->setRowMinimumHeight(row++, 12);
    editor.placeIn(left, row);
    left->setRowMinimumHeight(row++, 8);
    left->addWidget(f.add, row, 0);
    left->addWidget(f.newEntry, row++, 1);
    auto* removeRow = new QHBoxLayout;
    removeRow->addStretch();
    removeRow->addWidget(f.remove);
    removeRow->addStretch();
    left->addLayout(removeRow, row++, 0, 1, 2);
    left->setRowStretch(row++, 1);
    left->addWidget(f.load, row, 0);
    left->addWidget(f.save, row++, 1);
    auto* autoSaveLabel = new QLabel(WindowFrame::tr("&Automatische"), window);
    autoSaveLabel->setBuddy(f.autoSave);
    auto* labelLines = new QVBoxLayout;
    labelLines->setSpacing(0);
    labelLines->addWidget(autoSaveLabel);
    labelLines->addWidget(new QLabel(WindowFrame::tr("Namen"), window));
    auto* autoSaveRow = new QHBoxLayout;
    autoSaveRow->addStretch();
    autoSaveRow->addWidget(f.autoSave);
    autoSaveRow->addLayout(labelLines);
    left->addLayout(autoSaveRow, row++, 0, 1, 2);
    return left;
}

QLayout* listColumn(WindowFrame& f, StatusLine& status)
{
    auto* bottom = new QHBoxLayout;
    for (QPushButton* b : {f.sendToOrganiser, f.send, f.dummy})
        bottom->addWidget(b);
    bottom->addStretch();
    for (QPushButton* b : {f.help, f.more, f.exit})
        bottom->addWidget(b);
    auto* right = new QVBoxLayout;
    // The list's own name and Alt letter, as every field of the form has one.
    auto* listLabel = new QLabel(WindowFrame::tr("Gemeldete Te&ilnehmer"), f.list->parentWidget());
    listLabel->setObjectName(QStringLiteral("labelEntries"));
    listLabel->setBuddy(f.list);
    right->addWidget(listLabel);
    right->addWidget(f.list, 1);
    right->addLayout(bottom);
    // Under the list: how many participants, as the fees are charged per head, and under that
    // what the last file action did and whether anything is unsaved.
    status.placeIn(right, right->indexOf(f.list) + 1);
    return right;
}

} // namespace

WindowFrame WindowFrame::makeControls(QWidget* window)
{
    WindowFrame f;
    f.add = button(window, tr("Hin&zu"), "buttonAdd");
    f.newEntry = button(window, tr("Ne&u"), "buttonNew");
    f.newEntry->setToolTip(tr("Neuen Teilnehmer beginnen: Auswahl aufheben und Felder leeren"));
    f.remove = button(window, tr("&Entfernen"), "buttonRemove");
    f.load = button(window, tr("&Laden"), "buttonLoad");
    f.save = button(window, tr("&Speichern"), "buttonSave");
    f.save->setEnabled(false);
    f.autoSave = new QCheckBox(window);
    f.autoSave->setObjectName(QStringLiteral("checkAutoSave"));
    f.autoSave->setAccessibleName(tr("Automatische Namen"));
    f.list = new CIconListBox(window);
    f.list->setObjectName(QStringLiteral("listEntries"));
    f.list->setAccessibleName(tr("Meldeliste"));
    f.list->setMinimumWidth(360);
    // The event file's way to the organiser, as a button while one is open.
    f.sendToOrganiser = button(window, tr("An Veranstalter sen&den…"), "buttonSendToOrganiser");
    f.sendToOrganiser->setAccessibleName(tr("An Veranstalter senden"));
    f.sendToOrganiser->setVisible(false);
    f.send = button(window, tr("Senden"), "buttonSend");
    f.send->setEnabled(false);
    f.send->setVisible(false);
    // Enter outside a focused button goes to this hidden default button, which does nothing: so
    // Enter in a field neither adds an entry nor closes the window.
    f.dummy = button(window, QStringLiteral("dummy"), "buttonDummy");
    f.dummy->setDefault(true);
    f.dummy->setVisible(false);
    f.help = button(window, tr("&Hilfe"), "buttonHelp");
    f.more = button(window, tr("Weitere Be&fehle"), "buttonMore");
    f.exit = button(window, tr("&Beenden"), "buttonExit");
    return f;
}

WindowFrame WindowFrame::build(QWidget* window, ClubEventChooser& chooser,
                               ParticipantEditor& editor, StatusLine& status)
{
    WindowFrame f = makeControls(window);
    auto* top = new QHBoxLayout(window);
    top->addLayout(editColumn(window, f, chooser, editor), 0);
    top->addSpacing(12);
    top->addLayout(listColumn(f, status), 1);

    // Tab order: the order of the controls in the window, club and event first. Of the two
    // gender buttons only the checked one takes the Tab.
    QList<QWidget*> order = chooser.tabOrder() + editor.tabOrder();
    order << f.add << f.newEntry << f.remove << f.load << f.save << f.autoSave << f.list
          << f.sendToOrganiser << f.send << f.help << f.more << f.exit << f.dummy;
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
    return f;
}
