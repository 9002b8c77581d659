// The baseline the program's CPU figures are quoted against: a bare Qt main
// window of the program's size that does nothing, with `--timer` a 20 ms
// precise timer whose handler does nothing either.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setFixedSize(811, 452);
    window.show();
    QTimer timer;
    if (argc > 1 && std::strcmp(argv[1], "--timer") == 0) {
        timer.setTimerType(Qt::PreciseTimer);
        timer.start(20);
    }
    return QApplication::exec();
}
