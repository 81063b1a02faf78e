#include "page/layout/LayoutJson.h"

#include <cstdio>
#include <string_view>

#include "page/layout/PageLayout.h"
#include "page/model/PageJson.h"
#include "page/model/PageModel.h"
#include "text/Cp1252.h"

namespace vyr {
namespace {

void Quote(std::string& out, std::string_view cp1252) { AppendJsonString(out, cp1252); }

// Members of one object written on one line: "Key": value, ...
class TMembers {
 public:
  explicit TMembers(std::string& out) : out_(out) { out_ += '{'; }
  ~TMembers() { out_ += '}'; }
  TMembers& Int(std::string_view key, long long v) {
    Key(key);
    out_ += std::to_string(v);
    return *this;
  }
  TMembers& Bool(std::string_view key, bool v) {
    Key(key);
    out_ += v ? "true" : "false";
    return *this;
  }
  TMembers& Str(std::string_view key, std::string_view cp1252) {
    Key(key);
    Quote(out_, cp1252);
    return *this;
  }
  TMembers& Rect(std::string_view key, const TPageRect& r) {
    Key(key);
    TMembers(out_).Int("Left", r.Left).Int("Top", r.Top).Int("Right", r.Right).Int("Bottom", r.Bottom);
    return *this;
  }

 private:
  void Key(std::string_view key) {
    if (!first_) out_ += ", ";
    first_ = false;
    out_ += '"';
    out_ += key;
    out_ += "\": ";
  }
  std::string& out_;
  bool first_ = true;
};

// An array of one-line objects, one per line.
template <typename List, typename Write>
void Array(std::string& out, std::string_view key, const List& list, Write write) {
  out += ",\n  \"";
  out += key;
  out += "\": [";
  bool first = true;
  for (const auto& item : list) {
    out += first ? "\n    " : ",\n    ";
    first = false;
    write(item);
  }
  out += first ? "]" : "\n  ]";
}

}  // namespace

std::string LayoutToJson(const TPageModel& m, const TPageLayout& l) {
  std::string out = "{";
  const auto field = [&](std::string_view key, long long v) {
    out += out.size() > 1 ? ",\n  \"" : "\n  \"";
    out += key;
    out += "\": " + std::to_string(v);
  };
  field("TextWidth", l.TextWidth);
  field("ContentHeight", l.ContentHeight);
  field("ScrollPos", l.ScrollPos);
  field("DragBlockHeight", l.DragBlockHeight);
  out += ",\n  \"ScrollBar\": ";
  {
    TMembers(out)
        .Bool("Visible", l.ScrollBar.Visible)
        .Int("Min", 0)
        .Int("Max", l.ScrollBar.Max)
        .Int("SmallStep", l.ScrollBar.SmallStep)
        .Int("PageStep", l.ScrollBar.PageStep);
  }

  const size_t count = std::min(m.Elements.size(), l.Elements.size());
  std::vector<size_t> indexes(count);
  for (size_t i = 0; i < count; ++i) indexes[i] = i;
  Array(out, "elements", indexes, [&](size_t i) {
    const TLayoutElement& e = l.Elements[i];
    TMembers(out)
        .Str("Kind", ElementKindName(m.Elements[i].Kind))
        .Str("Text", l.Text(m, i))
        .Int("Width", e.Width)
        .Int("Height", e.Height)
        .Int("Ascent", e.Ascent)
        .Int("Descent", e.Descent)
        .Int("RunWidth", e.RunWidth)
        .Int("X", e.X)
        .Int("BaseY", e.BaseY);
  });
  Array(out, "lines", l.Lines, [&](const TLayoutLine& line) {
    TMembers(out)
        .Int("First", line.First)
        .Int("Count", line.Count)
        .Int("BaseY", line.BaseY)
        .Int("Ascent", line.Ascent)
        .Int("Descent", line.Descent)
        .Int("Height", line.Height);
  });
  Array(out, "links", m.LinkNames.Areas, [&](const TLinkArea& a) {
    const bool named = a.NameIndex >= 0 && static_cast<size_t>(a.NameIndex) < m.LinkNames.Names.size();
    TMembers(out)
        .Str("Name", named ? std::string_view(m.LinkNames.Names[static_cast<size_t>(a.NameIndex)]) : "")
        .Int("NameIndex", a.NameIndex)
        .Int("Element", a.Element)
        .Rect("Rect", a.Rect)
        .Bool("Flashing", a.Flashing);
  });
  Array(out, "gaps", l.GapFields, [&](const TGapField& g) {
    TMembers(out)
        .Int("Task", g.Task)
        .Int("Element", g.Element)
        .Int("Left", g.Left)
        .Int("Top", g.Top)
        .Int("Width", g.Width)
        .Int("Height", g.Height);
  });
  Array(out, "dragPlaces", l.DragPlaces, [&](const TDragPlace& p) {
    TMembers(out).Int("Item", p.Item).Int("Element", p.Element).Rect("Rect", p.Rect).Str("Text", p.Text);
  });
  Array(out, "boxes", m.Boxes, [&](const TBox& b) {
    TMembers(out)
        .Int("Left", b.Left)
        .Int("Top", b.Top)
        .Int("Width", b.Width)
        .Int("Height", b.Height)
        .Bool("AutoHeight", b.AutoHeight);
  });
  out += "\n}\n";
  return out;
}

}  // namespace vyr
