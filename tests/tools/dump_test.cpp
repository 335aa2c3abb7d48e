#include "tools/dump/dump.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
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

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The built program in a child process that an alarm ends: a run that blocks or reads without
// end fails with SIGALRM instead of hanging the test.
Outcome DumpProgram(const testsupport::ScratchDir& dir, const std::vector<std::string>& args) {
  const std::string out = dir.Path() + "/stdout", err = dir.Path() + "/stderr";
  pid_t pid = fork();
  if (pid == 0) {
    alarm(20);
    if (!freopen(out.c_str(), "w", stdout) || !freopen(err.c_str(), "w", stderr)) _exit(120);
    std::vector<char*> argv{const_cast<char*>(QUILLET_DUMP_PROGRAM)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(121);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return {code, ReadAll(out), ReadAll(err)};
}

TEST(DumpProgram, RefusesFilesThatAreNoRegularFilesWithoutBlocking) {
  testsupport::ScratchDir dir;
  std::string fifo = dir.Path() + "/fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {fifo, std::string("/dev/zero"), std::string("/dev/urandom")}) {
    Outcome run = DumpProgram(dir, {path});
    EXPECT_EQ(run.status, 1) << path;
    EXPECT_EQ(run.err, "ファイル " + path + " は開けません\n");
    EXPECT_EQ(run.out, "");
  }
  // The program's own exit statuses for help and for a usage error.
  EXPECT_EQ(DumpProgram(dir, {"--help"}).status, 0);
  EXPECT_EQ(DumpProgram(dir, {"--rows", "abc", fifo}).status, 2);
}

TEST(DumpOptions, BadCommandLinesAreUsageErrorsAndNeverPartOfThePath) {
  testsupport::ScratchDir dir;
  const std::string m = dir.Write("m.eml", "Subject: s\n\nbody\n");
  const std::pair<std::vector<std::string>, std::string> kCases[] = {
      {{"--screen", "--wrap", "abc", m}, "--wrap: 'abc' is not a width"},
      {{"--rows", "", m}, "--rows: '' is not a width"},
      {{"--rows", "30x", m}, "--rows: '30x' is not a width"},
      {{"--rows", "+30", m}, "--rows: '+30' is not a width"},
      {{"--rows", "0", m}, "--rows: width 0 is outside 20-250"},
      {{"--rows", "19", m}, "--rows: width 19 is outside 20-250"},
      {{"--rows", "251", m}, "--rows: width 251 is outside 20-250"},
      {{"--rows", "-30", m}, "--rows: width -30 is outside 20-250"},
      {{"--rows", "99999999999", m}, "--rows: width 99999999999 is outside 20-250"},
      {{m, "--rows"}, "--rows needs a value"},
      {{m, "--mode"}, "--mode needs a value"},
      {{"--mode", "bodies", m}, "--mode: 'bodies' is not body, header or source"},
      {{"--mode", "body", "--mode", "source", m}, "--mode body and --mode source conflict"},
      {{"--rows", "30", "--screen", "--wrap", "40", m}, "--rows 30 and --wrap 40 ask for two widths"},
      {{"--rows", "30", "--rows", "31", m}, "--rows 30 and --rows 31 ask for two widths"},
      {{"--wrap", "30", m}, "--wrap applies to --screen only"},
      {{"--bogus", m}, "unknown option '--bogus'"},
      {{m, "-x"}, "unknown option '-x'"},
      {{"--json"}, "no message file given"},
      {{}, "no message file given"},
  };
  for (const auto& [args, reason] : kCases) {
    Outcome run = Dump(args);
    EXPECT_EQ(run.status, 2) << reason;
    EXPECT_EQ(run.err.substr(0, run.err.find("usage:")), "quillet-dump: " + reason + "\n");
    EXPECT_NE(run.err.find("usage:"), std::string::npos) << reason;
    EXPECT_EQ(run.out, "") << reason;
  }
  Outcome help = Dump({"--help", m});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("usage:", 0), 0u);
  EXPECT_EQ(help.err, "");
  // Widths at the ends of the range, and one width asked for twice.
  EXPECT_EQ(Dump({"--rows", "20", m}).status, 0);
  EXPECT_EQ(Dump({"--rows", "250", "--screen", "--wrap", "250", m}).status, 0);
  // After "--" everything is the path, joined with single spaces as the viewer joins it.
  dir.Write("--json x", "Subject: dashes\n\nb\n");
  Outcome run = Dump({"--", dir.Path() + "/--json", "x"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Subject: dashes\n"), std::string::npos);
}

TEST(DumpOutput, NonDigitXPriorityPrintsWhatTheViewerShows) {
  testsupport::ScratchDir dir;
  const std::pair<const char*, const char*> kForms[] = {
      {"X-Priority:\t1", "'\t' は整数ではありません"},
      {"X-Priority:  1", "' ' は整数ではありません"},
      {"X-Priority: High", "'H' は整数ではありません"},
      {"X-Priority: -1", "'-' は整数ではありません"},
      {"X-Priority: $F", "'$' は整数ではありません"},
  };
  for (auto [line, error] : kForms) {
    std::string m = dir.Write("p.eml", std::string("Subject: t\n") + line + "\n\nbody\n");
    Outcome body = Dump({m});
    EXPECT_EQ(body.status, 0) << line;
    EXPECT_NE(body.out.find(std::string("stamp:\n  error: ") + error +
                            "\n  shown: no image\ncaption: t - Quillet\ntext:\nbody\n"
                            "(end of text)\n"),
              std::string::npos)
        << body.out;
    // Header and source modes leave the stamp alone in the viewer: nothing to report.
    Outcome header = Dump({"--mode", "header", m});
    EXPECT_EQ(header.status, 0);
    EXPECT_EQ(header.out.find("stamp"), std::string::npos) << line;
  }
}

TEST(DumpOutput, LongTextIsPrintedWhole) {
  testsupport::ScratchDir dir;
  // Double-byte characters with no single-byte one for well over a printed piece.
  std::string kanji;
  while (kanji.size() < 200000) kanji += platform::cp932::FromUtf8("日本語");
  std::string m = dir.Write("t.eml", "Subject: s\n\na\n" + kanji + "\nb\n" + kanji + "\n");
  Outcome run = Dump({m});
  std::string utf8 = platform::cp932::ToUtf8(kanji);
  EXPECT_NE(run.out.find("text:\na\n" + utf8 + "\nb\n" + utf8 + "\n(end of text)\n"),
            std::string::npos);
  std::string text = "a\r\n" + kanji + "\r\nb\r\n" + kanji + "\r\n";
  Outcome json = Dump({"--json", m});
  std::string hex;
  for (unsigned char c : text) {
    hex.push_back("0123456789abcdef"[c >> 4]);
    hex.push_back("0123456789abcdef"[c & 15]);
  }
  EXPECT_NE(json.out.find("\"text\":\"" + hex + "\"}\n"), std::string::npos);
}

}  // namespace
}  // namespace dump
