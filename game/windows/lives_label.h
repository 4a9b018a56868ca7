// The panel's number of lives, marked by more than its colour: framed while
// the hero's lives are low and underlined while he flashes from a blow, so
// that a player who cannot tell its red from the panel's other colours
// still sees the danger.
#pragma once

#include <QLabel>

namespace game {

class LivesLabel : public QLabel {
  public:
    using QLabel::QLabel;

    // The marks of this frame: a frame round the number while lives are
    // low, a bar under it while the hero flashes.
    void Mark(bool low, bool hurt);
    bool Framed() const { return framed_; }
    bool Underlined() const { return underlined_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool framed_ = false;
    bool underlined_ = false;
};

}  // namespace game
