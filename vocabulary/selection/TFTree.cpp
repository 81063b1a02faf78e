#include "vocabulary/selection/TFTree.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "text/Case.h"
#include "text/Cp1252.h"
#include "vocabulary/selection/LibraryFolders.h"
#include "vocabulary/settings/VocEinstellungen.h"

namespace vyr {
namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kFolderRole = Qt::UserRole + 1;
constexpr int kStateRole = Qt::UserRole + 2;  // the check state last shown
constexpr int kPopulatedRole = Qt::UserRole + 3;

std::string PathOf(const QTreeWidgetItem* item) { return FromUnicode(item->data(0, kPathRole).toString()); }
bool IsFolder(const QTreeWidgetItem* item) { return item->data(0, kFolderRole).toBool(); }

}  // namespace

TFTree::TFTree(TVocEinstellungen& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), root_(IncludeTrailingBackslash(settings.Context().vocabularyFolder)) {
  setObjectName(u"TFTree"_qs);
  resize(640, 480);
  ReadSelectionList(settings_.LibraryListFile(), pick_);  // a missing list is an empty pick

  tree_ = new QTreeWidget(this);
  tree_->setObjectName(u"VDT1"_qs);
  tree_->setGeometry(8, 8, 624, 420);
  tree_->setColumnCount(4);
  tree_->setHeaderLabels({u"Ort"_qs, u"Bibliotheken"_qs, u"aktiv"_qs, u"Vokabeln"_qs});
  tree_->setColumnWidth(kOrt, 300);
  tree_->header()->setSectionsClickable(true);
  struct Button {
    const char* name;
    const char* text;
  };
  const Button buttons[4] = {
      {"LoadSel", "Auswahl laden"}, {"SaveSel", "Auswahl speichern"}, {"OK", "OK"}, {"Cancel", "Abbrechen"}};
  QPushButton* made[4];
  for (int i = 0; i < 4; ++i) {
    made[i] = new QPushButton(ToUnicode(buttons[i].text), this);
    made[i]->setObjectName(QString::fromLatin1(buttons[i].name));
    made[i]->setGeometry(8 + i * 158, 440, 150, 30);
  }
  connect(made[0], &QPushButton::clicked, this, &TFTree::LoadSel);
  connect(made[1], &QPushButton::clicked, this, &TFTree::SaveSel);
  connect(made[2], &QPushButton::clicked, this, &TFTree::accept);
  connect(made[3], &QPushButton::clicked, this, &TFTree::reject);
  made[2]->setDefault(true);

  QTreeWidgetItem* root = MakeNode(nullptr, root_, ExcludeTrailingBackslash(root_), true);
  tree_->addTopLevelItem(root);
  connect(tree_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { Populate(item); });
  connect(tree_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) { ItemChanged(item); });
  connect(tree_->header(), &QHeaderView::sectionClicked, this, [this](int section) {
    if (section != kOrt) return;
    descending_ = !descending_;
    Resort(tree_->topLevelItem(0));
  });
  root->setExpanded(true);
  UpdateCaption();
}

std::string TFTree::Relative(const std::string& path) const {
  return path.size() > root_.size() ? path.substr(root_.size()) : std::string();
}

QTreeWidgetItem* TFTree::MakeNode(QTreeWidgetItem* parent, const std::string& path, const std::string& name,
                                  bool folder) {
  auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem();
  item->setText(kOrt, ToUnicode(name));
  item->setData(0, kPathRole, ToUnicode(path));
  item->setData(0, kFolderRole, folder);
  // The folder boxes are worked out here from the direct files; Qt's own
  // three-state boxes would tick sub-folders as well.
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
  if (folder) {
    const bool expandable = !FolderChildren(path).empty();
    item->setChildIndicatorPolicy(expandable ? QTreeWidgetItem::ShowIndicator
                                             : QTreeWidgetItem::DontShowIndicatorWhenChildless);
  } else {
    const int n = counts_.Count(path);
    item->setText(kVokabeln, QString::number(n) + u" Vokabeln"_qs);
  }
  const bool was = updating_;
  updating_ = true;
  Refresh(item);
  updating_ = was;
  return item;
}

void TFTree::Refresh(QTreeWidgetItem* item) {
  const std::string path = PathOf(item);
  Qt::CheckState state;
  if (IsFolder(item)) {
    const int files = DirectLibraryCount(path);
    const int picked = pick_.CountInFolder(Relative(path));
    item->setText(kBibliotheken, QString::number(files) + u" Bibliotheken"_qs);
    item->setText(kAktiv, picked > 0 ? QString::number(picked) + u" ausgewählt"_qs : QString());
    state = picked == 0 ? Qt::Unchecked : picked >= files ? Qt::Checked : Qt::PartiallyChecked;
  } else {
    state = pick_.Contains(Relative(path)) ? Qt::Checked : Qt::Unchecked;
  }
  item->setData(0, kStateRole, int(state));
  item->setCheckState(kOrt, state);
}

void TFTree::Populate(QTreeWidgetItem* folder) {
  if (!IsFolder(folder) || folder->data(0, kPopulatedRole).toBool()) return;
  folder->setData(0, kPopulatedRole, true);
  const std::string path = IncludeTrailingBackslash(PathOf(folder));
  for (const TDirEntry& e : FolderChildren(path, descending_))
    MakeNode(folder, e.isDirectory ? path + e.name + "\\" : path + e.name, e.name, e.isDirectory);
}

