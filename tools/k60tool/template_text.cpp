// The template as readable text: what is in use, in the system's words.
#include <string>

#include "tools/k60tool/show_template.h"

namespace k60::tool {
namespace {

using json = nlohmann::ordered_json;

std::string label(const json& choice) { return choice["label"].get<std::string>(); }

bool lineUsed(const json& line) { return line["dataType"]["value"] != 0; }

void printForm(const json& f, std::ostream& out) {
  out << "Form " << f["number"] << ": cancel -> " << label(f["cancelTarget"]) << ", next -> "
      << label(f["nextTarget"]) << ", action " << label(f["recordAction"]) << ", date "
      << label(f["dateStamp"]) << ", time " << label(f["timeStamp"]) << ", lookup "
      << label(f["lookupFile"]) << "\n";
  for (const json& line : f["lines"]) {
    if (!lineUsed(line)) continue;
    out << "  " << line["line"] << ". " << label(line["dataType"]) << " \"" << line["prompt"].get<std::string>()
        << "\" " << label(line["dataSource"]) << ", length " << line["minLength"] << ".." << line["maxLength"];
    if (line["lookupBinding"]["value"] != 0) out << ", " << label(line["lookupBinding"]);
    if (line["initialValue"]["on"] == true)
      out << ", initial \"" << line["initialValue"]["text"].get<std::string>() << "\"";
    out << "\n";
  }
}

void printMenu(const json& m, std::ostream& out) {
  out << "Menu " << m["number"] << ": ";
  if (m["title"]["on"] == true) out << "\"" << m["title"]["text"].get<std::string>() << "\", ";
  out << m["itemCount"] << " items, Esc -> " << label(m["escTarget"]) << "\n";
  for (const json& item : m["items"]) {
    const std::string name = item["name"].get<std::string>();
    if (name.find_first_not_of(' ') == std::string::npos) continue;
    out << "  " << item["item"] << ". \"" << name << "\" -> " << label(item["target"]) << "\n";
  }
}

void printLookup(const json& l, std::ostream& out) {
  out << "Lookup " << l["number"] << " (" << l["name"].get<std::string>() << "): member length "
      << l["memberLength"] << ", " << l["fieldCount"] << " fields, key field " << l["keyField"];
  if (l["separator"] != 0) out << ", separator " << l["separator"];
  out << ", no match: " << label(l["noMatchAction"]) << "\n";
}

void printSettings(const json& j, std::ostream& out) {
  const json& s = j["settings"];
  out << "COM port: " << label(j["com"]["port"]) << " at " << j["com"]["rate"]["label"] << " bit/s\n"
      << "Start: " << label(j["startPosition"]) << "; separator: " << label(j["separator"]["mode"]) << " "
      << "[" << j["separator"]["bytes"].get<std::string>() << "]\n"
      << "Terminal: upload " << label(s["uploadPort"]) << ", download " << label(s["downloadPort"]) << ", "
      << label(s["rate"]) << ", backlight " << label(s["backlight"]) << ", erase " << label(s["dataErase"])
      << ", record prompt " << label(s["recordPrompt"]) << "\n"
      << "Security checks:";
  for (const json& check : s["securityChecks"])
    if (check["on"] == true) out << " " << label(check);
  out << (s["password"].get<std::string>().empty() ? " (no password)" : " (password set)") << "\n";
  const json& b = j["barcode"];
  out << "Barcode: " << b["bytes"].get<std::string>() << "; scan mode " << label(b["scanMode"]) << ", redundancy "
      << label(b["readRedundancy"]) << ", time-out " << b["readTimeout"] << " s\n"
      << "Keyboard wedge: " << label(j["keyboardWedge"]["keyboardType"]) << "\n";
}

}  // namespace

void printTemplate(Template& t, std::ostream& out) {
  const json j = templateJson(t);
  if (!t.fileName().empty()) out << "File: " << t.fileName() << "\n";
  printSettings(j, out);
  for (const json& f : j["forms"]) {
    bool used = false;
    for (const json& line : f["lines"]) used = used || lineUsed(line);
    if (used) printForm(f, out);
  }
  for (const json& m : j["menus"])
    if (m["itemCount"] != 0 || m["title"]["on"] == true) printMenu(m, out);
  for (const json& l : j["lookups"])
    if (l["fieldCount"] != 0) printLookup(l, out);
  out << "Prompt pages:\n";
  for (const auto& [name, lines] : j["prompts"].items()) {
    out << "  " << name << ":";
    for (const json& line : lines) out << " [" << line.get<std::string>() << "]";
    out << "\n";
  }
}

}  // namespace k60::tool
