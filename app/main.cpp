#include "app/form.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Форма1 form;
    form.Load();
    form.show();
    return app.exec();
}
