// The hidden test-mail action: log in to the POP3 server, then hand one fixed message to the
// SMTP server. The button stays hidden and disabled; the handler is connected all the same.

#include "app/Commands.h"
#include "app/MessageBox.h"
#include "textfile/Cp1252.h"

#include <QApplication>
#include <QEventLoop>
#include <QWidget>
#include <system_error>
#include <thread>

namespace commands {

void sendTestMail(QWidget* window, const TestMailSettings& settings)
{
    // The clients block while they wait for a server (each wait has a deadline, and so has the
    // whole action), so they run on a thread of their own. This thread meanwhile repaints the
    // window but takes no input: the window is disabled and user input waits until the end.
    window->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto show = [window](const std::string& error) {
        QApplication::restoreOverrideCursor();
        window->setEnabled(true);
        msgbox::show(window, cp1252::decode(QByteArrayView(error)));
        window->setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    };
    QEventLoop loop;
    std::thread worker;
    try {
        worker = std::thread([window, &loop, &show, settings] {
            runTestMail(settings, [window, &show](const std::string& error) {
                // The box belongs to this window's thread. The action waits until it is closed,
                // so both connections stay open meanwhile, as they do without a thread.
                QMetaObject::invokeMethod(
                    window, [&] { show(error); }, Qt::BlockingQueuedConnection);
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
        runTestMail(settings, show); // no thread to be had: wait here, without repainting
    }
    QApplication::restoreOverrideCursor();
    window->setEnabled(true);
}

} // namespace commands
