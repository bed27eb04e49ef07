#pragma once
// A test suite whose tests share one copy of the sample database (with the test
// objects and ANALYZE run), built once per suite.
#include <gtest/gtest.h>

#include "tests/db/SqliteTestFile.h"

class SampleDatabaseTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { File = new SqliteTestFile(SqliteTestFile::SampleScripts(), "ANALYZE;"); }
    static void TearDownTestSuite() {
        delete File;
        File = nullptr;
    }

    static inline SqliteTestFile* File = nullptr;
};
