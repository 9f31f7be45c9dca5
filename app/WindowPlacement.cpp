#include "app/WindowPlacement.h"

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
