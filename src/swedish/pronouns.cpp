#include "swedish/pronouns.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "morphology/dative_se.h"
#include "morphology/verb_routines.h"
#include "swedish/clock_time.h"
#include "swedish/experiencer.h"
#include "swedish/nouns.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

// Phrase rules whose phrases never receive a subject pronoun.
constexpr std::array<int, 18> NoSubjectRules{174, 192, 193, 195, 199, 203, 204, 205, 213,
                                             214, 215, 219, 220, 228, 229, 230, 231, 232};

// "se" and a verb: a passive, or an active verb with a "se" Swedish leaves out.
constexpr int kReflexiveVerbRule = 204;

// Phrase rules whose verb is the second word (after a clitic or auxiliary).
constexpr std::array<int, 4> VerbSecondRules{159, 161, 183, 206};

constexpr std::array<std::string_view, 3> SubjectPhraseTags{"NPS/VPI", "NPS/VPT", "NPS/PVPT"};

struct SubjectPronoun {
    int person;
    std::string_view swedish, spanish;
};

// The third person singular is chosen by ThirdPersonPronoun.
constexpr std::array<SubjectPronoun, 5> SubjectPronouns{{
    {1, "jag", "yo"},
    {2, "du", "t\xFA"},
    {4, "vi", "nosotros"},
    {5, "ni", "vosotros"},
    {6, "de", "ellos"},
}};

struct Possessive {
    std::string_view spWord, standing, common, neuter, plural;
};

// The possessive before a noun and its form standing alone (mi casa, la mía).
constexpr std::array<Possessive, 4> Possessives{{
    {"mi", "m\xEDo", "min", "mitt", "mina"},
    {"tu", "tuyo", "din", "ditt", "dina"},
    {"nuestro", "nuestro", "v\xE5r", "v\xE5rt", "v\xE5ra"},
    {"vuestro", "vuestro", "er", "ert", "era"},
}};

// "su" pointing back to the subject of its clause.
constexpr Possessive OwnPossessive{"su", "suyo", "sin", "sitt", "sina"};

template <typename Table, typename Value>
bool Contains(const Table& table, const Value& value) {
    return std::find(table.begin(), table.end(), value) != table.end();
}

bool IsAdjectiveClass(const WordNode* word) { return word != nullptr && (word->SpClass == wc::kAdjective || word->SpClass == wc::kAdjectiveAdverbNoun); }

// The word after "ser" makes it describe a thing: an article with a noun
// after it, or an adjective next or after next.
bool DescribesAThing(const WordNode* next) {
    if (next == nullptr) return false;
    const bool article = next->SpClass == wc::kDeterminer || next->SpClass == wc::kDeterminerPronoun ||
                         next->SpClass == wc::kSubjectPronounNumeral;
    return (article && next->Next != nullptr) || IsAdjectiveClass(next) || IsAdjectiveClass(next->Next);
}

// Picks the pronoun for `person`; false when the person has none.
bool PronounOf(const TranslationState& s, int person, Str30& pronoun, Str30& spanish) {
    if (person == 3) {
        ThirdPersonPronoun(s, pronoun, spanish);
        return true;
    }
    for (const SubjectPronoun& row : SubjectPronouns) {
        if (row.person != person) continue;
        pronoun = row.swedish;
        spanish = row.spanish;
        return true;
    }
    return false;
}

const std::string_view* PossessiveFormFor(const Possessive& row, char gender, int number) {
    if (number == fc::kPlural) return &row.plural;
    if (number != fc::kSingular && number != fc::kSingular2) return nullptr;
    if (gender == 't') return &row.neuter;
    return IsCommonGender(gender) ? &row.common : nullptr;
}

// Verbs of the weather, which have no subject in Spanish and "det" in
// Swedish (llueve: det regnar).
constexpr std::array<std::string_view, 9> WeatherVerbs{"llover",    "nevar",  "lloviznar", "granizar",    "tronar",
                                                       "amanecer", "helar",  "anochecer", "relampaguear"};

// What "hacer" tells of the weather: hace frío, hace buen tiempo.
constexpr std::array<std::string_view, 8> WeatherWords{"tiempo", "calor", "fr\xEDo", "sol",
                                                       "viento", "fresco", "bueno", "malo"};

bool IsWeatherWord(const WordNode* word) { return word != nullptr && Contains(WeatherWords, word->SpWord.view()); }

// A verb without a subject of its own: the weather verbs, also as the
// gerund after "estar" (está lloviendo), and "hacer" before a word of the
// weather.
bool IsWeatherVerb(const WordNode* word) { return word != nullptr && Contains(WeatherVerbs, word->SpWord.view()); }

