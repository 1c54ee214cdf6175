// The hidden test-mail action: log in to the POP3 server, then hand one fixed message to the
// SMTP server. The button stays hidden and disabled; the handler is connected all the same.

#include "CEntryDlg.h"
#include "Cp1252.h"
#include "MessageBox.h"

#include <QApplication>

void CEntryDlg::OnSend()
{
    // The clients block while they wait for a server (each wait has a deadline); meanwhile the
    // window repaints but must take no input.
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    RunTestMail(m_testMail, [this](const std::string& error) {
        QApplication::restoreOverrideCursor();
        setEnabled(true);
        msgbox::Show(this, cp1252::Decode(QByteArrayView(error)));
        setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    });
    QApplication::restoreOverrideCursor();
    setEnabled(true);
}
