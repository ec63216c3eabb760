// Small components with one property of every kind, for the property and form-data tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/core/Collections.h"
#include "framework/core/StringList.h"
#include "framework/core/TypInfo.h"

enum TTestAlign { taTestLeft, taTestRight, taTestCenter };
enum TTestSide { sdTestLeft, sdTestTop, sdTestRight, sdTestBottom };
constexpr uint32_t kAllTestSides = 0xF;
constexpr int32_t clTestBtnFace = static_cast<int32_t>(0xFF00000F);
constexpr int32_t clTestNone = 0x1FFFFFFF;

class TTestFont : public TPersistent {
  DV_CLASS(TTestFont)
 public:
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  int Height() const { return height_; }
  void SetHeight(int height) { height_ = height; }
  uint32_t Style() const { return style_; }
  void SetStyle(uint32_t style) { style_ = style; }
  void Assign(const TPersistent* source) override;

 private:
  std::string name_ = "MS Shell Dlg 2";
  int height_ = -11;
  uint32_t style_ = 0;
};

class TTestItem : public TCollectionItem {
  DV_CLASS(TTestItem)
 public:
  using TCollectionItem::TCollectionItem;
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }
  int Value() const { return value_; }
  void SetValue(int value) { value_ = value; }

 private:
  std::string caption_;
  int value_ = 0;
};

class TTestWidget : public TComponent {
  DV_CLASS(TTestWidget)
 public:
  explicit TTestWidget(TComponent* owner);
  ~TTestWidget() override;

  int Width() const { return width_; }
  void SetWidth(int width) { width_ = width; }
  long double Ratio() const { return ratio_; }
  void SetRatio(long double ratio) { ratio_ = ratio; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  TTestAlign Align() const { return align_; }
  void SetAlign(TTestAlign align) { align_ = align; }
  uint32_t Sides() const { return sides_; }
  void SetSides(uint32_t sides) { sides_ = sides; }
  int32_t Color(int index) const;
  void SetColor(int index, int32_t color);
  TTestFont* Font() { return &font_; }
  TStringList* Lines() { return &lines_; }
  TCollection* Items() { return &items_; }
  TTestWidget* Buddy() const { return buddy_; }
  void SetBuddy(TTestWidget* buddy);
  const std::vector<uint8_t>& Data() const { return data_; }
  void SetData(std::vector<uint8_t> data) { data_ = std::move(data); }

  TNotifyEvent OnClick;

  // The form-data parent (nested objects) and the order Loaded ran in.
  TTestWidget* ParentWidget() const { return parent_; }
  bool HasParent() const override { return parent_ != nullptr; }
  TComponent* GetParentComponent() const override { return parent_; }
  void SetParentComponent(TComponent* parent) override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;
  void DefineProperties(TFiler& filer) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

  std::string buddyAtLoaded;

 private:
  int width_ = 36;
  long double ratio_ = 1.0L;
  std::string caption_;
  bool enabled_ = true;
  TTestAlign align_ = taTestLeft;
  uint32_t sides_ = kAllTestSides;
  int32_t colors_[2] = {clTestBtnFace, clTestNone};
  TTestFont font_;
  TStringList lines_;
  TCollection items_;
  TTestWidget* buddy_ = nullptr;
  TTestWidget* parent_ = nullptr;
  std::vector<TTestWidget*> children_;
  std::vector<uint8_t> data_;
};

class TTestForm : public TComponent {
  DV_CLASS(TTestForm)
 public:
  explicit TTestForm(TComponent* owner);
  const TMethodTable* Methods() const override { return &methods_; }
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;
  void WidgetClick(TObject* sender);

  std::vector<std::string> clicks;
  std::vector<std::string> loadLog;

 private:
  TMethodTable methods_;
};

// Registers the test classes for form reading (idempotent).
void RegisterTestClasses();
