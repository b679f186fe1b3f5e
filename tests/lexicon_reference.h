#pragma once
// Straightforward scans of the dictionary files, one character at a time from
// the first record, as the lookups are defined; the indexed lookups must give
// exactly what these give. They work on the file bytes and a state of their own.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/fixed_string.h"
#include "core/records.h"

namespace quelvo::reference {

// A file left out holds no entries: just its closing mark (the record files
// have none, so theirs are empty).
struct Files {
    std::string spOrd{"!"}, svFile{"!"}, sbAdj{"!"}, frasText{"#"}, spvb{"!"}, svVerb1{}, oregSubs{};
};

struct State {
    WordFields staged;
    Str30 lookupWord;
    unsigned phraseWordCount = 0;
    Str30 phraseSv;
    Str30 phraseSp;
    Str10 phraseClassWord;
    Str6 phraseNumber;
};

// A file read one character at a time; Read fails at the physical end.
class CharFile {
public:
    explicit CharFile(std::string_view bytes) : bytes_(bytes) {}
    bool Read(char& c) {
        if (pos_ >= bytes_.size()) return false;
        c = bytes_[pos_++];
        return true;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// The number of a field, modulo 2^32, as a signed value.
inline std::int64_t Value(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    int sign = 1;
    if (i < text.size() && text[i] == '-') {
        sign = -1;
        ++i;
    } else if (i < text.size() && text[i] == '+') {
        ++i;
    }
    std::uint64_t v = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') v = (v * 10 + static_cast<unsigned>(text[i++] - '0')) % 4294967296u;
    const std::uint64_t wrapped = sign < 0 ? (4294967296u - v) % 4294967296u : v;
    return wrapped >= 2147483648u ? static_cast<std::int64_t>(wrapped) - 4294967296 : static_cast<std::int64_t>(wrapped);
}

inline std::uint16_t Code(std::string_view text) { return static_cast<std::uint16_t>(Value(text) & 0xFFFF); }

// Reads up to `terminator` into a buffer of `capacity`, then drops the last
// stored character. The end of the file acts as the terminator.
inline std::string ReadField(CharFile& f, std::size_t capacity, char terminator) {
    std::string buffer;
    for (;;) {
        char c;
        if (!f.Read(c)) c = terminator;
        if (buffer.size() < capacity) buffer += c;
        if (c == terminator) break;
    }
    buffer.pop_back();
    return buffer;
}

// The record loop of the TAB files; false when the scan stops.
template <std::size_t K>
bool ReadRecord(CharFile& f, const std::size_t (&capacities)[K], std::string (&fields)[K]) {
    for (auto& field : fields) field.clear();
    std::string first;
    for (;;) {
        char c;
        if (!f.Read(c) || c == '!') return false;
        if (c == '\r' || c == '\n') {
            do {
                if (!f.Read(c)) return false;
            } while (c == '\r' || c == '\n');
            if (c == '!') return false;
        }
        if (first.size() < capacities[0]) first += c;
        if (c == '\t') break;
    }
    first.pop_back();
    fields[0] = first;
    for (std::size_t k = 1; k < K; ++k) fields[k] = ReadField(f, capacities[k], k + 1 == K ? '\r' : '\t');
    return true;
}

inline void LookupSwedishEntry(const Files& files, State& s, bool& found) {
    const std::int64_t key = Value(s.staged.SvKey.view());
    CharFile f(files.svFile);
    const std::size_t caps[6] = {6, 20, 20, 20, 20, 20};
    std::string fields[6];
    while (ReadRecord(f, caps, fields)) {
        if (Value(fields[0]) != key) continue;
        found = true;
        s.staged.SpWord = s.lookupWord;
        s.staged.SvWord = fields[1];
        s.staged.SvCode1 = Code(fields[2]);
        s.staged.SvCode2 = Code(fields[3]);
        s.staged.SvCode3 = Code(fields[4]);
        s.staged.SvCode4 = Code(fields[5]);
        s.staged.SvClass = s.staged.SvCode1 & 63;
        return;
    }
}

inline void LookupSpanishWord(const Files& files, State& s, bool& found) {
    found = false;
    CharFile f(files.spOrd);
    const std::size_t caps[6] = {20, 20, 20, 20, 20, 20};
    std::string fields[6];
    bool matched = false;
    while (ReadRecord(f, caps, fields)) {
        if (fields[1] != s.lookupWord.view()) continue;
        matched = true;
        s.staged.SvKey = fields[2];
        s.staged.SpCode1 = Code(fields[3]);
        s.staged.SpCode2 = Code(fields[4]);
        s.staged.SpCode3 = Code(fields[5]);
        s.staged.SpClass = s.staged.SpCode1 & 63;
        break;
    }
    if (matched) LookupSwedishEntry(files, s, found);
    if (found) return;
    WordFields& w = s.staged;
    w.SpWord = "Not Nound";
    w.SvWord = w.SvForm = w.SpText = "Not Found";
    w.SvKey = "Not Fo";
    w.SpCode1 = w.SpCode2 = w.SpCode3 = w.SvCode1 = w.SvCode2 = w.SvCode3 = w.SvCode4 = 0;
    w.SpClass = w.SvClass = w.FormCode = w.PersonNo = 0;
}

inline void LookupFormEntry(const Files& files, State& s, const WordNode& node) {
    const std::string key(node.SpWord.view().substr(0, 25));
    CharFile f(files.sbAdj);
    const std::size_t caps[2] = {20, 6};
    std::string fields[2];
    while (ReadRecord(f, caps, fields)) {
        if (fields[0] != key) continue;
        s.staged.SvKey = fields[1];
        bool own = false;
        LookupSwedishEntry(files, s, own);
        return;
    }
}

// "Spvb.dat", step by step: infinitive, form code, forms; after the CR one
// more character, which ends the file when it is "!".
inline void LookupVerbForm(const Files& files, State& s, Str30& word, bool& found, int& formCode) {
    CharFile f(files.spvb);
    char c;
    for (;;) {
        Str30 infinitive;
        for (;;) {
            if (!f.Read(c) || c == '!') return;
            if (c == ',') break;
            infinitive += c;
        }
        Str30 code;
        for (;;) {
            if (!f.Read(c)) return;
            if (c == ',') break;
            code += c;
        }
        for (int position = 1;; ++position) {
            Str30 form;
            bool atEnd = false;
            for (;;) {
                if (!f.Read(c)) {
                    atEnd = true;
                    break;
                }
                if (c == ',' || c == '\r') break;
                form += c;
            }
            if (form == word) {
                word = infinitive;
                formCode = static_cast<int>(Value(code.view()));
                found = true;
                s.staged.PersonNo = formCode == 10 ? 0 : position;
                return;
            }
            if (atEnd) return;
            if (c == '\r') break;
        }
        if (!f.Read(c) || c == '!') return;
    }
}

// Reads up to one of `terminators`, CR and LF skipped; false at the end of the file.
inline bool ReadPhraseField(CharFile& f, std::size_t capacity, std::string_view terminators, std::string& field,
                            char& terminator) {
    std::string buffer;
    for (;;) {
        char c;
        if (!f.Read(c)) return false;
        if (c == '\r' || c == '\n') continue;
        if (buffer.size() < capacity) buffer += c;
        if (terminators.find(c) != std::string_view::npos) {
            terminator = c;
            break;
        }
    }
    buffer.pop_back();
    field = buffer;
    return true;
}

inline bool SkipTo(CharFile& f, std::string_view stops, char& stop) {
    for (;;) {
        if (!f.Read(stop)) return false;
        if (stops.find(stop) != std::string_view::npos) return true;
    }
}

inline std::string Candidate(const WordNode* node, unsigned wordCount) {
    std::string joined;
    for (unsigned i = 0; i < wordCount; ++i) {
        if (i > 0) joined += ' ';
        if (node != nullptr) joined += node->SpWord.view();
        if (node != nullptr && node->Next != nullptr) node = node->Next;
    }
    return joined.substr(0, 30);
}

inline void FindPhrase(const Files& files, State& s, const Str30& word, const WordNode* node, bool& found) {
    CharFile f(files.frasText);
    char c;
    if (!f.Read(c) || c == '#') return;
    for (;;) {
        std::string key;
        if (!ReadPhraseField(f, 30, "&", key, c)) return;
        if (key == word.view()) break;
        if (!SkipTo(f, "+#", c) || c == '#') return;
    }
    for (;;) {
        std::string spanish;
        if (!ReadPhraseField(f, 30, "/.", spanish, c) || c == '.') return;
        s.phraseWordCount = 1;
        for (char ch : spanish) s.phraseWordCount += ch == ' ' ? 1 : 0;
        if (spanish == Candidate(node, s.phraseWordCount)) {
            std::string sv, classWord, number;
            if (!ReadPhraseField(f, 30, "/", sv, c) || !ReadPhraseField(f, 10, "/", classWord, c) ||
                !ReadPhraseField(f, 6, ",.", number, c)) {
                return;
            }
            s.phraseSv = sv;
            found = true;
            s.phraseSp = spanish;
            s.phraseClassWord = classWord;
            s.phraseNumber = number;
            return;
        }
        if (!SkipTo(f, ",.", c) || c == '.') return;
    }
}

// A length-prefixed string of a record.
inline std::string PekString(std::string_view record, std::size_t offset) {
    const auto length = static_cast<unsigned char>(record[offset]);
    return std::string(record.substr(offset + 1, length));
}

inline void LookupIrregularNoun(const Files& files, Str30& form, char definiteness, int number) {
    for (std::size_t at = 0; at + 132 <= files.oregSubs.size(); at += 132) {
        const std::string_view record = std::string_view(files.oregSubs).substr(at, 132);
        if (PekString(record, 0) != form.view()) continue;
        if (definiteness == 'b' && (number == 1 || number == 2)) form = PekString(record, 31);
        if (definiteness == 'b' && number == 3) form = PekString(record, 93);
        if (definiteness == 'o' && (number == 1 || number == 2)) form = PekString(record, 0);
        if (definiteness == 'o' && number == 3) form = PekString(record, 62);
    }
}

inline void LookupIrregularVerb(const Files& files, Str30& form, int formCode) {
    for (std::size_t at = 0; at + 136 <= files.svVerb1.size(); at += 136) {
        const std::string_view record = std::string_view(files.svVerb1).substr(at, 136);
        if (PekString(record, 0) != form.view()) continue;
        switch (formCode) {
            case 4: case 8: case 20: case 450: case 455: form = PekString(record, 84); break;
            case 5: case 6: case 460: case 470: form = PekString(record, 21); break;
            case 7: form = PekString(record, 84) + "/" + PekString(record, 21); break;
            case 10: case 13: case 14: form = PekString(record, 42); break;
            case 11: form = PekString(record, 105); break;
            case 15: case 77: form = PekString(record, 63); break;
            default: break;
        }
    }
}

}  // namespace quelvo::reference
