#include "app/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <optional>

namespace {

// The two numbers are separated by line ends or commas; blanks around them
// are allowed. Each must be a decimal integer within the 16-bit range.
std::optional<SettingsValues> ParseSettings(const QByteArray& content) {
    static const QRegularExpression separators(QStringLiteral("[\\r\\n,]+"));
    const QStringList fields = QString::fromLatin1(content).split(separators, Qt::SkipEmptyParts);
    if (fields.size() < 2)
        return std::nullopt;
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]{1,6}$"));
    int values[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        const QString field = fields[i].trimmed();
        if (!integer.match(field).hasMatch())
            return std::nullopt;
        const int v = field.toInt();
        if (v < -32768 || v > 32767)
            return std::nullopt;
        values[i] = v;
    }
    // Anything after the two numbers must be blank.
    for (qsizetype i = 2; i < fields.size(); ++i)
        if (!fields[i].trimmed().isEmpty())
            return std::nullopt;
    return SettingsValues{values[0], values[1]};
}

} // namespace

SettingsValues ReadSettingsFile(const QString& path) {
    SettingsValues result;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || !info.isFile())
        return result;
    if (info.size() == 0) // not ours to remove: the program never leaves an empty file
        return result;
    if (info.size() < 3) {
        // One or two bytes cannot hold two numbers: such a file is removed.
        QFile::remove(path);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    // Six bytes are enough for a valid file; anything far longer is not one.
    const QByteArray content = file.read(4096);
    if (!file.atEnd())
        return result;
    return SettingsFromBytes(content);
}

SettingsValues SettingsFromBytes(const QByteArray& content) {
    SettingsValues result;
    const std::optional<SettingsValues> parsed = ParseSettings(content);
    if (!parsed)
        return result;
    if (parsed->AngleUnit >= 1 && parsed->AngleUnit <= 4)
        result.AngleUnit = parsed->AngleUnit;
    if (parsed->LongitudeOrigin >= 1 && parsed->LongitudeOrigin <= 2)
        result.LongitudeOrigin = parsed->LongitudeOrigin;
    return result;
}

bool WriteSettingsFile(const QString& path, const SettingsValues& values) {
    if (path.isEmpty())
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    // Unbuffered, so that a short write (disk full, file size limit) shows in
    // write() below; a buffered one would only be flushed by commit(), which
    // does not notice that the flush fell short.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray content =
        QByteArray::number(values.AngleUnit) + "\r\n" + QByteArray::number(values.LongitudeOrigin) + "\r\n";
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString AngleUnitName(int angleUnit) {
    switch (angleUnit) {
    case 2:
        return QStringLiteral("Sessadecimali");
    case 3:
        return QStringLiteral("Centesimali");
    case 4:
        return QStringLiteral("Gradi Primi Decimi di primo");
    default:
        return QStringLiteral("Sessagesimali");
    }
}

QString ComposeAngleUnitLine(int angleUnit) {
    return QStringLiteral("Unità di misura degli angoli selezionata: ") + AngleUnitName(angleUnit);
}
