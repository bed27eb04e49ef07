// The vnqb tool as a user runs it: output, error line and exit status.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class VnqbTool : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/vnqb_tool_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

  // Runs vnqb with args; the input text goes to standard input, or into a
  // file named input.sql that args may name.
  ToolRun Vnqb(const std::string& args, const std::string& input = "") {
    const std::string in = dir_ + "/input.sql", out = dir_ + "/out", err = dir_ + "/err";
    std::ofstream(in, std::ios::binary) << input;
    const std::string command =
        "cd '" + dir_ + "' && '" VNQB_PATH "' " + args + " < input.sql > '" + out + "' 2> '" + err + "'";
    int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
  }

  std::string dir_;
};

TEST_F(VnqbTool, TokensListKindLineColumnAndText) {
  ToolRun run = Vnqb("tokens", "SELECT a,\r\n  'x\ty' FROM t");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "23 1 1 SELECT\n4 1 8 a\n12 1 9 ,\n7 2 3 'x\\ty'\n30 2 9 FROM\n4 2 14 t\n0 2 15 EOF\n");
}

TEST_F(VnqbTool, FormatPrintsEachLayoutAndEntryPoint) {
  const struct {
    const char* args;
    const char* input;
    const char* output;
  } kCases[] = {
      {"format", "select a,b from t where a=1 order by b desc", "SELECT a, b\nFROM t\nWHERE a=1\nORDER BY b DESC\n"},
      {"format --single-line", "SELECT a FROM t\nWHERE a = 1", "SELECT a FROM t WHERE a=1\n"},
      {"format --single-line input.sql", "SELECT [date] FROM t", "SELECT [date] FROM t\n"},
      {"format --as expression --single-line -", "a + b * 2", "a+b*2\n"},
      {"format --as condition --single-line", "NOT a = 1 OR b IS NULL", "Not a=1 Or b IS NULL\n"},
      {"format --as criteria --single-line", "> 5 AND < 9", ">5 And <9\n"},
      {"format --as object --single-line", "db..tbl", "db..tbl\n"},
      {"format --as select-item --single-line", "x = a + 1", "x=a+1\n"},
      {"format --html --as condition", "a < 1", "<i>a</i><font color=#7f7fff>&lt;</font>1\n"},
  };
  for (const auto& c : kCases) {
    ToolRun run = Vnqb(c.args, c.input);
    EXPECT_EQ(run.status, 0) << c.args << ": " << run.err;
    EXPECT_EQ(run.out, c.output) << c.args;
    EXPECT_EQ(run.err, "") << c.args;
  }
}

TEST_F(VnqbTool, TreeShowsOneNodePerLineIndentedByLevel) {
  ToolRun run = Vnqb("tree --as condition", "a NOT IN (1, 2)");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "TSQLExpressionInSet not=true\n"
            "  TSQLExpressionColumn\n"
            "    TSQLObjectColumn names=a\n"
            "  TSQLExpressionsList\n"
            "    TSQLExpressionConstant value=1\n"
            "    TSQLExpressionConstant value=2\n");
}

TEST_F(VnqbTool, SyntaxErrorGivesOneLineAndStatusOne) {
  const struct {
    const char* args;
    const char* input;
    const char* error;
  } kCases[] = {
      {"format", "SELECT a\nFROM t;", "line 2, col 7: Bad SELECT statement at ';'\n"},
      {"tree", "", "line 1, col 1: Bad SELECT statement at 'EOF'\n"},
      {"format --as expression", "a +", "line 1, col 3: Bad expression at '+'\n"},
      {"format --as condition", "> 5", "line 1, col 1: Bad logical expression at '>'\n"},
  };
  for (const auto& c : kCases) {
    ToolRun run = Vnqb(c.args, c.input);
    EXPECT_EQ(run.status, 1) << c.args;
    EXPECT_EQ(run.out, "") << c.args;
    EXPECT_EQ(run.err, c.error) << c.args;
  }
}

TEST_F(VnqbTool, UsageErrorsGiveStatusTwoAndTheUsage) {
  for (const char* args : {"", "nonsense", "format --as table", "format --single-line --html", "format --bogus",
                           "format missing.sql", "format a.sql b.sql", "tree --as", "tokens --html"}) {
    ToolRun run = Vnqb(args, "SELECT 1");
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_EQ(run.out, "") << args;
    EXPECT_NE(run.err.find("usage: vnqb"), std::string::npos) << args << ": " << run.err;
  }
}

TEST_F(VnqbTool, VersionStaysAvailable) {
  ToolRun run = Vnqb("--version");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("vnqb ", 0), 0u);
}

}  // namespace
