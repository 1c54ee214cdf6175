#pragma once
// A file dropped on the window: one entry file (.mdg) to load or one event file (.aus) to open.
// Anything else is not taken, so the file manager shows at once that the drop would do nothing.

#include <functional>
#include <QObject>
#include <QString>

class QWidget;

class FileDrop : public QObject
{
    Q_OBJECT

public:
    /// Watches `window`; `dropped` runs after the drop has finished, so that the file manager is
    /// not kept waiting while the window asks its questions.
    FileDrop(QWidget* window, std::function<void(const QString& path)> dropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> m_dropped;
};
