// Lirandel: the window for finding rhyming characters.

#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);

    MainWindow window;
    window.setWindowTitle(QObject::tr("Lirandel V1.0"));
    window.show();

    return application.exec();
}
