#include "tests/framework/core/TestComponents.h"

#include <algorithm>

#include "framework/core/Filer.h"
#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"

namespace {
const std::vector<std::string> kAlignNames = {"taTestLeft", "taTestRight", "taTestCenter"};
const std::vector<std::string> kSideNames = {"sdTestLeft", "sdTestTop", "sdTestRight",
                                             "sdTestBottom"};
const std::vector<std::string> kFontStyleNames = {"fsBold", "fsItalic", "fsUnderline",
                                                  "fsStrikeOut"};
const TIdentMap kColorIdents = {
    {clTestBtnFace, "clBtnFace"}, {clTestNone, "clNone"}, {0x008000, "clGreen"}};
}  // namespace

const TClassInfo& TTestFont::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TTestFont, TPersistent>("TTestFont", [](TPropertyBuilder<TTestFont>& b) {
        b.String("Name", &TTestFont::Name, &TTestFont::SetName, "MS Shell Dlg 2");
        b.Integer("Height", &TTestFont::Height, &TTestFont::SetHeight, -11);
        b.Set("Style", &TTestFont::Style, &TTestFont::SetStyle, kFontStyleNames, 0u);
      });
  return info;
}

void TTestFont::Assign(const TPersistent* source) {
  if (const auto* font = dynamic_cast<const TTestFont*>(source)) {
    name_ = font->name_;
    height_ = font->height_;
    style_ = font->style_;
    return;
  }
  TPersistent::Assign(source);
}

const TClassInfo& TTestItem::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TTestItem, TCollectionItem>("TTestItem", [](TPropertyBuilder<TTestItem>& b) {
        b.String("Caption", &TTestItem::Caption, &TTestItem::SetCaption);
        b.Integer("Value", &TTestItem::Value, &TTestItem::SetValue, 0);
      });
  return info;
}

const TClassInfo& TTestWidget::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TTestWidget, TComponent>("TTestWidget", [](TPropertyBuilder<TTestWidget>& b) {
        b.Integer("Width", &TTestWidget::Width, &TTestWidget::SetWidth, 36);
        b.Float("Ratio", &TTestWidget::Ratio, &TTestWidget::SetRatio, std::nullopt,
                [](const TTestWidget& w) { return w.Ratio() != 1.0L; });
        b.String("Caption", &TTestWidget::Caption, &TTestWidget::SetCaption);
        b.Bool("Enabled", &TTestWidget::Enabled, &TTestWidget::SetEnabled, true);
        b.Enum("Align", &TTestWidget::Align, &TTestWidget::SetAlign, kAlignNames, taTestLeft);
        b.Set("Sides", &TTestWidget::Sides, &TTestWidget::SetSides, kSideNames, kAllTestSides);
        b.Integer(
            "Color", [](const TTestWidget& w) { return w.Color(0); },
            [](TTestWidget& w, int64_t c) { w.SetColor(0, static_cast<int32_t>(c)); },
            clTestBtnFace, {}, &kColorIdents);
        b.Integer(
            "ColorTo", [](const TTestWidget& w) { return w.Color(1); },
            [](TTestWidget& w, int64_t c) { w.SetColor(1, static_cast<int32_t>(c)); }, clTestNone,
            {}, &kColorIdents);
        b.Object("Font", &TTestWidget::Font);
        b.Object("Lines", &TTestWidget::Lines);
        b.Object("Items", &TTestWidget::Items);
        b.Component<TTestWidget>("Buddy", &TTestWidget::Buddy, &TTestWidget::SetBuddy);
        b.Event("OnClick", &TTestWidget::OnClick);
      });
  return info;
}

TTestWidget::TTestWidget(TComponent* owner)
    : TComponent(owner),
      items_(this, [](TCollection* c) { return std::make_unique<TTestItem>(c); }) {}

TTestWidget::~TTestWidget() {
  if (parent_ != nullptr) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  for (TTestWidget* child : children_)
    child->parent_ = nullptr;
}

int32_t TTestWidget::Color(int index) const {
  if (index < 0 || index > 1) throw EInvalidPropertyIndex(index);
  return colors_[index];
}

void TTestWidget::SetColor(int index, int32_t color) {
  if (index < 0 || index > 1) throw EInvalidPropertyIndex(index);
  colors_[index] = color;
}

void TTestWidget::SetBuddy(TTestWidget* buddy) {
  if (buddy_ != nullptr) buddy_->RemoveFreeNotification(this);
  buddy_ = buddy;
  if (buddy_ != nullptr) buddy_->FreeNotification(this);
}

void TTestWidget::SetParentComponent(TComponent* parent) {
  parent_ = dynamic_cast<TTestWidget*>(parent);
  if (parent_ != nullptr) parent_->children_.push_back(this);
}

void TTestWidget::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) const {
  for (TTestWidget* child : children_)
    proc(child);
}

void TTestWidget::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  // "OldEnabled" was renamed; old form data still carries it.
  filer.DefineProperty(
      "OldEnabled", [this](TReader& reader) { enabled_ = reader.ReadBoolean(); }, nullptr, false);
  filer.DefineBinaryProperty(
      "Data",
      [this](TStream& stream) {
        data_.resize(static_cast<size_t>(stream.Size()));
        stream.ReadBuffer(data_.data(), stream.Size());
      },
      [this](TStream& stream) {
        stream.WriteBuffer(data_.data(), static_cast<int64_t>(data_.size()));
      },
      !data_.empty());
}

void TTestWidget::Loaded() {
  TComponent::Loaded();
  buddyAtLoaded = buddy_ != nullptr ? buddy_->Name() : "";
  if (auto* form = dynamic_cast<TTestForm*>(Owner())) form->loadLog.push_back(Name());
}

void TTestWidget::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == buddy_) buddy_ = nullptr;
}

const TClassInfo& TTestForm::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TTestForm, TComponent>("TTestForm");
  return info;
}

TTestForm::TTestForm(TComponent* owner) : TComponent(owner) {
  methods_.Add("WidgetClick", this, &TTestForm::WidgetClick);
}

void TTestForm::WidgetClick(TObject* sender) {
  clicks.push_back(static_cast<TTestWidget*>(sender)->Name());
}

void TTestForm::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) const {
  for (int i = 0; i < ComponentCount(); ++i) {
    auto* widget = dynamic_cast<TTestWidget*>(Components(i));
    if (widget != nullptr && widget->ParentWidget() == nullptr) proc(widget);
  }
}

void RegisterTestClasses() {
  ClassRegistry::Register(TTestWidget::StaticClassInfo());
  ClassRegistry::Register(TTestForm::StaticClassInfo());
}
