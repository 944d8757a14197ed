#include <QApplication>
#include <QWidget>

// The floor of the start-up benchmark: the toolkit alone showing an empty window of the
// options window's size.
int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(537, 285);
    window.show();
    return QApplication::exec();
}
