// Reads the game's scores (assets/music/*.score).
//
// A score is UTF-8 text, one statement a line; "#" starts a comment.
//
//   title  Brána hlubin            a name for the record
//   tempo  96                      quarter notes per minute
//   meter  4                       quarter notes per bar (default 4)
//   key    A minor                 the key, as the record names it
//   loop   yes                     yes: the piece repeats (default); no: it plays once
//   room   0.6 1.0                 reverb size 0..1 and level (default 0.5 1)
//   echo   0.75 0.3                echo time in beats and its feedback (default 0.75 0.3)
//
//   voice  lead saw vol=-14 pan=-0.2 a=0.02 d=0.3 s=0.6 r=0.4 lp=3000 room=0.3
//          the voice's name, its wave and settings:
//          waves  sine triangle saw square organ bell | kick snare hat tom
//          vol    dB of a full note          pan   -1 (left) .. 1 (right)
//          a d s r  attack, decay, release in seconds; s the sustain level 0..1
//          lp     low-pass in Hz             env   Hz the low-pass opens by at a
//                                                 note's start, closing over d
//          detune cents between two oscillators, spread by width (0..1)
//          vib    vibrato depth in cents     gate  share of a note held (0..1)
//          room   send to the reverb 0..1    echo  send to the echo 0..1
//          oct    octaves every note is moved by
//          pitch  Hz of a kick or tom; d is a drum's decay time
//
//   part A 8                       a part of 8 bars; its lines follow up to "end"
//     chords Dm Bb F C:2 A7:2      the harmony, a bar a chord unless ":beats"
//                                  follows; repeated when shorter than the part.
//                                  Chords: root (C, F#, Bb ...) and m 7 m7 maj7
//                                  dim aug sus2 sus4 add9 m9 6 m6
//     lead:  notes d5/4 f5/8 e5 d5/2 | a4/2. r/4 [d4 f4 a4]/1
//            a note is a pitch (c4 = middle C; # and b raise and lower) or r
//            for a rest, then its length: /1 whole, /2 half, /4 quarter, /8,
//            /16, /12 an eighth of a triplet; "." dots it, "+8" adds an
//            eighth.  A length holds until another is given.  [..] is a chord
//            struck together.  "|" marks bars for the reader and is skipped.
//            A voice's next notes line in the part goes on where this one ends.
//     pad:   pad g3                every chord held, its tones placed upwards from g3
//     harp:  arp c4 /16 1 2 3 4 3 2   the chord's tones from c4 up (5 = the
//            first an octave higher ...) stepped through, "." a rest, "-" holds
//     bass:  bass d2 /8 1 . 1 5 8 5 3 -   the chord's root from d2 up: 1 root,
//            3 third, 5 fifth, 7 seventh, 8 octave
//     kick:  hits x...x...x..xx...  one bar of steps (X strong, x hit, o soft,
//            . none); "hits 2 ..." spreads the steps over two bars.  A tuned
//            voice plays hits at its pitch= (in Hz), a step long
//   end
//
//   song A A B A C                 the order of the parts: the whole piece
//
// A line's notes may not run past its part; what is left of the part is rest.
#include "tools/musicgen/score.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

namespace musicgen {
namespace {

struct Chord {
    int root = 0;  // pitch class
    std::vector<int> intervals;
    double beat = 0.0, beats = 4.0;
};

struct RawLine {
    int number = 0;
    std::string text;
};

struct Part {
    int bars = 0;
    std::vector<Note> notes;  // beats from the part's start
};

class Parser {
  public:
    Parser(std::string_view text, const std::string& file) : text_(text), file_(file) {}
    Score Run();

  private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw ScoreError(file_ + ":" + std::to_string(line_) + ": " + what);
    }
    double Number(const std::string& word) const;
    int Pitch(const std::string& word) const;
    double Length(const std::string& word, double current) const;
    Chord ParseChord(const std::string& word) const;
    void ParseVoice(std::istringstream& in);
    int VoiceIndex(const std::string& name) const;
    void ParsePart(const std::string& name, int bars, const std::vector<RawLine>& lines);
    void NotesLine(Part& part, int voice, std::istringstream& in, double* at);
    void ChordLine(Part& part, int voice, const std::string& kind, std::istringstream& in,
                   const std::vector<Chord>& chords);

