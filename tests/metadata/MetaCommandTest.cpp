// vnqb meta, run as a program against the sample database built by the build.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct RunResult {
    int Status = -1;
    std::string Out;
    std::string Err;
};

std::string Quoted(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

RunResult RunTool(const std::vector<std::string>& args) {
    const std::string errFile = (std::filesystem::temp_directory_path() / ("vnqb-meta-" + std::to_string(getpid()))).string();
    std::string command = Quoted(VNQB_TOOL) + " meta";
    for (const std::string& arg : args) command += " " + Quoted(arg);
    command += " 2>" + Quoted(errFile);
    RunResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.Out.append(buffer, n);
    const int status = pclose(pipe);
    result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile);
    std::ostringstream text;
    text << err.rdbuf();
    result.Err = text.str();
    std::filesystem::remove(errFile);
    return result;
}

const std::string Odbc = std::string("Driver=SQLite3;Database=") + VNQB_SAMPLE_DB + ";NoCreat=1";
const std::string Tables = "categories\nsuppliers\nproducts\ncustomers\nemployees\norders\norder_items\n";

TEST(MetaCommand, AnswersThroughBothProviders) {
    struct Case {
        std::vector<std::string> Args;
        std::string Out;
    };
    const Case cases[] = {
        {{"--sqlite", VNQB_SAMPLE_DB, "tables"}, Tables},
        {{"--odbc", Odbc, "tables", "--system"}, Tables},
        {{"--sqlite", VNQB_SAMPLE_DB, "views"}, "order_totals\n"},
        {{"--odbc", Odbc, "fields", "select * from ((select city, country as land from customers)) q"},
         "city\nland\n"},
        {{"--odbc", Odbc, "relations", "main.order_items"},
         "orders(order_id) <- order_items(order_id)\n"
         "products(supplier_id,product_code) <- order_items(supplier_id,product_code)\n"},
        {{"--sqlite", VNQB_SAMPLE_DB, "relations", "order_items"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Args.back());
        const RunResult result = RunTool(c.Args);
        EXPECT_EQ(result.Status, 0) << result.Err;
        EXPECT_EQ(result.Out, c.Out);
        EXPECT_EQ(result.Err, "");
    }
}

TEST(MetaCommand, ErrorsGoToStandardErrorWithTheirStatus) {
    struct Case {
        std::vector<std::string> Args;
        int Status;
        std::string ErrPart;
    };
    const Case cases[] = {
        {{"--sqlite", VNQB_SAMPLE_DB, "fields", "select * from nosuch"}, 1, "no such table: nosuch"},
        {{"--odbc", Odbc, "fields", "select * from nosuch"}, 1, "no such table: nosuch"},
        {{"--sqlite", std::string(VNQB_SAMPLE_DB) + ".missing", "tables"}, 1, "unable to open database file"},
        {{"--odbc", "Driver=No Such Driver", "views"}, 1, "No Such Driver"},
        {{"tables"}, 2, "give --odbc CONNECTION-STRING or --sqlite FILE"},
        {{"--sqlite", VNQB_SAMPLE_DB, "fields"}, 2, "fields takes one argument"},
        {{"--sqlite", VNQB_SAMPLE_DB, "columns"}, 2, "unknown question 'columns'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ErrPart);
        const RunResult result = RunTool(c.Args);
        EXPECT_EQ(result.Status, c.Status);
        EXPECT_EQ(result.Out, "");
        EXPECT_NE(result.Err.find(c.ErrPart), std::string::npos) << result.Err;
    }
}

}  // namespace
