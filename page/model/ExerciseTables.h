#pragma once
// The exercise items a page declares; the exercises run them once the page is
// shown. The reader only records what the markup says.
#include <cstdint>
#include <string>
#include <vector>

#include "page/model/PageFormat.h"
#include "page/model/PageTables.h"

namespace vyr {

// A typing task: a gap in the text (<A GAP>) or a field at a fixed place (<EDIT>).
struct TTippAufgabe {
  bool IsEdit = false;
  std::vector<std::string> Lsg;  // accepted solutions
  std::string Hilfe;             // help text; "*" = the mask of the first solution
  std::string Tip = "Hilfe mit F12!";
  std::string Reaction;
  bool NoBorder = false;
  int32_t LinkIndex = -1;
  // <EDIT> only
  int32_t Left = 0, Top = 0, Width = 0, Height = 0;
  int32_t Color = -1;  // background; -1 = the field's own
  std::string Init;
  tHTML_format Font;  // the format in force at the tag
};
using tTippAufgabenListe = std::vector<TTippAufgabe>;
// A gap's task index must stay below the first drag index.
constexpr size_t kMaxTippAufgaben = 255;

// The drag exercise: drag items are counted here; places and blocks are
// registered when the page is laid out.
struct tDragAufgabenListe {
  int32_t Items = 0;                // <A DRAG> read so far
  std::vector<std::string> Falsch;  // extra wrong blocks
  int32_t BlockWidth = 120;
  int32_t PerRow = 4;
  int32_t TrayLeft = -1;   // -1 = centred
  int32_t TrayRight = -1;  // -1 = page width - tray left
};

// One sentence-building task (<SATZ>).
struct tSatzteilListe {
  TPageRect Rect;
  std::string Correct;             // the parts joined by single blanks
  std::vector<std::string> Parts;  // in written order
};
using tSatzbauListe = std::vector<tSatzteilListe>;

struct TPageButton {
  int32_t Left = 0, Top = 0, Width = 0, Height = 0;
  std::string Caption;
  std::string Befehl;  // target followed on click
  int32_t Color = -1;
  int32_t FlashColor = -1;
  bool MouseOver3D = false;
};
using tButtonListe = std::vector<TPageButton>;

// The page's single input line (<INPUT>).
struct TInputLine {
  bool Present = false;
  int32_t Left = 0, Top = 0, Width = 0;
  std::string Name;  // the variable it edits
  int32_t Color = -1;
  bool NoBorder = false, Password = false, Upper = false, Lower = false;
  int32_t MaxLength = 0;  // 0 = no limit
  tHTML_format Font;
};

// The multiple-choice question (<MULTIPLE>). The answers and the answered
// flag stay when the page is read again, so a rebuilt task shows its result.
struct TMultipleChoice {
  std::vector<std::string> Answers;  // shuffled
  int32_t Correct = -1;              // index of the correct answer
  bool Answered = false;
  std::string Reaction;  // prefix of the reported result; per page
};

// The page's binding of the sound recorder (<RECORDER>).
struct TRecorderBinding {
  bool Present = false;
  TPageRect Rec, Play;
  std::string Pictures;  // directory of the button pictures
  int32_t Color = -1;
  int32_t Max = 4;
};

}  // namespace vyr
