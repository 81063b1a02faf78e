#include "superlearning/presentation/SuperFade.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "platform/core/Random.h"
#include "platform/core/Tick.h"
#include "platform/desktop/ScreenSaver.h"
#include "superlearning/sound/SamplePlayer.h"
#include "text/Case.h"
#include "text/Cp1252.h"

namespace vyr {
namespace {

constexpr int kMinPoints = 6;  // a tiny window still gets readable text

QRgb FromPageColour(int c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

int Blend(int from, int to, int p) {
  return from + static_cast<int>(std::lround(static_cast<double>(to - from) * p / 255.0));
}
QRgb Blend(QRgb from, QRgb to, int p) {
  return qRgb(Blend(qRed(from), qRed(to), p), Blend(qGreen(from), qGreen(to), p), Blend(qBlue(from), qBlue(to), p));
}

QRgb RandomRgb(int base, int range) {
  const int r = base + RandomInt(range), g = base + RandomInt(range), b = base + RandomInt(range);
  return qRgb(r, g, b);
}

QFont PointFont(const QString& face, int points) {
  QFont f(face);
  f.setPointSize(std::max(kMinPoints, points));
  return f;
}

}  // namespace

TSuperFade::TSuperFade(TSuperFadeSetup setup, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), setup_(std::move(setup)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setWindowModality(Qt::ApplicationModal);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::BlankCursor);
  if (setup_.abgedreht) {
    vexaBack_ = FromPageColour(setup_.settings.VexaBGRColor);
    vexaText_ = FromPageColour(setup_.settings.VexaTXTColor);
  }
  QRect area = setup_.area;
  if (area.isEmpty()) {
    const QScreen* s = parent ? parent->screen() : QGuiApplication::primaryScreen();
    area = s ? s->geometry() : QRect(0, 0, 800, 600);
  }
  setGeometry(area);
  SizeBand();
}

TSuperFade::~TSuperFade() = default;

int TSuperFade::FadeDuration() const {
  const int factor = std::max(1, setup_.settings.KlassikFaktor);
  return static_cast<int>(std::lround(1500.0 * 100.0 / factor));
}

void TSuperFade::SizeBand() {
  const int w = std::max(1, width()), h = std::max(4, height());
  screen_ = QImage(w, h, QImage::Format_RGB32);
  screen_.fill(setup_.abgedreht ? vexaBack_ : qRgb(0, 0, 0));
  if (setup_.abgedreht) return;
  band_ = QImage(w, std::max(1, h / 4), QImage::Format_RGB32);
  band_.fill(Qt::black);
  bandPoints_ = std::max(kMinPoints, band_.height() / 8);
}

void TSuperFade::resizeEvent(QResizeEvent*) {
  if (screen_.size() != size()) SizeBand();
}

void TSuperFade::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  p.drawImage(e->rect(), screen_, e->rect());
}

void TSuperFade::ShowRect(const QRect& r) { update(r); }

void TSuperFade::keyPressEvent(QKeyEvent* e) {
  if (setup_.musicKey && setup_.musicKey(e->key())) return;
  if (started_) stopRequested_ = true;
}

void TSuperFade::mousePressEvent(QMouseEvent*) {
  if (started_) stopRequested_ = true;
}

void TSuperFade::closeEvent(QCloseEvent* e) {
  // The loop ends the window; a close request only asks it to.
  if (!done_) {
    stopRequested_ = true;
    e->ignore();
    return;
  }
  e->accept();
}

void TSuperFade::Run() {
  TScreenSaverBlock noScreenSaver;
  index_ = -1;
  wait_ = 0;
  ready_ = true;
  stopRequested_ = false;
  show();
  raise();
  activateWindow();
  setFocus();
  uint32_t next = TickCount() + kStepMs;
  while (!done_) {
    if (!WaitUntil(next, [this] { return stopRequested_; }) && !stopRequested_) stopRequested_ = true;  // clock gave up
    Super();
    next = TickCount() + kStepMs;
  }
  // A recording opened for a step that never came is closed unplayed, so
  // the next one can play.
  if (recordingPaused_ && setup_.samples) setup_.samples->StopSample();
  recordingPaused_ = false;
  unsetCursor();
  hide();
}

void TSuperFade::Super() {
  if (!ready_) return;
  if (stopRequested_) {
    done_ = true;
    return;
  }
  if (wait_ > 0) {
    wait_ -= kStepMs;
    if (wait_ > 0) return;
  }
  ++index_;
  started_ = true;
  if (setup_.abgedreht) AbgedrehtStep();
  else KlassischStep();
}

TFadeItem TSuperFade::TakeItem() {
  TFadeItem item = setup_.nextItem ? setup_.nextItem() : TFadeItem{};
  texts_.push_back(item.text);
  return item;
}

void TSuperFade::OpenRecording(const std::string& sound) {
  if (sound.empty() || !setup_.samples) return;
  setup_.samples->PlaySample(sound, false);
  recordingPaused_ = true;
}

