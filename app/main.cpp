#include <QApplication>

#include "windows/app.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    pelloric::win::StartUp();
    const int status = QApplication::exec();
    pelloric::win::ShutDown();
    return status;
}
