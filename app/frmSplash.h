#pragma once

#include <QWidget>
#include <memory>

class Modulo1;
class QTimer;
class frmTervano;

// The first window of every run: product and version for a few seconds, then
// the main window. A click, a key press or the timer's first tick hands over,
// once; the main window is created then, which runs the start-up.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(Modulo1& m, QWidget* parent = nullptr);
    ~frmSplash() override;

    frmTervano* mainWindow() const { return main_.get(); }

public slots:
    void onTimerTick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void handOver();

    Modulo1& m_;
    QTimer* timer_ = nullptr;
    bool handedOver_ = false;
    std::unique_ptr<frmTervano> main_;
};
