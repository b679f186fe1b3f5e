#include "render/emission.h"

#include "core/emit.h"
#include "morphology/reflexive_verbs.h"
#include "swedish/word_output.h"

namespace quelvo {

void EmitOwnWord(TranslationState& s, std::string_view tag) {
    if (s.CurWord == nullptr) return;
    // "irme": the verb of its own says the reflexive pronoun ("gå").
    if (IsSilentReflexivePronoun(*s.CurWord)) return AdvanceWord(s);
    EmitAndRecord(s, s.CurWord->SvWord, tag);
}

void EmitWithWordMarks(TranslationState& s, std::string_view text, std::string_view tag) {
    if (s.CurWord == nullptr) return EmitAndRecord(s, text, tag);
    EmitAndRecord(s, text, tag, s.CurWord->DefMark, s.CurWord->Gender);
}

void EmitAdded(TranslationState& s, std::string_view text, std::string_view tag) {
    EmitCounted(s, SpWordOf(s.CurWord), text, tag);
}

void EmitRecordedAs(TranslationState& s, std::string_view text, std::string_view outTag,
                    std::string_view recordTag, char mark, char gender) {
    EmitOutWord(s, SpWordOf(s.CurWord), text, text, outTag);
    EmitWord(s, text, outTag, recordTag, mark, gender);
}

void EmitAndStep(TranslationState& s, std::string_view text, std::string_view outTag, std::string_view recordTag) {
    EmitCounted(s, SpWordOf(s.CurWord), text, outTag);
    s.OutTags.Set(s.OutCount - 1, Str6(recordTag));
    AdvanceWord(s);
}

Str30 OutWordAt(const TranslationState& s, int pos) {
    return pos >= 1 && pos <= kOutWordSlots ? s.OutWords[pos] : Str30();
}

}  // namespace quelvo
