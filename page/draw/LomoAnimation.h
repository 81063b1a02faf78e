#pragma once
// The tile animation of a page (<BOX LOMO>): the box (and a second zone) is
// cut into tiles of the size of the set's pictures; at drawing time every
// tile gets a picture, then a timer gives one random tile a new picture at a
// time. A tile takes the top-left part of a picture as wide as the tile, or
// is quartered and each quarter filled the same way.
#include <QImage>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <optional>
#include <vector>

namespace vyr {

struct TLomoBox;
struct TXPicture;

class TLomoAnimation : public QObject {
  Q_OBJECT

 public:
  explicit TLomoAnimation(QObject* parent = nullptr);
  ~TLomoAnimation() override;

  // The tile size of a set: as wide as its widest picture (at least 50) and
  // as tall as its tallest, which becomes two thirds of the width (rounded
  // up) when it is within 3 pixels of that.
  static QSize TileSizeOf(const std::vector<QImage>& pictures);
  // The tiles of an area: none unless its width is a multiple of the tile
  // width; each column is cut into tiles when its height is a multiple of
  // the tile height, or halved repeatedly when it holds 1, 3, 7 or 15 whole
  // tiles and a rest; any other column gets no tiles.
  static std::vector<QRect> TilesOf(const QRect& area, QSize tile);

  // Prepares the animation; false (and no animation) when no picture of the
  // set is usable or the areas give no tiles. `speed` is the interval in
  // milliseconds (at least 10).
  bool Setup(std::vector<QImage> pictures, const QRect& box, const std::optional<QRect>& zone2, int speed);
  // The same from a page's tables.
  bool Setup(const TLomoBox& lomo, const std::vector<TXPicture>& pictureList);
  void Clear();

  bool IsPresent() const { return !tiles_.empty(); }
  QSize TileSize() const { return tileSize_; }
  const std::vector<QRect>& Tiles() const { return tiles_; }
  int Interval() const { return timer_.interval(); }
  bool IsRunning() const { return timer_.isActive(); }

  // Fills every tile once (page coordinates).
  void FillAll(QImage& target);
  // Fills one tile; false when it cannot be drawn.
  bool FillTile(QImage& target, const QRect& tile);
  // Starts the timer; each step draws into `shown` (the page buffer) and
  // reports the tile it changed.
  void Start(QImage* shown);
  void Stop();
  // One timer step: a random tile gets a new picture. A failure stops the
  // animation.
  void Step();

 signals:
  void TileChanged(const QRect& tile);

 private:
  void FillPiece(QImage& target, const QRect& piece);

  std::vector<QImage> pictures_;
  QSize tileSize_;
  std::vector<QRect> tiles_;
  QImage* shown_ = nullptr;
  QTimer timer_;
};

}  // namespace vyr
