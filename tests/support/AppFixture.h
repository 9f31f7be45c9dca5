#pragma once

#include "support/FakePlatform.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <memory>

// A Modulo1 wired to the fakes, with its settings file in a fresh folder.
struct AppFixture {
    QTemporaryDir dir;
    FakePlatform fakes;
    std::unique_ptr<Modulo1> m;

    AppFixture() {
        fakes.settings.path = dir.filePath(QStringLiteral("Tervano1.ini"));
        m = std::make_unique<Modulo1>(fakes.platform());
    }
    QString iniPath() const { return fakes.settings.path; }
    void writeIni(const QByteArray& content) const {
        QFile f(iniPath());
        f.open(QIODevice::WriteOnly);
        f.write(content);
    }
    QByteArray readIni() const {
        QFile f(iniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

// Runs the deletions queued by windows that delete themselves when closed.
inline void FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Makes a folder refuse new files for as long as it lives: the immutable flag
// when the file system allows it (this works even for root), else read-only
// permissions. locked() says whether creating a file there really fails.
class LockedDirectory {
public:
    explicit LockedDirectory(const QString& path);
    ~LockedDirectory();
    bool locked() const { return locked_; }

private:
    QString path_;
    bool immutable_ = false;
    bool chmodded_ = false;
    bool locked_ = false;
};
