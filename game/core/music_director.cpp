#include "game/core/music_director.h"

namespace game {

void MusicDirector::SetSink(MusicSink* sink) {
    sink_ = sink;
    if (!sink_) return;
    if (piece_) sink_->CrossFade(*piece_, 0);
    if (duck_ != 100) sink_->Duck(duck_);
}

void MusicDirector::Go(Place place, const MusicPiece& piece, int fadeMs) {
    place_ = place;
    if (piece_ != &piece) {
        piece_ = &piece;
        if (sink_) sink_->CrossFade(piece, fadeMs);
    }
    SettleDuck();
}

void MusicDirector::SettleDuck() {
    // Only the menu's and the levels' music makes room for what opens over
    // it; the game-over phrase, the ending and the credits are heard whole
    // (their own notice or window is what is open).
    const bool lowered =
        (place_ == Place::Menu || place_ == Place::Level) && (paused_ || overlays_ > 0);
    const int duck = lowered ? kMusicDuckPercent : 100;
    if (duck == duck_) return;
    duck_ = duck;
    if (sink_) sink_->Duck(duck);
}

void MusicDirector::Menu() {
    paused_ = false;
    Go(Place::Menu, kMusicMenu, kMusicCrossFadeMs);
}

void MusicDirector::Playing(int32_t level, bool paused) {
    paused_ = paused;
    Go(Place::Level, MusicForLevel(level), kMusicCrossFadeMs);
}

void MusicDirector::GameOver() {
    paused_ = false;
    Go(Place::GameOver, kMusicGameOver, kMusicGameOverFadeMs);
}

void MusicDirector::Ending() {
    paused_ = false;
    Go(Place::Ending, kMusicEnding, kMusicCrossFadeMs);
}

void MusicDirector::Credits(bool shown) {
    if (shown) {
        if (place_ == Place::Credits) return;
        beforeCredits_ = place_;
        pieceBeforeCredits_ = piece_;
        Go(Place::Credits, kMusicEnding, kMusicCrossFadeMs);
    } else if (place_ == Place::Credits) {
        if (pieceBeforeCredits_)
            Go(beforeCredits_, *pieceBeforeCredits_, kMusicCrossFadeMs);
        else
            Go(Place::Menu, kMusicMenu, kMusicCrossFadeMs);
    }
}

void MusicDirector::Overlay(bool open) {
    overlays_ += open ? 1 : -1;
    if (overlays_ < 0) overlays_ = 0;
    SettleDuck();
}

MusicDirector& Music() {
    static MusicDirector director;
    return director;
}

std::string MusicFile(const std::string& dataFolder, const MusicPiece& piece) {
    return dataFolder + "/" + kMusicFolder + "/" + piece.name + ".ogg";
}

}  // namespace game
