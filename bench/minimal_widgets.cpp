// The yardstick for Zandrel's start: the smallest Qt Widgets program with a window of a few
// controls. bench_app starts it with the same first-paint probe preloaded as the program itself.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Vorname"), &window));
    layout->addWidget(new QLineEdit(&window));
    layout->addWidget(new QListView(&window));
    layout->addWidget(new QPushButton(QStringLiteral("Beenden"), &window));
    window.resize(720, 500);
    window.show();
    return app.exec();
}
