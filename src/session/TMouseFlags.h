#pragma once

#include <QtGlobal>

/// Pointer event flags of the remote desktop protocol.
namespace TMouseFlags {
inline constexpr quint16 Wheel = 0x0200;
inline constexpr quint16 WheelNegative = 0x0100;
inline constexpr quint16 HorizontalWheel = 0x0400;
inline constexpr quint16 Move = 0x0800;
inline constexpr quint16 Button1 = 0x1000; // left
inline constexpr quint16 Button2 = 0x2000; // right
inline constexpr quint16 Button3 = 0x4000; // middle
inline constexpr quint16 Down = 0x8000;
/// Rotation of one wheel step, in the protocol's units.
inline constexpr int WheelStep = 120;
} // namespace TMouseFlags
