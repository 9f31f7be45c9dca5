#include "app/WindowRegistry.h"

#include "app/Modulo1.h"
#include "cadastre/qt/frmCatasto.h"
#include "datum/qt/frmSistemi.h"
#include "windows/qt/frmCartGeo.h"
#include "windows/qt/frmGeoCart.h"
#include "windows/qt/frmGeoPia.h"
#include "windows/qt/frmPiaGeo.h"
#include "windows/qt/frmUnicoFuso.h"

#include <QWidget>

namespace {

using Factory = QWidget* (*)(Modulo1&, QWidget*);

template <class W> QWidget* Make(Modulo1& m, QWidget* mainWindow) {
    return new W(m, mainWindow);
}

struct Entry {
    const char* name;
    Factory make;
};

// The seven conversion windows, in the order of the main menu.
constexpr Entry Windows[] = {
    {"frmGeoPia", Make<frmGeoPia>},   {"frmPiaGeo", Make<frmPiaGeo>},   {"frmUnicoFuso", Make<frmUnicoFuso>},
    {"frmGeoCart", Make<frmGeoCart>}, {"frmCartGeo", Make<frmCartGeo>}, {"frmSistemi", Make<frmSistemi>},
    {"frmCatasto", Make<frmCatasto>},
};

const Entry* Find(const QString& name) {
    for (const Entry& e : Windows)
        if (name == QLatin1String(e.name))
            return &e;
    return nullptr;
}

} // namespace

QStringList ConversionWindowNames() {
    QStringList names;
    for (const Entry& e : Windows)
        names << QString::fromLatin1(e.name);
    return names;
}

bool ConversionWindowAvailable(const QString& name) {
    return Find(name) != nullptr;
}

QWidget* CreateConversionWindow(const QString& name, Modulo1& m, QWidget* mainWindow) {
    const Entry* e = Find(name);
    return e ? e->make(m, mainWindow) : nullptr;
}
