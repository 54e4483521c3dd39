#include "shell/frmMain.h"
#include "shell/startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const auto mainWindow = shell::StartUp();
    return app.exec();
}
