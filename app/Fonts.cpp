#include "app/Fonts.h"

#include <QFontDatabase>

void InstallFontSubstitutes() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    struct Pair {
        const char* wanted;
        const char* standIn;
    };
    const Pair pairs[] = {{"Comic Sans MS", "Comic Neue"}, {"Arial", "Liberation Sans"}};
    for (const Pair& p : pairs) {
        if (!QFontDatabase::hasFamily(p.wanted) && QFontDatabase::hasFamily(p.standIn))
            QFont::insertSubstitution(p.wanted, p.standIn);
    }
}

QFont NamedFont(const QString& family, double pointSize, bool bold) {
    InstallFontSubstitutes();
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}
