// A piece of the soundtrack as the score file writes it: the voices that play
// it and every note they play, laid out along the whole piece.  The format is
// described at the top of score.cpp and in assets/README.md.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace musicgen {

// What a voice sounds with.  The first five are band-limited tables, bell is
// a few inharmonic sine partials, the rest are drums.
enum class Wave { Sine, Triangle, Saw, Square, Organ, Bell, Kick, Snare, Hat, Tom };

struct Voice {
    std::string name;
    Wave wave = Wave::Sine;
    double vol_db = -12.0;  // level of a full-velocity note
    double pan = 0.0;       // -1 left .. 1 right
    double attack = 0.01, decay = 0.3, sustain = 0.7, release = 0.3;  // seconds, level
    double lowpass = 0.0;                                             // Hz, 0 = open
    double env = 0.0;      // Hz the low-pass opens by at the attack, closing over the decay
    double detune = 0.0;   // cents between two oscillators, 0 = one oscillator
    double vibrato = 0.0;  // cents
    double room = 0.2;     // send to the reverb
    double echo = 0.0;     // send to the echo
    double width = 0.5;    // how far apart the two detuned oscillators sit
    double gate = 0.92;    // share of a note's length it is held
    double pitch = 0.0;    // Hz, for tuned drums (0: the drum's own)
    int octave = 0;        // transposes every note of the voice
};

struct Note {
    int voice = 0;
    double beat = 0.0;   // start, in quarter notes from the piece's start
    double beats = 1.0;  // length, in quarter notes
    int midi = 0;        // 60 = c4; ignored by the drums
    double velocity = 1.0;
};

struct Score {
    std::string title;
    double tempo = 100.0;  // quarter notes per minute
    int meter = 4;         // quarter notes per bar
    std::string key;       // as written, e.g. "D minor"
    bool loop = true;
    double room_size = 0.5, room_mix = 1.0;
    double echo_beats = 0.75, echo_feedback = 0.3;
    std::vector<Voice> voices;
    std::vector<Note> notes;
    double total_beats = 0.0;  // the song's length; a loop repeats after it

    double seconds_per_beat() const { return 60.0 / tempo; }
    double length_seconds() const { return total_beats * seconds_per_beat(); }
};

// Thrown with "file:line: what is wrong".
class ScoreError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

Score ParseScore(std::string_view text, const std::string& file_name);
Score ReadScore(const std::string& path);

}  // namespace musicgen
