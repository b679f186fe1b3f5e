// The shipped vocabulary: it compiles without remarks, every verb and noun
// can be formed, and the words the rules name carry the codes they read.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "builder_steps.h"
#include "core/word_classes.h"
#include "dictionary_codes.h"
#include "lexicon/lexicon.h"
#include "lexicon/lookups.h"
#include "lexicon_compiler.h"
#include "source_table.h"
#include "test_support.h"

namespace quelvo {
namespace {

using testing_support::Cp;
using testing_support::Utf;

lexc::SourceSet ShippedSources() {
    lexc::Diagnostics problems;
    lexc::SourceSet sources = lexc::ReadSourceDirectory(QUELVO_LEXICON_SOURCES, problems);
    for (const lexc::Diagnostic& d : problems.All()) ADD_FAILURE() << d.Describe();
    return sources;
}

TEST(ShippedVocabulary, CompilesWithoutRemarks) {
    const lexc::CompileResult result = lexc::CompileLexicon(ShippedSources());
    std::string remarks;
    for (const lexc::Diagnostic& d : result.diagnostics) remarks += d.Describe() + "\n";
    EXPECT_TRUE(result.diagnostics.empty()) << remarks;
    EXPECT_EQ(result.files.size(), 7u);
}

// The sources as the compiler reads them, before anything is written.
class ShippedModel : public testing::Test {
protected:
    static void SetUpTestSuite() {
        const lexc::SourceSet sources = ShippedSources();
        auto text = [&](const char* name) { return sources.contains(name) ? sources.at(name) : std::string(); };
        lexc::Diagnostics ignored;
        model_ = std::make_unique<lexc::LexiconModel>();
        lexc::ReadSwedishEntries(text("swedish.tsv"), *model_, ignored);
        lexc::ReadSpanishForms(text("spanish.tsv"), *model_, ignored);
        lexc::ReadFormEntries(text("form_entries.tsv"), *model_, ignored);
        lexc::ReadPhrases(text("phrases.tsv"), *model_, ignored);
        lexc::ReadIrregularVerbs(text("swedish_irregular_verbs.tsv"), *model_, ignored);
        lexc::ReadIrregularNouns(text("irregular_nouns.tsv"), *model_, ignored);
        swedishText_ = text("swedish.tsv");
    }
    static void TearDownTestSuite() { model_.reset(); }

    static int ClassOfEntry(const lexc::SwedishEntry& e) { return e.codes[0] & 63; }
    static bool HasIrregularVerb(const std::string& infinitive) {
        return std::ranges::any_of(model_->irregularVerbs, [&](const lexc::IrregularVerb& v) {
            return v.forms[0] == infinitive && !v.forms[1].empty() && !v.forms[2].empty() && !v.forms[4].empty();
        });
    }
    static bool HasIrregularNoun(const std::string& word) {
        return std::ranges::any_of(model_->irregularNouns, [&](const lexc::IrregularNoun& n) {
            return n.forms[0] == word && std::ranges::none_of(n.forms, &std::string::empty);
        });
    }

