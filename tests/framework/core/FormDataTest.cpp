#include <gtest/gtest.h>

#include "framework/core/FormReader.h"
#include "framework/core/SysUtils.h"
#include "tests/framework/core/TestComponents.h"

namespace {

// A tree with a value of every kind; this is also exactly how the writer lays it out.
const char kFullForm[] =
    "object Form1: TTestForm\n"
    "  object Panel: TTestWidget\n"
    "    Width = 286\n"
    "    Ratio = 2.5\n"
    "    Caption = 'It''s'#13#10'two lines'#200\n"
    "    Enabled = False\n"
    "    Align = taTestCenter\n"
    "    Sides = [sdTestLeft, sdTestBottom]\n"
    "    Color = clGreen\n"
    "    ColorTo = 16053492\n"
    "    Font.Name = 'Verdana'\n"
    "    Font.Style = [fsBold]\n"
    "    Lines.Strings = (\n"
    "      'first'\n"
    "      ''\n"
    "      'third')\n"
    "    Items = <\n"
    "      item\n"
    "        Caption = 'one'\n"
    "        Value = 1\n"
    "      end\n"
    "      item\n"
    "        Caption = 'two'\n"
    "      end>\n"
    "    Buddy = Child\n"
    "    OnClick = WidgetClick\n"
    "    Data = {\n"
    "      0B54447647494649}\n"
    "    object Child: TTestWidget\n"
    "      Buddy = Panel\n"
    "    end\n"
    "  end\n"
    "end\n";

class FormDataTest : public testing::Test {
 protected:
  void SetUp() override { RegisterTestClasses(); }

