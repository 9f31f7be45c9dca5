#include "app/CommonPointLoading.h"

#include "app/Modulo1.h"
#include "files/CommonPointFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

QString CommonPointFilePath() {
    // The same places, in the same order, as the file converter looks in.
    const std::string chosen = qEnvironmentVariable("TERVANO1_COMMON_POINTS").toStdString();
    const std::string path =
        tervano::files::CommonPointFilePath(chosen, QCoreApplication::applicationDirPath().toStdString(),
                                            {TERVANO_DATA_DIR_BUILD, TERVANO_DATA_DIR_INSTALL});
    return QDir::cleanPath(QString::fromStdString(path));
}

void LoadCommonPointTable(Modulo1& m) {
    const tervano::CommonPointLoad load =
        tervano::LoadCommonPoints(QFile::encodeName(CommonPointFilePath()).toStdString(), m.commonPoints);
    m.commonPointsLoaded = load.ok;
    m.commonPointsError = load.ok ? QString()
                                  : QStringLiteral("PASSAGGIO FRA SISTEMI NON DISPONIBILE:\r") +
                                        QString::fromStdString(load.error);
}
