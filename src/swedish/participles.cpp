#include "swedish/participles.h"

#include <array>
#include <string>
#include <string_view>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/lookups.h"
#include "swedish/word_text.h"

namespace quelvo {
namespace {

// The participle endings of the regular groups: common singular, neuter
// singular and plural/definite, after cutting the infinitive; the plural
// form codes (3, 14, 34) cut and add their own.
struct ParticipleEndings {
    int group;
    int cut;
    std::string_view common, neuter, plural;
    int pluralCut;
    std::string_view pluralCodeEnding;
};

constexpr std::array<ParticipleEndings, 9> RegularParticiples{{
    {1, 1, "ad", "at", "ade", 1, "ade"},
    {20, 1, "ad", "at", "ade", 1, "ade"},
    {2, 1, "t", "t", "ta", 1, "ta"},
    {3, 1, "d", "t", "da", 1, "da"},
    {10, 1, "d", "t", "da", 1, "da"},
    {4, 0, "dd", "tt", "dda", 0, "dda"},
    {6, 3, "nd", "nt", "nda", 2, "da"},
    {7, 2, "dd", "tt", "dda", 2, "dda"},
    {11, 2, "d", "t", "da", 2, "da"},
}};

struct ParticipleForms {
    std::string_view key, common, neuter, plural;
};

// Verbs of no group or of group 12 whose participle is another word.
constexpr std::array<ParticipleForms, 6> IrregularParticiples{{
    {"tillgjord", "drabbad", "", "drabbade"},
    {"invecklad", "invecklat", "", "invecklade"},
    {"hoppas", "f\xF6rv\xE4ntad", "", "f\xF6rv\xE4ntade"},
    {"upptagen", "upptaget", "", "upptagna"},
    {"misslyckas", "misslyckad", "", "misslyckade"},
    {"privat", "privat", "", "privata"},
}};

// Particle verbs of group 9 with their participle.
constexpr std::array<ParticipleForms, 2> ParticleVerbParticiples{{
    {"ta fram", "framtagen", "", ""},
    {"driva fram", "framdriven", "", ""},
}};

// The strong and irregular verbs of group 9.
constexpr std::array<ParticipleForms, 69> StrongParticiples{{
    {"angripa", "angripen", "angripet", "angripna"},
    {"anse", "ansedd", "ansett", "ansedda"},
    {"avlida", "avliden", "avlidet", "avlidna"},
    {"avse", "avsedd", "avsett", "avsedda"},
    {"be", "\xF6nskad", "\xF6nskat", "\xF6nskade"},
    {"beg\xE5", "beg\xE5ngen", "beg\xE5nget", "beg\xE5ngna"},
    {"beskriva", "beskriven", "beskrivet", "beskrivna"},
    {"beslagta", "beslagtagen", "beslagtaget", "beslagtagna"},
    {"binda", "bunden", "bundet", "bundna"},
    {"dra av", "avdragen", "avdraget", "avdragna"},
    {"d\xF6lja", "dold", "dolt", "dolda"},
    {"d\xF6" "d", "d\xF6" "d", "d\xF6tt", "d\xF6" "da"},
    {"d\xF6" "da", "d\xF6" "dad", "d\xF6" "dat", "d\xF6" "dade"},
    {"erbjuda", "erbjuden", "erbjudet", "erbjudna"},
    {"erh\xE5lla", "erh\xE5llen", "erh\xE5llet", "erh\xE5llna"},
    {"erk\xE4nna", "erk\xE4nd", "erk\xE4nt", "erk\xE4nda"},
    {"ers\xE4tta", "ersatt", "ersatt", "ersatta"},
    {"finna", "funnen", "funnet", "funna"},
    {"finnas", "funnen", "funnet", "funna"},
    {"forts\xE4tta", "fortsatt", "fortsatt", "fortsatta"},
    {"framl\xE4gga", "framlagd", "framlagt", "framlagda"},
    {"frige", "frigiven", "frigivet", "frigivna"},
    {"frig\xF6ra", "frigjord", "frigjort", "frigjorda"},
    {"frik\xE4nna", "frik\xE4nd", "frik\xE4nt", "frik\xE4nda"},
    {"frysa", "frusen", "fruset", "frusna"},
    {"f\xE5", "mottagen", "mottaget", "mottagna"},
    {"f\xF6rbinda", "f\xF6rbunden", "f\xF6rbundet", "f\xF6rbundna"},
    {"f\xF6rbjuda", "f\xF6rbjuden", "f\xF6rbjudet", "f\xF6rbjudna"},
    {"f\xF6rdriva", "f\xF6rdriven", "f\xF6rdrivet", "f\xF6rdrivna"},
    {"f\xF6rtiga", "f\xF6rtegen", "f\xF6rteget", "f\xF6rtegna"},
    {"f\xF6regripa", "f\xF6regripen", "f\xF6regripet", "f\xF6regripna"},
    {"f\xF6resl\xE5", "f\xF6reslagen", "f\xF6reslaget", "f\xF6reslagna"},
    {"f\xF6rflyta", "f\xF6rfluten", "f\xF6rflutet", "f\xF6rflutna"},
    {"f\xF6rnimma", "f\xF6rnummen", "f\xF6rnummet", "f\xF6rnumna"},
    {"f\xF6rsvinna", "f\xF6rsvunnen", "f\xF6rsvunnet", "f\xF6rsvunna"},
    {"ge", "given", "givet", "givna"},
    {"gripa", "gripen", "gripet", "gripna"},
    {"g\xF6mma", "g\xF6md", "g\xF6mt", "g\xF6mda"},
    {"inneb\xE4ra", "inneburen", "inneburet", "inneburna"},
    {"k\xE4nd", "k\xE4nd", "k\xE4nt", "k\xE4nda"},
    {"lida", "liden", "lidet", "lidna"},
    {"motta", "mottagen", "mottaget", "mottagna"},
    {"omge", "omgiven", "omgivet", "omgivna"},
    {"omintetg\xF6ra", "omintetgjord", "omintetgjord", "omintetgjorda"},
    {"p\xE5minna", "p\xE5mind", "p\xE5mint", "p\xE5minda"},
    {"sjunga", "sjungen", "sjunget", "sjungna"},
    {"skydda", "skyddad", "skyddat", "skyddade"},
    {"sk\xE4ra", "skuren", "skuret", "skurna"},
    {"sl\xE5", "slagen", "slaget", "slagna"},
    {"sprida", "spridd", "spritt", "spridda"},
    {"stenl\xE4gga", "stenlagd", "stenlagt", "stenlagda"},
    {"stj\xE4la", "stulen", "stulet", "stulna"},
    {"st\xF6" "dja", "st\xF6" "dd", "st\xF6tt", "st\xF6" "dda"},
    {"s\xE4lja", "s\xE5ld", "s\xE5lt", "s\xE5lda"},
    {"till\xE5ta", "till\xE5ten", "till\xE5tet", "till\xE5tna"},
    {"tillskriva", "tillskriven", "tillskrivet", "tillskrivna"},
    {"understryka", "understruken", "understruket", "understrukna"},
    {"undvika", "undviken", "undviket", "undvikna"},
    {"uppeh\xE5lla", "uppeh\xE5llen", "uppeh\xE5llet", "uppeh\xE5llna"},
    {"uppskjuta", "uppskjuten", "uppskjutet", "uppskjutna"},
    {"vrida", "vriden", "vridet", "vridna"},
    {"v\xE4lja", "vald", "valt", "valda"},
    {"v\xE4nja", "van", "vant", "vana"},
    {"\xE5terge", "\xE5tergiven", "\xE5tergivet", "\xE5tergivna"},
    {"\xE5terta", "\xE5tertagen", "\xE5tertaget", "\xE5tertagna"},
    {"\xF6ppen", "\xF6ppen", "\xF6ppet", "\xF6ppna"},
    {"\xF6ppna", "\xF6ppnad", "\xF6ppnat", "\xF6ppnade"},
    {"\xF6verge", "\xF6vergiven", "\xF6vergivet", "\xF6vergivna"},
    {"\xF6vers\xE4tta", "\xF6versatt", "\xF6versatt", "\xF6versatta"},
}};

struct ParticipleAdjective {
    std::string_view spWord, singular, plural;
};

constexpr std::array<ParticipleAdjective, 4> ParticipleAdjectives{{
    {"descolgar", "nertagen", "nertagna"},
    {"sacar", "framtagen", "framtagna"},
    {"excavar", "utgr\xE4vd", "utgr\xE4vda"},
    {"avanzar", "avancerad", "avancerade"},
}};

constexpr bool IsAgreeingCode(int formCode) { return formCode == fc::kParticiple || formCode == fc::kSupine || formCode == fc::kAgreeingParticiple; }
constexpr bool IsPluralCode(int formCode) { return formCode == fc::kPlural || formCode == fc::kParticiplePlural || formCode == fc::kPluralParticiple; }

template <std::size_t N>
const ParticipleForms* Find(const std::array<ParticipleForms, N>& table, const Str30& key) {
    const ParticipleForms* hit = nullptr;
    for (const ParticipleForms& row : table)
        if (key == row.key) hit = &row;
    return hit;
}

const ParticipleEndings* RegularEndingsOf(int group) {
    for (const ParticipleEndings& row : RegularParticiples)
        if (row.group == group) return &row;
    return nullptr;
}

void AgreeRegular(const ParticipleEndings& row, Str30& form, int wordFormCode, char gender, char definiteness) {
    if (IsPluralCode(wordFormCode)) {
        form = WithoutLast(form, row.pluralCut) + row.pluralCodeEnding;
    } else if (IsAgreeingCode(wordFormCode)) {
        const bool indefinite = definiteness == 'o' || definiteness == ' ';
        const std::string_view ending = !indefinite ? row.plural : gender == 't' ? row.neuter : row.common;
        form = WithoutLast(form, row.cut) + ending;
    }
}

void AgreeGroup8(Str30& form, int wordFormCode) {
    if (IsAgreeingCode(wordFormCode))
        form = WithoutLast(form, 2) + "tt";
    else if (wordFormCode == fc::kPluralParticiple)
        form = WithoutLast(form, 2) + "tta";
}

// A particle verb's participle takes "en" singular and "na" plural
// (framtagen, framtagna).
void AgreeParticleVerb(const WordNode& word, Str30& form) {
    const ParticipleForms* row = Find(ParticleVerbParticiples, form);
    if (row == nullptr) {
        form = word.SvWord;
        return;
    }
    form = row->common;
    if (word.FormCode == fc::kAgreeingParticiple)
        form = WithoutLast(form, 2) + "en";
    else if (word.FormCode == fc::kPluralParticiple)
        form = WithoutLast(form, 2) + "na";
}

std::string WithEnding(std::string_view common, std::size_t cut, std::string_view ending) {
    return std::string(common.substr(0, common.size() - cut)) + std::string(ending);
}

// The neuter and plural of a strong participle by its ending: "bruten"
// "brutet" "brutna", "gjord" "gjort" "gjorda", "sedd" "sett" "sedda".
Str30 AgreedStrongForm(std::string_view common, bool neuter, bool plural) {
    if (common.ends_with("en")) return Str30(WithEnding(common, 2, plural ? "na" : neuter ? "et" : "en"));
    if (plural) return Str30(WithEnding(common, 0, "a"));
    if (neuter && common.ends_with("dd")) return Str30(WithEnding(common, 2, "tt"));
    if (neuter && common.ends_with("d")) return Str30(WithEnding(common, 1, "t"));
    return Str30(common);
}

// A strong verb the participle table lacks takes its participle from the
// irregular-verb dictionary ("bryta": "bruten"), when that has one.
void AgreeFromDictionary(const TranslationState& s, const WordNode& word, Str30& form, char definiteness) {
    Str30 participle = form;
    LookupIrregularVerb(s, participle, fc::kPastParticiple);
    if (participle.empty() || participle == form) return;
    const bool agreeing = IsAgreeingCode(word.FormCode);
    const bool neuter = agreeing && definiteness == 'o' && word.Gender == 't';
    const bool plural = agreeing ? definiteness == 'b' : IsPluralCode(word.FormCode);
    form = AgreedStrongForm(participle.view(), neuter, plural);
}

void AgreeStrong(const TranslationState& s, const WordNode& word, Str30& form, char definiteness) {
    const ParticipleForms* row = Find(StrongParticiples, form);
    if (row == nullptr) {
        AgreeFromDictionary(s, word, form, definiteness);
        return;
    }
    form = row->common;
    if (IsAgreeingCode(word.FormCode)) {
        if (definiteness == 'o' && word.Gender == 't')
            form = row->neuter;
        else if (definiteness == 'b')
            form = row->plural;
    } else if (word.FormCode == fc::kPlural || word.FormCode == fc::kPluralParticiple) {
        form = row->plural;
    }
}

void AgreeListed(Str30& form, int callerFormCode, char definiteness) {
    const ParticipleForms* row = Find(IrregularParticiples, form);
    if (row == nullptr) return;
    form = callerFormCode == fc::kPlural || definiteness == 'b' ? row->plural : row->common;
}

}  // namespace

void AgreeParticiple(const TranslationState& s, Str30& form, int group, int callerFormCode, char gender,
                     char definiteness) {
    const WordNode* word = s.CurWord;
    if (word == nullptr) return;
    if (const ParticipleEndings* row = RegularEndingsOf(group)) {
        AgreeRegular(*row, form, word->FormCode, gender, definiteness);
    } else if (group == 8) {
        AgreeGroup8(form, word->FormCode);
    } else if (group == 0 || group == 12) {
        AgreeListed(form, callerFormCode, definiteness);
    } else if (group == kIrregularVerbGroup && word->SvClass == wc::kParticleVerb) {
        AgreeParticleVerb(*word, form);
    } else if (group == kIrregularVerbGroup) {
        AgreeStrong(s, *word, form, definiteness);
    }
}

void LookupParticipleAdjective(const TranslationState& s, Str30& form, int selector) {
    const WordNode* word = s.CurWord;
    if (word == nullptr) return;
    for (const ParticipleAdjective& row : ParticipleAdjectives) {
        if (word->SpWord != row.spWord) continue;
        form = selector == 34 ? row.plural : row.singular;
        return;
    }
}

}  // namespace quelvo
