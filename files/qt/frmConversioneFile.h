#pragma once

#include "files/CommandLine.h"
#include "files/FileRun.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <thread>
#include <vector>

class Modulo1;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

// "Conversione di file": a point file converted row by row with the same
// pages as the conversion windows. The user picks the input file and sees its
// first rows split as the run will read them, picks the conversion and its
// choices, the output file, and runs it. The run goes on a worker thread with
// a progress bar and "ANNULLA"; the output is written through a temporary
// file, so a cancelled or failed run leaves no output file. At the end the
// window shows the rows read, converted and refused, and every refused row
// with its line and message.
//
// The conversions offered are those the file converter names; each one shows
// the option frames it takes. Like the conversion windows it is a top-level
// window that disables the main window while open and is deleted when closed.
class frmConversioneFile : public QWidget {
    Q_OBJECT
public:
    frmConversioneFile(Modulo1& m, QWidget* mainWindow);
    ~frmConversioneFile() override;

    // The choices as the window shows them.
    tervano::files::ConversionOptions options() const;
    tervano::files::FileLayout layout() const;

    // Reads the first lines of the input file again into the preview table.
    void refreshPreview();
    // "ESEGUI": checks the files and the choices, then starts the run.
    void startRun();
    // "ANNULLA": the run stops after the block being converted.
    void cancelRun();
    bool running() const { return running_; }
    // Handles the window's events until the run has ended and its outcome is
    // shown; returns at once when no run is going.
    void waitForRun();
    // Called on the worker thread after each block written, with the bytes read so far.
    void setProgressHook(std::function<void(std::uint64_t)> hook) { progressHook_ = std::move(hook); }

    // How many refused rows the list shows at most; the summary counts them all.
    static constexpr int RefusedListed = 10000;

signals:
    void runFinished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Outcome;
    class Observer;

    QGroupBox* makeOptionFrame(const QString& name, const QString& title, const QString& group,
                               const QStringList& captions, QButtonGroup** buttons, bool vertical = true);
    void conversionChanged();
    // The converter of the choices shown; nothing, and why, when they do not
    // make one (the grid method without a grid among them).
    std::unique_ptr<tervano::files::RowConverter> makeConverter(std::string& error) const;
    void systemChanged();
    void optionsChanged();
    void browseInput();
    void browseOutput();
    void showProgress(int percent);
    void finishRun(const std::shared_ptr<Outcome>& outcome);
    void setRunning(bool running);
    void stopWorker();
    void message(const QStringList& lines);
    tervano::files::Conversion conversion() const;

    Modulo1& m;
    QPointer<QWidget> mainWindow_;
    std::vector<tervano::files::Conversion> conversions_;

    QLineEdit* input_ = nullptr;
    QLineEdit* output_ = nullptr;
    QPushButton* browseInput_ = nullptr;
    QPushButton* browseOutput_ = nullptr;
    QComboBox* delimiter_ = nullptr;
    QLabel* format_ = nullptr;
    QTableWidget* preview_ = nullptr;

    QComboBox* conversionBox_ = nullptr;
    QLabel* conversionState_ = nullptr;
    QWidget* options_ = nullptr;
    QGroupBox* systemFrame_ = nullptr;
    QButtonGroup* system_ = nullptr;
    QGroupBox* zoneFrame_ = nullptr;
    QButtonGroup* zoneChoice_ = nullptr;
    QButtonGroup* zone_ = nullptr;
    QGroupBox* unitFrame_ = nullptr;
    QButtonGroup* unit_ = nullptr;
    QGroupBox* originFrame_ = nullptr;
    QButtonGroup* origin_ = nullptr;
    QGroupBox* axisFrame_ = nullptr;
    QButtonGroup* axis_ = nullptr;
    QGroupBox* singleZoneFrame_ = nullptr;
    QLineEdit* meridian_ = nullptr;
    QLineEdit* falseEast_ = nullptr;
    QLineEdit* scale_ = nullptr;
    QGroupBox* targetFrame_ = nullptr;
    QButtonGroup* target_ = nullptr;
    // The common-point table read at start-up, shared with the worker's rows.
    std::shared_ptr<const tervano::CommonPointTable> commonPoints_;
    QGroupBox* methodFrame_ = nullptr; // change of system: the table or the grid of Modulo1
    QButtonGroup* method_ = nullptr;
    QLabel* gridName_ = nullptr;
    QGroupBox* centreFrame_ = nullptr;
    QLineEdit* centre_ = nullptr;

    QProgressBar* progress_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* refused_ = nullptr;
    QPushButton* execute_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* exit_ = nullptr;

    std::thread worker_;
    std::atomic<bool> cancelRequested_{false};
    bool running_ = false;
    bool unloaded_ = false;
    std::function<void(std::uint64_t)> progressHook_;
};
