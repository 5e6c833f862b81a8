// The reference of the start-up measurement: a bare Qt window of the game's size that paints
// itself in one colour (the felt's, so that the same probe pixel sees it) and does nothing else.
// usage: bare_window [WIDTH HEIGHT]
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class Bare : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x18, 0x83, 0x38));
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int width = argc > 2 ? QString::fromLocal8Bit(argv[1]).toInt() : 1600;
    const int height = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 1200;
    Bare window;
    window.resize(width, height);
    window.show();
    return app.exec();
}
