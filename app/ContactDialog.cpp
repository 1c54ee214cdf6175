#include "app/ContactDialog.h"

#include "app/MessageBox.h"
#include "entries/Entry.h"
#include "messages/Messages.h"
#include "textfile/EmailAddress.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLineEdit* field(QWidget* parent, const QString& text, const QString& accessibleName)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setAccessibleName(accessibleName);
    edit->setMaxLength(200);
    return edit;
}

} // namespace

ContactDialog::ContactDialog(const Contact& contact, QWidget* parent)
    : QDialog(parent), m_name(field(this, contact.name, tr("Name"))),
      m_email(field(this, contact.email, tr("E-Mail"))),
      m_phone(field(this, contact.phone, tr("Telefon")))
{
    setObjectName(QStringLiteral("contactDialog"));
    setWindowTitle(tr("Ansprechpartner des Vereins"));
    setAccessibleName(windowTitle());
    m_name->setObjectName(QStringLiteral("contactName"));
    m_email->setObjectName(QStringLiteral("contactEmail"));
    m_phone->setObjectName(QStringLiteral("contactPhone"));
    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), m_name);
    form->addRow(tr("&E-Mail:"), m_email);
    form->addRow(tr("&Telefon:"), m_phone);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

Contact ContactDialog::contact() const
{
    return {m_name->text().trimmed(), m_email->text().trimmed(), m_phone->text().trimmed()};
}

void ContactDialog::accept()
{
    const Contact given = contact();
    // The contact goes onto paper and into a mail's text: a control character would garble both,
    // and an address a mail program cannot take would only fail later, far from here.
    for (QLineEdit* edit : {m_name, m_email, m_phone}) {
        if (entry::firstControl(edit->text()) != 0) {
            msgbox::show(this, messages::contactHasControl(edit->accessibleName()));
            edit->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (!given.email.isEmpty() && !textfile::validEmail(given.email)) {
        msgbox::show(this, messages::contactEmailInvalid(given.email));
        m_email->setFocus(Qt::OtherFocusReason);
        return;
    }
    QDialog::accept();
}
