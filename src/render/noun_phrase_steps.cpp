// The steps of the noun-phrase recipes, and the walk that runs them.
#include "render/noun_phrase_steps.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/emit.h"
#include "core/form_codes.h"
#include "core/word_classes.h"
#include "render/adverbs.h"
#include "render/comparison_steps.h"
#include "render/emission.h"
#include "render/own_possessive.h"
#include "render/phrase_progress.h"
#include "render/prepositions.h"
#include "swedish/adjectives.h"
#include "swedish/compound_form.h"
#include "swedish/determiners.h"
#include "swedish/experiencer.h"
#include "swedish/noun_phrase_assembly.h"
#include "swedish/nouns.h"
#include "swedish/pronouns.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

// Member tags that name the head noun, in order of preference.
constexpr std::array<std::string_view, 5> HeadTags{"n", "dN", "subx", "egnm", "x"};
// Without a noun the adjective carries the phrase's gender and number.
constexpr std::array<std::string_view, 4> AdjectiveTags{"adj", "vadj", "xadj", "p_vadj"};

struct WordPair {
    std::string_view from, to;
};

// The definite articles as written ("su", read as an article, is none of them).
constexpr std::array<std::string_view, 4> DefiniteArticles{"el", "la", "los", "las"};

// A subject pronoun after a preposition takes its object form (para él: "för honom").
constexpr std::array<WordPair, 4> ObjectForms{{{"de", "dem"}, {"han", "honom"}, {"hon", "henne"}, {"vi", "oss"}}};

Str8 MemberOf(const PhraseNode* phrase, int member) {
    return phrase != nullptr && member >= 1 && member <= kMaxMembers ? phrase->Members[member] : Str8();
}

const WordNode* WordAhead(const WordNode* word, int ahead) {
    for (; word != nullptr && ahead > 0; --ahead) word = word->Next;
    return word;
}

bool IsGenderLetter(char c) { return c == 'm' || c == 'f' || c == 'n' || c == 't'; }

// The word at the first member with one of `tags` among the phrase's `words`.
template <std::size_t N>
const WordNode* FindByTag(const TranslationState& s, const NounPhrase& np, int words,
                          const std::array<std::string_view, N>& tags) {
    for (std::string_view tag : tags)
        for (int i = 0; i < words; ++i)
            if (MemberOf(np.phrase, np.firstMember + i) == tag) return WordAhead(s.CurWord, i);
    return nullptr;
}

NounPhrase StartNounPhrase(const TranslationState& s, int firstMember, int words) {
    NounPhrase np;
    np.phrase = s.PhraseCursor;
    np.firstWord = s.CurWord;
    np.firstMember = firstMember;
    if (const WordNode* head = FindByTag(s, np, words, HeadTags)) {
        np.gender = GenderOfNoun(*head);
        np.number = head->FormCode;
        np.headCode = head->SvCode2;
    } else if (const WordNode* adjective = FindByTag(s, np, words, AdjectiveTags)) {
        if (IsGenderLetter(adjective->Gender)) np.gender = adjective->Gender;
        np.number = adjective->FormCode;
    }
    return np;
}

void SetMarks(NounPhrase& np, char mark) {
    np.adjectiveMark = mark;
    np.nounMark = mark;
}

// After a possessive the adjective takes its definite form and the noun its
// indefinite one (min stora bil).
void SetPossessiveMarks(NounPhrase& np) {
    np.adjectiveMark = 'b';
    np.nounMark = 'o';
    np.indefinite = 0;
}

// "su" of the clause's subject in place of the article: "sin", "sitt", "sina".
bool RunOwnPossessive(TranslationState& s, NounPhrase& np) {
    if (!PointsToSubject(s)) return false;
    TranslateOwnPossessive(s, np.gender, np.number);
    SetPossessiveMarks(np);
    return true;
}

bool IsWrittenDefiniteArticle(const WordNode& word) {
    return std::find(DefiniteArticles.begin(), DefiniteArticles.end(), word.SpText.view()) != DefiniteArticles.end();
}

// "juega (muy bien) al tenis": the game that "jugar a" names has no article
// in Swedish ("spelar tennis").
bool DropsGameArticle(TranslationState& s, NounPhrase& np) {
    const WordNode& article = *s.CurWord;
    const bool definite = IsWrittenDefiniteArticle(article);
    if (!definite || SpWordOf(article.Prev) != "a") return false;
    const WordNode* verb = article.Prev->Prev;
    while (verb != nullptr && verb->SpClass == wc::kAdverb) verb = verb->Prev;
    if (SpWordOf(verb) != "jugar") return false;
    AdvanceWord(s);
    SetMarks(np, 'o');
    return true;
}

