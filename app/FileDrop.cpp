#include "app/FileDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

namespace {

QString droppedFile(const QMimeData* data)
{
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    const bool known = path.endsWith(QStringLiteral(".mdg"), Qt::CaseInsensitive) ||
                       path.endsWith(QStringLiteral(".aus"), Qt::CaseInsensitive);
    return known ? path : QString();
}

} // namespace

FileDrop::FileDrop(QWidget* window, std::function<void(const QString&)> dropped)
    : QObject(window), m_dropped(std::move(dropped))
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = droppedFile(drop->mimeData());
    if (path.isEmpty())
        return true;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        QTimer::singleShot(0, this, [this, path] { m_dropped(path); });
    return true;
}
