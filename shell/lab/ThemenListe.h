#pragma once
// The language lab's topic list: the sentence material, the current topic
// and sentence, the three switches (dictation, German, automatic reading)
// and the sentences shown last. It writes the lab's variables and
// conditions into the page control the main window hands it; its pages are
// "labor.htx" and "laborliste.htx" of the course's "hvyr\" folder.
#include <deque>
#include <string>
#include <vector>

#include "shell/lab/LabMaterial.h"

namespace vyr {

class TXPage;

class TThemenListe {
 public:
  // Reads the material of compressed resource 1 and the user's settings,
  // then draws the first sentence.
  TThemenListe();
  // The same with the given material (tests, tools).
  explicit TThemenListe(std::vector<TThema> topics);
  // Saves the settings below the current user's key.
  ~TThemenListe();
  TThemenListe(const TThemenListe&) = delete;
  TThemenListe& operator=(const TThemenListe&) = delete;

  // The page control to write to; nullptr detaches it.
  void SetPage(TXPage* page) { page_ = page; }
  TXPage* Page() const { return page_; }

  void SetDictation(bool on) { diktat_ = on; }
  void SetGerman(bool on) { deutsch_ = on; }
  void SetAutoRead(bool on) { automatik_ = on; }
  bool Dictation() const { return diktat_; }
  bool German() const { return deutsch_; }
  bool AutoRead() const { return automatik_; }

  // Conditions "diktat", "deutsch", "autoread", "normal", "langsam" and the
  // variables "Thema", "Normal", "LabSatz", "LabDeutsch", "lsg", "help".
  void FillLabPage();
  // Draws a sentence of the current topic that is not among the last
  // min(20, sentences) - 1 shown.
  void NextSentence();
  // Another topic (an index out of range or the current one changes nothing).
  void SelectTopic(int index);
  // Fills "LabListe" with a link per topic, shows "laborliste.htx", clears it.
  void ShowTopicList();
  // Loads a lab page of the course's "hvyr\" folder.
  void LoadLabPage(const std::string& name);

  const std::vector<TThema>& Topics() const { return topics_; }
  int CurrentTopic() const { return thema_; }
  int CurrentSentence() const { return satz_; }  // -1: the topic has none
  const TSatz* Current() const;
  // The full path of the current sentence's recording, or empty.
  std::string Recording() const;
  // The text of "LabListe".
  std::string TopicListMarkup() const;

 private:
  void Start();
  std::vector<TThema> topics_;
  int thema_ = 0;
  int satz_ = -1;
  bool diktat_ = true, deutsch_ = true, automatik_ = false;
  std::deque<int> recent_;
  TXPage* page_ = nullptr;
};

}  // namespace vyr
