#include "swedish/noun_phrase_assembly.h"

#include <array>

#include "core/emit.h"
#include "core/form_codes.h"
#include "core/word_classes.h"
#include "swedish/adjectives.h"
#include "swedish/nouns.h"
#include "swedish/participles.h"
#include "swedish/pronouns.h"
#include "swedish/verb_forms.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

struct ArticleRow {
    std::string_view spWord;
    char definiteness;
    std::string_view common, neuter;
};

constexpr std::array<ArticleRow, 7> SpanishArticles{{
    {"un", 'o', "en", "ett"},
    {"una", 'o', "en", "ett"},
    {"el", 'b', "den", "det"},
    {"la", 'b', "den", "det"},
    {"los", 'b', "de", "de"},
    {"las", 'b', "de", "de"},
    {"lo", 'b', "det", "det"},
}};

const ArticleRow* ArticleOf(const WordNode& word) {
    for (const ArticleRow& row : SpanishArticles)
        if (word.SpWord == row.spWord) return &row;
    return nullptr;
}

bool IsDefiniteArticle(const WordNode& word) {
    const ArticleRow* row = ArticleOf(word);
    return row != nullptr && row->definiteness == 'b' && word.SpWord != "lo";
}

bool IsIndefiniteArticle(const WordNode& word) {
    const ArticleRow* row = ArticleOf(word);
    return row != nullptr && row->definiteness == 'o';
}

// A noun held back while the words that go before it in Swedish are put out.
void EmitHeldNoun(TranslationState& s, const WordNode& noun, const Str30& form) {
    EmitCounted(s, noun.SpWord, form, "n");
}

// An adjective after a noun that forms a compound with it is recorded with a
// "-" to mark the joint; the output shows the plain form.
void EmitAgreeingWord(TranslationState& s, const Str30& form, std::string_view tag, char definiteness) {
    EmitOutWord(s, SpWordOf(s.CurWord), form, form, tag);
    Str30 recorded = form;
    if (s.CurWord->ClassTag == "xadj") recorded += "-";
    EmitWord(s, recorded, tag, tag, definiteness, ' ');
}

}  // namespace

Str30 NounForm(TranslationState& s, char definiteness) {
    const WordNode& noun = *s.CurWord;
    Str30 form = noun.SvWord;
    ChkKatForm(s, form, noun.SvCode2, noun.FormCode, definiteness);
    return form;
}

void EmitNounForm(TranslationState& s, char definiteness) {
    if (s.CurWord == nullptr) return;
    const char gender = s.CurWord->Gender;
    EmitAndRecord(s, NounForm(s, definiteness), "n", definiteness, gender);
}

void EmitSuffixArticle(TranslationState& s, char gender, int number, char& definiteness) {
    if (s.CurWord == nullptr) return;
    const WordNode& article = *s.CurWord;
    definiteness = 'b';
    if (IsDefiniteArticle(article)) {
        AdvanceWord(s);
        return;
    }
    Str30 form = article.SvWord;
    if (IsIndefiniteArticle(article)) TranslateArticle(s, gender, number, definiteness, form);
    EmitAndRecord(s, form, "det", definiteness, gender);
}

char GenderOfNoun(const WordNode& noun) {
    char gender = 'n';
    GenderOfCode(noun.SvCode2, gender);
    return gender;
}

void EmitArticle(TranslationState& s, char& definiteness, std::uint16_t code, char gender) {
    if (s.CurWord == nullptr) return;
    GenderOfCode(code, gender);
    Str30 form = s.CurWord->SvWord;
    definiteness = 'b';
    if (const ArticleRow* row = ArticleOf(*s.CurWord)) {
        definiteness = row->definiteness;
        form = gender == 't' ? row->neuter : row->common;
    }
    EmitAndRecord(s, form, "det", definiteness, gender);
}

void EmitArticleNoun(TranslationState& s) {
    if (s.CurWord == nullptr) return;
    if (s.CurWord->SpWord == "lo") {
        EmitAndRecord(s, "det", "ppsu");
        if (s.CurWord != nullptr) EmitAndRecord(s, s.CurWord->SvWord + "a", "adj");
        return;
    }
    const WordNode* noun = s.CurWord->Next;
    char definiteness = 'b';
    EmitSuffixArticle(s, noun != nullptr ? GenderOfNoun(*noun) : 'n', noun != nullptr ? noun->FormCode : fc::kSingular,
                      definiteness);
    EmitNounForm(s, definiteness);
}

void EmitAdjectiveNoun(TranslationState& s, const Str30& form, int number, char definiteness, char gender,
                       std::uint16_t code) {
    if (s.CurWord == nullptr) return;
    WordNode& word = *s.CurWord;
    Str30 text = form;
    if (word.ClassTag == "vadj") {
        ParticipleFormCode(s);
        text = word.SvWord;
        AgreeParticiple(s, text, VerbGroupOf(word.SvCode3), number, gender, definiteness);
    } else {
        InflectAdjective(s, text, gender, number, code, definiteness);
    }
    EmitAndRecord(s, text, "adj", definiteness, gender);
    EmitNounForm(s, definiteness);
}

