#include "flow/exact_number_text.h"

#include <array>
#include <charconv>

namespace fluvenna {

std::string ShortestText(double value) {
  std::array<char, 64> buffer{};
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
  return std::string(buffer.data(), end);
}

std::string SeventeenDigitText(double value) {
  std::array<char, 64> buffer{};
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                 std::chars_format::general, 17)
                       .ptr;
  return std::string(buffer.data(), end);
}

}  // namespace fluvenna