void TSuperFade::ReleaseRecording() {
  if (!recordingPaused_ || !setup_.samples) return;
  recordingPaused_ = false;
  setup_.samples->ReleaseSample();
}

// --- klassisch

void TSuperFade::KlassischStep() {
  switch (index_) {
    case 0: {
      const TFadeItem item = TakeItem();
      text_ = "{ " + item.text + " }";
      OpenRecording(item.sound);
      bandTop_ = RandomInt(height() - band_.height());
      Fade(TFadeKind::NewColours);
      break;
    }
    case 1:
      Fade(TFadeKind::NewColours);
      if (!stopRequested_) ReleaseRecording();
      break;
    case 2: Fade(TFadeKind::NewColours); break;
    case 3: Fade(TFadeKind::TextIntoBand); break;
    case 4: {
      const TFadeItem item = TakeItem();
      text_ = item.text;
      OpenRecording(item.sound);
      Fade(TFadeKind::NewColours);
      if (!stopRequested_) ReleaseRecording();
      break;
    }
    case 5: Fade(TFadeKind::NewColours); break;
    case 6: Fade(TFadeKind::ToBlack); break;
    case 7: break;
    default: index_ = -1; break;
  }
}

void TSuperFade::Fade(TFadeKind kind) {
  const TSuperSettings& s = setup_.settings;
  QRgb text = 0, band = 0;
  const auto bandColour = [&] {
    if (s.OhneHintergrund) return qRgb(0, 0, 0);
    if (s.SchwarzWeiss) {
      const int g = RandomInt(128);
      return qRgb(g, g, g);
    }
    return RandomRgb(0, 128);
  };
  switch (kind) {
    case TFadeKind::NewColours:
      text = s.SchwarzWeiss ? qRgb(255, 255, 255) : RandomRgb(128, 128);
      band = bandColour();
      break;
    case TFadeKind::TextIntoBand:
      band = bandColour();
      text = band;
      break;
    case TFadeKind::ToBlack: break;
  }
  ready_ = false;
  const int duration = FadeDuration();
  const uint32_t t0 = TickCount();
  TFade log{t0, t0, 0};
  for (uint32_t now = t0; !Reached(now, t0 + duration) && !stopRequested_; now = TickCount()) {
    const int p = static_cast<int>(std::lround(255.0 * (now - t0) / duration));
    if (!DrawBand(Blend(text0_, text, p), Blend(band0_, band, p))) stopRequested_ = true;
    ++log.frames;
    Clock().FrameDrawn();
    WaitUntil(now + kFrameMs, [this] { return stopRequested_; });
  }
  log.end = TickCount();
  fades_.push_back(log);
  text0_ = text;
  band0_ = band;
  ready_ = true;
}

bool TSuperFade::DrawBand(QRgb text, QRgb band) {
  if (band_.isNull() || screen_.isNull()) return false;
  band_.fill(band);
  {
    QPainter p(&band_);
    if (!p.isActive()) return false;
    p.setFont(PointFont(ToUnicode(setup_.face), bandPoints_));
    p.setPen(QColor::fromRgb(text));
    p.drawText(band_.rect(), Qt::AlignCenter | Qt::TextSingleLine, ToUnicode(text_));
  }
  const int top = std::clamp(bandTop_, 0, std::max(0, screen_.height() - band_.height()));
  const int rows = std::min(band_.height(), screen_.height() - top);
  const qsizetype bytes = std::min(band_.bytesPerLine(), screen_.bytesPerLine());
  for (int y = 0; y < rows; ++y) std::memcpy(screen_.scanLine(top + y), band_.constScanLine(y), bytes);
  ShowRect(QRect(0, top, band_.width(), rows));
  return true;
}

// --- abgedreht

void TSuperFade::AbgedrehtStep() {
  const int faktor = setup_.settings.Faktor;
  switch (index_) {
    case 0: {
      TFadeItem item = TakeItem();
      item.text = "{ " + item.text + " }";
      ShowText(item);
      const int length = static_cast<int>(item.text.size());
      if (length >= 7) wait_ += (length - 6) * faktor;
      break;
    }
    case 1:
    case 3:
      text_.clear();
      ClearScreen(vexaBack_);
      wait_ = (index_ == 1 ? 8 : 14) * faktor;
      break;
    case 2: {
      const TFadeItem item = TakeItem();
      ShowText(item);
      wait_ += static_cast<int>(item.text.size()) * faktor;
      break;
    }
    default: index_ = -1; break;
  }
}

void TSuperFade::ClearScreen(QRgb colour) {
  screen_.fill(colour);
  ShowRect(rect());
}

void TSuperFade::ShowText(const TFadeItem& item) {
  OpenRecording(item.sound);
  TypeText(item.text);
  ReleaseRecording();
  wait_ = 10 * setup_.settings.Faktor;
}

