#include "platform/app.h"
#include "shell/frmMain.h"
#include "shell/startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    const auto app = platform::OpenApplication(argc, argv);
    const auto mainWindow = shell::StartUp();
    return app->exec();
}