    static std::unique_ptr<lexc::LexiconModel> model_;
    static std::string swedishText_;
};
std::unique_ptr<lexc::LexiconModel> ShippedModel::model_;
std::string ShippedModel::swedishText_;

TEST_F(ShippedModel, EveryVerbHasAGroupThatFormsIt) {
    const int verbClasses[] = {*WordClassByLabel("v"), *WordClassByLabel("hjv"), *WordClassByLabel("HvbFras")};
    int verbs = 0;
    for (const lexc::SwedishEntry& e : model_->entries) {
        if (std::ranges::find(verbClasses, ClassOfEntry(e)) == std::end(verbClasses)) continue;
        ++verbs;
        const int group = e.codes[2] & kVerbGroupMask;
        EXPECT_TRUE(group >= 1 && group <= kMaxVerbGroup) << Utf(e.word) << " has no verb group";
        // a particle verb is conjugated by its verb, the word before the blank
        const std::string verb = e.word.substr(0, e.word.find(' '));
        if (group == kIrregularVerbGroup) {
            EXPECT_TRUE(HasIrregularVerb(verb)) << Utf(verb) << " is irregular but has no complete forms";
        }
    }
    EXPECT_GT(verbs, 500);
}

TEST_F(ShippedModel, EveryNounHasGenderAndDeclension) {
    const lexc::ColumnSpec columns[] = {{"key", false},       {"number", false},    {"word", true},
                                        {"class", true},      {"gender", false},    {"declension", false},
                                        {"adjective", false}, {"comparison", false}, {"group", false},
                                        {"compound", false},  {"flags", false}};
    lexc::Diagnostics ignored;
    int nouns = 0;
    for (const lexc::SourceRow& row : lexc::ReadSourceTable("swedish.tsv", swedishText_, columns, ignored)) {
        if (row.fields[3] != "n") continue;
        ++nouns;
        const std::string& word = row.fields[2];
        EXPECT_FALSE(row.fields[4].empty()) << word << " (line " << row.line << ") has no gender";
        EXPECT_FALSE(row.fields[5].empty()) << word << " (line " << row.line << ") has no declension";
        if (row.fields[5] == "15" || row.fields[5] == "22") {
            EXPECT_TRUE(HasIrregularNoun(Cp(word))) << word << " is irregular but has no complete forms";
        }
    }
    EXPECT_GT(nouns, 800);
}

// The resolvers fetch the second reading of these words from the form entries.
TEST_F(ShippedModel, WordsReadTwoWaysHaveTheirSecondReading) {
    const int twoWayClasses[] = {*WordClassByLabel("SbAdj"), *WordClassByLabel("SbAdv"), *WordClassByLabel("AdjAdvSb"),
                                 *WordClassByLabel("IAdv"), *WordClassByLabel("IAAS")};
    const std::uint16_t sppva = lexc::FindFlag("sppva")->bits;
    const std::uint16_t verbAdj = lexc::FindFlag("verb-adj")->bits;
    const int adjective = *WordClassByLabel("adj");
    int twoWay = 0;
    for (const lexc::SpanishForm& f : model_->spanishForms) {
        const int spClass = f.codes[0] & 63;
        const bool readTwoWays = std::ranges::find(twoWayClasses, spClass) != std::end(twoWayClasses) ||
                                 (f.codes[0] & sppva) != 0 || (spClass == adjective && (f.codes[1] & verbAdj) != 0);
        if (!readTwoWays) continue;
        ++twoWay;
        EXPECT_TRUE(std::ranges::any_of(model_->formEntries, [&](const lexc::FormEntry& e) { return e.form == f.form; }))
            << Utf(f.form) << " has no entry in form_entries.tsv";
    }
    EXPECT_GT(twoWay, 40);
}

TEST_F(ShippedModel, NounExpressionsHaveADeclension) {
    for (const lexc::Phrase& p : model_->phrases) {
        if (p.classWord != "sub") continue;
        EXPECT_NE(p.number & kDeclensionMask, 0) << Utf(p.spanish);
    }
}

// The compiled files, read by the lookups the translator uses.
class Shipped : public testing::Test {
protected:
    static void SetUpTestSuite() {
        auto loaded = Lexicon::Load(QUELVO_BUILD_DATA);
        if (const auto* error = std::get_if<DataError>(&loaded)) FAIL() << error->Describe();
        lexicon_ = std::get<std::shared_ptr<const Lexicon>>(loaded);
    }
    static void TearDownTestSuite() { lexicon_.reset(); }

    bool FindsSpanish(const std::string& utf8) {
        s.LookupWord = Str30(Cp(utf8));
        bool found = false;
        LookupSpanishWord(s, found);
        return found;
    }

