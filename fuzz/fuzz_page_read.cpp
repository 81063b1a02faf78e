// Any byte string is a page: the reader must end, stay inside its text and
// leave a model whose indexes point into its tables.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "page/model/PageJson.h"
#include "page/model/PageModel.h"
#include "page/reader/PageReader.h"
#include "platform/core/Messages.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = [] {
    vyr::SetMessageHandler([](const std::string&, unsigned) { return vyr::msg::IdOk; });
    return true;
  }();
  (void)quiet;
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  vyr::TPageModel m;
  m.ClientWidth = 640;
  m.ClientHeight = 480;
  m.Variables.Set("a", "x$[a]");
  m.Variables.Set("b", "<multiple coords=1,1,9,9 dim=3,3 txt=\"x|y|z\"><a gap lsg=\"l\">$[b]</a>");
  m.Variables.Set("h", "#code");
  m.Bedingung.Set("ja", true);
  m.onSpecialCode = [](const std::string& code) { return code.size() % 3 == 0 ? std::string("+") : code; };
  m.onFontInstalled = [](const std::string& face) { return face.size() % 2 == 0; };
  m.onResolve = [](const std::string& name) { return "\\nowhere\\" + name; };
  m.onPictureRequest = [](const std::string&, QImage&) {};
  // An include reads the second half of the input into the page (and may
  // include again, a few times: the loader stops chains of the same file).
  int includes = 0;
  m.onInclude = [&m, &includes, text](const std::string&) {
    if (++includes <= 8) vyr::ReadIncludedText(m, text.substr(text.size() / 2));
  };

  vyr::ReadPage(m, text);
  for (const vyr::TXText& e : m.Elements) {
    const vyr::tHTML_format& f = e.Format;
    Check(f.LinkIndex >= -1 && f.LinkIndex < static_cast<int32_t>(m.LinkNames.Names.size()));
    Check(f.BoxIndex >= -1 && f.BoxIndex < static_cast<int32_t>(m.Boxes.size()));
    Check(f.PicIndex >= -1 && f.PicIndex < static_cast<int32_t>(m.Pictures.size()));
    Check(f.TaskIndex < vyr::kDragTaskBase || f.TaskIndex - vyr::kDragTaskBase < m.DragAufgaben.Items);
    Check(f.TaskIndex >= vyr::kDragTaskBase || f.TaskIndex < static_cast<int32_t>(m.TippAufgaben.size()));
    if (e.Kind == vyr::ekCheckBox) Check(f.CheckIndex >= 0 && f.CheckIndex < static_cast<int32_t>(m.CheckBoxes.size()));
  }
  Check(m.TippAufgaben.size() <= vyr::kMaxTippAufgaben);
  Check(m.DragAufgaben.PerRow >= 1);
  if (m.Elements.size() < 20000) Check(!vyr::PageToJson(m).empty());
  return 0;
}
