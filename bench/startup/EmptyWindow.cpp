// The yardstick for start-up cost: a Qt Widgets program that shows one empty window of the
// main window's size and does nothing else. With --label the window holds one line of
// Japanese text, which is the least any window of this program shows: it separates the
// price of the font system from the program's own work.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(375, 222);
    if (argc > 1 && std::strcmp(argv[1], "--label") == 0)
        (new QLabel(QStringLiteral("卒煙から０年１ヶ月"), &window))->move(8, 8);
    window.show();
    return app.exec();
}
