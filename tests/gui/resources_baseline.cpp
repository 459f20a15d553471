// Prints every resource path of a program like resources_test but without the pictures:
// what Qt registers on its own, for resources_test to compare against.

#include "resourcepaths.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    for (const QString &path : AllResourcePaths())
        std::printf("%s\n", path.toUtf8().constData());
    return 0;
}
