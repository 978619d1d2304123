// image: writes the program image of a template exactly as a download sends it.
#include <memory>

#include "link/program_image.h"
#include "template/atx_file.h"
#include "template/file_io.h"
#include "tools/k60tool/commands.h"
#include "tools/k60tool/template_files.h"
#include "tools/k60tool/tool.h"
#include "tools/k60tool/tool_messages.h"

namespace k60::tool {

void addImageCommand(CLI::App& app, Context& ctx) {
  struct Args {
    std::string in, out;
  };
  auto args = std::make_shared<Args>();
  CLI::App* cmd = app.add_subcommand("image", "the program image exactly as a download sends it");
  cmd->add_option("file", args->in, "template file (.ATX; - for standard input)")->required();
  cmd->add_option("-o,--output", args->out, "image file to write (10,500 bytes; - for standard output)")->required();
  onRun(cmd, ctx, [&ctx, args] {
    Template t;
    if (!loadTemplate(args->in, t, ctx.err)) return kFailed;
    // The download normalises the forms in place; here only the image is written.
    const link::ProgramImage image = link::buildProgramImage(t);
    const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
    if (!writeFileOrStdout(args->out, bytes, ctx.out, [&] { return replaceFile(args->out, image); })) {
      printMessage(ctx.err, {kErrorCaption, kSaveFailedMessage, "the image could not be written; nothing was changed",
                             args->out});
      return kFailed;
    }
    return kDone;
  });
}

}  // namespace k60::tool
