#include <gtest/gtest.h>

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"

TEST(MemoryStream, ReadBufferPastTheEndFailsWithStreamReadError) {
  TMemoryStream stream(std::vector<uint8_t>{1, 2, 3});
  uint8_t bytes[4] = {};
  try {
    stream.ReadBuffer(bytes, 4);
    FAIL() << "no error";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Stream read error");
  }
}

TEST(MemoryStream, WriteBeyondTheEndZeroFillsTheGapAndLittleEndianRoundTrips) {
  TMemoryStream stream;
  stream.SetPosition(2);
  stream.WriteUInt32LE(0x11223344u);
  EXPECT_EQ(stream.Size(), 6);
  EXPECT_EQ(stream.Bytes(), (std::vector<uint8_t>{0, 0, 0x44, 0x33, 0x22, 0x11}));
  stream.SetPosition(2);
  EXPECT_EQ(stream.ReadUInt32LE(), 0x11223344u);
  EXPECT_EQ(stream.Read(nullptr, 1), 0);
}

TEST(Format, FormatsLikePrintfAndCannotAssignNamesBothClasses) {
  EXPECT_EQ(Format("Invalid data type for '%s'", "Enable"), "Invalid data type for 'Enable'");
  EXPECT_EQ(EInvalidPropertyIndex(2).Message(), "Invalid property index 2.");
  try {
    ThrowCannotAssign("TDvMenuFantasyStyler", "TDvMenuStyler");
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TDvMenuFantasyStyler to a TDvMenuStyler");
  }
}