    std::string_view text_;
    std::string file_;
    int line_ = 0;
    Score score_;
    std::map<std::string, Part> parts_;
};

std::vector<std::string> Words(std::istringstream& in) {
    std::vector<std::string> words;
    std::string w;
    while (in >> w) {
        if (w != "|") words.push_back(w);
    }
    return words;
}

double Parser::Number(const std::string& word) const {
    try {
        size_t used = 0;
        const double v = std::stod(word, &used);
        if (used == word.size() && std::isfinite(v)) return v;
    } catch (const std::exception&) {
    }
    Fail("'" + word + "' is not a number");
}

int PitchClass(char letter) {
    static const int kClasses[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    return kClasses[letter - 'a'];
}

int Parser::Pitch(const std::string& word) const {
    if (word.empty()) Fail("a note without a pitch");
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(word[0])));
    if (letter < 'a' || letter > 'g') Fail("'" + word + "' is not a pitch");
    int pc = PitchClass(letter);
    size_t i = 1;
    while (i + 1 < word.size() && (word[i] == '#' || word[i] == 'b')) {
        pc += word[i] == '#' ? 1 : -1;
        ++i;
    }
    if (i >= word.size()) Fail("'" + word + "' has no octave");
    const int octave = static_cast<int>(Number(word.substr(i)));
    const int midi = 12 * (octave + 1) + pc;
    if (midi < 12 || midi > 108) Fail("'" + word + "' is out of range");
    return midi;
}

// "/4", "/8.", "/2+8": a length in quarter notes.
double Parser::Length(const std::string& word, double current) const {
    if (word.empty()) return current;
    if (word[0] != '/') Fail("'" + word + "' is not a length");
    double total = 0.0;
    size_t i = 0;
    while (i < word.size()) {
        if (word[i] != '/' && word[i] != '+') Fail("'" + word + "' is not a length");
        ++i;
        size_t j = i;
        while (j < word.size() && std::isdigit(static_cast<unsigned char>(word[j])))
            ++j;
        if (j == i) Fail("'" + word + "' is not a length");
        double len = 4.0 / Number(word.substr(i, j - i));
        if (j < word.size() && word[j] == '.') {
            len *= 1.5;
            ++j;
        }
        total += len;
        i = j;
    }
    return total;
}

Chord Parser::ParseChord(const std::string& word) const {
    Chord c;
    std::string name = word;
    const size_t colon = word.find(':');
    if (colon != std::string::npos) {
        name = word.substr(0, colon);
        c.beats = Number(word.substr(colon + 1));
        if (c.beats <= 0) Fail("chord '" + word + "' has no length");
    } else {
        c.beats = score_.meter;
    }
    if (name.empty() || name[0] < 'A' || name[0] > 'G') Fail("'" + word + "' is not a chord");
    c.root = PitchClass(static_cast<char>(name[0] - 'A' + 'a'));
    size_t i = 1;
    if (i < name.size() && (name[i] == '#' || name[i] == 'b')) {
        c.root += name[i] == '#' ? 1 : -1;
        ++i;
    }
    c.root = (c.root + 12) % 12;
    static const std::map<std::string, std::vector<int>> kQualities = {
        {"", {0, 4, 7}},         {"m", {0, 3, 7}},         {"7", {0, 4, 7, 10}},
        {"m7", {0, 3, 7, 10}},   {"maj7", {0, 4, 7, 11}},  {"dim", {0, 3, 6}},
        {"aug", {0, 4, 8}},      {"sus2", {0, 2, 7}},      {"sus4", {0, 5, 7}},
        {"add9", {0, 4, 7, 14}}, {"madd9", {0, 3, 7, 14}}, {"m9", {0, 3, 7, 10, 14}},
        {"6", {0, 4, 7, 9}},     {"m6", {0, 3, 7, 9}},
    };
    const auto q = kQualities.find(name.substr(i));
    if (q == kQualities.end()) Fail("'" + word + "' is not a chord");
    c.intervals = q->second;
    return c;
}

