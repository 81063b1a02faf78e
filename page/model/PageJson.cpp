#include "page/model/PageJson.h"

#include <cstdio>
#include <string_view>

#include "page/model/PageModel.h"
#include "text/Cp1252.h"

namespace vyr {
namespace {

// A small JSON writer: objects and arrays nest; a container opened "inline"
// keeps its members on one line.
class TJson {
 public:
  std::string out;

  TJson& Object(std::string_view key = {}, bool isInline = false) { return Open(key, '{', isInline); }
  TJson& Array(std::string_view key = {}, bool isInline = false) { return Open(key, '[', isInline); }
  TJson& End() {
    const Level l = levels_.back();
    levels_.pop_back();
    if (!l.isInline && l.count > 0) NewLine();
    out += l.close;
    return *this;
  }
  TJson& Str(std::string_view key, std::string_view cp1252) {
    Key(key);
    String(cp1252);
    return *this;
  }
  TJson& Int(std::string_view key, long long v) {
    Key(key);
    out += std::to_string(v);
    return *this;
  }
  TJson& Bool(std::string_view key, bool v) {
    Key(key);
    out += v ? "true" : "false";
    return *this;
  }
  TJson& Null(std::string_view key) {
    Key(key);
    out += "null";
    return *this;
  }
  TJson& Rect(std::string_view key, const TPageRect& r) {
    Object(key, true).Int("Left", r.Left).Int("Top", r.Top).Int("Right", r.Right).Int("Bottom", r.Bottom);
    return End();
  }
  TJson& Strings(std::string_view key, const std::vector<std::string>& list) {
    Array(key, true);
    for (const std::string& s : list) Str({}, s);
    return End();
  }
  TJson& Aliases(std::string_view key, const TXAliasList& list) {
    Object(key, list.size() < 4);
    for (const TXAlias& a : list) Str(a.name, a.text);
    return End();
  }

