#include "app/CommonPointLoading.h"

#include "app/Modulo1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const char* const FileName = "common_points.tsv";
}

QString CommonPointFilePath() {
    const QString chosen = qEnvironmentVariable("TERVANO1_COMMON_POINTS");
    if (!chosen.isEmpty())
        return chosen;
    // An installed program reads its share folder (wherever the tree was
    // moved), one run from the build tree reads the sources' data folder.
    QStringList folders;
    const QString programDir = QCoreApplication::applicationDirPath();
    if (!programDir.isEmpty())
        folders << programDir + QStringLiteral("/../share/tervano1") << programDir + QStringLiteral("/data");
    folders << QStringLiteral(TERVANO_DATA_DIR_BUILD) << QStringLiteral(TERVANO_DATA_DIR_INSTALL);
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder).filePath(QLatin1String(FileName)));
        if (file.isFile())
            return QDir::cleanPath(file.absoluteFilePath());
    }
    return QDir(QStringLiteral(TERVANO_DATA_DIR_INSTALL)).filePath(QLatin1String(FileName));
}

void LoadCommonPointTable(Modulo1& m) {
    const tervano::CommonPointLoad load =
        tervano::LoadCommonPoints(QFile::encodeName(CommonPointFilePath()).toStdString(), m.commonPoints);
    m.commonPointsLoaded = load.ok;
    m.commonPointsError = load.ok ? QString()
                                  : QStringLiteral("PASSAGGIO FRA SISTEMI NON DISPONIBILE:\r") +
                                        QString::fromStdString(load.error);
}
