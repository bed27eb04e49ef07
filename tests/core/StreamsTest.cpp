// Streams: reading and writing at the position, seeking, truncating.
#include <gtest/gtest.h>

#include "platform/core/Classes.h"

namespace {

TEST(Streams, StringStreamReadsItsTextFromTheStart) {
    TStringStream s("SELECT 1");
    EXPECT_EQ(s.Position(), 0);
    EXPECT_EQ(s.Size(), 8);
    EXPECT_EQ(s.ReadString(6), "SELECT");
    EXPECT_EQ(s.ReadString(100), " 1");
    EXPECT_EQ(s.ReadString(1), "");
    char c;
    EXPECT_EQ(s.Read(&c, 1), 0);
    EXPECT_THROW(s.ReadBuffer(&c, 1), EReadError);
}

TEST(Streams, SettingTheSizeTruncatesAndClampsThePosition) {
    TStringStream s;
    s.WriteString("abcdef");
    s.SetSize(0);
    EXPECT_EQ(s.DataString(), "");
    EXPECT_EQ(s.Position(), 0);
    s.WriteString("xyz");
    s.SetPosition(1);
    s.WriteString("Y");
    EXPECT_EQ(s.DataString(), "xYz");
    s.SetSize(2);
    EXPECT_EQ(s.DataString(), "xY");
    EXPECT_EQ(s.Position(), 2);
}

TEST(Streams, SeekAndWriteBeyondTheEndFillsWithZeros) {
    TMemoryStream m;
    EXPECT_EQ(m.Seek(2, soBeginning), 2);
    m.WriteBuffer("ab", 2);
    EXPECT_EQ(m.Size(), 4);
    EXPECT_EQ(std::string(m.Memory(), 4), std::string("\0\0ab", 4));
    EXPECT_EQ(m.Seek(-1, soEnd), 3);
    EXPECT_EQ(m.Seek(-1, soCurrent), 2);
    EXPECT_EQ(m.Seek(-10, soCurrent), 0);
}

TEST(Streams, CopyFromTakesTheWholeSourceWhenCountIsZero) {
    TStringStream source(std::string(20000, 'q') + "end");
    source.SetPosition(5);
    TStringStream dest;
    EXPECT_EQ(dest.CopyFrom(&source, 0), 20003);
    EXPECT_EQ(dest.DataString(), source.DataString());
    source.SetPosition(20000);
    TStringStream part;
    part.CopyFrom(&source, 3);
    EXPECT_EQ(part.DataString(), "end");
    EXPECT_THROW(part.CopyFrom(&source, 1), EReadError);
}

}  // namespace
