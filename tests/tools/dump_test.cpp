#include "tools/dump/dump.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>

#include "platform/cp932.h"
#include "tests/support/scratch_dir.h"

namespace dump {
namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome Dump(std::vector<std::string> args) {
  args.insert(args.begin(), "quillet-dump");
  std::ostringstream out, err;
  int status = RunDump(args, out, err);
  return {status, out.str(), err.str()};
}

// The built program in a child process that an alarm ends: a run that blocks or reads without
// end fails with SIGALRM instead of hanging the test. Returns the exit status and stderr.
std::pair<int, std::string> DumpProgram(const testsupport::ScratchDir& dir, const char* file) {
  const std::string err = dir.Path() + "/stderr";
  if (fork() == 0) {
    alarm(20);
    if (freopen(err.c_str(), "w", stderr))
      execl(QUILLET_DUMP_PROGRAM, "quillet-dump", file, nullptr);
    _exit(127);
  }
  int status = 0;
  wait(&status);
  std::ostringstream text;
  text << std::ifstream(err).rdbuf();
  return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), text.str()};
}

TEST(DumpProgram, RefusesFilesThatAreNoRegularFilesWithoutBlocking) {
  testsupport::ScratchDir dir;
  std::string fifo = dir.Path() + "/fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {fifo, std::string("/dev/zero")}) {
    EXPECT_EQ(DumpProgram(dir, path.c_str()), std::pair(1, "ファイル " + path + " は開けません\n"));
  }
  EXPECT_EQ(DumpProgram(dir, "--help").first, 0);
}

TEST(DumpOptions, BadCommandLinesAreUsageErrorsAndNeverPartOfThePath) {
  testsupport::ScratchDir dir;
  const std::string m = dir.Write("m.eml", "Subject: s\n\nbody\n");
  const std::pair<std::vector<std::string>, std::string> kCases[] = {
      {{"--screen", "--wrap", "abc", m}, "--wrap: 'abc' is not a width"},
      {{"--rows", "30x", m}, "--rows: '30x' is not a width"},
      {{"--rows", "0", m}, "--rows: width 0 is outside 20-250"},
      {{"--rows", "251", m}, "--rows: width 251 is outside 20-250"},
      {{"--rows", "99999999999", m}, "--rows: width 99999999999 is outside 20-250"},
      {{m, "--rows"}, "--rows needs a value"},
      {{"--mode", "bodies", m}, "--mode: 'bodies' is not body, header or source"},
      {{"--rows", "30", "--screen", "--wrap", "40", m},
       "--rows 30 and --wrap 40 ask for two widths"},
      {{"--wrap", "30", m}, "--wrap applies to --screen only"},
      {{"--bogus", m}, "unknown option '--bogus'"},
      {{"--json"}, "no message file given"},
  };
  for (const auto& [args, reason] : kCases) {
    Outcome run = Dump(args);
    EXPECT_EQ(run.status, 2) << reason;
    EXPECT_EQ(run.err.substr(0, run.err.find("usage:")), "quillet-dump: " + reason + "\n");
    EXPECT_EQ(run.out, "") << reason;
  }
  EXPECT_EQ(Dump({"--rows", "250", "--screen", "--wrap", "250", m}).status, 0);
  // After "--" every argument is part of the path.
  dir.Write("--json x", "Subject: dashes\n\nb\n");
  EXPECT_NE(Dump({"--", dir.Path() + "/--json", "x"}).out.find("Subject: dashes\n"),
            std::string::npos);
}

TEST(DumpOutput, PrintsWhatTheViewerShows) {
  testsupport::ScratchDir dir;
  std::string m = dir.Write("p.eml", "Subject: t\nX-Priority: High\n\nbody\n");
  EXPECT_NE(Dump({m}).out.find("stamp:\n  error: 'H' は整数ではありません\n  shown: no image\n"
                               "caption: t - Quillet\ntext:\nbody\n(end of text)\n"),
            std::string::npos);
  // Header mode leaves the stamp alone in the viewer: nothing to convert or report.
  EXPECT_EQ(Dump({"--mode", "header", m}).out.find("stamp"), std::string::npos);

  // Double-byte characters with no single-byte one for well over a printed piece.
  std::string kanji;
  while (kanji.size() < 200000) kanji += platform::cp932::FromUtf8("日本語");
  m = dir.Write("t.eml", "\n\na\n" + kanji + "\n");
  EXPECT_NE(Dump({m}).out.find("text:\na\n" + platform::cp932::ToUtf8(kanji) + "\n(end of"),
            std::string::npos);
}

}  // namespace
}  // namespace dump
