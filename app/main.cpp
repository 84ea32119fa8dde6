#include "app/Module1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorbix"));
    QApplication::setDesktopFileName(QStringLiteral("quorbix"));
    Module1::Main();
    return QApplication::exec();
}
