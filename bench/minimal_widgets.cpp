// The yardstick for Zandrel's start: the smallest Qt Widgets program with a window of a few
// controls. Started by bench_app like the program's own child, it prints "painted <steady clock
// ns>" after the window's first paint and ends.
#include <chrono>
#include <cstdio>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

class Window : public QDialog
{
public:
    Window()
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral("Vorname"), this));
        layout->addWidget(new QLineEdit(this));
        layout->addWidget(new QListView(this));
        layout->addWidget(new QPushButton(QStringLiteral("Beenden"), this));
        resize(720, 500);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QDialog::paintEvent(event);
        if (m_painted)
            return;
        m_painted = true;
        // After this paint has been flushed, as the program's own child measures it.
        QTimer::singleShot(0, this, [] {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("painted %lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            QApplication::quit();
        });
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Window window;
    window.show();
    return app.exec();
}
