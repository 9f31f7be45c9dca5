#pragma once

#include <QPointer>
#include <QWidget>

// The about window: product, version and the authors' addresses. While it is
// open the main window is disabled; however it closes, the main window is
// enabled again. Destroyed when closed.
class frmInfo : public QWidget {
    Q_OBJECT
public:
    explicit frmInfo(QWidget* mainWindow);
    ~frmInfo() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void releaseMainWindow();

    QPointer<QWidget> main_;
};
