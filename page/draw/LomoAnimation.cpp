#include "page/draw/LomoAnimation.h"

#include <algorithm>
#include <cstdlib>

#include "page/draw/Blend.h"
#include "page/model/PageTables.h"
#include "platform/core/Random.h"

namespace vyr {

TLomoAnimation::TLomoAnimation(QObject* parent) : QObject(parent) {
  connect(&timer_, &QTimer::timeout, this, &TLomoAnimation::Step);
}

TLomoAnimation::~TLomoAnimation() = default;

QSize TLomoAnimation::TileSizeOf(const std::vector<QImage>& pictures) {
  int width = 50, tallest = 0;
  for (const QImage& p : pictures) {
    width = std::max(width, p.width());
    tallest = std::max(tallest, p.height());
  }
  const int twoThirds = 2 * width / 3;
  int height = tallest;
  if (std::abs(tallest - twoThirds) <= 3) height = twoThirds + ((2 * width) % 3 != 0 ? 1 : 0);
  return QSize(width, std::max(height, 1));
}

namespace {

void Halve(int left, int top, int width, int height, int tileHeight, std::vector<QRect>& out) {
  if (height <= tileHeight) {
    if (height > 0) out.emplace_back(left, top, width, height);
    return;
  }
  Halve(left, top, width, height / 2, tileHeight, out);
  Halve(left, top + height / 2, width, height - height / 2, tileHeight, out);
}

}  // namespace

std::vector<QRect> TLomoAnimation::TilesOf(const QRect& area, QSize tile) {
  std::vector<QRect> out;
  const int tw = tile.width(), th = tile.height();
  if (tw <= 0 || th <= 0 || area.width() <= 0 || area.height() <= 0 || area.width() % tw != 0) return out;
  const int h = area.height(), rows = h / th;
  const bool whole = h % th == 0;
  if (!whole && rows != 1 && rows != 3 && rows != 7 && rows != 15) return out;
  for (int x = area.left(); x < area.left() + area.width(); x += tw) {
    if (whole) {
      for (int r = 0; r < rows; ++r) out.emplace_back(x, area.top() + r * th, tw, th);
    } else {
      Halve(x, area.top(), tw, h, th, out);
    }
  }
  return out;
}

bool TLomoAnimation::Setup(std::vector<QImage> pictures, const QRect& box, const std::optional<QRect>& zone2,
                           int speed) {
  Clear();
  pictures.erase(std::remove_if(pictures.begin(), pictures.end(), [](const QImage& p) { return p.isNull(); }),
                 pictures.end());
  if (pictures.empty()) return false;
  for (QImage& p : pictures)
    if (p.format() != QImage::Format_RGB888) p = p.convertToFormat(QImage::Format_RGB888);
  tileSize_ = TileSizeOf(pictures);
  tiles_ = TilesOf(box, tileSize_);
  if (zone2) {
    const std::vector<QRect> more = TilesOf(*zone2, tileSize_);
    tiles_.insert(tiles_.end(), more.begin(), more.end());
  }
  if (tiles_.empty()) return false;
  pictures_ = std::move(pictures);
  // An interval of 0 would keep the program busy with nothing but tiles.
  timer_.setInterval(std::max(speed, 10));
  return true;
}

bool TLomoAnimation::Setup(const TLomoBox& lomo, const std::vector<TXPicture>& pictureList) {
  if (!lomo.Present) {
    Clear();
    return false;
  }
  std::vector<QImage> pictures;
  for (const int32_t index : lomo.Pictures)
    if (index >= 0 && static_cast<size_t>(index) < pictureList.size()) pictures.push_back(pictureList[index].Picture);
  std::optional<QRect> zone2;
  if (lomo.HasZone2) zone2 = ToQRect(lomo.Zone2);
  return Setup(std::move(pictures), ToQRect(lomo.Rect), zone2, lomo.Speed);
}

void TLomoAnimation::Clear() {
  Stop();
  pictures_.clear();
  tiles_.clear();
  tileSize_ = QSize();
}

void TLomoAnimation::FillAll(QImage& target) {
  for (const QRect& tile : tiles_) FillTile(target, tile);
}

bool TLomoAnimation::FillTile(QImage& target, const QRect& tile) {
  if (pictures_.empty() || target.isNull() || target.format() != QImage::Format_RGB888) return false;
  FillPiece(target, tile);
  return true;
}

// A random picture no wider than the piece: as wide as the piece, its
// top-left part fills it; narrower, the piece is quartered. A piece that no
// picture is narrow enough for, or that cannot be quartered any more, takes
// the top-left part of a random picture, so filling always ends.
void TLomoAnimation::FillPiece(QImage& target, const QRect& piece) {
  std::vector<const QImage*> fitting;
  for (const QImage& p : pictures_)
    if (p.width() <= piece.width()) fitting.push_back(&p);
  const QImage& chosen = fitting.empty() ? pictures_[RandomInt(static_cast<int>(pictures_.size()))]
                                         : *fitting[RandomInt(static_cast<int>(fitting.size()))];
  if (chosen.width() >= piece.width() || piece.width() < 2 || piece.height() < 2) {
    const QRect part(0, 0, std::min(piece.width(), chosen.width()), std::min(piece.height(), chosen.height()));
    CopyPicture(target, piece.left(), piece.top(), chosen.copy(part));
    return;
  }
  const int w1 = piece.width() / 2, h1 = piece.height() / 2;
  FillPiece(target, QRect(piece.left(), piece.top(), w1, h1));
  FillPiece(target, QRect(piece.left() + w1, piece.top(), piece.width() - w1, h1));
  FillPiece(target, QRect(piece.left(), piece.top() + h1, w1, piece.height() - h1));
  FillPiece(target, QRect(piece.left() + w1, piece.top() + h1, piece.width() - w1, piece.height() - h1));
}

void TLomoAnimation::Start(QImage* shown) {
  shown_ = shown;
  if (IsPresent()) timer_.start();
}

void TLomoAnimation::Stop() {
  timer_.stop();
  shown_ = nullptr;
}

void TLomoAnimation::Step() {
  if (tiles_.empty() || !shown_) {
    Stop();
    return;
  }
  const QRect tile = tiles_[RandomInt(static_cast<int>(tiles_.size()))];
  if (!FillTile(*shown_, tile)) {
    Stop();
    return;
  }
  emit TileChanged(tile);
}

}  // namespace vyr
