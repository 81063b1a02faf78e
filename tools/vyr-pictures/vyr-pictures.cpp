// Paints the pictures of the demo course into a folder: bitmaps (24 and 8
// bits) and JPEGs with gradients, shapes and text. A picture whose file
// already holds the same bytes is left alone, so builds stay quiet.
#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>

namespace {

bool Save(const QDir& dir, const QString& name, const QImage& image, const char* format, int quality = -1) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, format, quality)) {
    std::fprintf(stderr, "vyr-pictures: cannot encode %s\n", qPrintable(name));
    return false;
  }
  const QString path = dir.filePath(name);
  QFile old(path);
  if (old.open(QIODevice::ReadOnly) && old.readAll() == bytes) return true;
  old.close();
  QFile out(path);
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "vyr-pictures: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

// A sunset: a vertical gradient, a sun and hills; bright and dark parts for the blend modes.
QImage Landscape(int w, int h) {
  QImage img(w, h, QImage::Format_RGB888);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, h);
  sky.setColorAt(0, QColor(30, 60, 160));
  sky.setColorAt(0.6, QColor(250, 170, 90));
  sky.setColorAt(1, QColor(255, 240, 200));
  p.fillRect(img.rect(), sky);
  QRadialGradient sun(w * 0.7, h * 0.45, h * 0.18);
  sun.setColorAt(0, Qt::white);
  sun.setColorAt(1, QColor(255, 220, 60));
  p.setBrush(sun);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(w * 0.7, h * 0.45), h * 0.16, h * 0.16);
  QPainterPath hills;
  hills.moveTo(0, h);
  for (int x = 0; x <= w; x += 4) hills.lineTo(x, h * 0.72 + std::sin(x / 23.0) * h * 0.07);
  hills.lineTo(w, h);
  p.setBrush(QColor(20, 70, 30));
  p.drawPath(hills);
  return img;
}

// Black text on white: the blend modes that depend on brightness show best on it.
QImage Lettering(int w, int h, const QString& text) {
  QImage img(w, h, QImage::Format_RGB888);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 3));
  p.drawRect(img.rect().adjusted(2, 2, -3, -3));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(h / 3);
  font.setBold(true);
  p.setFont(font);
  p.drawText(img.rect(), Qt::AlignCenter, text);
  return img;
}

// A tile for the mosaic: a coloured square with a shape.
QImage Tile(int w, int h, QColor colour, int shape) {
  QImage img(w, h, QImage::Format_RGB888);
  QLinearGradient g(0, 0, w, h);
  g.setColorAt(0, colour.lighter(150));
  g.setColorAt(1, colour.darker(150));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(img.rect(), g);
  p.setBrush(Qt::white);
  p.setPen(Qt::NoPen);
  const QRectF r(w * 0.25, h * 0.25, w * 0.5, h * 0.5);
  if (shape == 0) p.drawEllipse(r);
  else if (shape == 1) p.drawRect(r);
  else p.drawPolygon(QPolygonF({QPointF(w / 2.0, h * 0.2), QPointF(w * 0.8, h * 0.8), QPointF(w * 0.2, h * 0.8)}));
  return img;
}

// A small pattern for the tiled page background.
QImage Pattern() {
  QImage img(40, 40, QImage::Format_RGB888);
  img.fill(QColor(250, 246, 235));
  QPainter p(&img);
  p.setPen(QColor(230, 222, 200));
  p.drawLine(0, 39, 39, 0);
  p.drawPoint(10, 10);
  return img;
}

// A button face: a bright circle with an arrow.
QImage Arrow(int size, QColor colour) {
  QImage img(size, size, QImage::Format_RGB888);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(colour);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QRectF(2, 2, size - 4, size - 4));
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygonF(
      {QPointF(size * 0.35, size * 0.25), QPointF(size * 0.75, size * 0.5), QPointF(size * 0.35, size * 0.75)}));
  return img;
}

// A picture of the Techno style: rays and rings in strong colours, so that
// every colour effect and the cross-fade show plainly.
QImage Techno(int w, int h, int variant) {
  static const QColor strong[][2] = {{QColor(255, 0, 120), QColor(20, 0, 90)},
                                     {QColor(0, 220, 255), QColor(0, 40, 20)},
                                     {QColor(255, 200, 0), QColor(140, 0, 0)},
                                     {QColor(120, 255, 0), QColor(0, 0, 120)},
                                     {QColor(255, 90, 0), QColor(60, 0, 110)}};
  const QColor a = strong[variant % 5][0], b = strong[variant % 5][1];
  QImage img(w, h, QImage::Format_RGB888);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient bg(w * (0.3 + 0.1 * variant), h * 0.5, w * 0.8);
  bg.setColorAt(0, a);
  bg.setColorAt(1, b);
  p.fillRect(img.rect(), bg);
  p.setPen(Qt::NoPen);
  const QPointF centre(w * (0.3 + 0.1 * variant), h * 0.5);
  for (int i = 0; i < 24; i += 2) {
    QPainterPath ray;
    ray.moveTo(centre);
    ray.arcTo(QRectF(centre.x() - w, centre.y() - w, 2 * w, 2 * w), i * 15 + variant * 7, 7);
    ray.closeSubpath();
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawPath(ray);
  }
  p.setBrush(Qt::NoBrush);
  for (int r = 1; r <= 4; ++r) {
    p.setPen(QPen(QColor(255, 255, 255, 200 - r * 40), h / 40.0));
    p.drawEllipse(centre, h * 0.1 * r, h * 0.1 * r);
  }
  return img;
}

