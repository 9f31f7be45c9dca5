#include "app/WindowRegistry.h"

#include "app/Modulo1.h"
#include "windows/frmGeoPia.h"
#include "windows/frmPiaGeo.h"

#include <QWidget>

QStringList ConversionWindowNames() {
    return {QStringLiteral("frmGeoPia"),  QStringLiteral("frmPiaGeo"),  QStringLiteral("frmUnicoFuso"),
            QStringLiteral("frmGeoCart"), QStringLiteral("frmCartGeo"), QStringLiteral("frmSistemi"),
            QStringLiteral("frmCatasto")};
}

bool ConversionWindowAvailable(const QString& name) {
    return name == QLatin1String("frmGeoPia") || name == QLatin1String("frmPiaGeo");
}

QWidget* CreateConversionWindow(const QString& name, Modulo1& m, QWidget* mainWindow) {
    if (name == QLatin1String("frmGeoPia"))
        return new frmGeoPia(m, mainWindow);
    if (name == QLatin1String("frmPiaGeo"))
        return new frmPiaGeo(m, mainWindow);
    return nullptr;
}
