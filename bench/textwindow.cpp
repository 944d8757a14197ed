#include <QApplication>
#include <QLabel>

// The start-up benchmark's second floor: the empty window with one line of text, for which
// the toolkit must read the font configuration and load a font before the first paint.
int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Ionarch"));
    window.setFixedSize(537, 285);
    window.show();
    return QApplication::exec();
}
