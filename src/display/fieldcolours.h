#pragma once

#include <QRgb>

// The colours of the field. Face, bar and desktop follow a classic grey desktop scheme
// (button face, scroll bar, desktop background); the others are fixed.
namespace FieldColours {

inline constexpr QRgb face = qRgb(212, 208, 200);
inline constexpr QRgb bar = qRgb(212, 208, 200);
inline constexpr QRgb desktop = qRgb(58, 110, 165);
inline constexpr QRgb white = qRgb(255, 255, 255);
inline constexpr QRgb black = qRgb(0, 0, 0);
inline constexpr QRgb text = qRgb(0, 0, 0);
inline constexpr QRgb trace = qRgb(128, 128, 128);

// The executor pictures.
inline constexpr QRgb pointerFill = qRgb(255, 0, 0);
inline constexpr QRgb pointerOutline = qRgb(128, 0, 0);
inline constexpr QRgb hollowFill = qRgb(255, 255, 255);
inline constexpr QRgb hollowOutline = qRgb(128, 128, 128);
inline constexpr QRgb pointerFringe = qRgb(128, 128, 128);

} // namespace FieldColours
