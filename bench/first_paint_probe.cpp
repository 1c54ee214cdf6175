// Preloaded (LD_PRELOAD) into the installed program and into the minimal Qt Widgets program alike,
// so that both starts are timed by the same code and neither carries benchmark or test libraries:
// when the application object is made, it watches for the first paint of a window; in the turn
// of the event loop after that paint (the paint has been flushed by then) it prints
// "painted <steady clock ns>" and ends the process at once, before any settings are written.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintProbe : public QObject
{
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("painted %lld\n",
                            static_cast<long long>(
                                std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

void installProbe()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaintProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
