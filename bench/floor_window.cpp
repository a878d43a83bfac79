// The floors of the start-up benchmark. Plain: the least a Qt Widgets program must do to show a
// frameless 197 x 111 window; TINTOR's start-up is measured against this. With --text the
// window also holds one label and one text box in the Japanese font, which shows what drawing
// any text costs on its own (font configuration and font loading).
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool withText = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setWindowTitle(withText ? QStringLiteral("floortext") : QStringLiteral("floor"));
    window.resize(197, 111);
    if (withText) {
        QFont font(QStringLiteral("IPAPGothic"));
        font.setPixelSize(12);
        window.setFont(font);
        auto* label = new QLabel(QStringLiteral("TINTOR 色"), &window);
        label->move(52, 5);
        auto* edit = new QLineEdit(&window);
        edit->setGeometry(40, 50, 73, 17);
    }
    window.show();
    return app.exec();
}
