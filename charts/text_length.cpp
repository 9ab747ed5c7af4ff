#include "charts/text_length.h"

namespace kestrune::charts {

int CharacterCount(std::string_view text) {
  int count = 0;
  for (char c : text) {
    // Continuation bytes (10xxxxxx) belong to the character before them.
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace kestrune::charts
