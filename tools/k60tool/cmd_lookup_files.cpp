// lookup-file and lookup-check: a lookup file built from CSV by the layout of a template's
// lookup, and a lookup file checked against that layout.
#include <algorithm>
#include <memory>
#include <optional>

#include "link/link_messages.h"
#include "link/lookup_builder.h"
#include "link/lookup_checker.h"
#include "link/lookup_file.h"
#include "template/file_io.h"
#include "tools/k60tool/commands.h"
#include "tools/k60tool/template_files.h"
#include "tools/k60tool/tool.h"
#include "tools/k60tool/tool_messages.h"

namespace k60::tool {
namespace {

struct LayoutArgs {
  std::string templateFile;
  std::size_t lookup = 1;
  std::string file;
};

void addLayoutOptions(CLI::App* cmd, LayoutArgs& args) {
  cmd->add_option("--template", args.templateFile, "template file whose lookup gives the layout (.ATX)")->required();
  cmd->add_option("--lookup", args.lookup, "which lookup's layout: 1, 2 or 3")->required()->check(CLI::Range(1, 3));
}

std::optional<link::LookupLayout> loadLayout(const LayoutArgs& args, std::ostream& err) {
  Template t;
  if (!loadTemplate(args.templateFile, t, err)) return std::nullopt;
  return link::layoutOf(t, args.lookup);
}

// Every problem (the first 50 of a long list) as a message line about the file it is in.
void printProblems(std::ostream& err, const LayoutArgs& args, const std::vector<link::LookupProblem>& problems) {
  constexpr std::size_t kMostShown = 50;
  for (std::size_t i = 0; i < std::min(problems.size(), kMostShown); ++i) {
    const auto& p = problems[i];
    printMessage(err, {kErrorCaption, link::problemText(p), link::problemGloss(p),
                       link::isLayoutProblem(p) ? args.templateFile : args.file});
  }
  if (problems.size() > kMostShown)
    err << "... 共" << problems.size() << "处 (" << problems.size() - kMostShown << " more not shown)\n";
}

// "tab" and "\t" name the tab; any other delimiter is one character, not a quote or line end.
std::string delimiterError(std::string& text) {
  if (text == "tab" || text == "\\t") text = "\t";
  if (text.size() != 1 || text == "\"" || text == "\r" || text == "\n")
    return "the delimiter is one character (or tab), not a quote or line end";
  return {};
}

link::CsvEncoding encodingOf(const std::string& name) {
  if (name == "utf-8") return link::CsvEncoding::Utf8;
  return name == "gb2312" ? link::CsvEncoding::Gb2312 : link::CsvEncoding::Auto;
}

std::string builtGloss(const LayoutArgs& args, const link::BuiltLookup& built) {
  return "lookup file built by lookup " + std::to_string(args.lookup) + ": " + std::to_string(built.lines) +
         " lines, " + std::to_string(built.bytes.size()) + " bytes" +
         (built.cut ? "; " + std::to_string(built.cut) + " texts cut to their field's length" : "");
}

bool writeLookup(const std::string& path, const link::BuiltLookup& built, Context& ctx) {
  const std::string_view bytes(reinterpret_cast<const char*>(built.bytes.data()), built.bytes.size());
  if (writeFileOrStdout(path, bytes, ctx.out, [&] { return replaceFile(path, built.bytes); })) return true;
  printMessage(ctx.err, {kErrorCaption, link::text::kCannotWriteFile,
                         "the lookup file could not be written; nothing was changed", path});
  return false;
}

}  // namespace

void addLookupFileCommand(CLI::App& app, Context& ctx) {
  struct Args : LayoutArgs {
    std::string out, encoding = "auto", delimiter = ",";
    bool header = false, truncate = false;
    std::vector<std::size_t> columns;
  };
  auto args = std::make_shared<Args>();
  CLI::App* cmd = app.add_subcommand("lookup-file", "build a lookup file from CSV by the layout of a template's lookup");
  addLayoutOptions(cmd, *args);
  cmd->add_option("file", args->file, "CSV file, e.g. saved by a spreadsheet (- for standard input)")->required();
  cmd->add_option("-o,--output", args->out, "lookup file to write (GB2312, CR LF lines; - for standard output)")
      ->required();
  cmd->add_option("--encoding", args->encoding,
                  "the CSV's text: auto (default: UTF-8 when it has a byte order mark or is UTF-8 throughout, else "
                  "GB2312), utf-8 or gb2312")
      ->check(CLI::IsMember({"auto", "utf-8", "gb2312"}, CLI::ignore_case));
  cmd->add_option("--delimiter", args->delimiter, "the character between the CSV's fields (default ,; tab for a tab)")
      ->transform(CLI::Validator(delimiterError, "CHAR"));
  cmd->add_flag("--header", args->header, "the first row names the columns: skip it");
  cmd->add_option("--columns", args->columns, "the CSV columns that fill fields 1, 2, 3..., e.g. 3,1,4")
      ->delimiter(',')
      ->check(CLI::PositiveNumber);
  cmd->add_flag("--truncate", args->truncate,
                "cut a text longer than its field at a character boundary instead of refusing the file");
  onRun(cmd, ctx, [&ctx, args] {
    const auto layout = loadLayout(*args, ctx.err);
    std::string csv;
    if (!layout || !readWholeFile(args->file, csv, ctx.err)) return kFailed;
    const link::CsvOptions options{args->delimiter[0], encodingOf(args->encoding), args->header, args->columns,
                                   args->truncate};
    const link::BuiltLookup built =
        link::buildLookupFile({reinterpret_cast<const std::uint8_t*>(csv.data()), csv.size()}, *layout, options);
    if (!built.ok()) {
      printProblems(ctx.err, *args, built.problems);
      return kFailed;
    }
    if (!writeLookup(args->out, built, ctx)) return kFailed;
    const std::string words = std::string(link::text::kLookupFileBuilt) +
                              (built.cut ? " " + link::lineMessage(link::text::kLookupTextsCutFormat, built.cut) : "");
    printMessage(ctx.err, {{}, words, builtGloss(*args, built), args->out});
    return kDone;
  });
}

void addLookupCheckCommand(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<LayoutArgs>();
  CLI::App* cmd = app.add_subcommand("lookup-check", "check a lookup file against the layout of a template's lookup");
  addLayoutOptions(cmd, *args);
  cmd->add_option("file", args->file, "lookup file (.TXT, GB2312; - for standard input)")->required();
  onRun(cmd, ctx, [&ctx, args] {
    const auto layout = loadLayout(*args, ctx.err);
    std::string bytes;
    if (!layout || !readWholeFile(args->file, bytes, ctx.err)) return kFailed;
    const std::span<const std::uint8_t> file(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    const auto problems = link::checkLookupFile(file, *layout);
    if (!problems.empty()) {
      printProblems(ctx.err, *args, problems);
      return kFailed;
    }
    const std::string gloss = "the lookup file matches lookup " + std::to_string(args->lookup) + ": " +
                              std::to_string(link::lookupLines(file).size()) + " lines";
    printMessage(ctx.err, {{}, link::lineMessage(link::text::kLookupFileMatchesFormat, args->lookup), gloss, args->file});
    return kDone;
  });
}

}  // namespace k60::tool
