#include "app/Startup.h"

#include "app/CommonPointLoading.h"
#include "app/Modulo1.h"
#include "app/SettingsFile.h"
#include "app/UserGrid.h"

#include <cmath>
#include <cstdint>

PageMetrics ComputePageMetrics(int pageHeight, int pageWidth) {
    // Wide arithmetic: the values must hold for pages of any height.
    const std::int64_t h = pageHeight;
    const std::int64_t w = pageWidth;
    PageMetrics pm;
    pm.PageBottom = static_cast<int>(std::floor(static_cast<double>(h * 16) / 17.0));
    pm.PageTop = static_cast<int>(std::floor(static_cast<double>(h) / 60.0));
    pm.PageLeft = static_cast<int>(std::floor(static_cast<double>(w) / 15.0));
    return pm;
}

void RunStartup(Modulo1& m) {
    // 1. Printer.
    m.PrinterPresent = m.platform.printer.printerCount() > 0;

    // 2. Texts of the printed header.
    m.HeaderRule = QString(62, QLatin1Char('_'));
    m.HeaderProduct = QStringLiteral(" Tervano1");
    m.HeaderVersion = QStringLiteral("(Ver. 1.2.1 - Dicembre 2002)");
    m.HeaderPoint = QStringLiteral("Punto: ");
    m.GapWide = QString(14, QLatin1Char(' '));
    m.GapNarrow = QString(9, QLatin1Char(' '));

    // 3-4. Page values, in twips.
    if (m.PrinterPresent) {
        const PageMetrics pm =
            ComputePageMetrics(m.platform.printer.pageHeight(), m.platform.printer.pageWidth());
        m.PageBottom = pm.PageBottom;
        m.PageTop = pm.PageTop;
        m.PageLeft = pm.PageLeft;
    }

    // 5. No coordinates copied yet.
    m.CopiedCoordinates = CopiedCoordinatesRecord{};

    // 6. Common-point table.
    LoadCommonPointTable(m);

    // 7-9. Settings, with their defaults and range checks.
    m.AngleUnit = 1;
    m.LongitudeOrigin = 1;
    const SettingsValues settings = ReadSettingsFile(m.platform.settings.settingsFilePath());
    m.AngleUnit = settings.AngleUnit;
    m.LongitudeOrigin = settings.LongitudeOrigin;

    // 10. Notation named on printed pages.
    m.AngleUnitLine = ComposeAngleUnitLine(m.AngleUnit);

    // The NTv2 grid the user picked in an earlier run, if it still loads.
    RestoreUserGrid(m);
}
