#pragma once

namespace qx {

// The virtual-key codes the keyboard commands look at (values as Windows defines them).
namespace vk {
inline constexpr int Back = 0x08;
inline constexpr int Tab = 0x09;
inline constexpr int Return = 0x0D;
inline constexpr int Control = 0x11;
inline constexpr int Menu = 0x12;  // Alt
inline constexpr int Escape = 0x1B;
inline constexpr int Prior = 0x21;  // Page Up
inline constexpr int Next = 0x22;   // Page Down
inline constexpr int End = 0x23;
inline constexpr int Home = 0x24;
inline constexpr int Left = 0x25;
inline constexpr int Up = 0x26;
inline constexpr int Right = 0x27;
inline constexpr int Down = 0x28;
inline constexpr int Delete = 0x2E;
inline constexpr int Apps = 0x5D;  // the application (context menu) key
inline constexpr int F1 = 0x70;
inline constexpr int F2 = 0x71;
inline constexpr int F3 = 0x72;
inline constexpr int F4 = 0x73;
inline constexpr int F5 = 0x74;
inline constexpr int F6 = 0x75;
}  // namespace vk

// Typed characters with a meaning of their own.
inline constexpr char kEnterChar = '\r';
inline constexpr char kEscapeChar = '\x1B';
// Separates the columns of the entry file, so it can never be typed.
inline constexpr char kPipeChar = '|';

}  // namespace qx
