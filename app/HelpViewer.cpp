#include "HelpViewer.h"

#include "DataPath.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>

namespace help {
namespace {

QPointer<QTextBrowser>& Instance()
{
    static QPointer<QTextBrowser> window;
    return window;
}

} // namespace

QString ManualPath()
{
    return DataPath(QStringLiteral("help/zandrelhelp.html"));
}

void Show()
{
    Show(ManualPath());
}

QTextBrowser* Show(const QString& path)
{
    QPointer<QTextBrowser>& window = Instance();
    if (!window) {
        window = new QTextBrowser; // no parent: the help must not close or block with any dialog
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->setWindowTitle(QStringLiteral("Zandrel – Hilfe"));
        window->setObjectName(QStringLiteral("helpWindow"));
        window->setOpenExternalLinks(true);
        // Sized for the screen it opens on, at any scale.
        const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        window->resize(WindowSize(screen ? screen->availableGeometry().size() : QSize(800, 800)));
    }
    // Always the first topic, also when the reader had scrolled away the last time. No home()
    // after this: once the fallback text below has changed the document, home() would load the
    // missing page again and leave the window blank.
    window->setSource(QUrl::fromLocalFile(path));
    if (window->document()->isEmpty()) {
        window->setHtml(QStringLiteral("<h1>Hilfe nicht gefunden</h1><p>Die Hilfedatei <tt>%1</tt> "
                                       "fehlt. Bitte installieren Sie Zandrel neu.</p>")
                            .arg(path.toHtmlEscaped()));
    }
    window->moveCursor(QTextCursor::Start);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QSize WindowSize(QSize available)
{
    return QSize(640, 720).boundedTo(available * 9 / 10);
}

void Destroy()
{
    delete Instance();
}

} // namespace help
