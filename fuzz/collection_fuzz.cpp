// Fuzz harness: a collection against a model terminal whose lines come late, cut short or
// damaged as the input says, with either kind of terminal (one that keeps the answers it
// gets while sending, one that drops them). Every record must arrive exactly once, or the
// collection must fail with a message and leave the earlier file as it was.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "link/collection.h"
#include "tests/link/model_terminal.h"
#include "tests/link/recording_ui.h"
#include "tests/link/scripted_port.h"
#include "tests/support/test_support.h"

namespace {

using namespace k60::link;
using test::Bytes;

// Reads the input a byte at a time; zeros once it is used up.
struct Input {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t at = 0;
  std::uint8_t next() { return at < size ? data[at++] : 0; }
};

// One line's fault from two bytes: mostly none, else late (up to 1.2 s), cut or damaged.
test::LineFault faultFrom(Input& in) {
  const std::uint8_t kind = in.next(), detail = in.next();
  test::LineFault f;
  switch (kind % 8) {
    case 1: f.lateMs = 100u * (detail % 13); break;
    case 2: f.cut = true, f.cutMore = detail % 4; break;
    case 3: f.damaged = true, f.damagedAt = detail, f.damageMask = static_cast<std::uint8_t>(1u << (kind >> 5)); break;
    case 4: f.lateMs = 100u * (detail % 13), f.damaged = true, f.damagedAt = detail >> 2; break;
    default: break;
  }
  return f;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in{data, size};
  const std::uint8_t head = in.next();
  const bool keeps = head & 1;
  const int count = (head >> 1) % 13;
  std::vector<Bytes> records;
  for (int i = 0; i < count; ++i) records.push_back(test::bytesOf("r" + std::to_string(i)));

  static const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("k60_collection_fuzz_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string target = (dir / "OUT.TXT").string();
  const Bytes old = test::bytesOf("old\r\n");
  k60::test::writeWholeFile(target, old);

  VirtualClock clock;
  test::ScriptedPort port{clock};
  test::RecordingUi ui;
  LineSettings line;
  LinkContext ctx{port, clock, ui, line};
  auto terminal = std::make_shared<test::ModelTerminal>(records, keeps);
  terminal->faultOf = [&in](int, int) { return faultFrom(in); };
  test::ModelTerminal::attach(port, terminal);

  const CollectionResult result = collectData(ctx, {"COM1", 0, Transport::Cable}, target);
  const Bytes file = k60::test::readWholeFile(target);
  if (result.outcome == CollectionResult::Outcome::Collected) {
    Bytes expected;
    for (const Bytes& r : records) expected.insert(expected.end(), r.begin(), r.end()), expected.push_back('\r'),
        expected.push_back('\n');
    if (file != expected || result.records != count) std::abort();
  } else {
    if (file != old || ui.shown.empty()) std::abort();
  }
  return 0;
}
