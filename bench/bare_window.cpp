// The baselines the program's CPU figures are quoted against: a bare Qt main
// window of the program's size that does nothing; with `--timer` a 20 ms
// precise timer whose handler does nothing either; with `--repaint MS` that
// timer also repaints a small part of a picture every MS milliseconds, as
// the program repaints its display for each message (Qt's own cost of
// showing a change).
#include <QApplication>
#include <QMainWindow>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <chrono>
#include <cstring>
#include <string>

namespace {

// A picture of the panel's size; each change flips one pixel.
class Picture : public QWidget {
public:
    explicit Picture(QWidget* parent) : QWidget(parent) {
        setFixedSize(image_.size());
        setAttribute(Qt::WA_OpaquePaintEvent);
        image_.fill(Qt::darkGreen);
    }
    void Change() {
        on_ = !on_;
        image_.setPixel(100, 100, on_ ? 0xFF000000u : 0xFFFFFFFFu);
        repaint(QRect(90, 96, 80, 16));
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.drawImage(event->rect(), image_, event->rect());
    }

private:
    QImage image_{388, 390, QImage::Format_RGB32};
    bool on_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setFixedSize(811, 452);
    const bool timed = argc > 1 && (std::strcmp(argv[1], "--timer") == 0 || std::strcmp(argv[1], "--repaint") == 0);
    const int repaintMs = argc > 2 && std::strcmp(argv[1], "--repaint") == 0 ? std::stoi(argv[2]) : 0;
    Picture* picture = repaintMs > 0 ? new Picture(&window) : nullptr;
    window.show();
    QTimer timer;
    using Clock = std::chrono::steady_clock;
    Clock::time_point nextChange = Clock::now();
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (repaintMs <= 0 || Clock::now() < nextChange) return;
        nextChange += std::chrono::milliseconds(repaintMs);
        picture->Change();
    });
    if (timed) {
        timer.setTimerType(Qt::PreciseTimer);
        timer.start(20);
    }
    return QApplication::exec();
}
