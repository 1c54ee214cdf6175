#pragma once
// Waiting until a change is on screen. A view lays itself out and repaints in later turns of the
// event loop, not inside the call that changed it, so a clock stopped when the call returns misses
// most of what the user waits for. The watcher sees the paint events of one widget; wait() runs
// the event loop in whole turns until the widget has been painted, so the rest of that repaint
// (the other dirty widgets, the flush to the window) is done when it returns.

#include "BenchMain.h"

#include <benchmark/benchmark.h>
#include <functional>
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QScrollBar>
#include <QWidget>
#include <utility>

namespace bench {

class PaintWatcher : public QObject
{
public:
    explicit PaintWatcher(QWidget* widget) : m_widget(widget) { widget->installEventFilter(this); }
    ~PaintWatcher() override
    {
        if (m_widget)
            m_widget->removeEventFilter(this);
    }
    PaintWatcher(const PaintWatcher&) = delete;
    PaintWatcher& operator=(const PaintWatcher&) = delete;

    /// Forgets the paints so far; call it before the change.
    void reset() { m_painted = false; }

    /// Runs the event loop until the widget has been painted since reset(). false when nothing was
    /// painted within the time-out.
    bool wait(int timeoutMs = 10000)
    {
        const QDeadlineTimer deadline(timeoutMs);
        while (!m_painted && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        return m_painted;
    }

    /// For code that runs inside someone else's event loop (a modal exec()): calls `then` once,
    /// from that loop, in the turn after the widget's next paint.
    void afterNextPaint(std::function<void()> then)
    {
        reset();
        m_then = std::move(then);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_widget && event->type() == QEvent::Paint) {
            m_painted = true;
            if (m_then)
                QMetaObject::invokeMethod(this, std::exchange(m_then, {}), Qt::QueuedConnection);
        }
        return false;
    }

private:
    QPointer<QWidget> m_widget;
    bool m_painted = false;
    std::function<void()> m_then;
};

/// Runs change() and then the event loop until the list is painted again, watched by `painted`
/// on the list's viewport. The change must alter the number of rows: a paint while the scroll
/// range is still the old one came before the new layout and would stop the clock too early, so
/// it fails the benchmark, as does no paint at all.
template <typename Change>
bool changeListUntilPainted(benchmark::State& state, QAbstractItemView& list, PaintWatcher& painted,
                            Change change)
{
    const int scrollRange = list.verticalScrollBar()->maximum();
    painted.reset();
    change();
    if (!painted.wait()) {
        fail(state, "the list was not painted again");
        return false;
    }
    if (list.verticalScrollBar()->maximum() == scrollRange) {
        fail(state, "the list was painted before its new layout");
        return false;
    }
    return true;
}

} // namespace bench
