#pragma once
// "Ansprechpartner…": the club's contact person, whom the organiser can reach about the
// registration. Name, e-mail and phone, each optional; what is given is checked before it is kept.

#include "app/Settings.h"

#include <QDialog>

class QLineEdit;

class ContactDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ContactDialog(const Contact& contact, QWidget* parent = nullptr);

    /// The fields as they are now, trimmed.
    Contact contact() const;

    /// Refuses the fields with a message, and the caret in the field at fault; otherwise closes.
    void accept() override;

private:
    QLineEdit* m_name;
    QLineEdit* m_email;
    QLineEdit* m_phone;
};
