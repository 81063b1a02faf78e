#pragma once
// The whole result of reading a page as JSON (UTF-8), for the page tool and
// for tests: {"settings": {...}, "elements": [...], "tables": {...}}. Every
// field appears under its own name, in a fixed order, so the output of a page
// stays the same from run to run.
#include <string>
#include <string_view>

namespace vyr {

struct TPageModel;
struct tHTML_format;

std::string PageToJson(const TPageModel& model);
// One format record as a JSON object.
std::string FormatToJson(const tHTML_format& format);
// Appends a Windows-1252 text as a quoted JSON string (UTF-8, escaped).
void AppendJsonString(std::string& out, std::string_view cp1252);

}  // namespace vyr
