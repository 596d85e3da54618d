#include "MainWindow.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SetUpApplication(app);
    MainWindow window;
    window.show();
    return app.exec();
}
