// New, Open, Save, Save As and Exit through the main window, with the real message boxes and
// file dialogs answered from inside their modal loops.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "shell/win32/file_commands.h"
#include "template/atx_file.h"
#include "template/defaults.h"
#include "template/win32/utf16_text.h"
#include "tests/support/test_support.h"
#include "tests/win32/modal_driver.h"
#include "tests/win32/shell_fixture.h"

namespace k60::shell {
namespace {

namespace fs = std::filesystem;
using testsupport::answerFileDialog;
using testsupport::answerMessageBox;
using testsupport::answerPropertySheet;
using testsupport::ModalSeen;
using testsupport::ModalStep;
using testsupport::runModalSteps;
using testsupport::ShellTest;

using test::storeOf;
std::vector<std::uint8_t> fileBytes(const fs::path& path) { return test::readWholeFile(path); }
void writeBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) { test::writeWholeFile(path, bytes); }

std::string lowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::wstring wide(std::string_view utf8) { return utf8ToUtf16(std::string(utf8)); }

class FileCommandsTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    static int serial = 0;
    dir = fs::path(temp) / (L"k60-files-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                            std::to_wstring(++serial));
    fs::create_directories(dir);
    startDir = fs::current_path();
  }
  void TearDown() override {
    // The file dialogs move the current directory to the chosen file's; a directory that
    // is current cannot be removed.
    std::error_code ignored;
    fs::current_path(startDir, ignored);
    fs::remove_all(dir, ignored);
    ShellTest::TearDown();
  }

  std::string pathOf(const wchar_t* name) const { return utf16ToUtf8((dir / name).c_str()); }

  // A template the user has edited and not saved: New must undo every edit but the COM port.
  void editTemplate() {
    app.tmpl.setPassword("4321");
    auto settings = app.tmpl.block(Block::Settings);
    std::fill(settings.begin(), settings.end(), 0x5A);
    app.tmpl.setComRate(3);
    app.tmpl.setChanged(true);
    edited = storeOf(app.tmpl);
  }

  std::vector<std::uint8_t> defaultsOfEdited() const {
    Template expected;
    std::copy(edited.begin(), edited.end(), expected.bytes().begin());
    resetToDefaults(expected);
    return storeOf(expected);
  }

  // A template file that differs from the edited template; `magic` replaces its first bytes.
  fs::path writeOtherTemplate(const wchar_t* name, std::string_view magic = kAtxMagic) {
    Template other;
    resetToDefaults(other);
    other.setPassword("777");
    other.setComPort(4);
    auto bytes = encodeTemplateFile(other);
    std::copy(magic.begin(), magic.end(), bytes.begin());
    writeBytes(dir / name, bytes);
    return dir / name;
  }

  // Sends WM_COMMAND `id` and answers its dialogs; every step must have been taken and no
  // further dialog may have appeared.
  void command(int id, const std::vector<ModalStep>& steps) {
    int unexpected = 0;
    const std::size_t taken =
        runModalSteps(steps, [&] { SendMessageW(main, WM_COMMAND, id, 0); }, &unexpected);
    EXPECT_EQ(taken, steps.size()) << "command " << id << " showed fewer dialogs than expected";
    EXPECT_EQ(unexpected, 0) << "command " << id << " showed an unexpected dialog";
  }

  void expectSaveQuestion(const ModalSeen& seen) {
    EXPECT_EQ(seen.text, L"保存当前程序 ?");
    EXPECT_EQ(seen.caption, L"ORVO K60 应用程序产生器");
    EXPECT_EQ(seen.owner, main);
    EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_WARNING));
  }

  void expectError(const ModalSeen& seen, std::string_view message) {
    EXPECT_EQ(seen.text, wide(message));
    EXPECT_EQ(seen.caption, L"错误");
    EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_WARNING));
  }

  void expectTemplateFile(const fs::path& path, const std::vector<std::uint8_t>& store) {
    const auto bytes = fileBytes(path);
    ASSERT_EQ(bytes.size(), kAtxFileSize) << path;
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "Kxx-4.00");
    EXPECT_TRUE(std::equal(store.begin(), store.end(), bytes.begin() + 8));
  }

  fs::path dir;
  fs::path startDir;
  std::vector<std::uint8_t> edited;
};

// ---- New ----