// A recorder button of 44 x 44 on a rounded light face: a red dot to
// record, a green triangle to play; busy ("…1") the face is dark and the
// sign lit.
QImage RecorderButton(bool record, bool busy) {
  const int size = 44;
  QImage img(size, size, QImage::Format_RGB888);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(90, 90, 110), 2));
  p.setBrush(busy ? QColor(50, 50, 70) : QColor(225, 228, 236));
  p.drawRoundedRect(QRectF(2, 2, size - 4, size - 4), 8, 8);
  p.setPen(Qt::NoPen);
  if (record) {
    p.setBrush(busy ? QColor(255, 60, 60) : QColor(170, 30, 30));
    p.drawEllipse(QPointF(size / 2.0, size / 2.0), 11, 11);
  } else {
    p.setBrush(busy ? QColor(90, 230, 90) : QColor(30, 130, 50));
    const QPointF tri[] = {{15, 11}, {15, 33}, {33, 22}};
    p.drawPolygon(tri, 3);
  }
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  // "techno FOLDER": the pictures of the Techno style, five of 800 x 534 and
  // the 160 x 100 preview "vorschau.jpg" of the settings dialog.
  if (argc == 3 && QByteArray(argv[1]) == "techno") {
    const QDir dir(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(dir.path())) {
      std::fprintf(stderr, "vyr-pictures: cannot create %s\n", argv[2]);
      return 1;
    }
    bool ok = true;
    for (int i = 0; i < 5; ++i)
      ok &= Save(dir, QStringLiteral("techno%1.jpg").arg(i + 1), Techno(800, 534, i), "JPG", 85);
    ok &= Save(dir, QStringLiteral("vorschau.jpg"), Techno(160, 100, 0), "JPG", 90);
    return ok ? 0 : 1;
  }
  // "recorder FOLDER": the recorder's buttons rec0/rec1/play0/play1.bmp.
  if (argc == 3 && QByteArray(argv[1]) == "recorder") {
    const QDir dir(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(dir.path())) {
      std::fprintf(stderr, "vyr-pictures: cannot create %s\n", argv[2]);
      return 1;
    }
    bool ok = true;
    for (int busy = 0; busy < 2; ++busy) {
      ok &= Save(dir, QStringLiteral("rec%1.bmp").arg(busy), RecorderButton(true, busy), "BMP");
      ok &= Save(dir, QStringLiteral("play%1.bmp").arg(busy), RecorderButton(false, busy), "BMP");
    }
    return ok ? 0 : 1;
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: vyr-pictures FOLDER | vyr-pictures techno|recorder FOLDER\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(dir.path())) {
    std::fprintf(stderr, "vyr-pictures: cannot create %s\n", argv[1]);
    return 1;
  }
  bool ok = true;
  ok &= Save(dir, QStringLiteral("landschaft.jpg"), Landscape(160, 112), "JPG", 90);
  ok &= Save(dir, QStringLiteral("landschaft.bmp"), Landscape(120, 84), "BMP");
  ok &= Save(dir, QStringLiteral("schrift.bmp"), Lettering(120, 60, QStringLiteral("ABC")), "BMP");
  // An 8-bit bitmap with a palette.
  ok &= Save(dir, QStringLiteral("schrift8.bmp"),
             Lettering(120, 60, QStringLiteral("xyz")).convertToFormat(QImage::Format_Indexed8), "BMP");
  ok &= Save(dir, QStringLiteral("muster.bmp"), Pattern(), "BMP");
  ok &= Save(dir, QStringLiteral("pfeil.bmp"), Arrow(48, QColor(40, 110, 200)), "BMP");
  ok &= Save(dir, QStringLiteral("pfeil2.bmp"), Arrow(48, QColor(220, 60, 40)), "BMP");
  const QColor colours[] = {QColor(200, 40, 40), QColor(40, 150, 60), QColor(40, 80, 200), QColor(220, 170, 20)};
  for (int i = 0; i < 4; ++i)
    ok &= Save(dir, QStringLiteral("kachel%1.jpg").arg(i + 1), Tile(60, 40, colours[i], i % 3), "JPG", 90);
  return ok ? 0 : 1;
}
