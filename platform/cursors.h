#pragma once
// Cursor numbers as the controls use them: the platform's built-in shapes are negative or 0,
// positive numbers are the application's own cursors registered at start-up.

namespace platform {

using TCursor = int;

inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHandPoint = -21;

}  // namespace platform
