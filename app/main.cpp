#include "app/vorn_app.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<int> status = vorn::CVornApp::AnswerVersion(arguments))
        return *status;

    QApplication application(argc, argv);
    vorn::CVornApp app;
    if (!app.InitInstance(QApplication::arguments()))
        return 1;
    return QApplication::exec();
}
