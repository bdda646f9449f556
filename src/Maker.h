#pragma once

// Who makes the panel and how to reach them; the About window shows these.
namespace Maker {
inline constexpr char Name[] = "the Voltarix Workshop";
inline constexpr char Email[] = "workshop@example.org";
inline constexpr char WebAddress[] = "https://voltarix.example.org/";
} // namespace Maker