// "usted olvidó su paraguas": ni glömde ert paraply.
bool RunFormalPossessive(TranslationState& s, NounPhrase& np) {
    if (!BelongsToUsted(s.CurWord)) return false;
    TranslateFormalPossessive(s, np.gender, np.number);
    SetPossessiveMarks(np);
    return true;
}

// "su" of a person named before, who is not the subject: "hans", "hennes", "deras".
bool RunOwnerPossessive(TranslationState& s, NounPhrase& np) {
    const std::string_view owner = OwnerBefore(s.CurWord);
    if (owner.empty()) return false;
    TranslateOwnerPossessive(s, owner);
    SetPossessiveMarks(np);
    return true;
}

// "tiene los ojos verdes": a feature that "tener" gives with an adjective
// after it has no article in Swedish ("har gröna ögon", "har långt hår").
bool DropsFeatureArticle(TranslationState& s, NounPhrase& np) {
    const WordNode& article = *s.CurWord;
    const bool definite = IsWrittenDefiniteArticle(article);
    const WordNode* noun = article.Next;
    const WordNode* adjective = noun != nullptr ? noun->Next : nullptr;
    if (adjective != nullptr && adjective->SpClass == wc::kAdverb) adjective = adjective->Next;
    const bool described = adjective != nullptr && noun->SpClass == wc::kNoun && adjective->SpClass == wc::kAdjective;
    if (!definite || !described || SpWordOf(article.Prev) != "tener") return false;
    AdvanceWord(s);
    SetMarks(np, 'o');
    return true;
}

// The article of the phrase is replaced or left out.
bool RunArticleInPlace(TranslationState& s, NounPhrase& np) {
    return RunOwnPossessive(s, np) || RunFormalPossessive(s, np) || RunOwnerPossessive(s, np) || DropsGameArticle(s, np) ||
           DropsFeatureArticle(s, np);
}

void RunArticle(TranslationState& s, NounPhrase& np) {
    if (RunArticleInPlace(s, np)) return;
    IsIndefiniteArticle(s, np.indefinite);
    char mark = 'b';
    EmitArticle(s, mark, np.headCode, np.gender);
    SetMarks(np, mark);
}

void RunArticleForm(TranslationState& s, NounPhrase& np) {
    if (RunArticleInPlace(s, np)) return;
    IsIndefiniteArticle(s, np.indefinite);
    char mark = 'b';
    Str30 form = s.CurWord->SvWord;
    TranslateArticle(s, np.gender, np.number, mark, form);
    EmitAndRecord(s, form, "det", mark, np.gender);
    SetMarks(np, mark);
}

void RunSuffixArticle(TranslationState& s, NounPhrase& np) {
    if (RunArticleInPlace(s, np)) return;
    IsIndefiniteArticle(s, np.indefinite);
    char mark = 'b';
    EmitSuffixArticle(s, np.gender, np.number, mark);
    SetMarks(np, mark);
}

// Before an adjective and two names the article is shown as it is but
// recorded as "en".
void RunNameArticle(TranslationState& s, NounPhrase& np) {
    IsIndefiniteArticle(s, np.indefinite);
    const WordNode& article = *s.CurWord;
    EmitOutWord(s, article.SpWord, article.SvWord, article.SvWord, "det");
    EmitWord(s, "en", "det", "det", ' ', ' ');
}

bool IsNounTag(const Str8& tag) { return tag.empty() || tag == "n" || tag == "dN"; }

void RunHold(TranslationState& s, NounPhrase& np) {
    const WordNode& word = *s.CurWord;
    const Str8 tag = MemberTagAt(s, np);
    HeldWord held{word.SpWord, word.SvWord, Str6(tag)};
    if (IsNounTag(tag)) {
        held.text = NounForm(s, np.nounMark);
        held.tag = "n";
    } else if (tag == "prep") {
        // A noun after a preposition inside the phrase is indefinite (de madera).
        np.nounMark = 'o';
    }
    if (np.heldCount < kMaxHeldWords) np.held[np.heldCount++] = held;
    else EmitCounted(s, held.spWord, held.text, held.tag);
    AdvanceWord(s);
}

void EmitHeldWords(TranslationState& s, NounPhrase& np) {
    for (int i = 0; i < np.heldCount; ++i) EmitCounted(s, np.held[i].spWord, np.held[i].text, np.held[i].tag);
    np.heldCount = 0;
}

void RunPlain(TranslationState& s, const RecipeStep& step, bool producedForm) {
    const WordNode& word = *s.CurWord;
    const Str30 text = producedForm ? word.SvForm : word.SvWord;
    EmitRecordedAs(s, text, step.tag, step.recordTag.empty() ? step.tag : step.recordTag);
}

bool IsQue(const WordNode& word) { return word.SpWord == "qu\xE9" || word.SpWord == "Qu\xE9"; }

