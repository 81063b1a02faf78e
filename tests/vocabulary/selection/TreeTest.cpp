#include <gtest/gtest.h>

#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "platform/core/MessageRecorder.h"
#include "tests/vocabulary/settings/SettingsFixture.h"
#include "text/Cp1252.h"
#include "vocabulary/selection/LibraryFolders.h"
#include "vocabulary/selection/SettingsCommands.h"
#include "vocabulary/selection/TFTree.h"

namespace vyr {
namespace {

// The installation of the settings tests: Grundwortschatz\Familie.asc,
// Grundwortschatz\Tiere\Zoo.asc and Reise\Hotel.asc.
struct TreeTest : ::testing::Test {
  test::TSettingsInstallation inst;
  std::string list;
  void SetUp() override {
    inst.Make().Load();
    list = inst.program + "E_Bibliotheken.txt";
  }
  // A mouse click on the check box of a node.
  static void ClickBox(TFTree& tree, QTreeWidgetItem* item) {
    QTreeWidget* w = tree.Tree();
    w->scrollToItem(item);
    const QRect r = w->visualItemRect(item);
    QStyleOptionViewItem opt;
    opt.initFrom(w);
    opt.rect = r;
    opt.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    const QRect box = w->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, w);
    QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, box.center());
  }
  static void ClickButton(TFTree& tree, const char* name) {
    QTest::mouseClick(tree.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
  }
};

TEST_F(TreeTest, AFolderIsTheSelectionOnlyWhenThePickIsItsWholeSet) {
  struct Case {
    std::vector<const char*> ticks;
    const char* selection;
    const char* listFile;
  };
  const Case cases[] = {
      // the folder's direct file while it has a sub-folder: the own list
      {{"Grundwortschatz\\Familie.asc"}, "", "Grundwortschatz\\Familie.asc\r\n"},
      {{"Grundwortschatz\\Tiere\\Zoo.asc", "Grundwortschatz\\Familie.asc"},
       "Grundwortschatz\\",
       "Grundwortschatz\\Familie.asc\r\nGrundwortschatz\\Tiere\\Zoo.asc\r\n"},
      {{"Grundwortschatz\\Familie.asc", "Grundwortschatz\\Tiere\\Zoo.asc", "Reise\\Hotel.asc"}, "", nullptr},
      {{"Reise\\Hotel.asc"}, "Reise\\", "Reise\\Hotel.asc\r\n"},
      {{}, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.selection);
    RemoveFile(list);
    inst.settings->LoadSelection("Reise");
    TFTree tree(*inst.settings);
    tree.show();
    for (const char* t : c.ticks) ClickBox(tree, tree.Node(t));
    EXPECT_EQ(tree.windowTitle(), QString::number(c.ticks.size()) + u" Bibliotheken ausgewählt"_qs);
    ClickButton(tree, "OK");
    EXPECT_EQ(tree.result(), QDialog::Accepted);
    EXPECT_EQ(inst.settings->Selection(), c.selection);
    if (c.listFile) EXPECT_EQ(inst.Read(list), c.listFile);
    EXPECT_EQ(inst.library.EntryCount(false) > 0, !c.ticks.empty());
  }
}

TEST_F(TreeTest, AFolderBoxSetsOnlyItsDirectFilesAndShowsThreeStates) {
  inst.dir.file("E_Bibliotheken.txt", "Grundwortschatz\\Tiere\\Zoo.asc\r\n");
  TFTree tree(*inst.settings);
  tree.show();
  QTreeWidgetItem* grund = tree.Node("Grundwortschatz");
  QTreeWidgetItem* tiere = tree.Node("Grundwortschatz\\Tiere");
  EXPECT_EQ(grund->checkState(0), Qt::Unchecked);  // its one direct file is not picked
  EXPECT_EQ(tiere->checkState(0), Qt::Checked);
  ClickBox(tree, grund);
  EXPECT_EQ(grund->checkState(0), Qt::Checked);
  EXPECT_EQ(tree.Node("Grundwortschatz\\Familie.asc")->checkState(0), Qt::Checked);
  EXPECT_EQ(tree.Pick().size(), 2u);
  ClickBox(tree, grund);  // off again: the sub-folder keeps its file
  EXPECT_EQ(tree.Pick().Files(), std::vector<std::string>{"Grundwortschatz\\Tiere\\Zoo.asc"});
  EXPECT_EQ(tiere->checkState(0), Qt::Checked);
  EXPECT_EQ(tiere->text(TFTree::kAktiv), u"1 ausgewählt"_qs);
  test::WriteLibrary(inst.vocab + "Grundwortschatz\\Tiere\\Wald.asc", 1);
  TFTree again(*inst.settings);
  EXPECT_EQ(again.Node("Grundwortschatz\\Tiere")->checkState(0), Qt::PartiallyChecked);
}

TEST_F(TreeTest, NamesAreComparedIgnoringCaseAndSeparators) {
  inst.dir.file("E_Bibliotheken.txt",
                "\xEF\xBB\xBFgrundwortschatz/FAMILIE.ASC\nGrundwortschatz\\Familie.asc\n\n..\\geheim.asc\n"
                "C:\\x.asc\nReise\\Fehlt.asc\n");
  TFTree tree(*inst.settings);
  tree.show();
  EXPECT_EQ(tree.Pick().size(), 2u);  // Familie once, and the missing file stays in the pick
  EXPECT_EQ(tree.Node("Grundwortschatz\\Familie.asc")->checkState(0), Qt::Checked);
  ClickBox(tree, tree.Node("GRUNDWORTSCHATZ\\familie.asc"));
  EXPECT_EQ(tree.Pick().size(), 1u);
}

TEST_F(TreeTest, CancelLeavesTheListAndTheSelection) {
  inst.dir.file("E_Bibliotheken.txt", "Reise\\Hotel.asc\n");
  TFTree tree(*inst.settings);
  tree.show();
  ClickBox(tree, tree.Node("Grundwortschatz\\Familie.asc"));
  ClickButton(tree, "Cancel");
  EXPECT_EQ(inst.Read(list), "Reise\\Hotel.asc\n");
  EXPECT_EQ(inst.settings->Selection(), "Grundwortschatz\\");
}

TEST_F(TreeTest, AListThatCannotBeWrittenKeepsTheDialogOpen) {
  inst.dir.dir("E_Bibliotheken.txt");  // a folder in the way: no file can be written there
  TMessageRecorder messages;
  TFTree tree(*inst.settings);
  tree.show();
  ClickBox(tree, tree.Node("Reise\\Hotel.asc"));
  ClickButton(tree, "OK");
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, list + " konnte nicht gespeichert werden!");
  EXPECT_EQ(messages.shown()[0].flags, msg::IconError);
  EXPECT_TRUE(tree.isVisible());
  EXPECT_EQ(inst.settings->Selection(), "Grundwortschatz\\");
}

