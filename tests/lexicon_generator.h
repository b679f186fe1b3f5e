#pragma once
// Random dictionary files in the exact formats, valid as the readers demand,
// with the awkward corners a hand-made file can still have: duplicate keys,
// 007 and 7, six-digit entry numbers, signs and blanks before numbers, CR or
// CR LF endings with blank lines, "!" first in a record, missing
// terminators, over-long fields, "!" inside a later field, chains of
// irregular forms.
#include <filesystem>
#include <memory>
#include <fstream>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include <unistd.h>

#include "lexicon/lexicon.h"
#include "lexicon_reference.h"

namespace quelvo::generated {

struct Profile {
    const char* name;
    int records;        // records (lines, sections) per file
    int vocabulary;     // distinct words: fewer words, more duplicate keys
    bool bareCr;        // TAB files end records in CR alone instead of CR LF
    bool blankLines;    // blank lines between records
    bool terminator;    // files end with their "!" or "#"
    bool earlyStop;     // a "!" in a first field partway through
    bool awkward;       // numbers such as 007, +7 and " -3", over-long fields, "!" in later fields
};

class Generator {
public:
    Generator(const Profile& profile, unsigned seed) : p_(profile), rng_(seed) {
        for (int i = 0; i < p_.vocabulary; ++i) words_.push_back(NewWord());
    }

    const std::vector<std::string>& Words() const { return words_; }
    std::string Word() { return words_[Pick(words_.size())]; }
    std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }
    bool Chance(int percent) { return static_cast<int>(Pick(100)) < percent; }

    reference::Files Files() {
        return {SpOrd(), SvFile(), SbAdj(), FrasText(), Spvb(), Pek(136, {20, 20, 20, 20, 20, 30}),
                Pek(132, {30, 30, 30, 30})};
    }

    // The files with the one numbered `which` (in the order of reference::Files)
    // replaced by a random run of words and the characters that structure the files.
    reference::Files FilesWithNoise(int which) {
        reference::Files files = Files();
        std::string* texts[] = {&files.spOrd, &files.svFile, &files.sbAdj, &files.frasText, &files.spvb};
        if (which < 5) *texts[which] = Noise();
        if (which == 5) files.svVerb1 = NoisyPek(136, {20, 20, 20, 20, 20, 30});
        if (which == 6) files.oregSubs = NoisyPek(132, {30, 30, 30, 30});
        return files;
    }

    // A word that may hold letters of code page 1252, now and then too long for its field.
    std::string NewWord() {
        static const std::string letters = "abcdeilmnorst\xE1\xE9\xF1\xF3\xE5\xE4\xF6";
        std::size_t length = 1 + Pick(8);
        if (p_.awkward && Chance(8)) length = 18 + Pick(16);
        std::string w;
        for (std::size_t i = 0; i < length; ++i) w += letters[Pick(letters.size())];
        return w;
    }

private:
    std::string LineEnd() {
        std::string end = p_.bareCr ? "\r" : "\r\n";
        if (p_.blankLines && Chance(20)) end += Chance(50) ? "\r\n" : "\n\r\n";
        return end;
    }

    // A first field; with earlyStop, now and then one holding "!".
    std::string FirstField(const std::string& text) {
        if (p_.earlyStop && Chance(1)) return Chance(50) ? "!" + text : text + "!";
        return text;
    }

    std::string EntryNumber() {
        const int n = static_cast<int>(Pick(static_cast<std::size_t>(p_.vocabulary)));
        if (!p_.awkward) return std::to_string(n);
        switch (Pick(8)) {
            case 0: return "00" + std::to_string(n);
            case 1: return "+" + std::to_string(n);
            case 2: return " " + std::to_string(n);
            case 3: return std::to_string(100000 + n);
            case 4: return "0" + std::to_string(10000 + n);
            case 5: return "-" + std::to_string(n);
            default: return std::to_string(n);
        }
    }

    std::string Number() {
        if (p_.awkward) {
            switch (Pick(8)) {
                case 0: return "0012";
                case 1: return "-0";
                case 2: return "  -" + std::to_string(Pick(70000));
                case 3: return "99999999999999999999";
                case 4: return "+" + std::to_string(Pick(1000));
                default: break;
            }
        }
        return std::to_string(Pick(70000));
    }

    std::string Field() { return p_.awkward && Chance(10) ? Word() + "!" + Word() : Word(); }

    std::string End(const std::string& text, const char* terminator) {
        return p_.terminator ? text + terminator : text;
    }

    std::string SpOrd() {
        std::string t;
        for (int i = 0; i < p_.records; ++i) {
            t += FirstField(std::to_string(i)) + "\t" + Field() + "\t" + EntryNumber() + "\t" + Number() + "\t" +
                 Number() + "\t" + Number() + LineEnd();
        }
        return End(t, "!");
    }

    std::string SvFile() {
        std::string t;
        for (int i = 0; i < p_.records; ++i) {
            t += FirstField(EntryNumber()) + "\t" + Field() + "\t" + Number() + "\t" + Number() + "\t" + Number() +
                 "\t" + Number() + LineEnd();
        }
        return End(t, "!");
    }