void RunDeterminer(TranslationState& s, NounPhrase& np) {
    const WordNode& word = *s.CurWord;
    const WordNode* next = word.Next;
    char mark = 'b';
    if (IsQue(word) && next != nullptr && next->SpClass == wc::kNoun) {
        mark = 'o';
        EmitAndRecord(s, next->FormCode == fc::kSingular || next->FormCode == fc::kSingular2 ? "vilken" : "vilka", "indf", mark);
    } else {
        TranslateDeterminer(s, mark, np.gender);
    }
    // "ningún", "ninguna": the noun after "ingen" is indefinite.
    if (word.SpWord.view().starts_with("ning")) mark = 'o';
    SetMarks(np, mark);
    np.indefinite = mark == 'o' ? 1 : 0;
}

// "todo" before an article: "hela" with a singular noun, "alla" with a plural one.
void RunWholeOrAll(TranslationState& s, const NounPhrase& np) {
    const WordNode& word = *s.CurWord;
    Str30 form = word.SvWord;
    if (word.SpWord == "todo" && np.number == fc::kSingular) form = "hela";
    else if (word.SpWord == "todo" && np.number == fc::kPlural) form = "alla";
    EmitAndRecord(s, form, "indf");
}

void RunQuantifier(TranslationState& s, NounPhrase& np) {
    if (s.CurWord->SpWord != "todo") {
        RunDeterminer(s, np);
        return;
    }
    Str30 form = s.CurWord->SvWord;
    TranslateAllWhole(s, form, np.gender, np.number);
    EmitAndRecord(s, form, "indf");
}

void RunPossessive(TranslationState& s, NounPhrase& np) {
    TranslatePossessive(s, np.gender, np.number);
    SetPossessiveMarks(np);
}

// Noun "de" noun as one compound, the second noun first (casa de campo: "lanthus").
void RunCompound(TranslationState& s, const NounPhrase& np) {
    const WordNode& first = *s.CurWord;
    const Str30 firstForm = NounForm(s, np.nounMark);
    WordNode* second = first.Next != nullptr ? first.Next->Next : nullptr;
    if (second == nullptr) {
        EmitAndRecord(s, firstForm, "n", np.nounMark, np.gender);
        return;
    }
    second->ClassTag = "xadj";
    Str30 compound = second->SvWord;
    CompoundFormOf(compound, second->SvCode4);
    compound += firstForm;
    EmitAndRecord(s, compound, "n", np.nounMark, np.gender);
    AdvanceWord(s);
    AdvanceWord(s);
}

// A noun before "cada" stays first; before another determiner it follows it.
void RunNounDeterminer(TranslationState& s, NounPhrase& np) {
    const WordNode* next = s.CurWord->Next;
    np.nounMark = 'o';
    if (next != nullptr && next->SpWord == "cada") EmitNounForm(s, 'o');
    else RunHold(s, np);
    if (s.CurWord != nullptr) RunDeterminer(s, np);
}

// "para" and the other words of a mixed class count as prepositions when the
// resolvers have read them as one (Swedish class 7).
bool IsPreposition(const WordNode* w) {
    return w != nullptr && (w->SpClass == wc::kPreposition || w->SvClass == wc::kPreposition);
}

void RunSubjectPronoun(TranslationState& s) {
    const WordNode& word = *s.CurWord;
    Str30 text = word.SvWord;
    // "a ella le gusta": the pronoun after the left-out "a" is the subject.
    if (IsPreposition(word.Prev) && !NamesExperiencer(word.Prev))
        for (const WordPair& row : ObjectForms)
            if (text == row.from) text = row.to;
    EmitAndRecord(s, text, "ppsu");
}

// Demonstratives standing alone, by their Swedish form.
constexpr std::array<WordPair, 4> NeuterDemonstratives{
    {{"den h\xE4r", "det h\xE4r"}, {"de h\xE4r", "det h\xE4r"}, {"den d\xE4r", "det d\xE4r"}, {"de d\xE4r", "det d\xE4r"}}};

// "Este es el río": a demonstrative that presents a noun phrase with "ser"
// is "det här"/"det där" whatever the noun.
void RunDemonstrative(TranslationState& s) {
    const WordNode& word = *s.CurWord;
    Str30 text = word.SvWord;
    const WordNode* verb = word.Next;
    const bool presents = verb != nullptr && verb->SpWord == "ser" && verb->Next != nullptr &&
                          verb->Next->SpClass != wc::kAdjective && verb->Next->SpClass != wc::kAdverb;
    if (presents)
        for (const WordPair& row : NeuterDemonstratives)
            if (text == row.from) text = row.to;
    EmitRecordedAs(s, text, "indf", "indf");
}

