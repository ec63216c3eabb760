#include <gtest/gtest.h>

#include <string>

#include "framework/core/FormData.h"
#include "framework/core/SysUtils.h"
#include "tools/formcompose/FormCompose.h"

namespace {

std::vector<uint8_t> Counting(size_t count) {
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < count; ++i)
    bytes.push_back(static_cast<uint8_t>(i * 7 + 1));
  return bytes;
}

std::string ComposeError(std::string_view text, const TFormBlocks& blocks) {
  try {
    ComposeForm(text, blocks);
  } catch (const Exception& error) {
    return error.Message();
  }
  return "no error";
}

}  // namespace

TEST(FormCompose, ReplacesPlaceholderLinesWithIndentedHexBlocks) {
  const TFormBlocks blocks = {{"Small", {0x00, 0xAB, 0x10}}, {"Wide", Counting(33)}};
  EXPECT_EQ(ComposeForm("a\n  {{Small}}\nb\n", blocks), "a\n  {\n    00AB10}\nb\n");
  // 32 pairs to a line, the brace right after the last pair.
  EXPECT_EQ(ComposeForm("{{Wide}}\n", blocks),
            "{\n"
            "  01080F161D242B323940474E555C636A71787F868D949BA2A9B0B7BEC5CCD3DA\n"
            "  E1}\n");
  EXPECT_EQ(ComposeForm("    {{Small}}", blocks), "    {\n      00AB10}");
}

TEST(FormCompose, CopiesEverythingElseUnchanged) {
  const TFormBlocks blocks = {{"Data", {0x42}}};
  const std::string untouched =
      "object F: TF\r\n  Caption = '{{Data}}'\r\n  X = {{Data}}\r\n  {{Data}} x\r\n"
      "  {{Da ta}}\r\n\r\nend";
  EXPECT_EQ(ComposeForm(untouched, blocks), untouched);
  // A placeholder keeps the template's own line ending, also inside the block.
  EXPECT_EQ(ComposeForm("  {{Data}}\r\nend\r\n", blocks), "  {\r\n    42}\r\nend\r\n");
  EXPECT_EQ(ComposeForm("", blocks), "");
}

TEST(FormCompose, UnknownNamesAndTabsFailWithTheLine) {
  const TFormBlocks blocks = {{"Data", {0x42}}};
  EXPECT_EQ(ComposeError("x\n  {{Other}}\n", blocks), "Line 2: no data given for {{Other}}");
  EXPECT_EQ(ComposeError("\t{{Data}}\n", blocks), "Line 1: {{Data}} must be indented with spaces");
  EXPECT_EQ(PlaceholderName("  {{Bitmap}}  \r\n"), "");
  EXPECT_EQ(PlaceholderName("  {{Bitmap}}\r\n"), "Bitmap");
  EXPECT_EQ(PlaceholderName("{{}}"), "");
}

TEST(FormCompose, ResultReadsBackAsTheSameBytes) {
  const std::vector<uint8_t> bytes = Counting(12838);
  const std::string text = ComposeForm(
      "object StateImageList: TDvImageList\n  Bitmap = \n    {{Bitmap}}\n  Left = 8\nend\n",
      {{"Bitmap", bytes}});
  const TFormObject form = FormData::Parse(text);
  ASSERT_EQ(form.properties.size(), 2u);
  EXPECT_EQ(form.properties[0].name, "Bitmap");
  EXPECT_EQ(form.properties[0].value.kind, TFormValue::Kind::Binary);
  EXPECT_EQ(form.properties[0].value.bytes, bytes);
  EXPECT_EQ(form.properties[1].value.integer, 8);
}