    static std::shared_ptr<const Lexicon> lexicon_;
    TranslationState s{*lexicon_};
};
std::shared_ptr<const Lexicon> Shipped::lexicon_;

struct CodedWord {
    const char* spanish;
    const char* classLabel;
    const char* flag;  // a flag of "dictionary_codes.h" the word must carry, or ""
};
void PrintTo(const CodedWord& w, std::ostream* os) { *os << w.spanish; }

class WordsTheRulesName : public Shipped, public testing::WithParamInterface<CodedWord> {};

TEST_P(WordsTheRulesName, CarryTheirClassAndFlag) {
    const CodedWord& w = GetParam();
    ASSERT_TRUE(FindsSpanish(w.spanish));
    EXPECT_EQ(static_cast<int>(s.StagedWord.SpClass), WordClassByLabel(w.classLabel).value());
    if (*w.flag == '\0') return;
    const lexc::FlagName* flag = lexc::FindFlag(w.flag);
    ASSERT_NE(flag, nullptr);
    const std::uint16_t codes[] = {s.StagedWord.SpCode1, s.StagedWord.SpCode2, s.StagedWord.SpCode3};
    const std::uint16_t code = codes[static_cast<int>(flag->field)];
    EXPECT_EQ(code & flag->bits, flag->bits) << w.flag;
}

INSTANTIATE_TEST_SUITE_P(Resolvers, WordsTheRulesName,
                         testing::Values(CodedWord{"lo", "DetPpob", ""}, CodedWord{"la", "DetPpob", ""},
                                         CodedWord{"los", "DetPpob", ""}, CodedWord{"las", "DetPpob", ""},
                                         CodedWord{"que", "RKIF", ""}, CodedWord{"una", "PsuRrd", ""},
                                         CodedWord{"uno", "PsuRrd", ""}, CodedWord{"sobre", "PrepSub", ""},
                                         CodedWord{"vía", "PrepSub", ""}, CodedWord{"todo", "IAAS", ""},
                                         CodedWord{"este", "IAAS", ""}, CodedWord{"a", "PrInfmFrasP", ""},
                                         CodedWord{"para", "PrInfmFrasP", ""}, CodedWord{"estar", "HvbHjvb", ""},
                                         CodedWord{"haber", "HvbHjvb", ""}, CodedWord{"mañana", "SbAdv", ""},
                                         CodedWord{"alrededor", "SbAdv", ""}, CodedWord{"cierto", "AdjAdv", ""},
                                         CodedWord{"mal", "AdjAdvSb", ""}, CodedWord{"joven", "SbAdj", ""},
                                         CodedWord{"enfermo", "SbAdj", ""}, CodedWord{"mucho", "IAdv", ""}));
INSTANTIATE_TEST_SUITE_P(Classes, WordsTheRulesName,
                         testing::Values(CodedWord{"y", "YKonj", ""}, CodedWord{"e", "YKonj", ""},
                                         CodedWord{"más", "Mer", ""}, CodedWord{"menos", "Mer", ""},
                                         CodedWord{"hay", "v", ""}, CodedWord{"poder", "hjv", ""},
                                         CodedWord{"ser", "v", ""}, CodedWord{"no", "neg", "phrase-start"},
                                         CodedWord{"me", "ppob", ""}, CodedWord{"nos", "ppob", ""},
                                         CodedWord{"se", "refl", ""}, CodedWord{"yo", "ppsu", ""},
                                         CodedWord{"ustedes", "ppsu", ""}, CodedWord{"mi", "poss", ""},
                                         CodedWord{"nuestro", "poss", ""}, CodedWord{"el", "det", ""},
                                         CodedWord{"un", "det", ""}, CodedWord{"dos", "rord", ""},
                                         CodedWord{"millón", "n", ""}, CodedWord{"cómo", "Interr", ""}));
INSTANTIATE_TEST_SUITE_P(Flags, WordsTheRulesName,
                         testing::Values(CodedWord{"dicho", "SbAdj", "participle-noun"},
                                         CodedWord{"hecho", "SbAdj", "participle-noun"},
                                         CodedWord{"visto", "SbAdj", "participle-noun"},
                                         CodedWord{"puesto", "SbAdj", "participle-noun"},
                                         CodedWord{"muerto", "SbAdj", "participle-noun"},
                                         CodedWord{"cubierto", "SbAdj", "participle-noun"},
                                         CodedWord{"significado", "SbAdj", "participle-noun"},
                                         CodedWord{"protegido", "SbAdj", "participle-noun"},
                                         CodedWord{"circular", "SbAdj", "participle-noun"},
                                         CodedWord{"pedido", "n", "sppva"}, CodedWord{"ganado", "n", "sppva"},
                                         CodedWord{"supuesto", "n", "sppva"}, CodedWord{"bajo", "adj", "verb-adj"},
                                         CodedWord{"solo", "adj", "verb-adj"},
                                         CodedWord{"estrecho", "adj", "verb-adj"},
                                         CodedWord{"extraño", "adj", "verb-adj"},
                                         CodedWord{"estrechar", "v", "verb-adj"},
                                         CodedWord{"extrañar", "v", "verb-adj"}, CodedWord{"soler", "hjv", "verb-adj"},
                                         CodedWord{"ver", "v", "drop-a"}, CodedWord{"conocer", "v", "drop-a"},
                                         CodedWord{"estado", "n", "flagged"}, CodedWord{"antes", "adv", "phrase-start"},
                                         CodedWord{"después", "adv", "phrase-start"}));

struct NamedEntry {
    const char* number;
    const char* word;
};
void PrintTo(const NamedEntry& e, std::ostream* os) { *os << e.number; }

class EntriesTheRulesFetch : public Shipped, public testing::WithParamInterface<NamedEntry> {};

TEST_P(EntriesTheRulesFetch, HoldTheirWord) {
    s.StagedWord.SvKey = Str6(GetParam().number);
    bool found = false;
    LookupSwedishEntry(s, found);
    ASSERT_TRUE(found);
    EXPECT_EQ(Utf(s.StagedWord.SvWord.view()), GetParam().word);
    EXPECT_NE(s.StagedWord.SvCode3 & kVerbGroupMask, 0) << "the verb must conjugate";
}

INSTANTIATE_TEST_SUITE_P(ByNumber, EntriesTheRulesFetch,
                         testing::Values(NamedEntry{"147", "kunna"}, NamedEntry{"1263", "försöka"},
                                         NamedEntry{"2059", "påminna"}, NamedEntry{"5008", "cirkulera"},
                                         NamedEntry{"9031", "tendera"}));

struct VerbFormCase {
    const char* form;
    const char* infinitive;
    int formCode;
    int person;
};
void PrintTo(const VerbFormCase& c, std::ostream* os) { *os << c.form; }

class IrregularSpanishForms : public Shipped, public testing::WithParamInterface<VerbFormCase> {};

TEST_P(IrregularSpanishForms, GiveInfinitiveCodeAndPerson) {
    const VerbFormCase& c = GetParam();
    Str30 word(Cp(c.form));
    bool found = false;
    int formCode = 0;
    LookupVerbForm(s, word, found, formCode);
    ASSERT_TRUE(found);
    EXPECT_EQ(Utf(word.view()), c.infinitive);
    EXPECT_EQ(formCode, c.formCode);
    EXPECT_EQ(s.StagedWord.PersonNo, static_cast<std::uint32_t>(c.person));
    EXPECT_TRUE(FindsSpanish(c.infinitive)) << "the infinitive must be in the dictionary";
}

// The verbs whose constructions test the special codes.
INSTANTIATE_TEST_SUITE_P(
    SpecialCodes, IrregularSpanishForms,
    testing::Values(VerbFormCase{"es", "ser", 450, 3}, VerbFormCase{"era", "ser", 460, 1},
                    VerbFormCase{"fue", "ser", 470, 3}, VerbFormCase{"será", "ser", 475, 3},
                    VerbFormCase{"sería", "ser", 476, 1}, VerbFormCase{"está", "estar", 450, 3},
                    VerbFormCase{"estaba", "estar", 460, 1}, VerbFormCase{"ha", "haber", 450, 3},
                    VerbFormCase{"había", "haber", 460, 1}, VerbFormCase{"habrá", "haber", 475, 3},
                    VerbFormCase{"va", "ir", 450, 3}, VerbFormCase{"iba", "ir", 460, 1},
                    VerbFormCase{"iremos", "ir", 475, 4}, VerbFormCase{"iría", "ir", 476, 1},
                    VerbFormCase{"tienes", "tener", 450, 2}, VerbFormCase{"tenía", "tener", 460, 1},
                    VerbFormCase{"puede", "poder", 450, 3}, VerbFormCase{"pudo", "poder", 470, 3},
                    VerbFormCase{"podrá", "poder", 475, 3}, VerbFormCase{"podría", "poder", 476, 1},
                    VerbFormCase{"pueda", "poder", 20, 1}, VerbFormCase{"pudiera", "poder", 22, 1},
                    VerbFormCase{"podido", "poder", 10, 0}, VerbFormCase{"hago", "hacer", 4, 1},
                    VerbFormCase{"hacía", "hacer", 460, 1}, VerbFormCase{"haría", "hacer", 476, 1}));
// Forms the ending analysis cannot reach from their infinitive.
INSTANTIATE_TEST_SUITE_P(
    EndingAnalysisMisses, IrregularSpanishForms,
    testing::Values(VerbFormCase{"tengo", "tener", 450, 1}, VerbFormCase{"digo", "decir", 4, 1},
                    VerbFormCase{"hice", "hacer", 6, 1}, VerbFormCase{"diré", "decir", 8, 1},
                    VerbFormCase{"vio", "ver", 6, 3}, VerbFormCase{"murió", "morir", 6, 3},
                    VerbFormCase{"juegas", "jugar", 4, 2}, VerbFormCase{"pido", "pedir", 4, 1},
                    VerbFormCase{"sigo", "seguir", 4, 1}, VerbFormCase{"construyó", "construir", 6, 3},
                    VerbFormCase{"oigo", "oír", 4, 1}, VerbFormCase{"trajo", "traer", 6, 3},
                    VerbFormCase{"conduje", "conducir", 6, 1}, VerbFormCase{"salgo", "salir", 4, 1},
                    VerbFormCase{"sé", "saber", 4, 1}, VerbFormCase{"quise", "querer", 6, 1},
                    VerbFormCase{"doy", "dar", 4, 1}, VerbFormCase{"vas", "ir", 450, 2},
                    VerbFormCase{"vengo", "venir", 4, 1}, VerbFormCase{"empecé", "empezar", 6, 1},
                    VerbFormCase{"elijo", "elegir", 4, 1}, VerbFormCase{"durmió", "dormir", 6, 3},
                    VerbFormCase{"siendo", "ser", 11, 1}, VerbFormCase{"yendo", "ir", 11, 1}));
// Participles: the irregular ones the passes look up, in every form.
INSTANTIATE_TEST_SUITE_P(
    Participles, IrregularSpanishForms,
    testing::Values(VerbFormCase{"hecho", "hacer", 10, 0}, VerbFormCase{"hechas", "hacer", 14, 2},
                    VerbFormCase{"dicho", "decir", 10, 0}, VerbFormCase{"visto", "ver", 10, 0},
                    VerbFormCase{"puesto", "poner", 10, 0}, VerbFormCase{"puesta", "poner", 10, 0},
                    VerbFormCase{"abierto", "abrir", 10, 0}, VerbFormCase{"cubierto", "cubrir", 10, 0},
                    VerbFormCase{"muerto", "morir", 10, 0}, VerbFormCase{"supuesto", "suponer", 10, 0},
                    VerbFormCase{"dispuesto", "disponer", 10, 0}, VerbFormCase{"impuesto", "imponer", 10, 0},
                    VerbFormCase{"opuesto", "oponer", 10, 0}, VerbFormCase{"propuesto", "proponer", 10, 0},
                    VerbFormCase{"escrito", "escribir", 10, 0}, VerbFormCase{"vuelto", "volver", 10, 0},
                    VerbFormCase{"sido", "ser", 10, 0}, VerbFormCase{"ido", "ir", 10, 0}));

// Words that the built-in tables translate must not be found before them.
TEST_F(Shipped, LeavesTheBuiltInTablesTheirWords) {
    const char* tableWords[] = {"rápidamente", "totalmente",  "nuevamente", "probablemente", "abierta",
                                "descrita",    "abiertas",    "descritas",  "útil",
                                "útiles",      "carrobomba",  "eurozona",   "cacerolazo",    "jóvenes",
                                "exámenes",    "imágenes",    "quinientas", "ONU",           "UE"};
    for (const char* w : tableWords) {
        EXPECT_FALSE(FindsSpanish(w)) << w << " is in the dictionary";
        Str30 word(Cp(w));
        bool found = false;
        int formCode = 0;
        LookupVerbForm(s, word, found, formCode);
        EXPECT_FALSE(found) << w << " is in the verb-form file";
    }
    // "sí" is above all "ja"; the table's reflexive "sig" gives way to it
    EXPECT_TRUE(FindsSpanish("sí"));
    // the forms the plural table looks up instead
    for (const char* w : {"joven", "examen", "imagen", "femhundra"}) EXPECT_TRUE(FindsSpanish(w)) << w;
}

TEST_F(Shipped, HoldsEveryWordOfTheRuleLists) {
    const char* ruleWords[] = {
        // intransitive and saying verbs of the role rules
        "abundar", "estar", "vivir", "llegar", "acudir", "crecer", "existir", "salir", "aparecer", "yacer",
        "convivir", "estallar", "quedar", "venir", "partir", "advertir", "afirmar", "asegurar", "apuntar",
        "comentar", "decir", "explicar", "exponer", "puntualizar", "replicar", "señalar", "sostener", "subrayar",
        // verbs with constructions of their own
        "acabar", "ir", "ser", "hacer", "tratar", "conseguir", "parecer", "tener", "saber", "resultar", "dejar",
        "seguir", "mandar", "servir", "caber", "quedar", "recordar", "tender", "intentar", "lograr", "continuar",
        "sentir", "vagar", "circular", "mediar", "deber", "querer", "empezar", "obligar", "ayudar",
        // participles of the participle passes, and their verbs
        "acusar", "agregar", "alumbrar", "decidir", "desmedir", "juzgar", "jugar", "empapelar", "pasar", "cuidar",
        "descolgar", "sacar", "excavar", "avanzar", "abrir", "cubrir", "disponer", "imponer", "oponer", "suponer",
        "poner", "proponer", "bajar", "soler",
        // nouns and other words the constructions test
        "pueblo", "ciudad", "zona", "millón", "calle", "carril", "decena", "enero", "febrero", "marzo", "abril",
        "mayo", "junio", "julio", "agosto", "septiembre", "octubre", "noviembre", "diciembre", "año", "tiempo",
        "calor", "siglo", "cada", "cualquier", "tal", "todo", "eso", "muy", "como", "quien", "mismo", "mayor",
        "otro", "según", "por", "sin", "en", "de", "para", "con", "ninguno", "ningún", "unos", "unas",
        "pocos", "pocas", "algunos", "algunas", "muchos", "muchas", "varios", "varias", "algún", "primer", "qué",
        "peor", "mejor", "menor", "verdad", "algo", "tan", "hay", "fuera", "gratuitamente"};
    for (const char* w : ruleWords) EXPECT_TRUE(FindsSpanish(w)) << w;
}

struct PhraseCase {
    std::vector<const char*> words;
    const char* classWord;
};
void PrintTo(const PhraseCase& c, std::ostream* os) { *os << c.words.front() << "_" << c.words.size(); }

class PhrasesTheRulesName : public Shipped, public testing::WithParamInterface<PhraseCase> {};

TEST_P(PhrasesTheRulesName, AreFoundFromTheirFirstWord) {
    const PhraseCase& c = GetParam();
    std::vector<WordNode> nodes(c.words.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        nodes[i].SpWord = Str30(Cp(c.words[i]));
        if (i > 0) nodes[i - 1].Next = &nodes[i];
    }
    ASSERT_TRUE(FindsSpanish(c.words.front()));
    EXPECT_NE(s.StagedWord.SpCode1 & lexc::FindFlag("phrase-start")->bits, 0) << "the first word starts no search";
    bool found = false;
    FindPhrase(s, nodes.front().SpWord, &nodes.front(), found);
    ASSERT_TRUE(found);
    EXPECT_EQ(s.PhraseClassWord.view(), c.classWord);
    EXPECT_EQ(s.PhraseWordCount, c.words.size());
}

INSTANTIATE_TEST_SUITE_P(Expressions, PhrasesTheRulesName,
                         testing::Values(PhraseCase{{"antes", "de"}, "prep"}, PhraseCase{{"después", "de"}, "prep"},
                                         PhraseCase{{"lo", "que"}, "rel"}, PhraseCase{{"para", "que"}, "konj"},
                                         PhraseCase{{"cerca", "de"}, "prep"},
                                         PhraseCase{{"a", "pesar", "de"}, "prep"},
                                         PhraseCase{{"sin", "embargo"}, "adv"}, PhraseCase{{"por", "favor"}, "adv"},
                                         PhraseCase{{"de", "repente"}, "adv"}, PhraseCase{{"a", "vez"}, "adv"},
                                         PhraseCase{{"por", "lo", "tanto"}, "adv"},
                                         PhraseCase{{"a", "través", "de"}, "prep"},
                                         PhraseCase{{"antes", "de", "que"}, "konj"},
                                         PhraseCase{{"fin", "de", "semana"}, "sub"}));

}  // namespace
}  // namespace quelvo
