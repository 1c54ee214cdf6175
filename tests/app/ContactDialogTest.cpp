// The contact person's dialog on its own: what it keeps, and what it refuses with the dialog open.
#include "app/ContactDialog.h"

#include "app/MessageBox.h"
#include "messages/Messages.h"

#include <gtest/gtest.h>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace {

TEST(ContactDialog, KeepsTheTrimmedFieldsAndRefusesAControlOrAnUnusableAddress)
{
    QStringList said;
    msgbox::setPresenter([&said](QWidget*, const msgbox::Request& request) {
        said << request.text;
        return msgbox::Answer::Ok;
    });
    const auto realBoxes = qScopeGuard([] { msgbox::setPresenter({}); });
    const auto fields = [](const Contact& c) { return QStringList{c.name, c.email, c.phone}; };
    const struct
    {
        const char* why;
        Contact typed;
        QStringList kept; ///< name, e-mail, phone; nothing when refused
        QString refusal;
    } cases[] = {
        {"blanks around every field",
         {u" Eva "_s, u" eva@tv.de "_s, u" 0711 1 "_s},
         {u"Eva"_s, u"eva@tv.de"_s, u"0711 1"_s},
         {}},
        {"nothing but a name", {u"Eva"_s, {}, {}}, {u"Eva"_s, {}, {}}, {}},
        {"a control in the name",
         {u"Eva\x1B[2J"_s, {}, {}},
         {},
         messages::contactHasControl(u"Name"_s)},
        {"a control in the phone",
         {u"Eva"_s, {}, u"0711\a12"_s},
         {},
         messages::contactHasControl(u"Telefon"_s)},
        {"a blank in the address",
         {{}, u"eva m@tv.de"_s, {}},
         {},
         messages::contactEmailInvalid(u"eva m@tv.de"_s)},
    };
    for (const auto& c : cases) {
        said.clear();
        ContactDialog dialog(c.typed);
        dialog.accept();
        EXPECT_EQ(said, c.refusal.isEmpty() ? QStringList() : QStringList{c.refusal}) << c.why;
        EXPECT_EQ(dialog.result(), c.refusal.isEmpty() ? QDialog::Accepted : QDialog::Rejected)
            << c.why;
        if (c.refusal.isEmpty()) {
            EXPECT_EQ(fields(dialog.contact()), c.kept) << c.why;
        }
    }
}

} // namespace