void RunMeraParticipleNoun(TranslationState& s, NounPhrase& np) {
    if (np.indefinite != 0) {
        EmitMeraParticipleNoun(s, np.nounMark);
        return;
    }
    RunHold(s, np);
    if (s.CurWord != nullptr) RunCompare(s, np);
}

void RunStep(TranslationState& s, NounPhrase& np, const RecipeStep& step) {
    switch (step.kind) {
        case Step::Article: RunArticle(s, np); break;
        case Step::ArticleForm: RunArticleForm(s, np); break;
        case Step::SuffixArticle: RunSuffixArticle(s, np); break;
        case Step::NameArticle: RunNameArticle(s, np); break;
        case Step::ArticleNoun:
            if (RunArticleInPlace(s, np)) {
                EmitNounForm(s, np.nounMark);
                break;
            }
            IsIndefiniteArticle(s, np.indefinite);
            EmitArticleNoun(s);
            break;
        case Step::Noun: EmitNounForm(s, np.nounMark); break;
        case Step::Hold: RunHold(s, np); break;
        case Step::Adjective: EmitAgreedAdjective(s, np, MemberTagAt(s, np)); break;
        case Step::Conjunction: EmitAndRecord(s, s.CurWord->SvWord, "ykon"); break;
        case Step::Compare: RunCompare(s, np); break;
        case Step::MeraCompare: RunMeraCompare(s, np); break;
        case Step::MerOrMest: RunMerOrMest(s, np); break;
        case Step::MeraParticipleNoun: RunMeraParticipleNoun(s, np); break;
        case Step::Plain: RunPlain(s, step, false); break;
        case Step::PlainForm: RunPlain(s, step, true); break;
        case Step::Adverb: EmitAdverb(s); break;
        case Step::Preposition: EmitPreposition(s); break;
        case Step::Determiner: RunDeterminer(s, np); break;
        case Step::WholeOrAll: RunWholeOrAll(s, np); break;
        case Step::Quantifier: RunQuantifier(s, np); break;
        case Step::Possessive: RunPossessive(s, np); break;
        case Step::PossessiveNoun: EmitPossessiveNoun(s); break;
        case Step::PossessiveAdjectiveNoun: EmitPossessiveAdjectiveNoun(s); break;
        case Step::NounAdjective: EmitNounAdjective(s, np.nounMark, np.adjectiveMark); break;
        case Step::AdjectiveNoun:
            EmitAdjectiveNoun(s, s.CurWord->SvWord, np.number, np.nounMark, np.adjectiveMark, np.gender,
                              s.CurWord->SvCode2);
            break;
        case Step::NounParticiple: EmitNounParticiple(s, np.nounMark, np.adjectiveMark); break;
        case Step::Compound: RunCompound(s, np); break;
        case Step::MoreAdverb: RunMoreAdverb(s); break;
        case Step::NounDeterminer: RunNounDeterminer(s, np); break;
        case Step::SubjectPronoun: RunSubjectPronoun(s); break;
        case Step::Demonstrative: RunDemonstrative(s); break;
        case Step::StandingPossessive: TranslateStandingPossessive(s); break;
        case Step::None: break;
    }
}

}  // namespace

void IsIndefiniteArticle(const TranslationState& s, std::uint8_t& flag) {
    const std::string_view word = SpWordOf(s.CurWord);
    if (word == "un" || word == "una") flag = 1;
    // "lo" is definite too: "lo más importante" is "det viktigaste".
    else if (word == "el" || word == "la" || word == "los" || word == "las" || word == "lo") flag = 0;
}

Str8 MemberTagAt(const TranslationState& s, const NounPhrase& np, int ahead) {
    return MemberOf(np.phrase, np.firstMember + WordsBetween(np.firstWord, s.CurWord) + ahead);
}

void EmitAgreedAdjective(TranslationState& s, const NounPhrase& np, const Str8& tag) {
    if (tag == "vadj" || tag == "p_vadj") {
        const Str30 form = AgreedParticipleForm(s, np.number, np.gender, np.adjectiveMark);
        EmitAndRecord(s, form, "vadj", np.adjectiveMark, np.gender);
        return;
    }
    Str30 form = s.CurWord->SvWord;
    InflectAdjective(s, form, np.gender, np.number, s.CurWord->SvCode2, np.adjectiveMark);
    EmitAndRecord(s, form, "adj", np.adjectiveMark, np.gender);
}

void RunRecipe(TranslationState& s, const Recipe& recipe, int firstMember) {
    NounPhrase np = StartNounPhrase(s, firstMember, WordsOfRecipe(recipe));
    for (const RecipeStep& step : recipe.steps) {
        if (step.kind == Step::None || s.CurWord == nullptr) break;
        RunStep(s, np, step);
    }
    EmitHeldWords(s, np);
}

}  // namespace quelvo
