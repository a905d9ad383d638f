// A plain window, shown at once: what starting Qt Widgets costs, with no widgets
// or with the number of labelled boxes the first argument names.

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int widgets = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;
    QWidget window;
    window.setWindowTitle(QStringLiteral("KELVRA START REFERENCE"));
    auto* grid = new QGridLayout(&window);
    constexpr int kColumns = 8; // label and box pairs, four to a row
    for (int i = 0; i < widgets; ++i) {
        const int row = i / kColumns;
        const int column = i % kColumns;
        if (column % 2 == 0) {
            grid->addWidget(new QLabel(QStringLiteral("Alan %1").arg(i), &window), row, column);
        } else {
            grid->addWidget(new QLineEdit(QStringLiteral("192.168.1.%1").arg(i), &window), row,
                            column);
        }
    }
    window.resize(1070, 600);
    window.show();
    return QApplication::exec();
}
