#pragma once
// Everything one translation works on. A fresh state is made for every
// translation, so nothing of an earlier sentence can leak into the next one,
// and two translations on two threads share nothing but the dictionaries.
#include <array>
#include <memory_resource>
#include <string>
#include <string_view>
#include <vector>

#include "core/fixed_string.h"
#include "core/node_list.h"
#include "core/records.h"
#include "core/slots.h"

namespace quelvo {

class Lexicon;

inline constexpr int kMaxSegmentWords = 20;
inline constexpr int kOutWordSlots = 25;
inline constexpr int kUnknownWordSlots = 25;

struct TranslationState {
    explicit TranslationState(const Lexicon& lexicon) : Dict(lexicon) {}
    TranslationState(const TranslationState&) = delete;
    TranslationState& operator=(const TranslationState&) = delete;

    const Lexicon& Dict;
    std::pmr::monotonic_buffer_resource Arena;

    // Input preparation.
    std::string InputText;  // code page 1252; characters addressed from 1
    int ScanPos = 1;
    int TextLen = 0;
    int WordCount = 0;
    int SlotCount = 1;

    // The record lists and their cursors.
    NodeList<TextNode> TokenList;
    NodeList<WordNode> WordList;
    NodeList<PhraseNode> PhraseList;
    NodeList<PhraseNode> MergedPhraseList;
    NodeList<OutWordNode> OutList;
    NodeList<OutWordNode> OutListCopy;
    WordNode* CurWord = nullptr;
    PhraseNode* PhraseCursor = nullptr;
    int CurPhraseNo = 1;
    int CurWordNo = 1;
    int OutPosCounter = 1;

    // Word lookup.
    WordFields StagedWord;
    Str30 LookupWord;

    // Multi-word expressions: the record last compared and the one matched.
    unsigned PhraseWordCount = 0;
    Str30 PhraseSv;
    Str30 PhraseSp;
    Str10 PhraseClassWord;
    Str6 PhraseNumber;

    // Sentence construction and the sentence passes.
    int OpeningPosition = 1;  // the first word after opening quotes and "¡"/"¿"

    // Phrase grammar, clauses and roles. Arrays count from entry 1.
    static constexpr int kClauseBoundSlots = 8;
    static constexpr int kMaxClauses = kClauseBoundSlots - 1;
    static constexpr int kVerbPhraseSlots = 10;
    static constexpr int kAgreementSlots = 20;
    struct ClauseRecord {
        Str15 Key;
        std::string_view RoleRule;  // empty when the key names no rule
    };
    int PhraseCounter = 1;
    int ClauseCount = 1;
    std::array<int, kClauseBoundSlots + 1> ClauseBounds{};
    std::array<int, kVerbPhraseSlots + 1> VerbPhrasePos{};
    std::array<int, kAgreementSlots + 1> AgreementValues{};
    int AgreementCount = 0;
    int SubjectAgreement = 0;
    int VerbAgreement = 0;
    int ObjectAgreement = 0;
    int AgreementMode = 1;
    std::array<ClauseRecord, kMaxClauses + 1> ClauseRecords{};
    // The merged phrases as the dispatch found them, kept for explaining.
    std::vector<PhraseNode> PhrasesAtDispatch;

    // Swedish word forms.

    // Renderers.

    // Per-word arrays of the segment, indexed by word position.
    Slots<int> WordClassNos;
    Slots<int> WordPersonNos;
    Slots<Str30> WordClassTexts;
    Slots<Str6> WordTags;
    Slots<Str6> OutTags;
    std::array<Str30, kUnknownWordSlots + 1> UnknownWords{};
    int UnknownIndex = 1;

    // Record of the emitted words of the segment.
    std::array<Str30, kOutWordSlots + 1> OutWords{};
    int OutCount = 1;
    bool KeepOutWords = false;

    void AddUnknownWord(std::string_view word) {
        if (UnknownIndex <= kUnknownWordSlots) UnknownWords[UnknownIndex++] = word;
    }
};

}  // namespace quelvo