    std::string SbAdj() {
        std::string t;
        for (int i = 0; i < p_.records; ++i) t += FirstField(Word()) + "\t" + EntryNumber() + LineEnd();
        return End(t, "!");
    }

    std::string Spvb() {
        static const char* const codes[] = {"4", "5", "6", "7", "10", "11", "15", "+12", " 10", "-4"};
        std::string t;
        for (int i = 0; i < p_.records / 4; ++i) {
            std::string infinitive = Word();
            if (p_.earlyStop && Chance(1)) infinitive += "!";
            t += infinitive + "," + codes[Pick(p_.awkward ? std::size(codes) : 6)];
            const std::size_t forms = 1 + Pick(kMaxVerbForms);
            for (std::size_t k = 0; k < forms; ++k) {
                t += ',';
                if (!p_.awkward || !Chance(5)) t += Field();
            }
            t += "\r\n";
        }
        if (p_.terminator) return t + (Chance(50) ? "!" : "!\r\n");
        if (Chance(30) && t.size() > 2) t.resize(t.size() - 2);
        return End(t, "");
    }

    std::string Phrase(const std::string& key) {
        std::string phrase = key;
        for (std::size_t n = Pick(4); n > 0; --n) {
            phrase += ' ';
            phrase += Word();
        }
        return phrase;
    }

    // CR and LF may stand anywhere after the marker.
    std::string Scatter(const std::string& text) {
        if (!p_.blankLines) return text;
        std::string out;
        for (char c : text) {
            out += c;
            if (Chance(3)) out += Chance(50) ? "\r\n" : "\n";
        }
        return out;
    }

    std::string FrasText() {
        static const char* const classes[] = {"adj", "adv", "sub", "prep", "rel", "konj", "indf", "xyz", "konjunktionen"};
        std::string t = Chance(95) ? "*" : "#";
        for (int i = 0; i < p_.records / 8; ++i) {
            if (i > 0) t += "+";
            const std::string key = Word();
            t += Scatter(key) + "&";
            const std::size_t records = 1 + Pick(6);
            for (std::size_t r = 0; r < records; ++r) {
                if (r > 0) t += ",";
                const std::string sv = Field();
                std::string record = Phrase(Chance(80) ? key : Word());
                for (const std::string& field : {sv, std::string(classes[Pick(std::size(classes))]),
                                                 std::to_string(Pick(2000))}) {
                    record += '/';
                    record += field;
                }
                t += Scatter(record);
            }
            t += ".";
        }
        return End(t, "#");
    }

    std::string Pek(std::size_t recordSize, std::vector<std::size_t> capacities) {
        std::string t;
        for (int i = 0; i < p_.records / 4; ++i) {
            std::string record;
            for (std::size_t capacity : capacities) {
                const std::string w = Word().substr(0, capacity);
                record += static_cast<char>(w.size());
                record += w;
                record.append(capacity - w.size(), '\0');
            }
            record.resize(recordSize, '\0');
            t += record;
        }
        return t;
    }

    std::string Noise() {
        static const char* const marks[] = {"\t", "\r", "\n", "\r\n", "!", ",", "/", ".", "+", "#", "&", " ", "12a", "007"};
        std::string t;
        for (std::size_t n = Pick(120); n > 0; --n) t += Chance(40) ? Word() : marks[Pick(std::size(marks))];
        return t;
    }

    std::string NoisyPek(std::size_t recordSize, const std::vector<std::size_t>& capacities) {
        std::string t = Pek(recordSize, capacities);
        for (std::size_t n = Pick(3); n > 0 && !t.empty(); --n) t[Pick(t.size())] = static_cast<char>(Pick(256));
        return t;
    }

    Profile p_;
    std::mt19937 rng_;
    std::vector<std::string> words_;
};

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline void WriteFiles(const std::filesystem::path& dir, const reference::Files& f) {
    std::filesystem::create_directories(dir);
    WriteFile(dir / "SpOrd.txt", f.spOrd);
    WriteFile(dir / "SvFile.txt", f.svFile);
    WriteFile(dir / "SbAdj.txt", f.sbAdj);
    WriteFile(dir / "FrasText.txt", f.frasText);
    WriteFile(dir / "Spvb.dat", f.spvb);
    WriteFile(dir / "SvVerb1.pek", f.svVerb1);
    WriteFile(dir / "OregSubs.pek", f.oregSubs);
}

// A fresh directory under the test temporary directory.
inline std::filesystem::path FreshDir(const std::string& name) {
    const auto dir = std::filesystem::temp_directory_path() / ("quelvo_lexicon_" + std::to_string(::getpid()) + "_" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// Writes `files` to a fresh directory, loads it and removes the directory.
inline std::variant<std::shared_ptr<const Lexicon>, DataError> LoadFiles(const std::string& name,
                                                                          const reference::Files& files) {
    const auto dir = FreshDir(name);
    WriteFiles(dir, files);
    auto loaded = Lexicon::Load(dir);
    std::filesystem::remove_all(dir);
    return loaded;
}

// A length-prefixed string of `capacity` characters, for ".pek" records.
inline std::string PekString(const std::string& text, std::size_t capacity) {
    std::string field(1, static_cast<char>(text.size()));
    field += text;
    field.resize(capacity + 1, '\0');
    return field;
}

}  // namespace quelvo::generated
