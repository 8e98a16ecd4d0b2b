// The emulated mouse's state in words, decoded the way the mouse reads its
// reports (independently of the driver's own code tables).
#include <cstdio>
#include <string>

#include "EmulatedMouse.h"

namespace zk40 {
namespace {

std::string Printf(const char* format, unsigned a = 0, unsigned b = 0, unsigned c = 0) {
  char text[64];
  std::snprintf(text, sizeof text, format, a, b, c);
  return text;
}

std::string UsageName(std::uint8_t usage) {
  static const char* const kModifierKeys[] = {"LCtrl", "LShift", "LAlt", "LWin", "RCtrl", "RShift", "RAlt", "RWin"};
  static const char* const kSpecial[] = {"Enter", "Esc", "Backspace", "Tab", "Space"};
  if (usage >= 0x04 && usage <= 0x1D) return std::string(1, static_cast<char>('A' + usage - 0x04));
  if (usage >= 0x1E && usage <= 0x26) return std::string(1, static_cast<char>('1' + usage - 0x1E));
  if (usage == 0x27) return "0";
  if (usage >= 0x28 && usage <= 0x2C) return kSpecial[usage - 0x28];
  if (usage >= 0x3A && usage <= 0x45) return Printf("F%u", usage - 0x3Au + 1);
  if (usage >= 0xE0 && usage <= 0xE7) return kModifierKeys[usage - 0xE0];
  if (usage == 0xF0) return "left button";
  if (usage == 0xF1) return "right button";
  if (usage == 0xF2) return "middle button";
  return Printf("usage 0x%02x", usage);
}

int DpiOf(std::uint8_t code) {
  if (code >= 1 && code <= 14) return code * 250;
  switch (code) {
    case 40: return 4000;
    case 42: return 5000;
    case 44: return 6000;
    case 46: return 7000;
    default: return 0;
  }
}

std::string KeyboardCode(std::uint8_t modifiers, std::uint8_t usage) {
  static const char* const kModifiers[] = {"Ctrl", "Shift", "Alt", "Win"};
  std::string text = "key ";
  for (int bit = 0; bit < 4; ++bit) {
    if (modifiers & (1 << bit)) text += std::string(kModifiers[bit]) + "+";
  }
  return text + UsageName(usage);
}

std::string SlotMeaning(const std::uint8_t* c) {
  switch (c[0]) {
    case 0x00: return KeyboardCode(c[1], c[2]);
    case 0x01: {
      static const char* const kButtons[] = {"left", "right", "middle", "back", "forward"};
      if (c[2] >= 0xF0 && c[2] <= 0xF4) return std::string("mouse ") + kButtons[c[2] - 0xF0] + " button";
      return Printf("mouse button 0x%02x", c[2]);
    }
    case 0x03: return Printf("consumer usage 0x%04x", c[2] | c[3] << 8);
    case 0x04: return c[2] == 1 ? "wheel forward" : c[2] == 2 ? "wheel backward" : Printf("wheel 0x%02x", c[2]);
    case 0x07:
      if (c[1] == 0 && c[2] == 0 && c[3] == 0) return "disabled";
      return Printf("special %02x %02x", c[2], c[3]);
    case 0x09: return Printf("macro slot %u, %u units", c[2], c[3]);
    case 0x0A: return "fire";
    default: return "unknown class";
  }
}

// The units a slot's block holds: as many as a key-matrix code names for the
// slot, else up to the last non-zero unit.
int UnitsOf(const MouseState& state, int slot, const std::array<std::uint8_t, 512>& block) {
  if (state.key_matrix) {
    const auto& m = *state.key_matrix;
    for (std::size_t s = 0; s < 16; ++s) {
      if (m[4 * s] == 0x09 && m[4 * s + 2] == slot) return m[4 * s + 3] == 0 ? 256 : m[4 * s + 3];
    }
  }
  int units = 256;
  while (units > 1 && block[2 * (units - 1)] == 0 && block[2 * (units - 1) + 1] == 0) --units;
  return units;
}

std::string MacroSteps(const std::array<std::uint8_t, 512>& block, int units) {
  static const unsigned kDelayStep[] = {0, 20, 50, 100};
  std::string steps;
  auto add = [&steps](const std::string& step) { steps += (steps.empty() ? "" : ", ") + step; };
  for (int u = 1; u < units; ++u) {
    const std::uint8_t b0 = block[2 * u], b1 = block[2 * u + 1];
    if (b0 == 0) {
      if (b1 >= 1 && b1 <= 3 && u + 1 < units) {
        const unsigned count = block[2 * (u + 1)] << 8 | block[2 * (u + 1) + 1];
        add(Printf("%u ms", count * kDelayStep[b1]));
        ++u;
      } else {
        add(b1 == 0 ? "nothing" : Printf("unknown unit 00 %02x", b1));
      }
      continue;
    }
    const int waitSteps = (b0 & 0x7F) - 1;
    add(std::string(b0 & 0x80 ? "release " : "press ") + UsageName(b1));
    if (waitSteps > 0) add(Printf("%u ms", static_cast<unsigned>(waitSteps) * 10));
    if (waitSteps < 0) add("bad unit");
  }
  return steps;
}

}  // namespace

std::string EmulatedMouse::DescribeState() const {
  const MouseState state = State();
  std::string text;
  {
    std::lock_guard lock(mutex_);
    text += Printf("firmware %u.%u\n", version_[0], version_[1]);
  }

  text += "key matrix";
  if (!state.key_matrix) {
    text += " not written\n";
  } else {
    text += "\n";
    for (unsigned s = 0; s < 16; ++s) {
      const std::uint8_t* c = state.key_matrix->data() + 4 * s;
      if (c[0] == 0 && c[1] == 0 && c[2] == 0 && c[3] == 0) continue;
      text += Printf("  slot %-2u  %02x ", s, c[0]) + Printf("%02x %02x ", c[1], c[2]) + Printf("%02x  ", c[3]) +
              SlotMeaning(c) + "\n";
    }
  }

  if (state.dpi_block) {
    text += "dpi stages";
    for (std::size_t i = 0; i < 8; ++i) {
      const std::uint8_t code = (*state.dpi_block)[i];
      text += code == 0x80 ? std::string(" -") : DpiOf(code) ? Printf(" %u", DpiOf(code)) : Printf(" ?%02x", code);
    }
    if ((*state.dpi_block)[8] != (*state.dpi_block)[0]) text += " (second half differs)";
    text += "\n";
  } else {
    text += "dpi stages not written\n";
  }
  text += state.dpi_select ? Printf("dpi selector %u\n", *state.dpi_select) : "dpi selector not written\n";
  if (state.colour) {
    const auto& c = *state.colour;
    text += Printf("colour red %u green %u blue %u\n", c[1], c[0], c[2]);
  } else {
    text += "colour not written\n";
  }
  text += state.effect ? Printf("effect %u level %u variant %u\n", (*state.effect)[0], (*state.effect)[1],
                                (*state.effect)[2])
                       : "effect not written\n";
  text += state.touch_sensing ? (*state.touch_sensing ? "touch sensing on\n" : "touch sensing off\n")
                              : "touch sensing not written\n";
  text += state.report_interval ? Printf("report interval %u ms\n", *state.report_interval)
                                : "report interval not written\n";

  for (const auto& [slot, block] : state.macros) {
    const int units = UnitsOf(state, slot, block);
    text += Printf("macro slot %u, loop %u, %u units: ", static_cast<unsigned>(slot), block[0] << 8 | block[1],
                   static_cast<unsigned>(units)) +
            MacroSteps(block, units) + "\n";
  }
  return text;
}

}  // namespace zk40
