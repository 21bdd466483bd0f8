#include "app/vorn_app.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    vorn::CVornApp app;
    if (!app.InitInstance(QApplication::arguments()))
        return 1;
    return QApplication::exec();
}