void TFTree::Resort(QTreeWidgetItem* folder) {
  if (!folder || !folder->data(0, kPopulatedRole).toBool()) return;
  const bool expanded = folder->isExpanded();
  QList<QTreeWidgetItem*> children = folder->takeChildren();
  std::stable_sort(children.begin(), children.end(), [this](QTreeWidgetItem* a, QTreeWidgetItem* b) {
    if (IsFolder(a) != IsFolder(b)) return IsFolder(a);
    const int c = CompareText(FromUnicode(a->text(kOrt)), FromUnicode(b->text(kOrt)));
    return descending_ ? c > 0 : c < 0;
  });
  folder->addChildren(children);
  for (QTreeWidgetItem* c : children) Resort(c);
  folder->setExpanded(expanded);
}

void TFTree::RefreshFolder(QTreeWidgetItem* folder) {
  const bool was = updating_;
  updating_ = true;
  Refresh(folder);
  for (int i = 0; i < folder->childCount(); ++i) {
    QTreeWidgetItem* c = folder->child(i);
    if (IsFolder(c)) RefreshFolder(c);
    else Refresh(c);
  }
  updating_ = was;
}

void TFTree::ItemChanged(QTreeWidgetItem* item) {
  if (updating_) return;
  const Qt::CheckState now = item->checkState(kOrt);
  if (int(now) == item->data(0, kStateRole).toInt()) return;  // another column changed
  const bool on = now != Qt::Unchecked;
  const std::string path = PathOf(item);
  if (IsFolder(item)) {
    // A folder box sets only the files directly in the folder.
    const std::string folder = IncludeTrailingBackslash(path);
    for (const TDirEntry& e : FolderChildren(folder)) {
      if (e.isDirectory) continue;
      if (on) pick_.Add(Relative(folder + e.name));
      else pick_.Remove(Relative(folder + e.name));
    }
    updating_ = true;
    Refresh(item);
    for (int i = 0; i < item->childCount(); ++i)
      if (!IsFolder(item->child(i))) Refresh(item->child(i));
    updating_ = false;
  } else {
    if (on) pick_.Add(Relative(path));
    else pick_.Remove(Relative(path));
    updating_ = true;
    Refresh(item);
    if (item->parent()) Refresh(item->parent());
    updating_ = false;
  }
  UpdateCaption();
}

void TFTree::UpdateCaption() { setWindowTitle(QString::number(pick_.size()) + u" Bibliotheken ausgewählt"_qs); }

QTreeWidgetItem* TFTree::Node(std::string_view relative) {
  QTreeWidgetItem* node = tree_->topLevelItem(0);
  const std::string key = PathKey(relative);
  while (node) {
    if (PathKey(Relative(PathOf(node))) == key) return node;
    Populate(node);
    node->setExpanded(true);
    QTreeWidgetItem* next = nullptr;
    for (int i = 0; i < node->childCount() && !next; ++i) {
      const std::string child = PathKey(Relative(PathOf(node->child(i))));
      if (child == key || (IsFolder(node->child(i)) && key.compare(0, child.size() + 1, child + "\\") == 0))
        next = node->child(i);
    }
    node = next;
  }
  return nullptr;
}

QString TFTree::DialogFolder() const {
  const std::string user = settings_.Context().UserFolder();
  return NativePath(!user.empty() && DirectoryExists(user) ? user : settings_.Context().programFolder);
}

void TFTree::accept() {
  const std::string list = settings_.LibraryListFile();
  const std::string folder = ExtractFilePath(list);
  if ((!folder.empty() && !DirectoryExists(folder) && !MakeDirectories(folder)) || !WriteSelectionList(list, pick_)) {
    // The learner keeps the pick and may try again or cancel.
    ShowCourseMessage(list + " konnte nicht gespeichert werden!", msg::IconError);
    return;
  }
  settings_.LoadSelection(SelectionOfPick(pick_, root_));
  QDialog::accept();
}

void TFTree::LoadSel() {
  const QString chosen =
      chooseFile ? chooseFile(false, DialogFolder())
                 : QFileDialog::getOpenFileName(this, QString(), DialogFolder(), u"*vyr Datei-Liste (*.xsl *.XSL)"_qs);
  if (chosen.isEmpty()) return;
  const std::string file = CoursePath(chosen);
  if (!ReadSelectionList(file, pick_)) {
    ShowCourseMessage(file + " konnte nicht geladen werden!", msg::IconError);
    return;
  }
  RefreshFolder(tree_->topLevelItem(0));
  UpdateCaption();
}

void TFTree::SaveSel() {
  QString chosen = chooseFile ? chooseFile(true, DialogFolder())
                              : QFileDialog::getSaveFileName(this, QString(), DialogFolder() + u"/Auswahl.xsl"_qs,
                                                             u"*vyr Datei-Liste (*.xsl *.XSL)"_qs);
  if (chosen.isEmpty()) return;
  if (!chosen.endsWith(u".xsl"_qs, Qt::CaseInsensitive)) chosen += u".xsl"_qs;
  const std::string file = CoursePath(chosen);
  if (!WriteSelectionList(file, pick_)) ShowCourseMessage(file + " konnte nicht gespeichert werden!", msg::IconError);
}

bool TFTree::Execute(TVocEinstellungen& settings, QWidget* parent) {
  TFTree dialog(settings, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace vyr
