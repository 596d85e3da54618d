#include "MainWindow.h"
#include "MyWindowMenus.h"
#include "Startup.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    // Answered before the application object, which would need a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s\n", qPrintable(MyWindowMenus::versionLine()));
        return 0;
    }
    QApplication app(argc, argv);
    SetUpApplication(app);
    MainWindow window;
    window.show();
    return app.exec();
}
