#pragma once
// Form codes that the analysis gives beyond the dictionary's tenses.

namespace quelvo {

// A verb read as an order ("Cierra la puerta", "Ven"): the Swedish
// imperative, with no subject of its own.
inline constexpr int kImperativeFormCode = 16;

}  // namespace quelvo