  std::string LoadError(const std::string& text) {
    TTestForm form(nullptr);
    try {
      FormReader::ReadRoot(form, text);
    } catch (const EParserError& e) {
      return e.Message();
    }
    return "no error";
  }
};

TEST_F(FormDataTest, ReadsEveryValueKindAndWritesTheSameTextBack) {
  TTestForm form(nullptr);
  FormReader::ReadRoot(form, kFullForm);
  auto* panel = dynamic_cast<TTestWidget*>(form.FindComponent("Panel"));
  auto* child = dynamic_cast<TTestWidget*>(form.FindComponent("Child"));
  ASSERT_NE(panel, nullptr);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(form.Name(), "Form1");
  EXPECT_EQ(panel->Width(), 286);
  EXPECT_EQ(panel->Ratio(), 2.5L);
  EXPECT_EQ(panel->Caption(), std::string("It's\r\ntwo lines\xC8"));
  EXPECT_FALSE(panel->Enabled());
  EXPECT_EQ(panel->Align(), taTestCenter);
  EXPECT_EQ(panel->Sides(), 0x9u);
  EXPECT_EQ(panel->Color(0), 0x008000);
  EXPECT_EQ(panel->Color(1), 16053492);
  EXPECT_EQ(panel->Font()->Name(), "Verdana");
  EXPECT_EQ(panel->Font()->Height(), -11);
  EXPECT_EQ(panel->Font()->Style(), 1u);
  EXPECT_EQ(panel->Lines()->Lines(), (std::vector<std::string>{"first", "", "third"}));
  ASSERT_EQ(panel->Items()->Count(), 2);
  EXPECT_EQ(static_cast<TTestItem*>(panel->Items()->Items(0))->Value(), 1);
  EXPECT_EQ(static_cast<TTestItem*>(panel->Items()->Items(1))->Caption(), "two");
  EXPECT_EQ(panel->Buddy(), child);
  EXPECT_EQ(child->Buddy(), panel);
  EXPECT_EQ(child->ParentWidget(), panel);
  EXPECT_EQ(panel->Data(), (std::vector<uint8_t>{0x0B, 0x54, 0x44, 0x76, 0x47, 0x49, 0x46, 0x49}));
  panel->OnClick(panel);
  EXPECT_EQ(form.clicks, std::vector<std::string>{"Panel"});

  EXPECT_EQ(FormWriter::WriteRoot(form), kFullForm);
}

TEST_F(FormDataTest, DefaultsAreLeftOutAndStoredRulesDecide) {
  TTestForm form(nullptr);
  form.SetName("Form1");
  auto& widget = TComponent::Create<TTestWidget>(form);
  widget.SetName("Fresh");
  EXPECT_EQ(FormWriter::WriteRoot(form),
            "object Form1: TTestForm\n  object Fresh: TTestWidget\n  end\nend\n");

  // Ratio has no declared default; its stored rule leaves out exactly 1.
  widget.SetRatio(1.0L);
  widget.SetCaption("");
  EXPECT_EQ(FormWriter::WriteRoot(form).find("Ratio"), std::string::npos);
  widget.SetRatio(0.0L);
  EXPECT_NE(FormWriter::WriteRoot(form).find("    Ratio = 0.0\n"), std::string::npos);
}

TEST_F(FormDataTest, EndOfLoadingRunsAfterReferencesInCreationOrder) {
  TTestForm form(nullptr);
  FormReader::ReadRoot(form,
                       "object F: TTestForm\n"
                       "  object A: TTestWidget\n    Buddy = B\n  end\n"
                       "  object B: TTestWidget\n  end\nend\n");
  EXPECT_EQ(form.loadLog, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(static_cast<TTestWidget*>(form.FindComponent("A"))->buddyAtLoaded, "B");
  EXPECT_FALSE(form.FindComponent("A")->IsLoading());
  EXPECT_FALSE(form.IsLoading());
}

TEST_F(FormDataTest, ObsoletePropertyNamesAreReadThroughTheirReaders) {
  TTestForm form(nullptr);
  FormReader::ReadRoot(
      form, "object F: TTestForm\n object W: TTestWidget\n OldEnabled = False\n end\nend");
  EXPECT_FALSE(static_cast<TTestWidget*>(form.FindComponent("W"))->Enabled());
  // They are never written back.
  EXPECT_EQ(FormWriter::WriteRoot(form).find("OldEnabled"), std::string::npos);
}

TEST_F(FormDataTest, MalformedFormDataFailsWithTheLine) {
  EXPECT_EQ(LoadError("object F: TTestForm\n  object W: TTestWidget\n"), "Line 3: 'end' expected");
  EXPECT_EQ(LoadError("object F: TTestForm\n  object W: TNoSuchClass\n  end\nend"),
            "Line 2: Class TNoSuchClass not found");
  EXPECT_EQ(LoadError("object F: TTestForm\n  object W: TTestWidget\n    Colour = 1\n  end\nend"),
            "Line 3: Error reading W.Colour: Property Colour does not exist");
  EXPECT_EQ(LoadError("object F: TTestForm\n object W: TTestWidget\n Align = taNowhere\n end\nend"),
            "Line 3: Error reading W.Align: Invalid property value");
  EXPECT_EQ(LoadError("object F: TTestForm\n object W: TTestWidget\n Width = 'wide'\n end\nend"),
            "Line 3: Error reading W.Width: Invalid property value");
  EXPECT_EQ(LoadError("object F: TTestForm\n object W: TTestWidget\n\n Buddy = Nobody\n end\nend"),
            "Line 4: Component Nobody not found");
  EXPECT_EQ(
      LoadError("object F: TTestForm\n object W: TTestWidget\n OnClick = NoSuchMethod\n end\nend"),
      "Line 3: Error reading W.OnClick: Method NoSuchMethod not found");
  EXPECT_EQ(LoadError("object F: TTestForm\n object W: TTestWidget\n Caption = 'open\n end\nend"),
            "Line 3: Unterminated string");
  EXPECT_EQ(LoadError("object F: TTestForm\n object W: TTestWidget\n Data = {ABC}\n end\nend"),
            "Line 3: Odd number of hexadecimal digits in binary data");
  EXPECT_EQ(
      LoadError(
          "object F: TTestForm\n object W: TTestWidget\n Width = 99999999999999999999\n end\nend"),
      "Line 3: Integer out of range");
  EXPECT_EQ(
      LoadError(
          "object F: TTestForm\n object W: TTestWidget\n end\n object W: TTestWidget\n end\nend"),
      "Line 4: A component named W already exists");
  // A name that is no identifier could not be written back as an object's name.
  EXPECT_EQ(LoadError("object F: TTestForm\n object W: TTestWidget\n  Name = 'V{x'\n end\nend"),
            "Line 3: Error reading W.Name: 'V{x' is not a valid component name");
  EXPECT_EQ(LoadError("object F: TTestForm\n Name = '9Lives'\nend"),
            "Line 2: Error reading F.Name: '9Lives' is not a valid component name");
  EXPECT_EQ(LoadError("object F: TTestWidget\nend"),
            "Line 1: Form data of a TTestWidget cannot be read into a TTestForm");
  EXPECT_EQ(LoadError("object F: TTestForm\nend\nobject"), "Line 3: Text after the final 'end'");
  std::string deep = "object F: TTestForm\n Tag = ";
  for (int i = 0; i < 200; ++i)
    deep += "(";
  EXPECT_EQ(LoadError(deep), "Line 2: Values nested too deeply");
}

TEST(PropertyMachinery, IndexedPairsRefuseOtherIndexes) {
  TTestWidget widget(nullptr);
  widget.SetColor(1, 0x123456);
  EXPECT_EQ(widget.Color(1), 0x123456);
  try {
    widget.SetColor(2, 0);
    FAIL() << "no error";
  } catch (const EInvalidPropertyIndex& e) {
    EXPECT_EQ(e.Message(), "Invalid property index 2.");
  }
}

TEST(PropertyMachinery, ValuesAreReadAndSetByNameThroughTheirTextForm) {
  TTestWidget widget(nullptr);
  const TClassInfo& info = widget.ClassInfo();
  const TPropInfo* sides = info.FindProperty("sides");
  ASSERT_NE(sides, nullptr);
  EXPECT_EQ(sides->GetAsText(widget), "[sdTestLeft, sdTestTop, sdTestRight, sdTestBottom]");
  sides->SetAsText(widget, "[sdTestTop]");
  EXPECT_EQ(widget.Sides(), 0x2u);
  info.FindProperty("Color")->SetAsText(widget, "clNone");
  EXPECT_EQ(widget.Color(0), clTestNone);
  EXPECT_EQ(info.FindProperty("Color")->GetAsText(widget), "clNone");
  EXPECT_EQ(info.FindProperty("Caption")->GetAsText(widget), "''");
  EXPECT_EQ(info.FindProperty("NoSuchThing"), nullptr);
  EXPECT_THROW(info.FindProperty("Enabled")->SetAsText(widget, "Maybe"), Exception);
}

TEST(PropertyMachinery, RemovalClearsReferencesHeldByOthers) {
  TTestForm form(nullptr);
  auto& a = TComponent::Create<TTestWidget>(form);
  a.SetName("A");
  auto& b = TComponent::Create<TTestWidget>(form);
  b.SetName("B");
  a.SetBuddy(&b);
  TComponent::Destroy(b);
  EXPECT_EQ(a.Buddy(), nullptr);
  EXPECT_EQ(form.ComponentCount(), 1);

  // A component outside the owner hears of it through its free notification.
  TTestWidget outsider(nullptr);
  auto& c = TComponent::Create<TTestWidget>(form);
  outsider.SetBuddy(&c);
  TComponent::Destroy(c);
  EXPECT_EQ(outsider.Buddy(), nullptr);
}

TEST(PropertyMachinery, AssignmentBetweenUnrelatedClassesNamesBoth) {
  TTestFont font;
  TStringList lines;
  try {
    font.Assign(&lines);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TStringList to a TTestFont");
  }
}

}  // namespace
