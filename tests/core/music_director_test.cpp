// Which piece plays when, and how loud: the director's choices for runs of
// the game's events, as a recording music sink hears them.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "game/core/music_director.h"

namespace game {
namespace {

class RecordingSink : public MusicSink {
  public:
    void CrossFade(const MusicPiece& piece, int fadeMs) override {
        heard.push_back(std::string(piece.name) + (piece.loops ? "" : " once") + " " +
                        std::to_string(fadeMs));
    }
    void Duck(int percent) override { heard.push_back("duck " + std::to_string(percent)); }
    std::vector<std::string> heard;
};

using Events = std::function<void(MusicDirector&)>;

TEST(MusicDirector, ChoosesThePieceAndTheDuckForEveryPlace) {
    const struct {
        const char* what;
        Events events;
        std::vector<std::string> heard;
    } cases[] = {
        {"the menu's theme", [](MusicDirector& m) { m.Menu(); }, {"menu 1500"}},
        {"a level's act; the same act goes on without a new piece",
         [](MusicDirector& m) {
             m.Menu();
             m.Playing(0, false);
             m.Playing(0, false);
             m.Playing(7, false);
             m.Playing(8, false);
         },
         {"menu 1500", "act1 1500", "act2 1500"}},
        {"the last act holds level 80, the refuge plays act VII",
         [](MusicDirector& m) {
             m.Playing(71, false);
             m.Playing(72, false);
             m.Playing(80, false);
             m.Playing(63, false);
             m.Playing(81, false);
             m.Playing(48, false);
         },
         {"act9 1500", "act10 1500", "act8 1500", "act7 1500"}},
        {"a try-out starts straight on its level's piece",
         [](MusicDirector& m) { m.Playing(45, false); },
         {"act6 1500"}},
        {"the pause lowers the music and brings it back",
         [](MusicDirector& m) {
             m.Playing(3, false);
             m.Playing(3, true);
             m.Playing(3, true);
             m.Playing(3, false);
         },
         {"act1 1500", "duck 40", "duck 100"}},
        {"windows over the play lower it until the last one closes, a pause keeps it low",
         [](MusicDirector& m) {
             m.Playing(20, false);
             m.Overlay(true);
             m.Overlay(true);
             m.Overlay(false);
             m.Playing(20, true);
             m.Overlay(false);
             m.Playing(20, false);
         },
         {"act3 1500", "duck 40", "duck 100"}},
        {"a dialog over the menu lowers the theme",
         [](MusicDirector& m) {
             m.Menu();
             m.Overlay(true);
             m.Overlay(false);
         },
         {"menu 1500", "duck 40", "duck 100"}},
        {"game over: the phrase once, heard whole under its notice, then the menu",
         [](MusicDirector& m) {
             m.Playing(30, false);
             m.GameOver();
             m.Overlay(true);
             m.Overlay(false);
             m.Menu();
         },
         {"act4 1500", "game_over once 300", "menu 1500"}},
        {"a game over while a window was open comes at full volume",
         [](MusicDirector& m) {
             m.Playing(30, false);
             m.Overlay(true);
             m.GameOver();
             m.Overlay(false);
         },
         {"act4 1500", "duck 40", "game_over once 300", "duck 100"}},
        {"the ending under its notice, then the menu",
         [](MusicDirector& m) {
             m.Playing(80, false);
             m.Ending();
             m.Overlay(true);
             m.Overlay(false);
             m.Menu();
         },
         {"act10 1500", "ending 1500", "menu 1500"}},
        {"the credits play the ending and give the menu its theme back",
         [](MusicDirector& m) {
             m.Menu();
             m.Credits(true);
             m.Overlay(true);  // the box of the sounds' credits
             m.Overlay(false);
             m.Credits(false);
         },
         {"menu 1500", "ending 1500", "menu 1500"}},
        {"leaving a paused game for the menu and coming back",
         [](MusicDirector& m) {
             m.Playing(9, true);
             m.Menu();
             m.Playing(9, true);
             m.Playing(9, false);
         },
         {"act2 1500", "duck 40", "menu 1500", "duck 100", "act2 1500", "duck 40", "duck 100"}},
    };
    for (const auto& c : cases) {
        RecordingSink sink;
        MusicDirector director;
        director.SetSink(&sink);
        c.events(director);
        EXPECT_EQ(sink.heard, c.heard) << c.what;
    }
}

TEST(MusicDirector, ASinkGivenLaterTakesUpWhatPlaysAndWithoutOneNothingIsHeard) {
    MusicDirector director;
    director.Playing(12, true);
    RecordingSink sink;
    director.SetSink(&sink);
    EXPECT_EQ(sink.heard, (std::vector<std::string>{"act2 0", "duck 40"}));
    director.SetSink(nullptr);
    director.Playing(40, false);
    EXPECT_EQ(sink.heard.size(), 2u);
    EXPECT_EQ(MusicFile("/hra/data", *director.Piece()), "/hra/data/hudba/act6.ogg");
}

}  // namespace
}  // namespace game
