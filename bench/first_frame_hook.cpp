#include <unistd.h>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <string>

// Preloaded (LD_PRELOAD) into a Qt Widgets program by startup_bench, so that
// the program measured is the one shipped, unchanged. When the program's
// first window has been painted and handed to the display, it writes
//   first-frame-ns <CLOCK_MONOTONIC nanoseconds>
// on standard output. It ends the program the ordinary way a while later, so
// that whatever the program does right after its first frame counts in its
// peak memory too.
namespace {

constexpr int kAfterFirstFrameMs = 250;

long long monotonic_ns() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

void report_first_frame() {
    const std::string line = "first-frame-ns " + std::to_string(monotonic_ns()) + "\n";
    if (write(STDOUT_FILENO, line.data(), line.size()) < 0) {
        std::perror("first_frame_hook");
    }
    QTimer::singleShot(kAfterFirstFrameMs, qApp, &QCoreApplication::quit);
}

// The first paint event of a widget starts the first frame; painting and
// handing the frame to the display finish before the event loop runs the
// timer queued here.
class FirstFrame final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            seen_ = true;
            QTimer::singleShot(0, qApp, report_first_frame);
        }
        return false;
    }

private:
    bool seen_ = false;
};

void watch_for_first_frame() {
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new FirstFrame(application));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watch_for_first_frame)