void Parser::ParseVoice(std::istringstream& in) {
    Voice v;
    std::string wave;
    if (!(in >> v.name >> wave)) Fail("a voice needs a name and a wave");
    if (VoiceIndex(v.name) >= 0) Fail("voice '" + v.name + "' is there twice");
    static const std::map<std::string, Wave> kWaves = {
        {"sine", Wave::Sine},     {"triangle", Wave::Triangle}, {"saw", Wave::Saw},
        {"square", Wave::Square}, {"organ", Wave::Organ},       {"bell", Wave::Bell},
        {"kick", Wave::Kick},     {"snare", Wave::Snare},       {"hat", Wave::Hat},
        {"tom", Wave::Tom}};
    const auto w = kWaves.find(wave);
    if (w == kWaves.end()) Fail("'" + wave + "' is not a wave");
    v.wave = w->second;
    if (v.wave == Wave::Kick || v.wave == Wave::Snare || v.wave == Wave::Hat ||
        v.wave == Wave::Tom) {
        v.decay = v.wave == Wave::Hat ? 0.05 : 0.25;
        v.room = 0.1;
    }
    const std::map<std::string, double*> settings = {
        {"vol", &v.vol_db},    {"pan", &v.pan},     {"a", &v.attack},   {"d", &v.decay},
        {"s", &v.sustain},     {"r", &v.release},   {"lp", &v.lowpass}, {"env", &v.env},
        {"detune", &v.detune}, {"vib", &v.vibrato}, {"room", &v.room},  {"echo", &v.echo},
        {"width", &v.width},   {"gate", &v.gate},   {"pitch", &v.pitch}};
    std::string item;
    while (in >> item) {
        const size_t eq = item.find('=');
        if (eq == std::string::npos) Fail("'" + item + "' is not name=value");
        const std::string key = item.substr(0, eq);
        const double value = Number(item.substr(eq + 1));
        if (key == "oct") {
            v.octave = static_cast<int>(value);
            continue;
        }
        const auto s = settings.find(key);
        if (s == settings.end()) Fail("voice setting '" + key + "' is unknown");
        *s->second = value;
    }
    if (v.pan < -1 || v.pan > 1) Fail("pan is -1 .. 1");
    if (v.sustain < 0 || v.sustain > 1 || v.gate <= 0 || v.gate > 1) Fail("s and gate are 0..1");
    if (v.attack < 0 || v.decay <= 0 || v.release < 0) Fail("a, d and r are seconds");
    score_.voices.push_back(v);
}

int Parser::VoiceIndex(const std::string& name) const {
    for (size_t i = 0; i < score_.voices.size(); ++i) {
        if (score_.voices[i].name == name) return static_cast<int>(i);
    }
    return -1;
}

void Parser::NotesLine(Part& part, int voice, std::istringstream& in, double* cursor) {
    const double end = part.bars * score_.meter;
    double at = *cursor, len = 1.0;
    std::vector<int> pending;
    bool in_chord = false;
    std::string w;
    while (in >> w) {
        if (w == "|") continue;
        if (w[0] == '[') {
            in_chord = true;
            w = w.substr(1);
            if (w.empty()) continue;
        }
        std::string pitch = w, length;
        const size_t slash = w.find('/');
        if (slash != std::string::npos) {
            pitch = w.substr(0, slash);
            length = w.substr(slash);
        }
        bool closes = !in_chord;
        if (!pitch.empty() && pitch.back() == ']') {
            pitch.pop_back();
            closes = true;
        }
        if (in_chord && !closes && !length.empty()) Fail("a length inside [..] goes after ]");
        if (!pitch.empty() && pitch != "r") pending.push_back(Pitch(pitch));
        if (!closes) continue;
        in_chord = false;
        len = Length(length, len);
        if (at + len > end + 1e-9)
            Fail("the notes run past the part's " + std::to_string(part.bars) + " bars");
        for (int midi : pending)
            part.notes.push_back({voice, at, len, midi, 1.0});
        pending.clear();
        at += len;
    }
    if (in_chord) Fail("a [ is not closed");
    *cursor = at;
}