TEST_F(FileCommandsTest, NewOnAnUnchangedTemplateAsksNothingAndStartsFromTheDefaults) {
  editTemplate();
  app.tmpl.setChanged(false);
  ASSERT_TRUE(app.tmpl.setFileName(pathOf(L"old.ATX")));
  ASSERT_NE(defaultsOfEdited(), edited);

  int page = -1;
  command(IDM_NEW, {answerPropertySheet(IDCANCEL, [&](HWND sheet) {
            page = PropSheet_HwndToIndex(sheet, PropSheet_GetCurrentPageHwnd(sheet));
          })});

  EXPECT_EQ(page, 0) << "the sheet opens on the form page";
  EXPECT_EQ(storeOf(app.tmpl), defaultsOfEdited());
  EXPECT_EQ(app.tmpl.comRate(), 3) << "New keeps the COM port settings";
  EXPECT_FALSE(app.tmpl.changed());
  EXPECT_FALSE(app.tmpl.hasFileName());
}

TEST_F(FileCommandsTest, NewQuestionYesWithAFailingSaveReportsItAndKeepsTheTemplate) {
  editTemplate();
  const std::string unreachable = pathOf(L"no-such-dir\\old.ATX");
  ASSERT_TRUE(app.tmpl.setFileName(unreachable));
  ModalSeen failure;
  command(IDM_NEW, {answerMessageBox(IDYES), answerMessageBox(IDOK, &failure)});

  expectError(failure, kSaveFailedMessage);
  EXPECT_EQ(failure.owner, main);
  EXPECT_EQ(storeOf(app.tmpl), edited);
  EXPECT_TRUE(app.tmpl.changed());
  EXPECT_EQ(app.tmpl.fileName(), unreachable);
}

// ---- Open ----

TEST_F(FileCommandsTest, OpenReadsTheChosenFileAndLeavesTheChangedFlagAlone) {
  const fs::path good = writeOtherTemplate(L"good.ATX");
  ModalSeen dialog;
  command(IDM_OPEN, {answerFileDialog(good.wstring(), true, &dialog), answerPropertySheet(IDCANCEL)});

  EXPECT_EQ(dialog.owner, main);
  EXPECT_EQ(dialog.filters, (std::vector<std::wstring>{L"应用程序模板文件 (*.ATX)", L"所有文件 (*.*)"}));
  EXPECT_EQ(app.tmpl.password(), "777");
  EXPECT_EQ(app.tmpl.comPort(), 4);
  EXPECT_EQ(app.tmpl.fileName(), utf16ToUtf8(good.c_str()));
  EXPECT_FALSE(app.tmpl.changed());
}

TEST_F(FileCommandsTest, OpenRefusesAFileWithAnotherMagic) {
  const fs::path bad = writeOtherTemplate(L"bad.ATX", "kxx-4.00");
  ASSERT_TRUE(app.tmpl.setFileName(pathOf(L"old.ATX")));
  const auto before = storeOf(app.tmpl);
  ModalSeen refusal;
  command(IDM_OPEN, {answerFileDialog(bad.wstring()), answerMessageBox(IDOK, &refusal)});

  expectError(refusal, kFormatMismatchMessage);
  EXPECT_EQ(storeOf(app.tmpl), before);
  EXPECT_FALSE(app.tmpl.hasFileName());
}

TEST_F(FileCommandsTest, OpenCancelledLeavesTheTemplateButNoFileName) {
  ASSERT_TRUE(app.tmpl.setFileName(pathOf(L"old.ATX")));
  const auto before = storeOf(app.tmpl);
  bool opened = true;
  const std::size_t taken =
      runModalSteps({answerFileDialog(L"", false)}, [&] { opened = openTemplateFile(app); });

  EXPECT_EQ(taken, 1u);
  EXPECT_FALSE(opened);
  EXPECT_EQ(storeOf(app.tmpl), before);
  EXPECT_FALSE(app.tmpl.hasFileName());
}

// ---- Save and Save As ----

TEST_F(FileCommandsTest, SaveWritesTheCurrentFileAndClearsTheFlag) {
  editTemplate();
  ASSERT_TRUE(app.tmpl.setFileName(pathOf(L"old.ATX")));
  command(IDM_SAVE, {});

  expectTemplateFile(dir / L"old.ATX", edited);
  const auto bytes = fileBytes(dir / L"old.ATX");
  EXPECT_TRUE(std::all_of(bytes.end() - 86, bytes.end(), [](std::uint8_t b) { return b == 0; }));
  EXPECT_FALSE(app.tmpl.changed());
}

