#include "game/replay/state_snapshot.h"

#include <zlib.h>

#include <cstring>
#include <string>
#include <type_traits>

#include "game/core/game_state.h"
#include "game/levels/level_record.h"
#include "game/levels/working_levels.h"
#include "game/platform/file_io.h"

namespace replay {
namespace {

using namespace game;

// Writes fields little-endian, as the game's own files do.
class Writer {
  public:
    explicit Writer(std::vector<uint8_t>& out) : out_(out) {}
    static constexpr bool kReading = false;

    template <typename T>
    void Field(const T& value) {
        static_assert(std::is_arithmetic_v<T>);
        if constexpr (std::is_same_v<T, bool>) {
            out_.push_back(value ? 1 : 0);
        } else {
            uint8_t raw[sizeof(T)];
            std::memcpy(raw, &value, sizeof(T));
            out_.insert(out_.end(), raw, raw + sizeof(T));
        }
    }
    void Field(const std::string& text) {
        Field(static_cast<uint32_t>(text.size()));
        out_.insert(out_.end(), text.begin(), text.end());
    }
    bool Ok() const { return true; }

  private:
    std::vector<uint8_t>& out_;
};

class Reader {
  public:
    explicit Reader(const std::vector<uint8_t>& in) : in_(in) {}
    static constexpr bool kReading = true;

    template <typename T>
    void Field(T& value) {
        static_assert(std::is_arithmetic_v<T>);
        const size_t size = std::is_same_v<T, bool> ? 1 : sizeof(T);
        if (!Take(size)) return;
        if constexpr (std::is_same_v<T, bool>) {
            value = in_[at_] != 0;
        } else {
            std::memcpy(&value, in_.data() + at_, sizeof(T));
        }
        at_ += size;
    }
    void Field(std::string& text) {
        uint32_t size = 0;
        Field(size);
        if (!Take(size)) return;
        text.assign(reinterpret_cast<const char*>(in_.data() + at_), size);
        at_ += size;
    }
    bool Ok() const { return ok_ && at_ == in_.size(); }
    bool Failed() const { return !ok_; }