void EmitPossessiveNoun(TranslationState& s) {
    if (s.CurWord == nullptr) return;
    const WordNode* noun = s.CurWord->Next;
    if (noun == nullptr) {
        TranslatePossessive(s, s.CurWord->Gender, s.CurWord->FormCode);
        return;
    }
    TranslatePossessive(s, noun->Gender, noun->FormCode);
    const Str30 nounForm = NounForm(s, 'o');
    AdvanceWord(s);
    if (s.CurWord != nullptr) {
        Str30 adjective = s.CurWord->SvWord;
        InflectAdjective(s, adjective, noun->Gender, noun->FormCode, s.CurWord->SvCode2, 'b');
        EmitAndRecord(s, adjective, "adj", 'b', noun->Gender);
    }
    EmitHeldNoun(s, *noun, nounForm);
}

void ParticipleFormCode(TranslationState& s) {
    WordNode* word = s.CurWord;
    if (word == nullptr) return;
    if (word->FormCode == fc::kParticiple) word->FormCode = fc::kAgreeingParticiple;
    else if (word->FormCode == fc::kPlural || word->FormCode == fc::kParticiplePlural) word->FormCode = fc::kPluralParticiple;
    const WordNode* prev = word->Prev;
    if (prev != nullptr && prev->PersonNo >= 4 && prev->PersonNo <= 6) word->FormCode = fc::kPluralParticiple;
}

void EmitMeraParticipleNoun(TranslationState& s, char definiteness) {
    if (s.CurWord == nullptr) return;
    const WordNode& noun = *s.CurWord;
    const Str30 nounForm = NounForm(s, definiteness);
    AdvanceWord(s);
    if (s.CurWord != nullptr) EmitAndRecord(s, "mera", "mer");
    if (s.CurWord != nullptr) {
        WordNode& participle = *s.CurWord;
        ParticipleFormCode(s);
        participle.DefMark = 'o';
        Str30 form = participle.SvWord;
        AgreeParticiple(s, form, VerbGroupOf(participle.SvCode3), participle.FormCode, noun.Gender, participle.DefMark);
        EmitAndRecord(s, form, "adj");
    }
    EmitHeldNoun(s, noun, nounForm);
}

void EmitNounAdjective(TranslationState& s, char definiteness) {
    if (s.CurWord == nullptr) return;
    const WordNode& noun = *s.CurWord;
    const char gender = GenderOfNoun(noun);
    const int number = noun.FormCode;
    const Str30 nounForm = NounForm(s, definiteness);
    AdvanceWord(s);
    if (s.CurWord != nullptr) {
        Str30 adjective = s.CurWord->SvWord;
        InflectAdjective(s, adjective, gender, number, s.CurWord->SvCode2, definiteness);
        EmitAgreeingWord(s, adjective, "adj", definiteness);
    }
    EmitHeldNoun(s, noun, nounForm);
}

Str30 AgreedParticipleForm(TranslationState& s, int number, char gender, char definiteness) {
    WordNode& word = *s.CurWord;
    ParticipleFormCode(s);
    word.DefMark = definiteness;
    Str30 form = word.SvWord;
    if (word.SvClass == wc::kParticleVerb) {
        LookupParticipleAdjective(s, form, word.FormCode);
    } else if (word.SvClass == wc::kNoun || word.SvClass == wc::kAdjective) {
        InflectAdjective(s, form, gender, number, word.SvCode2, definiteness);
    } else {
        AgreeParticiple(s, form, VerbGroupOf(word.SvCode3), number, gender, definiteness);
    }
    return form;
}

void EmitNounParticiple(TranslationState& s, char definiteness) {
    if (s.CurWord == nullptr) return;
    const WordNode& noun = *s.CurWord;
    const Str30 nounForm = NounForm(s, definiteness);
    AdvanceWord(s);
    if (s.CurWord != nullptr)
        EmitAgreeingWord(s, AgreedParticipleForm(s, noun.FormCode, noun.Gender, definiteness), "vadj", ' ');
    EmitHeldNoun(s, noun, nounForm);
}

void EmitPossessiveAdjectiveNoun(TranslationState& s) {
    if (s.CurWord == nullptr) return;
    const WordNode* noun = s.CurWord->Next != nullptr ? s.CurWord->Next->Next : nullptr;
    const int number = noun != nullptr ? noun->FormCode : s.CurWord->FormCode;
    const char gender = noun != nullptr ? noun->Gender : 'n';
    TranslatePossessive(s, gender, number);
    if (s.CurWord != nullptr) {
        Str30 adjective = s.CurWord->SvWord;
        InflectAdjective(s, adjective, gender, number, s.CurWord->SvCode2, 'b');
        EmitAndRecord(s, adjective, "adj", 'b', gender);
    }
    if (s.CurWord != nullptr) {
        Str30 form = s.CurWord->SvWord;
        ChkKatForm(s, form, s.CurWord->SvCode2, number, 'o');
        EmitAndRecord(s, form, "n", 'o', ' ');
    }
}

}  // namespace quelvo