bool IsImpersonal(const WordNode* verb) {
    if (verb == nullptr) return false;
    if (IsWeatherVerb(verb)) return true;
    const WordNode* next = verb->Next;
    const WordNode* afterNext = next != nullptr ? next->Next : nullptr;
    if (verb->SpWord == "hacer") return IsWeatherWord(next) || IsWeatherWord(afterNext);
    // An auxiliary of a weather verb: "está lloviendo", "puede nevar", "va a llover".
    const bool auxiliary = verb->SpClass == wc::kAuxiliary || (afterNext != nullptr && next->SpWord == "a");
    return auxiliary && (IsWeatherVerb(next) || IsWeatherVerb(afterNext));
}

// The tenses whose first and third person singular share their form:
// imperfect, conditional, subjunctive.
constexpr std::array<int, 5> FirstAndThirdPersonForms{5, 9, 20, 460, 476};

// "era una noche fría": where the first and third person share the form of
// "ser", a described thing makes it the third ("det var").
bool DescribesAThingInThirdPerson(const WordNode& verb) {
    return verb.SpWord == "ser" && Contains(FirstAndThirdPersonForms, verb.FormCode) && DescribesAThing(verb.Next);
}

bool IsFiniteVerbWord(const WordNode* w) {
    const bool verbClass = w->SpClass == wc::kVerb || w->SpClass == wc::kAuxiliary || (w->SpClass >= wc::kVerbAdjectiveNoun && w->SpClass <= wc::kUnlisted44);
    return verbClass && w->PersonNo >= 1 && w->PersonNo <= 6;
}

// "el escritor, que tenía ochenta años": "que" right after a noun is the
// subject of a shared first-and-third form that has words of its own after
// it; "el coche que tenía era" (no word of its own) keeps its reading as an object.
bool HasRelativeSubject(const WordNode& verb) {
    if (!Contains(FirstAndThirdPersonForms, verb.FormCode) || verb.Prev == nullptr || verb.Prev->SpWord != "que")
        return false;
    const WordNode* before = verb.Prev->Prev;
    if (before != nullptr && before->SpClass == wc::kComma) before = before->Prev;
    const WordNode* next = verb.Next;
    const bool afterNoun = before != nullptr && (before->SpClass == wc::kNoun || before->SpClass == wc::kProperName);
    return afterNoun && next != nullptr && next->SpClass != wc::kComma && next->SpClass != wc::kPunctuation &&
           !IsFiniteVerbWord(next);
}

// "¿qué tenía tu abuela?", "¿cuántos años tenía tu abuela?": the object
// asked for stands before a shared first-and-third form, so a noun phrase
// after it is its subject.
constexpr std::array<std::string_view, 5> kFrontedObjectWords{"qu\xE9", "cu\xE1nto", "cu\xE1nta", "cu\xE1ntos",
                                                              "cu\xE1ntas"};
// A time phrase ("la semana pasada") may follow the verb as well: only a
// possessive or a name opens a subject for certain.
constexpr std::array<std::string_view, 2> kSubjectOpeners{"poss", "egnm"};

bool HasSubjectAfterFrontedObject(const WordNode& verb) {
    if (!Contains(FirstAndThirdPersonForms, verb.FormCode) || verb.Prev == nullptr || verb.Next == nullptr)
        return false;
    const WordNode* asked = verb.Prev->SpClass == wc::kNoun ? verb.Prev->Prev : verb.Prev;
    return asked != nullptr && Contains(kFrontedObjectWords, asked->SpWord.view()) &&
           Contains(kSubjectOpeners, verb.Next->ClassTag.view());
}

// A verb joined by "y" to an earlier verb of the same person shares its
// subject: "como y bebo" is "jag äter och dricker".
bool SharesEarlierSubject(const PhraseNode& phrase, const WordNode& verb) {
    if (phrase.Prev == nullptr || phrase.Prev->Tag != "YKon") return false;
    for (const WordNode* w = verb.Prev; w != nullptr; w = w->Prev)
        if (IsFiniteVerbWord(w)) return w->PersonNo == verb.PersonNo;
    return false;
}

constexpr int kQuestionWordClass = 37;

constexpr std::array<std::string_view, 7> QuestionWords{"qu\xE9",    "qui\xE9n",  "cu\xE1l", "cu\xE1nto",
                                                        "d\xF3nde", "cu\xE1ndo", "c\xF3mo"};

bool HasSubjectPronounAfter(const WordNode& verb) {
    for (const WordNode* w = verb.Next; w != nullptr && w->SpClass != wc::kPunctuation; w = w->Next)
        if (w->SpClass == wc::kSubjectPronoun) return true;
    return false;
}