void Parser::ChordLine(Part& part, int voice, const std::string& kind, std::istringstream& in,
                       const std::vector<Chord>& chords) {
    if (chords.empty()) Fail("'" + kind + "' needs a chords line before it in the part");
    std::string low_word;
    if (!(in >> low_word)) Fail("'" + kind + "' needs its lowest note");
    const int low = Pitch(low_word);
    // The chord's tones, each placed upwards from the lowest note.
    auto voicing = [&](const Chord& c) {
        std::vector<int> tones;
        for (int iv : c.intervals) {
            const int pc = (c.root + iv) % 12;
            tones.push_back(low + ((pc - low) % 12 + 12) % 12);
        }
        std::sort(tones.begin(), tones.end());
        tones.erase(std::unique(tones.begin(), tones.end()), tones.end());
        return tones;
    };
    const Chord* const first = &chords.front();
    auto chord_at = [&](double beat) {
        const Chord* found = first;
        for (const Chord& c : chords) {
            if (c.beat <= beat + 1e-9) found = &c;
        }
        return found;
    };
    if (kind == "pad") {
        for (const Chord& c : chords) {
            for (int midi : voicing(c))
                part.notes.push_back({voice, c.beat, c.beats, midi, 1.0});
        }
        return;
    }
    std::string step_word;
    if (!(in >> step_word)) Fail("'" + kind + "' needs a step length");
    const double step = Length(step_word, 1.0);
    const std::vector<std::string> steps = Words(in);
    if (steps.empty()) Fail("'" + kind + "' needs its steps");
    const double end = part.bars * score_.meter;
    for (double bar = 0; bar < end - 1e-9; bar += score_.meter) {
        long last = -1;  // the note a "-" holds on
        for (size_t i = 0; i < steps.size(); ++i) {
            const double at = bar + i * step;
            if (at >= bar + score_.meter - 1e-9 || at >= end - 1e-9) break;
            const std::string& s = steps[i];
            if (s == ".") {
                last = -1;
                continue;
            }
            if (s == "-") {
                if (last >= 0) part.notes[last].beats += step;
                continue;
            }
            const int n = static_cast<int>(Number(s));
            if (n < 1 || n > 24) Fail("step '" + s + "' is not a chord tone");
            const Chord& c = *chord_at(at);
            int midi = 0;
            if (kind == "arp") {
                const std::vector<int> tones = voicing(c);
                const int k = n - 1, size = static_cast<int>(tones.size());
                midi = tones[k % size] + 12 * (k / size);
            } else {
                const int root = low + ((c.root - low) % 12 + 12) % 12;
                auto tone = [&](size_t idx, int fallback) {
                    return idx < c.intervals.size() ? c.intervals[idx] : fallback;
                };
                switch (n) {
                    case 1:
                        midi = root;
                        break;
                    case 3:
                        midi = root + tone(1, 4);
                        break;
                    case 5:
                        midi = root + tone(2, 7);
                        break;
                    case 7:
                        midi = root + tone(3, 10);
                        break;
                    case 8:
                        midi = root + 12;
                        break;
                    default:
                        Fail("a bass step is 1, 3, 5, 7 or 8");
                }
            }
            part.notes.push_back({voice, at, step, midi, 1.0});
            last = static_cast<long>(part.notes.size()) - 1;
        }
    }
}

void Parser::ParsePart(const std::string& name, int bars, const std::vector<RawLine>& lines) {
    Part part;
    part.bars = bars;
    std::vector<Chord> chords;
    std::map<int, double> cursors;  // where each voice's next notes line begins
    // The harmony first, so that its lines may stand anywhere in the part.
    for (const RawLine& raw : lines) {
        line_ = raw.number;
        std::istringstream in(raw.text);
        std::string head;
        in >> head;
        if (head != "chords") continue;
        if (!chords.empty()) Fail("a part has one chords line");
        std::vector<Chord> written;
        for (const std::string& w : Words(in))
            written.push_back(ParseChord(w));
        if (written.empty()) Fail("chords without a chord");
        const double end = bars * score_.meter;
        double at = 0;
        for (size_t i = 0; at < end - 1e-9; i = (i + 1) % written.size()) {
            Chord c = written[i];
            c.beat = at;
            c.beats = std::min(c.beats, end - at);
            at += c.beats;
            chords.push_back(c);
        }
    }
    for (const RawLine& raw : lines) {
        line_ = raw.number;
        std::istringstream in(raw.text);
        std::string head, kind;
        in >> head;
        if (head == "chords") continue;
        if (head.size() < 2 || head.back() != ':') Fail("'" + head + "' is not 'voice:'");
        const int voice = VoiceIndex(head.substr(0, head.size() - 1));
        if (voice < 0) Fail("voice '" + head + "' is not declared");
        if (!(in >> kind)) Fail("an empty voice line");
        const Wave wave = score_.voices[voice].wave;
        const bool drum =
            wave == Wave::Kick || wave == Wave::Snare || wave == Wave::Hat || wave == Wave::Tom;
        if (kind == "notes") {
            NotesLine(part, voice, in, &cursors[voice]);
        } else if (kind == "pad" || kind == "arp" || kind == "bass") {
            ChordLine(part, voice, kind, in, chords);
        } else if (kind == "hits") {
            const double hz = score_.voices[voice].pitch;
            if (!drum && hz <= 0) Fail("hits of a tuned voice need its pitch=");
            const int midi =
                drum ? 0 : static_cast<int>(std::lround(69 + 12 * std::log2(hz / 440)));
            std::vector<std::string> words = Words(in);
            int span = 1;
            if (words.size() > 1) {
                span = static_cast<int>(Number(words.front()));
                words.erase(words.begin());
            }
            std::string grid;
            for (const std::string& w : words)
                grid += w;
            if (grid.empty() || span < 1) Fail("hits need a grid");
            const double step = static_cast<double>(span * score_.meter) / grid.size();
            for (int bar = 0; bar < bars; bar += span) {
                for (size_t i = 0; i < grid.size(); ++i) {
                    const double at = bar * score_.meter + i * step;
                    if (at >= bars * score_.meter - 1e-9) break;
                    const char c = grid[i];
                    if (c == '.') continue;
                    if (c != 'x' && c != 'o' && c != 'X') Fail("a hit is x, X, o or .");
                    const double vel = c == 'X' ? 1.25 : c == 'x' ? 1.0 : 0.5;
                    part.notes.push_back({voice, at, step, midi, vel});
                }
            }
        } else {
            Fail("'" + kind + "' is not notes, pad, arp, bass or hits");
        }
    }
    if (!parts_.emplace(name, std::move(part)).second) Fail("part '" + name + "' is there twice");
}