TEST_F(FileCommandsTest, SaveWithoutAFileNameAsksForOneAndTheDialogAddsTheExtension) {
  editTemplate();
  ModalSeen dialog;
  command(IDM_SAVE, {answerFileDialog((dir / L"plan").wstring(), true, &dialog)});

  EXPECT_EQ(dialog.owner, main);
  EXPECT_EQ(dialog.filters, (std::vector<std::wstring>{L"应用程序模板 (*.ATX)"}));
  expectTemplateFile(dir / L"plan.ATX", edited);
  // Wine's dialog adds the default extension in lower case; the name stays as it came.
  EXPECT_EQ(lowerCase(app.tmpl.fileName()), lowerCase(pathOf(L"plan.ATX")));
  EXPECT_FALSE(app.tmpl.changed());
}

TEST_F(FileCommandsTest, SaveThatCannotWriteSaysSoAndKeepsTheFlag) {
  editTemplate();
  ASSERT_TRUE(app.tmpl.setFileName(pathOf(L"no-such-dir\\old.ATX")));
  ModalSeen failure;
  command(IDM_SAVE, {answerMessageBox(IDOK, &failure)});

  expectError(failure, kSaveFailedMessage);
  EXPECT_EQ(failure.owner, main);
  EXPECT_TRUE(app.tmpl.changed());
}

TEST_F(FileCommandsTest, SaveAsAddsTheExtensionOnlyWhenTheNameLacksIt) {
  editTemplate();
  command(IDM_SAVE_AS, {answerFileDialog((dir / L"plan.Atx").wstring())});
  EXPECT_EQ(app.tmpl.fileName(), pathOf(L"plan.Atx"));
  EXPECT_FALSE(app.tmpl.changed());

  app.tmpl.setChanged(true);
  command(IDM_SAVE_AS, {answerFileDialog((dir / L"plan.txt").wstring())});
  EXPECT_EQ(app.tmpl.fileName(), pathOf(L"plan.txt.ATX"));
  expectTemplateFile(dir / L"plan.txt.ATX", edited);
  EXPECT_FALSE(fs::exists(dir / L"plan.txt"));
  EXPECT_FALSE(app.tmpl.changed());
}

TEST_F(FileCommandsTest, SaveAsOverAnExistingFileAsksFirst) {
  editTemplate();
  const fs::path plan = dir / L"plan.ATX";
  { std::ofstream(plan) << "older"; }
  // No: the dialog stays up and the user cancels it; the file is untouched.
  command(IDM_SAVE_AS, {answerFileDialog(plan.wstring()), answerMessageBox(IDNO), answerFileDialog(L"", false)});
  EXPECT_EQ(fs::file_size(plan), 5u);
  EXPECT_TRUE(app.tmpl.changed());

  command(IDM_SAVE_AS, {answerFileDialog(plan.wstring()), answerMessageBox(IDYES)});
  expectTemplateFile(plan, edited);
  EXPECT_FALSE(app.tmpl.changed());
}

TEST_F(FileCommandsTest, SaveAsCancelledWritesNothing) {
  editTemplate();
  ASSERT_TRUE(app.tmpl.setFileName(pathOf(L"old.ATX")));
  bool saved = true;
  runModalSteps({answerFileDialog(L"", false)}, [&] { saved = saveTemplateAs(app); });

  EXPECT_FALSE(saved);
  EXPECT_TRUE(fs::is_empty(dir));
  EXPECT_EQ(app.tmpl.fileName(), pathOf(L"old.ATX"));
  EXPECT_TRUE(app.tmpl.changed());
}

TEST_F(FileCommandsTest, SaveAsRefusesANameTooLongForTheCurrentFileName) {
  editTemplate();
  ASSERT_TRUE(app.tmpl.setFileName(pathOf(L"old.ATX")));
  // With ".ATX" the path is one byte longer than the 255 the current file name can hold.
  const std::size_t stem = Template::kMaxFileNameBytes + 1 - 4 - pathOf(L"").size();
  const std::wstring name = (dir / std::wstring(stem, L'n')).wstring();
  ModalSeen refusal;
  command(IDM_SAVE_AS, {answerFileDialog(name), answerMessageBox(IDOK, &refusal)});

  expectError(refusal, kFileNameTooLongMessage);
  EXPECT_TRUE(fs::is_empty(dir));
  EXPECT_EQ(app.tmpl.fileName(), pathOf(L"old.ATX"));
  EXPECT_TRUE(app.tmpl.changed());
}

