#include "shell/lab/ThemenListe.h"

#include <algorithm>
#include <cstdio>

#include "page/control/PageControl.h"
#include "page/reader/MarkupEscape.h"
#include "page/sources/ZipResource.h"
#include "platform/core/Files.h"
#include "platform/core/Random.h"
#include "shell/lab/LabSettings.h"
#include "shell/startup/Environment.h"

namespace vyr {
namespace {

std::vector<TThema> ResourceMaterial() {
  TZIPResource source(kResSprachlabor);
  return ReadLabMaterial(source);
}

}  // namespace

TThemenListe::TThemenListe() : topics_(ResourceMaterial()) { Start(); }

TThemenListe::TThemenListe(std::vector<TThema> topics) : topics_(std::move(topics)) { Start(); }

void TThemenListe::Start() {
  const TLabSettings s = ReadLabSettings(LabSettingsKey());
  thema_ = s.Thema >= 0 && static_cast<size_t>(s.Thema) < topics_.size() ? s.Thema : 0;
  diktat_ = s.Diktat;
  deutsch_ = s.Deutsch;
  automatik_ = s.Automatik;
  NextSentence();
}

TThemenListe::~TThemenListe() { SaveLabSettings(LabSettingsKey(), {thema_, diktat_, deutsch_, automatik_}); }

const TSatz* TThemenListe::Current() const {
  if (thema_ < 0 || static_cast<size_t>(thema_) >= topics_.size()) return nullptr;
  const std::vector<TSatz>& saetze = topics_[static_cast<size_t>(thema_)].Saetze;
  if (satz_ < 0 || static_cast<size_t>(satz_) >= saetze.size()) return nullptr;
  return &saetze[static_cast<size_t>(satz_)];
}

void TThemenListe::NextSentence() {
  if (static_cast<size_t>(thema_) >= topics_.size()) return;
  const int n = static_cast<int>(topics_[static_cast<size_t>(thema_)].Saetze.size());
  if (n == 0) {
    satz_ = -1;
    return;
  }
  // One draw among the sentences not shown lately: no loop, no waiting.
  std::vector<int> free;
  for (int i = 0; i < n; ++i)
    if (std::find(recent_.begin(), recent_.end(), i) == recent_.end()) free.push_back(i);
  if (free.empty()) {  // cannot happen while the list is kept short; start afresh
    recent_.clear();
    for (int i = 0; i < n; ++i) free.push_back(i);
  }
  satz_ = free[static_cast<size_t>(RandomInt(static_cast<int>(free.size())))];
  recent_.push_back(satz_);
  if (recent_.size() >= static_cast<size_t>(std::min(20, n))) recent_.pop_front();
}

void TThemenListe::SelectTopic(int index) {
  if (index == thema_ || index < 0 || static_cast<size_t>(index) >= topics_.size()) return;
  thema_ = index;
  recent_.clear();
  NextSentence();
}

std::string TThemenListe::Recording() const {
  const TSatz* s = Current();
  if (!s || s->Datei.empty()) return {};
  const std::string name = "Labor\\" + s->Datei;
  const TEnvironment& env = Env();
  if (!env.waveDirectory.empty() && FileExists(env.waveDirectory + name)) return env.waveDirectory + name;
  const std::string mp3 = ChangeFileExt(name, ".mp3");
  if (!env.extensionRecordings.empty() && FileExists(env.extensionRecordings + mp3))
    return env.extensionRecordings + mp3;
  if (!env.skDirectory.empty() && FileExists(env.skDirectory + mp3)) return env.skDirectory + mp3;
  return {};
}

void TThemenListe::FillLabPage() {
  if (!page_) return;
  TXPage& p = *page_;
  p.SetCondition("diktat", diktat_);
  p.SetCondition("deutsch", deutsch_);
  p.SetCondition("autoread", automatik_);
  p.SetVariable("Thema", static_cast<size_t>(thema_) < topics_.size()
                             ? EscapeMarkup(topics_[static_cast<size_t>(thema_)].Titel)
                             : std::string());
  const std::string recording = Recording();
  p.SetCondition("normal", !recording.empty());
  p.SetVariable("Normal", recording);
  p.SetCondition("langsam", false);
  const TSatz* s = Current();
  p.SetVariable("LabSatz", s ? EscapeMarkup(s->Satz) : std::string());
  p.SetVariable("LabDeutsch", s ? EscapeMarkup(s->Deutsch) : std::string());
  if (p.HasCondition("diktat")) {
    // The typing field takes these raw; only what would end its attribute goes.
    p.SetVariable("lsg",
                  s ? EscapeMarkupAttribute(s->Lang.empty() ? s->Satz : s->Satz + "; " + s->Lang) : std::string());
    p.SetVariable("help", s ? EscapeMarkupAttribute(s->Maske) : std::string());
  }
}

std::string TThemenListe::TopicListMarkup() const {
  std::string text;
  for (size_t i = 0; i < topics_.size(); ++i) {
    char number[16];
    std::snprintf(number, sizeof number, "%2d", static_cast<int>(i));
    text += "<a href=\"\xA7thema" + std::string(number) + ";lab\" >" + EscapeMarkup(topics_[i].Titel) + "</a><br>";
  }
  return text;
}

void TThemenListe::ShowTopicList() {
  if (!page_) return;
  page_->SetVariable("LabListe", TopicListMarkup());
  LoadLabPage("laborliste.htx");
  page_->SetVariable("LabListe", "");
}

void TThemenListe::LoadLabPage(const std::string& name) {
  if (page_) page_->SetXFile(Env().contentRoot + "hvyr\\" + name);
}

}  // namespace vyr
