#include "app/WindowRegistry.h"

#include "app/Modulo1.h"
#include "cadastre/frmCatasto.h"
#include "windows/frmCartGeo.h"
#include "windows/frmGeoCart.h"
#include "windows/frmGeoPia.h"
#include "windows/frmPiaGeo.h"
#include "windows/frmUnicoFuso.h"

#include <QWidget>

QStringList ConversionWindowNames() {
    return {QStringLiteral("frmGeoPia"),  QStringLiteral("frmPiaGeo"),  QStringLiteral("frmUnicoFuso"),
            QStringLiteral("frmGeoCart"), QStringLiteral("frmCartGeo"), QStringLiteral("frmSistemi"),
            QStringLiteral("frmCatasto")};
}

bool ConversionWindowAvailable(const QString& name) {
    return name == QLatin1String("frmGeoPia") || name == QLatin1String("frmPiaGeo") ||
           name == QLatin1String("frmUnicoFuso") || name == QLatin1String("frmGeoCart") ||
           name == QLatin1String("frmCartGeo") || name == QLatin1String("frmCatasto");
}

QWidget* CreateConversionWindow(const QString& name, Modulo1& m, QWidget* mainWindow) {
    if (name == QLatin1String("frmGeoPia"))
        return new frmGeoPia(m, mainWindow);
    if (name == QLatin1String("frmPiaGeo"))
        return new frmPiaGeo(m, mainWindow);
    if (name == QLatin1String("frmUnicoFuso"))
        return new frmUnicoFuso(m, mainWindow);
    if (name == QLatin1String("frmGeoCart"))
        return new frmGeoCart(m, mainWindow);
    if (name == QLatin1String("frmCartGeo"))
        return new frmCartGeo(m, mainWindow);
    if (name == QLatin1String("frmCatasto"))
        return new frmCatasto(m, mainWindow);
    return nullptr;
}