// A question word opens the clause of `verb` and no subject stands between.
bool FollowsQuestionWord(const WordNode& verb) {
    if (HasSubjectPronounAfter(verb)) return false;
    for (const WordNode* w = verb.Prev; w != nullptr; w = w->Prev) {
        if (w->SpClass == kQuestionWordClass || Contains(QuestionWords, w->SpWord.view())) return true;
        if (w->SpClass == wc::kSubjectPronoun || w->SpClass == wc::kProperName || w->SpClass == wc::kPunctuation) return false;
    }
    return false;
}

bool IsTagOf(const PhraseNode* p, std::initializer_list<std::string_view> tags) {
    if (p == nullptr) return false;
    for (std::string_view tag : tags)
        if (p->Tag == tag) return true;
    return false;
}

bool IsNounPhraseTag(const PhraseNode* p) { return IsTagOf(p, {"NP", "NPS", "NPO", "NPK", "KTNP", "Egnx", "Egnm"}); }

const WordNode* WordsBack(const WordNode* word, int count) {
    for (; word != nullptr && count > 0; --count) word = word->Prev;
    return word;
}

// "Cientos de agricultores protestaron", "miles de personas llegaron": a
// numeral or noun phrase with its "de" complement, opening the clause, is the
// subject of the verb after it.
bool HasDeSubjectBefore(const PhraseNode& phrase, const WordNode* firstWord) {
    const PhraseNode* complement = phrase.Prev;
    if (!IsTagOf(complement, {"NPP"})) return false;
    const WordNode* de = WordsBack(firstWord, std::max(complement->MemberCount, 1));
    if (de == nullptr || de->SpWord != "de") return false;
    const PhraseNode* head = complement->Prev;
    if (!IsTagOf(head, {"Rord", "Indf", "NP", "NPS"})) return false;
    return head->Prev == nullptr || IsTagOf(head->Prev, {"ST", "Konj", "YKon", "Subx", "Konx", "KT"});
}

// The subject stands before a relative clause that ends right before the
// verb: "la chica que canta en el coro es ...", "el escritor, que tenía
// ochenta años, murió". An indefinite such as "todo el mundo" or "nadie"
// right before the verb is its subject too.
bool HasSubjectBefore(const PhraseNode& phrase) {
    // An unknown word right before the verb is taken for its subject.
    if (IsTagOf(phrase.Prev, {"Indx", "Indf", "X"})) return true;
    // An amount or a noun with its "de" phrase: "cientos de agricultores protestaron".
    if (IsTagOf(phrase.Prev, {"NPP"}) && phrase.Prev->Prev != nullptr &&
        (IsNounPhraseTag(phrase.Prev->Prev) || IsTagOf(phrase.Prev->Prev, {"Rord", "Indf"})))
        return true;
    bool verbBetween = false;
    for (const PhraseNode* p = phrase.Prev; p != nullptr; p = p->Prev) {
        if (IsTagOf(p, {"ST", "Konj", "YKon", "Subx", "Konx"})) return false;
        if (IsTagOf(p, {"Rel", "Relx", "NPS_R"})) {
            const PhraseNode* before = IsTagOf(p->Prev, {"KT"}) ? p->Prev->Prev : p->Prev;
            return verbBetween && IsNounPhraseTag(before);
        }
        if (p->Tag.view().find("VP") != std::string_view::npos) verbBetween = true;
    }
    return false;
}

}  // namespace

void ThirdPersonPronoun(const TranslationState& s, Str30& pronoun, Str30& spanish) {
    const WordNode* word = s.CurWord;
    if (IsImpersonal(word) || (word != nullptr && word->SpWord == "ser" && DescribesAThing(word->Next))) {
        pronoun = "det";
        spanish = "ello";
    } else {
        pronoun = "han";
        spanish = "\xE9l";
    }
}

void InsertSubjectPronoun(TranslationState& s) {
    const PhraseNode* phrase = s.PhraseCursor;
    if (phrase == nullptr || s.CurWord == nullptr) return;
    const bool activeSe = phrase->RuleNo == kReflexiveVerbRule && IsActiveSe(*s.CurWord);
    if ((Contains(NoSubjectRules, phrase->RuleNo) && !activeSe) || s.CurWord->SpWord == "hay") return;
    // "me gusta": the object pronoun becomes the subject.
    if (!ExperiencerSubject(s.CurWord).empty()) return;
    const WordNode* verb = Contains(VerbSecondRules, phrase->RuleNo) || activeSe ? s.CurWord->Next : s.CurWord;
    if (verb == nullptr || !Contains(SubjectPhraseTags, phrase->Tag.view())) return;
    if (StartsClockTime(verb) || StartsTimeAgo(verb)) return;
    if ((verb->PersonNo == 3 || verb->PersonNo == 6) && HasDeSubjectBefore(*phrase, s.CurWord)) return;
    if (verb->FormCode == fc::kInfinitive || verb->FormCode == fc::kImperative) return;
    if (phrase->Prev == nullptr && verb->FormCode == fc::kGerund) return;
    if (SharesEarlierSubject(*phrase, *verb)) return;
    if ((verb->PersonNo == 3 || verb->PersonNo == 6) && HasSubjectBefore(*phrase)) return;
    if (HasInfinitiveSubject(*verb) || HasRelativeSubject(*verb)) return;
    Str30 pronoun;
    Str30 spanish;
    // "hacía frío": the first and third person share the form, and the
    // weather has no first person.
    const int person = verb->PersonNo == 1 && (IsImpersonal(verb) || DescribesAThingInThirdPerson(*verb)) ? 3 : verb->PersonNo;
    if (!PronounOf(s, person, pronoun, spanish)) return;
    EmitCounted(s, verb->SpWord, pronoun, "ppsu");
    s.StagedWord.SpWord = spanish;
}

