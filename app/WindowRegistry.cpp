#include "app/WindowRegistry.h"

#include "app/Modulo1.h"

#include <QWidget>

QStringList ConversionWindowNames() {
    return {QStringLiteral("frmGeoPia"),  QStringLiteral("frmPiaGeo"),  QStringLiteral("frmUnicoFuso"),
            QStringLiteral("frmGeoCart"), QStringLiteral("frmCartGeo"), QStringLiteral("frmSistemi"),
            QStringLiteral("frmCatasto")};
}

bool ConversionWindowAvailable(const QString& name) {
    Q_UNUSED(name);
    return false;
}

QWidget* CreateConversionWindow(const QString& name, Modulo1& m, QWidget* mainWindow) {
    Q_UNUSED(name);
    Q_UNUSED(m);
    Q_UNUSED(mainWindow);
    return nullptr;
}
