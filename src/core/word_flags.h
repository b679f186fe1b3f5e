#pragma once
// Flag bits of the dictionary codes that the preposition rules read; the
// dictionary compiler writes them from the flag names of the sources.
#include <cstdint>

namespace quelvo {

// SvCode3 of a noun: Swedish says "på" where Spanish says "en" (på stationen).
inline constexpr std::uint16_t kOnPlaceFlag = 1U << 8;
// SvCode3 of a noun: a container or measure; what it holds follows it
// without a preposition (en kopp kaffe).
inline constexpr std::uint16_t kMeasureFlag = 1U << 9;

// SpCode3 of a verb: what "de" after it becomes.
inline constexpr std::uint16_t kDeFromFlag = 1U << 2;   // "från": venir de, volver de
inline constexpr std::uint16_t kDeAboutFlag = 1U << 3;  // "om": hablar de, tratar de
inline constexpr std::uint16_t kDeNoneFlag = 1U << 4;   // nothing: the Swedish verb takes an object (salir de: lämna)

}  // namespace quelvo
