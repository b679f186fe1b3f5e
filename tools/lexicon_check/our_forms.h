#pragma once
// The forms the translator gives a Swedish entry, made by its own inflection
// routines, under the names of the morphology's slots ("sg def", "past").
#include <string>
#include <vector>

#include "core/translation_state.h"
#include "lexicon_model.h"

namespace quelvo::lchk {

struct SlotForm {
    std::string slot;  // a slot of limp::SwedishWord; noun slots without their gender
    std::string form;  // UTF-8
};

// Nouns: number and definiteness; adjectives: common and neuter singular,
// plural and, when the comparison group inflects, the comparative; verbs
// (particle verbs by their verb): present, past, supine and the participle
// where the group forms one. Empty for any other class. `s` provides the
// irregular nouns and verbs.
std::vector<SlotForm> OurForms(TranslationState& s, const lexc::SwedishEntry& entry);

// The word the forms are made from: a particle verb's verb, else the entry's word.
std::string InflectedWord(const lexc::SwedishEntry& entry);

}  // namespace quelvo::lchk
