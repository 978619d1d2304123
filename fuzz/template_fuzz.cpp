// Fuzz harness: a template file's bytes are read; an accepted one is written back, read again
// and written to the same bytes, and its program image is built.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "link/program_image.h"
#include "template/atx_file.h"
#include "template/defaults.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  k60::Template t;
  k60::resetToDefaults(t);
  if (k60::decodeTemplateFile(std::span(data, size), t) != k60::ReadStatus::Ok) return 0;
  const std::vector<std::uint8_t> written = k60::encodeTemplateFile(t);
  k60::Template again;
  k60::resetToDefaults(again);
  if (k60::decodeTemplateFile(written, again) != k60::ReadStatus::Ok) std::abort();
  if (k60::encodeTemplateFile(again) != written) std::abort();
  const k60::link::ProgramImage image = k60::link::buildProgramImage(t);
  if (image.size() != 10500) std::abort();
  return 0;
}
