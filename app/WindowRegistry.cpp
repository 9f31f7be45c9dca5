#include "app/WindowRegistry.h"

#include "app/Modulo1.h"
#include "windows/frmCartGeo.h"
#include "windows/frmGeoCart.h"
#include "windows/frmUnicoFuso.h"

#include <QWidget>

QStringList ConversionWindowNames() {
    return {QStringLiteral("frmGeoPia"),  QStringLiteral("frmPiaGeo"),  QStringLiteral("frmUnicoFuso"),
            QStringLiteral("frmGeoCart"), QStringLiteral("frmCartGeo"), QStringLiteral("frmSistemi"),
            QStringLiteral("frmCatasto")};
}

bool ConversionWindowAvailable(const QString& name) {
    return name == QLatin1String("frmUnicoFuso") || name == QLatin1String("frmGeoCart") ||
           name == QLatin1String("frmCartGeo");
}

QWidget* CreateConversionWindow(const QString& name, Modulo1& m, QWidget* mainWindow) {
    if (name == QLatin1String("frmUnicoFuso"))
        return new frmUnicoFuso(m, mainWindow);
    if (name == QLatin1String("frmGeoCart"))
        return new frmGeoCart(m, mainWindow);
    if (name == QLatin1String("frmCartGeo"))
        return new frmCartGeo(m, mainWindow);
    return nullptr;
}
