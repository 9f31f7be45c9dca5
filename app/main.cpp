#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::puts("Tervano1: the main window is not built yet.");
    return 0;
}