  private:
    bool Take(size_t size) {
        if (!ok_ || in_.size() - at_ < size) ok_ = false;
        return ok_;
    }
    const std::vector<uint8_t>& in_;
    size_t at_ = 0;
    bool ok_ = true;
};

// No list may claim more entries than the snapshot could hold.
constexpr int16_t kMaxEntries = 30000;

template <typename A, typename T, typename Each>
void List(A& a, std::vector<T>& list, int16_t& count, Each each) {
    int16_t n = count;
    a.Field(n);
    if constexpr (A::kReading) {
        if (n < 0 || n > kMaxEntries) n = 0;
        list.assign(static_cast<size_t>(n) + 1, T{});
        count = n;
    }
    for (int16_t i = 0; i < n; ++i)
        each(list[i]);
}

template <typename A>
void Projectiles(A& a, std::vector<Projectile>& list, int16_t& count) {
    List(a, list, count, [&](Projectile& p) {
        a.Field(p.X), a.Field(p.Y), a.Field(p.StartX), a.Field(p.StartY);
        a.Field(p.DX), a.Field(p.DY);
    });
}

template <typename A>
void Animations(A& a, std::vector<Animation>& list, int16_t& count) {
    List(a, list, count,
         [&](Animation& e) { a.Field(e.X), a.Field(e.Y), a.Field(e.Tick), a.Field(e.Frame); });
}

template <typename A>
void Visit(A& a, bool floatTexts) {
    for (Tile& t : Tiles) {
        a.Field(t.Picture), a.Field(t.Kind), a.Field(t.Param1), a.Field(t.Param2);
        a.Field(t.Revealed), a.Field(t.BlastHit);
    }
    List(a, Monsters, MonsterCount, [&](Monster& m) {
        a.Field(m.X), a.Field(m.Y), a.Field(m.Picture), a.Field(m.Kind);
        a.Field(m.HitPoints), a.Field(m.Damage), a.Field(m.DX), a.Field(m.DY);
        a.Field(m.Chasing), a.Field(m.LastHitTime), a.Field(m.InContact), a.Field(m.BlastHit);
    });
    List(a, Items, ItemCount,
         [&](Item& it) { a.Field(it.X), a.Field(it.Y), a.Field(it.Picture), a.Field(it.Kind); });
    a.Field(LevelNumber);
    a.Field(HeroX), a.Field(HeroY), a.Field(HeroFacing), a.Field(HeroStepX), a.Field(HeroStepY);
    a.Field(HeroSpeed);
    a.Field(KeyUpHeld), a.Field(KeyDownHeld), a.Field(KeyLeftHeld), a.Field(KeyRightHeld);
    a.Field(FireHeld);
    a.Field(Lives), a.Field(MaxLives), a.Field(Gold), a.Field(Experience), a.Field(HeroLevel);
    a.Field(MissileStrength), a.Field(MissileRange), a.Field(MissileCooldown);
    a.Field(BombArmed), a.Field(BombTime), a.Field(BombX), a.Field(BombY), a.Field(BombStage);
    a.Field(BombStrength), a.Field(BombRange), a.Field(HeroBlastHit), a.Field(HeroDead);
    Projectiles(a, Missiles, MissileCount);
    Projectiles(a, Fragments, FragmentCount);
    Animations(a, Explosions, ExplosionCount);
    Animations(a, TileEffects, TileEffectCount);
    a.Field(UnpackedLevelCount), a.Field(LastHeroTile), a.Field(TrapTime);
    a.Field(Paused), a.Field(GameSuspended), a.Field(CanResume), a.Field(CanSave);
    a.Field(CheatMode);
    if (floatTexts) {
        List(a, FloatTexts, FloatTextCount, [&](FloatText& f) {
            a.Field(f.X), a.Field(f.Y), a.Field(f.Age), a.Field(f.Text), a.Field(f.Colour);
        });
    }
}

uint32_t Crc(uint32_t crc, const void* data, size_t size) {
    return static_cast<uint32_t>(
        crc32(crc, static_cast<const Bytef*>(data), static_cast<uInt>(size)));
}

}  // namespace

std::vector<uint8_t> TakeSnapshot(bool floatTexts) {
    std::vector<uint8_t> bytes;
    bytes.reserve(24 * 1024);
    Writer w(bytes);
    Visit(w, floatTexts);
    return bytes;
}

bool RestoreSnapshot(const std::vector<uint8_t>& bytes) {
    // Read into the globals only once the whole snapshot has been found
    // sound: a dry run on a copy of the state would cost as much, so the
    // state is saved and put back on failure instead.
    const std::vector<uint8_t> before = TakeSnapshot(true);
    Reader r(bytes);
    Visit(r, true);
    if (r.Ok()) {
        UpdateMonsterRects();
        return true;
    }
    Reader back(before);
    Visit(back, true);
    UpdateMonsterRects();
    return false;
}

uint32_t WorkingLevelsDigest() {
    // The files hold their texts under random keys, so the same level is
    // written as other bytes every time: what counts is what they hold.
    uint32_t crc = Crc(0, nullptr, 0);
    std::vector<uint8_t> bytes, canonical;
    LevelRecord level;
    for (int32_t i = 0;; ++i) {
        if (!ReadWholeFile(LevelFilePath(i), bytes)) break;
        canonical.clear();
        Writer w(canonical);
        w.Field(i);
        ByteReader in(bytes);
        if (ReadLevelRecord(in, i, level)) {
            for (const TileRecord& t : level.tiles) {
                w.Field(t.Picture), w.Field(t.Kind), w.Field(t.Revealed);
                w.Field(t.Param1), w.Field(t.Param2);
            }
            w.Field(static_cast<uint32_t>(level.monsters.size()));
            for (const MonsterRecord& m : level.monsters) {
                w.Field(m.X), w.Field(m.Y), w.Field(m.Picture), w.Field(m.Kind);
                w.Field(m.Damage), w.Field(m.HitPoints);
            }
            w.Field(static_cast<uint32_t>(level.items.size()));
            for (const ItemRecord& it : level.items)
                w.Field(it.X), w.Field(it.Y), w.Field(it.Picture), w.Field(it.Kind);
        } else {
            w.Field(std::string("unreadable"));
        }
        crc = Crc(crc, canonical.data(), canonical.size());
    }
    return crc;
}

uint32_t StateChecksum::Compute() {
    if (!levelsKnown_ || levelsGeneration_ != WorkingLevelsGeneration()) {
        levelsGeneration_ = WorkingLevelsGeneration();
        levelsDigest_ = WorkingLevelsDigest();
        levelsKnown_ = true;
    }
    scratch_.clear();
    Writer w(scratch_);
    Visit(w, false);
    uint32_t crc = Crc(0, nullptr, 0);
    crc = Crc(crc, scratch_.data(), scratch_.size());
    return Crc(crc, &levelsDigest_, sizeof levelsDigest_);
}

}  // namespace replay
