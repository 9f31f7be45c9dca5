#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

void PlaceOver(QWidget* dialog, QWidget* mainWindow) {
    if (!mainWindow)
        return;
    dialog->adjustSize();
    dialog->winId(); // creates the native window so that it can get a transient parent
    if (QWindow* own = dialog->windowHandle()) {
        if (QWindow* main = mainWindow->window()->windowHandle())
            own->setTransientParent(main);
    }
    const QRect area = mainWindow->window()->frameGeometry();
    dialog->move(area.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
}

void BringToFront(QWidget* window) {
    window->show();
    // The headless platform used by the tests cannot stack windows.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window->raise();
    window->activateWindow();
}
