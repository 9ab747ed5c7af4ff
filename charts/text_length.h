#pragma once

#include <string_view>

namespace kestrune::charts {

// Length of a UTF-8 text in characters (code points), the length every chart layout rule
// counts: a name such as "Café" is four characters wide, not five bytes.
int CharacterCount(std::string_view text);

}  // namespace kestrune::charts
