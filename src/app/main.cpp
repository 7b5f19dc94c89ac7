#include "app/gui/main_window.h"
#include "app/gui/message_interaction.h"
#include "session/session.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Remitor"));
    QApplication::setApplicationVersion(QStringLiteral("4.16"));
    // The program quits through its exit question, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    remitor::MessageInteraction ui;
    remitor::Session session(QDir::currentPath(), ui);
    remitor::MainWindow window(session);
    session.startUp();
    window.refreshCaption();
    window.show();
    return app.exec();
}
