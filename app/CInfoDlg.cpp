#include "app/CInfoDlg.h"

#include "app/DataPath.h"
#include "app/HelpViewer.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CInfoDlg::CInfoDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CInfoDlg"));
    setWindowTitle(tr("Info über Zandrel"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // Modal to the main window only, so the help window stays usable while the box is open.
    setWindowModality(Qt::WindowModal);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    icon->setPixmap(applicationIcon().pixmap(32, 32));
    icon->setAccessibleName(tr("Programmsymbol"));
    auto* text = new QLabel(tr("Zandrel Version 1.0"), this);
    text->setObjectName(QStringLiteral("aboutText"));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ctl1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addSpacing(8);
    layout->addWidget(text, 1, Qt::AlignTop);
    layout->addWidget(ok, 0, Qt::AlignTop);
    setFixedSize(sizeHint().expandedTo(QSize(350, 80)));
}

void CInfoDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        if (!(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
            help::show();
        return;
    }
    QDialog::keyPressEvent(event);
}
