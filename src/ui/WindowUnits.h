// What every window shares: the design's twips and the CR LF line ends of the texts.
#pragma once

#include <QString>
#include <QtGlobal>
#include <string>

namespace WindowUnits {

// The design places are in twips; 15 twips are one pixel at normal screen density.
inline constexpr double twipsPerPixel = 15.0;

// Twips to pixels, rounded to the nearest.
inline int Px(int twips) {
    return qRound(twips / twipsPerPixel);
}

// The texts end their lines with CR LF; a Qt widget breaks lines at LF, and no CR may reach
// its text.
inline QString LfText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace WindowUnits