Score Parser::Run() {
    std::istringstream all{std::string(text_)};
    std::string raw;
    std::optional<std::pair<std::string, int>> open_part;
    int part_line = 0;
    std::vector<RawLine> part_lines;
    bool have_song = false, have_tempo = false;
    while (std::getline(all, raw)) {
        ++line_;
        const size_t hash = raw.find('#');
        // A '#' right after a note letter is a sharp, not a comment.
        size_t cut = std::string::npos;
        for (size_t i = hash; i != std::string::npos; i = raw.find('#', i + 1)) {
            if (i == 0 || std::isspace(static_cast<unsigned char>(raw[i - 1]))) {
                cut = i;
                break;
            }
        }
        const std::string text = raw.substr(0, cut);
        std::istringstream in(text);
        std::string head;
        if (!(in >> head)) continue;
        if (open_part) {
            if (head == "end") {
                const int here = line_;
                ParsePart(open_part->first, open_part->second, part_lines);
                line_ = here;
                open_part.reset();
                part_lines.clear();
            } else {
                part_lines.push_back({line_, text});
            }
            continue;
        }
        if (head == "title") {
            std::getline(in >> std::ws, score_.title);
        } else if (head == "tempo") {
            std::string w;
            in >> w;
            score_.tempo = Number(w);
            if (score_.tempo < 30 || score_.tempo > 240) Fail("tempo is 30..240");
            have_tempo = true;
        } else if (head == "meter") {
            std::string w;
            in >> w;
            score_.meter = static_cast<int>(Number(w));
            if (score_.meter < 2 || score_.meter > 12) Fail("meter is 2..12");
        } else if (head == "key") {
            std::getline(in >> std::ws, score_.key);
        } else if (head == "loop") {
            std::string w;
            in >> w;
            if (w != "yes" && w != "no") Fail("loop is yes or no");
            score_.loop = w == "yes";
        } else if (head == "room") {
            std::string a, b;
            in >> a >> b;
            score_.room_size = Number(a);
            score_.room_mix = Number(b);
        } else if (head == "echo") {
            std::string a, b;
            in >> a >> b;
            score_.echo_beats = Number(a);
            score_.echo_feedback = Number(b);
            if (score_.echo_feedback < 0 || score_.echo_feedback > 0.8)
                Fail("echo feedback 0..0.8");
        } else if (head == "voice") {
            ParseVoice(in);
        } else if (head == "part") {
            std::string name, bars;
            if (!(in >> name >> bars)) Fail("a part needs a name and its bars");
            const int n = static_cast<int>(Number(bars));
            if (n < 1) Fail("a part has at least one bar");
            open_part.emplace(name, n);
            part_line = line_;
        } else if (head == "song") {
            for (const std::string& name : Words(in)) {
                const auto p = parts_.find(name);
                if (p == parts_.end()) Fail("part '" + name + "' is not written");
                for (Note n : p->second.notes) {
                    n.beat += score_.total_beats;
                    score_.notes.push_back(n);
                }
                score_.total_beats += p->second.bars * score_.meter;
            }
            have_song = true;
        } else {
            Fail("'" + head + "' is not a statement of a score");
        }
    }
    if (open_part) {
        line_ = part_line;
        Fail("part '" + open_part->first + "' has no end");
    }
    if (!have_tempo) Fail("the score has no tempo");
    if (!have_song || score_.notes.empty()) Fail("the score has no song");
    for (Note& n : score_.notes)
        n.midi += 12 * score_.voices[n.voice].octave;
    std::stable_sort(score_.notes.begin(), score_.notes.end(),
                     [](const Note& a, const Note& b) { return a.beat < b.beat; });
    return score_;
}

}  // namespace

Score ParseScore(std::string_view text, const std::string& file_name) {
    return Parser(text, file_name).Run();
}

Score ReadScore(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ScoreError(path + ": cannot be read");
    std::stringstream all;
    all << in.rdbuf();
    return ParseScore(all.str(), path);
}

}  // namespace musicgen
