#include "app/fontpreload.h"
#include "app/form.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    FontPreload fonts;
    QApplication app(argc, argv);
    fonts.wait();
    Форма1 form;
    form.Load();
    form.show();
    return app.exec();
}
