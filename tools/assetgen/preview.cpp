#include "preview.h"

#include <QPainter>
#include <algorithm>

namespace assetgen {

namespace {

constexpr int kZoom = 4;
constexpr int kWidth = 1480;
constexpr int kMargin = 16;
constexpr int kGap = 10;
constexpr int kLabel = 16;

struct Entry {
    QString label;
    QImage image;
};

class Layout {
  public:
    Layout(QPainter& painter, const QImage& floor) : painter_(painter), floor_(floor) {}

    void Section(const QString& title, const std::vector<Entry>& entries, bool masked) {
        y_ += kGap;
        painter_.setPen(QColor(230, 200, 140));
        painter_.drawText(kMargin, y_ + 14, title);
        y_ += 24;
        int x = kMargin;
        int rowHeight = 0;
        for (const Entry& e : entries) {
            const int w = std::max(e.image.width() * kZoom, 64);
            const int h = e.image.height() * kZoom + kLabel;
            if (x + w > kWidth - kMargin) {
                x = kMargin;
                y_ += rowHeight + kGap;
                rowHeight = 0;
            }
            Draw(e, x, y_, masked);
            x += w + kGap;
            rowHeight = std::max(rowHeight, h);
        }
        y_ += rowHeight + kGap;
    }

    int Height() const { return y_ + kMargin; }

  private:
    void Draw(const Entry& e, int x, int y, bool masked) {
        const QRect box(x, y, e.image.width() * kZoom, e.image.height() * kZoom);
        if (masked) {
            // Masked pictures over the common floor, as the game shows them.
            painter_.drawTiledPixmap(box, QPixmap::fromImage(floor_.scaled(floor_.size() * kZoom)));
        }
        painter_.drawImage(
            box, e.image.scaled(box.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
        painter_.setPen(QColor(200, 200, 200));
        painter_.drawText(QRect(x, box.bottom() + 1, std::max(box.width(), 64), kLabel),
                          Qt::AlignLeft | Qt::AlignVCenter, e.label);
    }

    QPainter& painter_;
    QImage floor_;
    int y_ = kMargin;
};

std::vector<Entry> Numbered(const std::vector<Picture>& pictures, int first = 0) {
    std::vector<Entry> entries;
    for (int i = first; i < static_cast<int>(pictures.size()); ++i) {
        entries.push_back({QString::number(i), pictures[i].image});
    }
    return entries;
}

std::vector<Entry> Frames(const std::vector<QImage>& frames) {
    std::vector<Entry> entries;
    for (int i = 0; i < static_cast<int>(frames.size()); ++i)
        entries.push_back({QString::number(i), frames[i]});
    return entries;
}

void Paint(Layout& layout, const ArtSet& art) {
    layout.Section("sc1 - tiles (picture 0 is never drawn)", Numbered(art.tiles, 1), false);
    layout.Section("sc2 - monsters", Numbered(art.monsters), true);
    layout.Section("sc3 - items", Numbered(art.items), true);
    layout.Section("sc4 - hero: 0 down, 1 up, 2 right, 3 left", Numbered(art.hero), true);
    layout.Section("sc5 - missile, bomb; sc6 - fragment",
                   {{"missile", art.missile}, {"bomb", art.bomb}, {"fragment", art.fragment}},
                   true);
    layout.Section("sc6 - explosion", Frames(art.explosion), true);
    layout.Section("sc7 - wall/floor change", Frames(art.tileEffect), true);
}

}  // namespace

QImage ContactSheet(const ArtSet& art, const QFont& font) {
    const QImage floor = art.tiles.at(1).image;
    // Measure on a scratch picture first, then paint at the right height.
    QImage scratch(kWidth, 8000, QImage::Format_RGB32);
    int height = 0;
    {
        QPainter painter(&scratch);
        painter.setFont(font);
        Layout layout(painter, floor);
        Paint(layout, art);
        height = layout.Height();
    }
    QImage sheet(kWidth, height, QImage::Format_RGB32);
    sheet.fill(QColor(22, 21, 24));
    QPainter painter(&sheet);
    painter.setFont(font);
    Layout layout(painter, floor);
    Paint(layout, art);
    return sheet;
}

}  // namespace assetgen