void AddQuestionSubject(TranslationState& s, const WordNode* verb) {
    if (verb == nullptr || !IsFiniteVerbWord(verb) || verb->PersonNo == 3 || verb->PersonNo == 6) return;
    if (HasSubjectAfterFrontedObject(*verb)) return;
    if (!FollowsQuestionWord(*verb)) return;
    Str30 pronoun;
    Str30 spanish;
    if (PronounOf(s, verb->PersonNo, pronoun, spanish)) EmitCounted(s, verb->SpWord, pronoun, "ppsu");
}

namespace {

// A plural possessive ("mis", "sus") makes the phrase plural even where the
// Spanish noun is found as its own entry ("mis gafas": "mina glasögon").
void EmitPossessiveForm(TranslationState& s, std::string_view form) {
    WordNode* word = s.CurWord;
    EmitCounted(s, word->SpWord, form, "poss");
    word->SvWord = form;
    word->ClassTag = "poss";
    s.CurWord = word->Next;
}

void EmitPossessive(TranslationState& s, const Possessive* row, char gender, int number) {
    WordNode* word = s.CurWord;
    if (word == nullptr) return;
    if (word->FormCode == fc::kPlural) number = fc::kPlural;
    Str30 form = word->SvWord;
    if (row != nullptr)
        if (const std::string_view* chosen = PossessiveFormFor(*row, gender, number)) form = *chosen;
    EmitPossessiveForm(s, form);
}

// The gender of the noun a standing possessive stands for: the nearest noun
// before it ("la casa es mía": "huset är mitt"), else common gender.
char GenderOfNounBefore(const WordNode& word) {
    for (const WordNode* w = word.Prev; w != nullptr; w = w->Prev)
        if (w->SpClass == wc::kNoun && w->Gender != '\0' && w->Gender != ' ') return w->Gender;
    return 'n';
}

const Possessive* StandingRowOf(const WordNode& word) {
    const auto row = std::find_if(Possessives.begin(), Possessives.end(),
                                  [&](const Possessive& p) { return word.SpWord == p.standing; });
    return row != Possessives.end() ? &*row : nullptr;
}

}  // namespace

bool IsStandingPossessive(const WordNode* word) { return word != nullptr && StandingRowOf(*word) != nullptr; }

void TranslateStandingPossessive(TranslationState& s) {
    if (s.CurWord == nullptr) return;
    const int number = s.CurWord->FormCode == fc::kPlural ? fc::kPlural : fc::kSingular;
    EmitPossessive(s, StandingRowOf(*s.CurWord), GenderOfNounBefore(*s.CurWord), number);
}

void TranslatePossessive(TranslationState& s, char gender, int number) {
    if (s.CurWord == nullptr) return;
    const auto row = std::find_if(Possessives.begin(), Possessives.end(),
                                  [&](const Possessive& p) { return s.CurWord->SpWord == p.spWord; });
    EmitPossessive(s, row != Possessives.end() ? &*row : nullptr, gender, number);
}

void TranslateOwnerPossessive(TranslationState& s, std::string_view owner) {
    if (s.CurWord != nullptr) EmitPossessiveForm(s, owner);
}

void TranslateFormalPossessive(TranslationState& s, char gender, int number) {
    if (s.CurWord != nullptr && s.CurWord->SpText == "sus") number = fc::kPlural;
    const auto row = std::find_if(Possessives.begin(), Possessives.end(),
                                  [](const Possessive& p) { return p.spWord == "vuestro"; });
    EmitPossessive(s, &*row, gender, number);
}

void TranslateOwnPossessive(TranslationState& s, char gender, int number) {
    if (s.CurWord != nullptr && s.CurWord->SpText == "sus") number = fc::kPlural;
    EmitPossessive(s, &OwnPossessive, gender, number);
}

}  // namespace quelvo
