// A process that uses the single-instance component as the program does,
// for tests only: the first one prints "first" and then every command line
// it is handed, one line each, until it is handed "quit"; a later one hands
// over its arguments, prints "handed" and ends with 0.
#include "VURAppInstances.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    TVURAppInstances instances;
    QTextStream out(stdout);
    if (instances.HandOverToRunningInstance(app.arguments().mid(1))) {
        out << "handed\n";
        return 0;
    }
    out << (instances.IsListening() ? "first\n" : "not listening\n");
    out.flush();
    instances.SetOnCmdLineReceived([&out](const QStringList &arguments) {
        out << arguments.join(QLatin1Char('|')) << '\n';
        out.flush();
        if (arguments == QStringList{QStringLiteral("-quit")})
            QCoreApplication::quit();
    });
    return app.exec();
}
