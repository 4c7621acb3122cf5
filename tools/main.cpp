#include "Commands.h"

#include <QGuiApplication>

int main(int argc, char *argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The companion draws report pages but shows no window: on a machine without a
    // display it still has to start.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("kensa"));
    return runCommand(QGuiApplication::arguments().mid(1));
}