// ---- Exit and closing ----

TEST_F(FileCommandsTest, ExitOnAnUnchangedTemplateClosesWithoutAsking) {
  command(IDM_EXIT, {});
  EXPECT_FALSE(IsWindow(main));
}

// ---- The save-changes question of New, Open and Exit ----

enum class Command { New, Open, Exit };
enum class Answer { Cancel, No, Yes, YesSaveAs, YesSaveAsCancelled };
struct QuestionCase {
  Command command;
  Answer answer;
};

class SaveQuestionTest : public FileCommandsTest, public ::testing::WithParamInterface<QuestionCase> {};

// The command goes on only when the edits are discarded (No) or safely saved (Yes): to the
// current file, or through Save As when there is none.
TEST_P(SaveQuestionTest, TheCommandGoesOnOnlyWhenTheEditsAreSafe) {
  const auto [cmd, answer] = GetParam();
  editTemplate();
  const bool hasFile = answer != Answer::YesSaveAs && answer != Answer::YesSaveAsCancelled;
  if (hasFile) ASSERT_TRUE(app.tmpl.setFileName(pathOf(L"old.ATX")));
  const fs::path good = writeOtherTemplate(L"good.ATX");
  const bool goesOn = answer == Answer::No || answer == Answer::Yes || answer == Answer::YesSaveAs;
  ModalSeen question;
  std::vector<ModalStep> steps = {answerMessageBox(answer == Answer::Cancel ? IDCANCEL : answer == Answer::No ? IDNO : IDYES, &question)};
  if (answer == Answer::YesSaveAs) steps.push_back(answerFileDialog((dir / L"mine").wstring()));
  if (answer == Answer::YesSaveAsCancelled) steps.push_back(answerFileDialog(L"", false));
  if (goesOn && cmd == Command::Open) steps.push_back(answerFileDialog(good.wstring()));
  if (goesOn && cmd != Command::Exit) steps.push_back(answerPropertySheet(IDCANCEL));
  command(cmd == Command::New ? IDM_NEW : cmd == Command::Open ? IDM_OPEN : IDM_EXIT, steps);

  expectSaveQuestion(question);
  EXPECT_EQ(fs::exists(dir / L"old.ATX"), answer == Answer::Yes);
  if (answer == Answer::Yes) expectTemplateFile(dir / L"old.ATX", edited);
  if (answer == Answer::YesSaveAs) expectTemplateFile(dir / L"mine.ATX", edited);
  if (!goesOn) {
    EXPECT_EQ(storeOf(app.tmpl), edited);
    EXPECT_TRUE(app.tmpl.changed());
    EXPECT_EQ(app.tmpl.fileName(), hasFile ? pathOf(L"old.ATX") : "");
    EXPECT_TRUE(IsWindow(main));
  } else if (cmd == Command::New) {
    EXPECT_EQ(storeOf(app.tmpl), defaultsOfEdited());
    EXPECT_FALSE(app.tmpl.changed());
    EXPECT_FALSE(app.tmpl.hasFileName());
  } else if (cmd == Command::Open) {
    EXPECT_EQ(app.tmpl.password(), "777");
    EXPECT_EQ(app.tmpl.fileName(), utf16ToUtf8(good.c_str()));
    EXPECT_TRUE(app.tmpl.changed()) << "only the Save and Save As commands clear the flag";
  } else {
    EXPECT_FALSE(IsWindow(main));
  }
}

std::vector<QuestionCase> allQuestionCases() {
  std::vector<QuestionCase> cases;
  for (Command c : {Command::New, Command::Open, Command::Exit})
    for (Answer a : {Answer::Cancel, Answer::No, Answer::Yes, Answer::YesSaveAs, Answer::YesSaveAsCancelled})
      cases.push_back({c, a});
  return cases;
}

std::string questionCaseName(const ::testing::TestParamInfo<QuestionCase>& info) {
  constexpr const char* kCommands[] = {"New", "Open", "Exit"};
  constexpr const char* kAnswers[] = {"Cancel", "No", "Yes", "YesSaveAs", "YesSaveAsCancelled"};
  return std::string(kCommands[static_cast<int>(info.param.command)]) + kAnswers[static_cast<int>(info.param.answer)];
}

INSTANTIATE_TEST_SUITE_P(NewOpenExit, SaveQuestionTest, ::testing::ValuesIn(allQuestionCases()), questionCaseName);

}  // namespace
}  // namespace k60::shell
