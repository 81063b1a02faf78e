#pragma once
// The recorder as part of a page: a record and a play button drawn on the
// page with the pictures rec0/rec1 and play0/play1 ("…1" while busy), on
// the recorder's colour. The page control has one; the page's <RECORDER>
// element places it, and reading another page stops and hides it.
#include <QColor>
#include <QImage>
#include <QRect>
#include <string>

#include "shell/lab/BaseRec.h"

namespace vyr {

class TXPage;
struct TRecorderBinding;

class TXRecorder : public TBaseRec {
 public:
  // Connects itself to the page control: "rec" and "play", shown with a
  // page that has a recorder, stopped and hidden when a page is read.
  explicit TXRecorder(TXPage& page);
  ~TXRecorder() override;

  // Paints once when turned on; while off nothing is painted.
  void SetActive(bool active);
  bool Active() const { return active_; }
  // Loads the four pictures when the prefix differs from the last one.
  void SetPictures(const std::string& prefix);
  void SetButtons(const QRect& rec, const QRect& play) { rec_ = rec, play_ = play; }
  void SetColor(const QColor& colour) { colour_ = colour; }
  // Both buttons in the look of the state.
  void Paint();

  // "rec": stop a take or record one; "play": stop a playback or play.
  void ButtonCommand(const std::string& command);
  // The page's element: buttons, colour, pictures below the page's folder
  // and the limit (MAX, at most 19 s).
  void ShowFor(const TRecorderBinding& binding, const std::string& pageDirectory);
  // Stops whatever runs and paints no more.
  void Hide();

 protected:
  void StateChanged() override;

 private:
  TXPage& page_;
  bool active_ = false;
  QRect rec_, play_;
  QColor colour_ = Qt::white;
  std::string prefix_;
  bool picturesLoaded_ = false;
  QImage rec0_, rec1_, play0_, play1_;
};

}  // namespace vyr
