// The yardstick for the start-up time: a bare Qt window that quits once it is painted.
#include <QApplication>
#include <QTimer>
#include <QWidget>

class BareWindow : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override { QTimer::singleShot(0, qApp, &QApplication::quit); }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BareWindow window;
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
