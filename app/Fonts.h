#pragma once

#include <QFont>
#include <QString>

// The windows and the printed pages ask for "Comic Sans MS" and "Arial" by
// name. Where those families are not installed, the metric-compatible free
// families (Comic Neue, Liberation Sans) stand in for them.
void InstallFontSubstitutes();

// A font of the given family, point size and weight, with the substitutes in place.
QFont NamedFont(const QString& family, double pointSize, bool bold = false);