TEST_F(TreeTest, SavedSelectionListsComeBackIntoEveryNode) {
  TFTree tree(*inst.settings);
  tree.show();
  const std::string xsl = inst.program + "Meine";
  tree.chooseFile = [&](bool, const QString&) { return NativePath(xsl); };
  QTreeWidgetItem* zoo = tree.Node("Grundwortschatz\\Tiere\\Zoo.asc");
  ClickBox(tree, zoo);
  ClickBox(tree, tree.Node("Reise\\Hotel.asc"));
  ClickButton(tree, "SaveSel");
  EXPECT_EQ(inst.Read(xsl + ".xsl"), "Grundwortschatz\\Tiere\\Zoo.asc\r\nReise\\Hotel.asc\r\n");
  ClickBox(tree, zoo);
  EXPECT_EQ(zoo->checkState(0), Qt::Unchecked);
  tree.chooseFile = [&](bool, const QString&) { return NativePath(xsl + ".xsl"); };
  ClickButton(tree, "LoadSel");
  EXPECT_EQ(zoo->checkState(0), Qt::Checked);  // a nested node, not only the top level
  EXPECT_EQ(tree.Node("Grundwortschatz\\Tiere")->checkState(0), Qt::Checked);
  EXPECT_EQ(tree.windowTitle(), u"2 Bibliotheken ausgewählt"_qs);

  TMessageRecorder messages;
  tree.chooseFile = [&](bool, const QString&) { return NativePath(inst.program + "fehlt.xsl"); };
  ClickButton(tree, "LoadSel");
  EXPECT_EQ(messages.texts(), std::vector<std::string>{inst.program + "fehlt.xsl konnte nicht geladen werden!"});
  EXPECT_EQ(tree.Pick().size(), 2u);
}

TEST_F(TreeTest, EachFileIsReadOnceWhateverIsExpandedAndPainted) {
  inst.dir.file("Vokabeln (E)\\Reise\\Kaputt.asc", std::string("\x01\x02binary", 8));
  inst.dir.dir("Vokabeln (E)\\Reise\\y.asc");
  TFTree tree(*inst.settings);
  tree.show();
  for (int round = 0; round < 2; ++round) {
    for (const char* n : {"Grundwortschatz\\Tiere\\Zoo.asc", "Reise\\Hotel.asc"}) tree.Node(n);
    tree.Tree()->collapseAll();
    tree.Tree()->expandAll();
    tree.Tree()->viewport()->repaint();
  }
  EXPECT_EQ(tree.Counts().Reads(), 4);  // Familie, Zoo, Hotel, Kaputt
  EXPECT_EQ(tree.Node("Reise\\Hotel.asc")->text(TFTree::kVokabeln), u"4 Vokabeln"_qs);
  QTreeWidgetItem* y = tree.Node("Reise\\y.asc");
  ASSERT_NE(y, nullptr);
  EXPECT_EQ(y->text(TFTree::kBibliotheken), u"0 Bibliotheken"_qs);  // a folder, not a library
  EXPECT_FALSE(tree.Node("Reise\\Kaputt.asc")->text(TFTree::kVokabeln).isEmpty());
}

TEST_F(TreeTest, PageCommandsOfTheSettings) {
  int shown = 0;
  TSettingsCommands commands(*inst.settings, [&] { ++shown; });
  commands.RunCommand(TCommandId::PresentationMode, "techno");
  EXPECT_EQ(inst.settings->Modus(), 3);
  commands.RunCommand(TCommandId::PresentationMode, "");
  EXPECT_EQ(inst.settings->Modus(), 0);
  commands.RunCommand(TCommandId::SelectFolder, "reise\\");
  EXPECT_EQ(inst.settings->Selection(), "Reise\\");
  EXPECT_EQ(inst.library.EntryCount(false), 4);
  commands.RunCommand(TCommandId::SelectFolder, "grundwortschatz\\tiere");
  EXPECT_EQ(inst.settings->Selection(), "Grundwortschatz\\Tiere\\");
  EXPECT_EQ(shown, 4);
}

}  // namespace
}  // namespace vyr
