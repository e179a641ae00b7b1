#include <QApplication>

#include "app/sessionstate.h"
#include "app/somnelle.h"
#include "ui/tform1.h"

int main(int argc, char *argv[])
{
    SessionState state;
    QApplication app(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Somnelle"));

    Somnelle somnelle(state);
    somnelle.form().show();
    return app.exec();
}
