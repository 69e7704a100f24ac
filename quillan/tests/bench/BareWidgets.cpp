// The floor of a Qt Widgets program's start-up: one window with a label, reporting its first
// paint like `quillan --quit-after-first-paint` (scripts/startup-benchmark compares the two).
#include "FirstPaintProbe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quillan::FirstPaintProbe probe;
    QLabel window("Quillan");
    window.show();
    return QApplication::exec();
}
