// The floor of the start-up benchmark: the least a Qt Widgets program must do to show a
// frameless 197 x 111 window. TINTOR's start-up is measured against this.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("floor"));
    window.resize(197, 111);
    window.show();
    return app.exec();
}