 private:
  struct Level {
    char close;
    bool isInline;
    int count;
  };
  TJson& Open(std::string_view key, char open, bool isInline) {
    Key(key);
    out += open;
    levels_.push_back({open == '{' ? '}' : ']', isInline || InlineParent(), 0});
    return *this;
  }
  bool InlineParent() const { return !levels_.empty() && levels_.back().isInline; }
  void NewLine() {
    out += '\n';
    out.append(levels_.size() * 2, ' ');
  }
  void Key(std::string_view key) {
    if (levels_.empty()) return;
    Level& l = levels_.back();
    if (l.count++ > 0) out += l.isInline ? ", " : ",";
    if (!l.isInline) NewLine();
    if (l.close == '}') {
      String(key);
      out += ": ";
    }
  }
  void String(std::string_view cp1252) { AppendJsonString(out, cp1252); }
  std::vector<Level> levels_;
};

void WriteFontBlock(TJson& j, const TFontBlock& f) {
  j.Int("Style", f.Style).Str("FontName", f.FontName.view()).Int("FontSize", f.FontSize).Int("Color", f.Color);
  j.Int("LinkColor", f.LinkColor).Int("BackColor", f.BackColor).Bool("ClearBack", f.ClearBack);
  j.Int("FlashColor", f.FlashColor).Bool("HotMark", f.HotMark).Int("Charset", f.Charset);
}

void WriteFormat(TJson& j, std::string_view key, const tHTML_format& f) {
  j.Object(key, true);
  j.Int("TagCount", f.TagCount).Int("TabPos", f.TabPos).Int("BoxIndex", f.BoxIndex).Int("CheckIndex", f.CheckIndex);
  j.Int("ColumnLeft", f.ColumnLeft).Int("BoxTop", f.BoxTop).Int("ColumnWidth", f.ColumnWidth);
  j.Int("CheckSize", f.CheckSize).Int("CheckGap", f.CheckGap).Int("LineSpace", f.LineSpace).Int("Align", f.Align);
  WriteFontBlock(j, f.Font());
  j.Int("LinkIndex", f.LinkIndex).Bool("Flash", f.Flash).Int("Tracking", f.Tracking).Int("TaskIndex", f.TaskIndex);
  j.Bool("Pre", f.Pre).Int("PhraseId", f.PhraseId).Int("PicIndex", f.PicIndex).Int("PicRadius", f.PicRadius);
  j.Int("PicAlpha", f.PicAlpha).Int("PicMode", f.PicMode).Int("PicColor", f.PicColor).Int("PicHover", f.PicHover);
  j.Int("PicScale", f.PicScale).Int("PicBase", f.PicBase).Int("PicAlign", f.PicAlign);
  j.Str("AltText", f.AltText.view()).Str("UseMap", f.UseMap.view());
  j.End();
}

void WriteSettings(TJson& j, const TPageSettings& s) {
  j.Object("settings");
  j.Str("Title", s.Title).Int("ColorBGR", s.ColorBGR).Int("ColorTXT", s.ColorTXT).Int("LinkColor", s.LinkColor);
  j.Int("GapColor", s.GapColor).Int("BlockColor", s.BlockColor).Int("HoleColor", s.HoleColor);
  j.Int("TrayTop", s.TrayTop).Str("Background", s.Background);
  j.Object("Wait", true).Int("Interval", s.WaitInterval).Str("Target", s.WaitTarget).End();
  j.Str("ShowAction", s.ShowAction).Str("ClickLink", s.ClickLink).Str("EnterLink", s.EnterLink);
  j.Bool("FormColor", s.FormColor).Rect("DragTarget", s.DragTarget).Rect("SpecialRect", s.SpecialRect);
  j.Bool("NeedsBlending", s.NeedsBlending);
  j.End();
}

void WriteElements(TJson& j, const tFormatted_text_list& elements) {
  j.Array("elements");
  for (const TXText& e : elements) {
    j.Object({}, true).Str("kind", ElementKindName(e.Kind)).Str("text", e.Text);
    WriteFormat(j, "format", e.Format);
    j.End();
  }
  j.End();
}

void WriteLinks(TJson& j, const tNamed_rectangle_list& links) {
  j.Strings("LinkNames", links.Names);
  j.Array("FixedAreas");
  for (const TFixedLinkArea& a : links.FixedAreas) {
    j.Object({}, true).Int("NameIndex", a.NameIndex).Rect("Rect", a.Rect).Bool("Flashing", a.Flashing);
    j.Int("BoxIndex", a.BoxIndex).End();
  }
  j.End();
}

void WriteBoxes(TJson& j, const TBoxList& boxes) {
  j.Array("Boxes");
  for (const TBox& b : boxes) {
    j.Object({}, true).Int("Left", b.Left).Int("Top", b.Top).Int("Width", b.Width).Int("Height", b.Height);
    j.Bool("Filled", b.Filled).Int("FillColor", b.FillColor).Int("OnColor", b.OnColor).Int("OffColor", b.OffColor);
    j.Int("OnTextColor", b.OnTextColor).Int("OffTextColor", b.OffTextColor).Int("FlashArea", b.FlashArea);
    j.Int("TextOffset", b.TextOffset).Int("BorderColor", b.BorderColor).Int("BorderWidth", b.BorderWidth);
    j.Bool("AutoHeight", b.AutoHeight).Bool("OnTop", b.OnTop).Int("Shape", b.Shape).Int("Radius", b.Radius);
    j.Int("Offset", b.Offset).Int("Opacity", b.Opacity).Int("Mode", b.Mode).Str("Href", b.Href);
    j.Int("LinkIndex", b.LinkIndex).End();
  }
  j.End();
}

void WritePictures(TJson& j, const tPicture_list& pictures) {
  j.Array("Pictures");
  for (const TXPicture& p : pictures) {
    j.Object({}, true).Str("Name", p.Name).Bool("Keep", p.Keep).Bool("Requested", p.Requested).Str("Code", p.Code);
    j.Int("Width", p.Picture.width()).Int("Height", p.Picture.height()).End();
  }
  j.End();
}

void WriteMapsAndStyles(TJson& j, const TPageModel& m) {
  j.Array("CheckBoxes");
  for (const TCheckBox& c : m.CheckBoxes)
    j.Object({}, true).Str("Name", c.Name).Int("Size", c.Size).Bool("Checked", c.Checked).End();
  j.End();
  j.Array("Maps");
  for (const tMap& map : m.Maps) {
    j.Object().Str("Name", map.Name).Array("Areas");
    for (const tArea& a : map.Areas) {
      j.Object({}, true).Int("Left", a.Left).Int("Top", a.Top).Int("Width", a.Width).Int("Height", a.Height);
      j.Str("Target", a.Target).End();
    }
    j.End().End();
  }
  j.End();
  j.Array("Styles");
  for (const TXStyle& s : m.Styles) {
    j.Object({}, true).Str("Name", s.Name);
    WriteFontBlock(j, s.Font);
    j.Int("LineSpace", s.LineSpace).Int("Tracking", s.Tracking).End();
  }
  j.End();
}

void WriteExercises(TJson& j, const TPageModel& m) {
  j.Array("TippAufgaben");
  for (const TTippAufgabe& t : m.TippAufgaben) {
    j.Object({}, true).Bool("IsEdit", t.IsEdit).Strings("Lsg", t.Lsg).Str("Hilfe", t.Hilfe).Str("Tip", t.Tip);
    j.Str("Reaction", t.Reaction).Bool("NoBorder", t.NoBorder).Int("LinkIndex", t.LinkIndex);
    if (t.IsEdit) {
      j.Int("Left", t.Left).Int("Top", t.Top).Int("Width", t.Width).Int("Height", t.Height).Int("Color", t.Color);
      j.Str("Init", t.Init).Str("FontName", t.Font.FontName.view()).Int("FontSize", t.Font.FontSize);
    }
    j.End();
  }
  j.End();
  const tDragAufgabenListe& d = m.DragAufgaben;
  j.Object("DragAufgaben", true).Int("Items", d.Items).Strings("Falsch", d.Falsch).Int("BlockWidth", d.BlockWidth);
  j.Int("PerRow", d.PerRow).Int("TrayLeft", d.TrayLeft).Int("TrayRight", d.TrayRight).End();
  j.Array("Satzbau");
  for (const tSatzteilListe& s : m.Satzbau)
    j.Object({}, true).Rect("Rect", s.Rect).Str("Correct", s.Correct).Strings("Parts", s.Parts).End();
  j.End();
  j.Array("Buttons");
  for (const TPageButton& b : m.Buttons) {
    j.Object({}, true).Int("Left", b.Left).Int("Top", b.Top).Int("Width", b.Width).Int("Height", b.Height);
    j.Str("Caption", b.Caption).Str("Befehl", b.Befehl).Int("Color", b.Color).Int("FlashColor", b.FlashColor);
    j.Bool("MouseOver3D", b.MouseOver3D).End();
  }
  j.End();
  const TInputLine& in = m.InputLine;
  if (!in.Present) {
    j.Null("InputLine");
  } else {
    j.Object("InputLine", true).Int("Left", in.Left).Int("Top", in.Top).Int("Width", in.Width).Str("Name", in.Name);
    j.Int("Color", in.Color).Bool("NoBorder", in.NoBorder).Bool("Password", in.Password);
    j.Int("MaxLength", in.MaxLength).Bool("Upper", in.Upper).Bool("Lower", in.Lower);
    j.Str("FontName", in.Font.FontName.view()).Int("FontSize", in.Font.FontSize).End();
  }
  const TMultipleChoice& mc = m.Multiple;
  j.Object("Multiple", true).Strings("Answers", mc.Answers).Int("Correct", mc.Correct);
  j.Bool("Answered", mc.Answered).Str("Reaction", mc.Reaction).End();
  const TRecorderBinding& r = m.Recorder;
  if (!r.Present) {
    j.Null("Recorder");
  } else {
    j.Object("Recorder", true).Rect("Rec", r.Rec).Rect("Play", r.Play).Str("Pictures", r.Pictures);
    j.Int("Color", r.Color).Int("Max", r.Max).End();
  }
  const TLomoBox& l = m.Lomo;
  if (!l.Present) {
    j.Null("Lomo");
  } else {
    j.Object("Lomo", true).Int("BoxIndex", l.BoxIndex).Rect("Rect", l.Rect).Bool("HasZone2", l.HasZone2);
    j.Rect("Zone2", l.Zone2).Int("Speed", l.Speed).Array("Pictures", true);
    for (int32_t p : l.Pictures) j.Int({}, p);
    j.End().End();
  }
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view cp1252) {
  out += '"';
  for (const char ch : Cp1252ToUtf8(cp1252)) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += ch;
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += ch;
    }
  }
  out += '"';
}

std::string FormatToJson(const tHTML_format& format) {
  TJson j;
  WriteFormat(j, {}, format);
  return j.out;
}

std::string PageToJson(const TPageModel& m) {
  TJson j;
  j.Object();
  WriteSettings(j, m.Settings);
  WriteElements(j, m.Elements);
  j.Object("tables");
  WriteLinks(j, m.LinkNames);
  WriteBoxes(j, m.Boxes);
  WritePictures(j, m.Pictures);
  WriteMapsAndStyles(j, m);
  j.Aliases("Aliases", m.Aliases).Aliases("Keys", m.Keys).Aliases("ColorNames", m.ColorNames);
  j.Aliases("Variables", m.Variables).Strings("Bedingung", m.Bedingung.names());
  WriteExercises(j, m);
  j.End();
  j.End();
  j.out += '\n';
  return j.out;
}

}  // namespace vyr
