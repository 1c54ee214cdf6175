// The hidden test-mail action: log in to the POP3 server, then hand one fixed message to the
// SMTP server. The button stays hidden and disabled; the handler is connected all the same.

#include "CEntryDlg.h"
#include "Cp1252.h"
#include "MessageBox.h"

#include <QApplication>
#include <QEventLoop>
#include <system_error>
#include <thread>

void CEntryDlg::OnSend()
{
    // The clients block while they wait for a server (each wait has a deadline, and so has the
    // whole action), so they run on a thread of their own. This thread meanwhile repaints the
    // window but takes no input: the window is disabled and user input waits until the end.
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto show = [this](const std::string& error) {
        QApplication::restoreOverrideCursor();
        setEnabled(true);
        msgbox::Show(this, cp1252::Decode(QByteArrayView(error)));
        setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    };
    QEventLoop loop;
    std::thread worker;
    try {
        worker = std::thread([this, &loop, &show, settings = m_testMail] {
            RunTestMail(settings, [this, &show](const std::string& error) {
                // The box belongs to this window's thread. The action waits until it is closed,
                // so both connections stay open meanwhile, as they do without a thread.
                QMetaObject::invokeMethod(
                    this, [&] { show(error); }, Qt::BlockingQueuedConnection);
            });
            QMetaObject::invokeMethod(
                &loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
    }
    if (worker.joinable()) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        worker.join();
    } else {
        RunTestMail(m_testMail, show); // no thread to be had: wait here, without repainting
    }
    QApplication::restoreOverrideCursor();
    setEnabled(true);
}
