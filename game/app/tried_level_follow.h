// karvelun --level follows the tried level's file: each change is made into
// a campaign again by karvelun-levels, beside the try-out's own, while the
// game runs on.  A campaign that was made takes the place of the try-out's
// and its level is offered to the game (tried_level.h); a file that does
// not read leaves everything as it was, and the message log says why.
#pragma once

#include <QObject>
#include <QProcess>

#include "game/app/level_try_out.h"
#include "game/desktop/file_follower.h"

namespace game {

class TriedLevelFollow : public QObject {
  public:
    explicit TriedLevelFollow(const platform::LevelTryOut& tryOut);
    ~TriedLevelFollow() override;

  private:
    void Convert();
    void Converted();
    QString NextCampaign() const;

    const platform::LevelTryOut& tryOut_;
    QProcess tool_;
    platform::FileFollower follower_;
    // The file changed again while it was being made into a campaign.
    bool changedAgain_ = false;
};

}  // namespace game
