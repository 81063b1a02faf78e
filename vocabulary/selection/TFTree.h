#pragma once
// The dialog "Bibliotheken auswählen": the vocabulary folder as a tree of
// folders and library files with check boxes. The ticked files are the
// pick; OK writes it as the learner's list and loads it (or the folder it
// amounts to), Cancel leaves everything as it was. Picks can be saved and
// loaded as ".xsl" files.
#include <QDialog>
#include <functional>

#include "vocabulary/selection/EntryCounts.h"
#include "vocabulary/selection/Pick.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace vyr {

class TVocEinstellungen;

class TFTree : public QDialog {
  Q_OBJECT
 public:
  enum Column { kOrt, kBibliotheken, kAktiv, kVokabeln };

  explicit TFTree(TVocEinstellungen& settings, QWidget* parent = nullptr);
  // Shows the dialog modally; true on OK.
  static bool Execute(TVocEinstellungen& settings, QWidget* parent = nullptr);

  // Chooses the file of "Auswahl laden" / "Auswahl speichern" (a file
  // dialog unless replaced); empty: cancelled.
  std::function<QString(bool save, const QString& folder)> chooseFile;

  QTreeWidget* Tree() const { return tree_; }
  const TPick& Pick() const { return pick_; }
  const TEntryCounts& Counts() const { return counts_; }
  // The node of a path relative to the vocabulary folder, made by expanding
  // its folders; nullptr when there is none.
  QTreeWidgetItem* Node(std::string_view relative);

  void accept() override;
  void LoadSel();
  void SaveSel();

 private:
  QTreeWidgetItem* MakeNode(QTreeWidgetItem* parent, const std::string& path, const std::string& name, bool folder);
  void Populate(QTreeWidgetItem* folder);
  void Refresh(QTreeWidgetItem* node);
  void RefreshFolder(QTreeWidgetItem* folder);
  void ItemChanged(QTreeWidgetItem* item);
  void Resort(QTreeWidgetItem* folder);
  void UpdateCaption();
  std::string Relative(const std::string& path) const;
  QString DialogFolder() const;

  TVocEinstellungen& settings_;
  std::string root_;  // the vocabulary folder, ending with "\"
  TPick pick_;
  TEntryCounts counts_;
  QTreeWidget* tree_;
  bool updating_ = false;
  bool descending_ = false;
};

}  // namespace vyr
