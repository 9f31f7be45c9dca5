#pragma once

class QWidget;

// Keeps a top-level dialog above the main window (without making it a child,
// which would tie its enabled state to the main window's) and centres it there.
void PlaceOver(QWidget* dialog, QWidget* mainWindow);

// Shows a window and brings it in front of the others.
void BringToFront(QWidget* window);
