// The settings reader with any content: the values are always in range, and
// the content the settings dialog would write for them reads back the same.
#include "app/SettingsFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const SettingsValues v = SettingsFromBytes(content);
    if (v.AngleUnit < 1 || v.AngleUnit > 4 || v.LongitudeOrigin < 1 || v.LongitudeOrigin > 2) {
        std::fprintf(stderr, "values out of range: %d %d\n", v.AngleUnit, v.LongitudeOrigin);
        std::abort();
    }
    const QByteArray written =
        QByteArray::number(v.AngleUnit) + "\r\n" + QByteArray::number(v.LongitudeOrigin) + "\r\n";
    const SettingsValues again = SettingsFromBytes(written);
    if (again.AngleUnit != v.AngleUnit || again.LongitudeOrigin != v.LongitudeOrigin) {
        std::fprintf(stderr, "written values read back differently\n");
        std::abort();
    }
    return 0;
}
