#include "app/UserGrid.h"

#include "app/Modulo1.h"
#include "datum/GridChange.h"
#include "datum/Ntv2Grid.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>
#include <string>

using tervano::System;

QString GridSourceName(System s) {
    return s == System::ED50 ? QStringLiteral("ED50") : QStringLiteral("ROMA40");
}

QString GridMemoryPath(const QString& settingsFilePath) {
    if (settingsFilePath.isEmpty())
        return {};
    return QFileInfo(settingsFilePath).dir().filePath(QStringLiteral("Tervano1-grigliato.ini"));
}

std::optional<RememberedGrid> GridMemoryFromBytes(const QByteArray& content) {
    // Two lines ended by CR LF (a bare LF is taken too), nothing after them.
    QByteArray text = content;
    text.replace("\r\n", "\n");
    QList<QByteArray> lines = text.split('\n');
    if (lines.size() != 3 || !lines[2].isEmpty())
        return std::nullopt;
    RememberedGrid g;
    g.path = QString::fromUtf8(lines[0]);
    if (g.path.isEmpty() || g.path.contains(QLatin1Char('\r')) || g.path.contains(QChar(0)))
        return std::nullopt;
    const QByteArray system = lines[1].trimmed();
    if (system == "ROMA40")
        g.source = System::ROMA40;
    else if (system == "ED50")
        g.source = System::ED50;
    else
        return std::nullopt;
    return g;
}

QByteArray GridMemoryBytes(const RememberedGrid& g) {
    return g.path.toUtf8() + "\r\n" + GridSourceName(g.source).toLatin1() + "\r\n";
}

std::optional<RememberedGrid> ReadGridMemory(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // A path and a system name: anything far longer is not such a file.
    const QByteArray content = file.read(65536);
    if (!file.atEnd())
        return std::nullopt;
    return GridMemoryFromBytes(content);
}

bool WriteGridMemory(const QString& path, const RememberedGrid& g) {
    // A path with a line end could not be read back as the first line.
    if (path.isEmpty() || g.path.isEmpty() || g.path.contains(QLatin1Char('\n')) ||
        g.path.contains(QLatin1Char('\r')))
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    // Unbuffered, so that a short write shows in write() rather than being
    // lost in the flush of commit().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray content = GridMemoryBytes(g);
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool LoadUserGrid(Modulo1& m, const QString& path, System fallback, QString& error) {
    std::string message;
    std::optional<tervano::Ntv2Grid> grid = tervano::LoadNtv2(QFile::encodeName(path).toStdString(), message);
    if (!grid) {
        error = QString::fromStdString(message);
        return false;
    }
    auto shared = std::make_shared<const tervano::Ntv2Grid>(std::move(*grid));
    m.gridSource = tervano::GridSourceFromHeader(*shared).value_or(fallback);
    m.grid = std::move(shared);
    m.gridPath = path;
    m.gridError.clear();
    error.clear();
    return true;
}

void RestoreUserGrid(Modulo1& m) {
    m.changeMethod = tervano::ChangeMethod::Table;
    const QString memory = GridMemoryPath(m.platform.settings.settingsFilePath());
    if (!QFileInfo::exists(memory))
        return;
    const std::optional<RememberedGrid> remembered = ReadGridMemory(memory);
    if (!remembered) {
        m.gridError = QStringLiteral("IL FILE Tervano1-grigliato.ini NON INDICA\rUN GRIGLIATO LEGGIBILE");
        return;
    }
    m.gridPath = remembered->path;
    QString error;
    if (LoadUserGrid(m, remembered->path, remembered->source, error))
        m.gridSource = remembered->source; // the user's own choice, as last made
    else
        m.gridError = error;
}

bool RememberUserGrid(const Modulo1& m) {
    if (!m.grid || m.gridPath.isEmpty())
        return false;
    return WriteGridMemory(GridMemoryPath(m.platform.settings.settingsFilePath()),
                           {m.gridPath, m.gridSource});
}
