// The reference of the start-up measurement: a bare Qt window of the game's size that paints
// itself in one colour (the felt's, so that the same probe pixel sees it) and does nothing else.
// With QUINTRICK_STARTUP_TRACE set it prints the timestamps of its steps as the game does.
// usage: bare_window [WIDTH HEIGHT]
#include <QApplication>
#include <QPainter>
#include <QWidget>

#include "shell/startup_trace.h"

namespace {

class Bare : public QWidget {
    bool m_painted = false;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x18, 0x83, 0x38));
        if (!m_painted) quintrick::StartupMark("first paint");
        m_painted = true;
    }
};

}  // namespace

int main(int argc, char** argv) {
    quintrick::StartupMark("main");
    QApplication app(argc, argv);
    quintrick::StartupMark("application");
    const int width = argc > 2 ? QString::fromLocal8Bit(argv[1]).toInt() : 1600;
    const int height = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 1200;
    Bare window;
    window.resize(width, height);
    window.show();
    quintrick::StartupMark("shown");
    return app.exec();
}
