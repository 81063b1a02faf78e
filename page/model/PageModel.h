#pragma once
// page/model: what a read page is made of (elements, the format record, the
// page tables, alias and condition lists, page settings). The lowest layer
// of the page engine: no widgets, no files.
//
// Everything reading a page produces and everything the reader keeps between
// pages: the element list, the current format, the page tables, the settings,
// the page variables and conditions, and the owner's hooks. No widgets: the
// page control owns one model and works from it.
#include <QImage>
#include <cstdint>
#include <functional>
#include <string>

#include "page/model/AliasList.h"
#include "page/model/ConditionList.h"
#include "page/model/ExerciseTables.h"
#include "page/model/PageElement.h"
#include "page/model/PageFormat.h"
#include "page/model/PageSettings.h"
#include "page/model/PageTables.h"

namespace vyr {

// The font blocks some tags save and restore later; each slot holds one level.
struct TSaveSlots {
  TFontBlock Heading;       // <H1>..<H6>
  TFontBlock Sentence;      // <EM>, <SATZ>; sentence parts are drawn in this font
  TFontBlock Link;          // <A HREF/GAP/HOT/DRAG>, <INPUT>, <EDIT>
  TFontBlock Teletype;      // <TT>
  TFontBlock Font;          // <FONT>, <BOX> buttons
  TFontBlock Preformatted;  // <PRE>
};

// What reading carries from one piece of text into the next (an included
// text continues where the including one stands).
struct TReaderState {
  bool SpacePending = false;
  bool SpaceFormatSaved = false;  // else the current format is still the space's
  tHTML_format SpaceFormat;
  int32_t PendingTab = 0;
  int IncludeDepth = 0;
  bool TooManyGapsShown = false;
};

struct TPageModel {
  // reading result
  tFormatted_text_list Elements;
  tHTML_format Format;  // the current format
  TSaveSlots Slots;
  TPageSettings Settings;

  // page tables (emptied for a new page unless noted)
  tNamed_rectangle_list LinkNames;
  TBoxList Boxes;
  TCheckBoxList CheckBoxes;
  tPicture_list Pictures;  // pictures marked "keep" stay
  tMapList Maps;
  TXStyleList Styles;      // kept across pages; a redefinition hides the older one
  TXAliasList Aliases;     // "#name" -> text
  TXAliasList Keys;        // access key -> target
  TXAliasList ColorNames;  // name -> colour text
  tTippAufgabenListe TippAufgaben;
  tDragAufgabenListe DragAufgaben;
  tSatzbauListe Satzbau;
  tButtonListe Buttons;
  TInputLine InputLine;
  TMultipleChoice Multiple;  // answers and answered flag kept across pages
  TRecorderBinding Recorder;
  TLomoBox Lomo;

  // kept across pages; the owner fills them before reading
  TXAliasList Variables;
  TConditionList Bedingung;

  // where the page comes from ("C:\kurs\hvyr\" and "main.htx"); the loader sets them
  std::string XPath;
  std::string XFile;
  // the page control's size, for coordinates relative to it
  int32_t ClientWidth = 800;
  int32_t ClientHeight = 572;
  // set while an exercise page is built from a container (<IF #ex>)
  bool BuildingExercisePage = false;
  // the editor's page control has no recorder
  bool RecorderAvailable = true;
  // a page shown inside another page takes "$name" colours from the outer page
  const TXAliasList* OuterVariables = nullptr;

  // Owner hooks. An empty function means "not assigned".
  // Asked for undefined insertions $[name], insertions whose value begins with
  // "#", <IF ?code> and <BOX LOMO="?…">: returns the new code (return the
  // argument to leave it as it is).
  std::function<std::string(const std::string& code)> onSpecialCode;
  // <INCLUDE HREF="target">: resolve, load and ReadIncludedText into this model.
  std::function<void(const std::string& target)> onInclude;
  // <IMG SRC="%WxH=code">: paint the requested picture.
  std::function<void(const std::string& code, QImage& picture)> onPictureRequest;
  // Resolves a link, picture or include name against the page; without it
  // the name is resolved against XPath as page names are.
  std::function<std::string(const std::string& name)> onResolve;
  // Whether a font face is installed; without it the system's fonts are asked.
  std::function<bool(const std::string& face)> onFontInstalled;

  TReaderState Reader;
};

}  // namespace vyr
