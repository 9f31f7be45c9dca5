#include "app/WindowRegistry.h"

#include "app/Modulo1.h"
#include "cadastre/frmCatasto.h"
#include "datum/frmSistemi.h"
#include "windows/frmGeoPia.h"
#include "windows/frmPiaGeo.h"

#include <QWidget>

QStringList ConversionWindowNames() {
    return {QStringLiteral("frmGeoPia"),  QStringLiteral("frmPiaGeo"),  QStringLiteral("frmUnicoFuso"),
            QStringLiteral("frmGeoCart"), QStringLiteral("frmCartGeo"), QStringLiteral("frmSistemi"),
            QStringLiteral("frmCatasto")};
}

bool ConversionWindowAvailable(const QString& name) {
    return name == QLatin1String("frmGeoPia") || name == QLatin1String("frmPiaGeo") ||
           name == QLatin1String("frmSistemi") || name == QLatin1String("frmCatasto");
}

QWidget* CreateConversionWindow(const QString& name, Modulo1& m, QWidget* mainWindow) {
    if (name == QLatin1String("frmGeoPia"))
        return new frmGeoPia(m, mainWindow);
    if (name == QLatin1String("frmPiaGeo"))
        return new frmPiaGeo(m, mainWindow);
    if (name == QLatin1String("frmSistemi"))
        return new frmSistemi(m, mainWindow);
    if (name == QLatin1String("frmCatasto"))
        return new frmCatasto(m, mainWindow);
    return nullptr;
}