void TSuperFade::TypeText(std::string text) {
  ready_ = false;
  text_ = text;
  const int W = width(), H = height();
  const int M = setup_.settings.Madness;
  const int maxSize = std::max(kMinPoints, H / 8), midSize = std::max(kMinPoints, H / 24),
            minSize = std::max(kMinPoints - 1, H / 32);
  if (text.empty()) {
    ClearScreen(vexaBack_);
    ready_ = true;
    return;
  }
  if (M == 10)
    for (char& c : text)
      if (RandomInt(100) < 6) c = UpperChar(c);
  static const QString kFaces[] = {u"Times New Roman"_qs, u"Arial"_qs, u"Courier"_qs};
  QFont font(kFaces[RandomInt(3)]);
  const auto chooseSize = [&](int base) { return minSize + RandomInt(RandomInt(base - minSize)); };
  int size = chooseSize(M > 3 ? maxSize : midSize);
  font.setPointSize(std::max(kMinPoints, size));
  const auto charOf = [&](size_t i) { return ToUnicode(std::string_view(&text[i], 1)); };

  int x, y;
  {
    const int textWidth = QFontMetrics(font, &screen_).horizontalAdvance(ToUnicode(text));
    if (textWidth < W) {
      x = W - 2 * textWidth;
      if (x < 1) x = RandomInt(200);
      x = RandomInt(x);
    } else {
      x = RandomInt(W / 2);
    }
    y = RandomInt(H / 2);
  }
  for (size_t i = 0; i < text.size(); ++i) {
    font.setPointSize(std::max(kMinPoints, size));
    QFontMetrics fm(font, &screen_);
    const QString ch = charOf(i);
    const uint32_t charStart = TickCount();
    {
      QPainter p(&screen_);
      p.setFont(font);
      p.setPen(QColor::fromRgb(vexaText_));
      p.drawText(x, y + fm.ascent(), ch);
    }
    const int cw = fm.horizontalAdvance(ch), chh = fm.height();
    typed_.push_back({ch.isEmpty() ? QChar() : ch.front(), QRect(x, y, cw, chh), font.pointSize(), charStart,
                      texts_.empty() ? 0 : texts_.size() - 1});
    ShowRect(QRect(x - 2, y - 2, cw + 4 + chh, chh + 4));
    Clock().FrameDrawn();
    WaitUntil(charStart + static_cast<uint32_t>(std::max(0, setup_.settings.TextDelay)),
              [this] { return stopRequested_; });
    if (stopRequested_) break;
    // Advance.
    x += cw;
    if (M != 1) {
      int b = 0;
      if (M >= 3) {
        b = RandomInt(RandomInt(4 * cw));
        if (RandomInt(100) < 60) b += RandomInt(6);
      }
      if (M > 1 && RandomInt(100) < 80) b += 2;
      if (M > 4 && text[i] == ' ') x += 5;
      if (M < 6 || RandomInt(5) != 0) x += b;
      else x -= RandomInt(cw) / 3;
    }
    if (M > 8) {
      if (RandomInt(100) < 95) {
        font.setBold(false);
        font.setItalic(RandomInt(100) >= 95);
      } else {
        font.setBold(true);
      }
    }
    if (M > 3) {
      if (size > midSize) {
        size = chooseSize(M > 3 ? maxSize : midSize);
      } else if (RandomInt(100) < 10) {
        const int s = M <= 6 ? size : 2 * size;
        const int d = RandomInt(RandomInt(RandomInt(s)));
        size += RandomInt(2) == 1 ? -d : d;
        if (size <= minSize) size = chooseSize(maxSize);
      }
    }
    if (M > 1 && RandomInt(100) < 20) font.setFamily(kFaces[RandomInt(3)]);
    const auto jitterY = [&] {
      const int h = M < 8 ? chh : 2 * chh;
      int d = RandomInt(RandomInt(h));
      if (M * 10 - 10 < RandomInt(100)) d = 0;
      if (M > 8 && RandomInt(100) < 5) d += chh;
      y += RandomInt(3) < 2 ? d : -d;
    };
    const bool last = i + 1 == text.size();
    if (!last) {
      font.setPointSize(std::max(kMinPoints, size));
      QFontMetrics next(font, &screen_);
      const int nextWidth = next.horizontalAdvance(charOf(i + 1)), nextHeight = next.height();
      if (x >= W - 2 * nextWidth) {
        x -= RandomInt(RandomInt(W / 2));
        if (x >= W - 2 * nextWidth) x -= 50;
        // A wide jump can land far beyond the edge: the line starts again.
        if (x >= W - 2 * nextWidth) x = RandomInt(100);
        if (x < 0) x = RandomInt(100);
        y += chh + RandomInt(30) - RandomInt(10);
      } else if (M > 4) {
        jitterY();
      }
      if (y < 10) y = RandomInt(40) + 10;
      if (y > H - nextHeight - 10) y = H - nextHeight - RandomInt(30) - 10;
    } else if (M > 4) {
      jitterY();
    }
  }
  ready_ = true;
}

}  // namespace vyr
