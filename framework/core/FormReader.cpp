#include "framework/core/FormReader.h"

#include "framework/core/Filer.h"
#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"

namespace {

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t dot = path.find('.', start);
    parts.push_back(path.substr(start, dot - start));
    if (dot == std::string::npos) return parts;
    start = dot + 1;
  }
}

[[noreturn]] void FailAt(int line, const std::string& what) {
  throw EParserError(Format("Line %d: %s", line, what.c_str()));
}

std::string DisplayName(const TPersistent& instance) {
  if (const auto* component = dynamic_cast<const TComponent*>(&instance))
    if (!component->Name().empty()) return component->Name();
  return instance.ClassName();
}

}  // namespace

void TFormLoader::LoadRoot(const TFormObject& tree) {
  if (!SameTextAscii(tree.className, root_->ClassName()))
    FailAt(tree.line, Format("Form data of a %s cannot be read into a %s", tree.className.c_str(),
                             root_->ClassName().c_str()));
  if (!tree.name.empty()) root_->SetName(tree.name);
  root_->SetLoadingState(true);
  loaded_.push_back(root_);
  ApplyProperties(*root_, tree.properties);
  for (const TFormObject& child : tree.children)
    LoadChild(child, root_);
  ResolveFixups();
  // Every reference is set: now each component finishes loading, in creation order.
  const std::vector<TComponent*> loaded = std::move(loaded_);
  loaded_.clear();
  for (TComponent* component : loaded)
    component->Loaded();
}

void TFormLoader::LoadChild(const TFormObject& node, TComponent* parent) {
  const TClassInfo* info = ClassRegistry::FindClass(node.className);
  if (info == nullptr) FailAt(node.line, Format("Class %s not found", node.className.c_str()));
  if (!info->CanCreate())
    FailAt(node.line, Format("Class %s cannot be created", node.className.c_str()));
  if (!node.name.empty() && root_->FindComponent(node.name) != nullptr)
    FailAt(node.line, Format("A component named %s already exists", node.name.c_str()));
  TComponent* component = nullptr;
  try {
    std::unique_ptr<TComponent> created = info->CreateComponent(root_);
    component = created.get();
    component->SetLoadingState(true);
    component->SetName(node.name);
    root_->InsertComponent(std::move(created));
    loaded_.push_back(component);
    component->SetParentComponent(parent);
  } catch (const EAbort&) {
    throw;
  } catch (const Exception& e) {
    FailAt(node.line, Format("Error creating %s: %s", node.name.c_str(), e.Message().c_str()));
  }
  ApplyProperties(*component, node.properties);
  for (const TFormObject& child : node.children)
    LoadChild(child, component);
}

void TFormLoader::ApplyProperties(TPersistent& instance,
                                  const std::vector<TFormProperty>& properties) {
  for (const TFormProperty& property : properties)
    ApplyProperty(instance, property);
}

void TFormLoader::ApplyProperty(TPersistent& instance, const TFormProperty& property) {
  const int line = property.line != 0 ? property.line : property.value.line;
  try {
    const std::vector<std::string> path = SplitPath(property.name);
    TPersistent* target = &instance;
    for (size_t i = 0; i + 1 < path.size(); ++i) {
      const TPropInfo* info = target->ClassInfo().FindProperty(path[i]);
      TPersistent* sub = info != nullptr ? info->GetObject(*target) : nullptr;
      if (sub == nullptr) throw Exception(Format("Property %s does not exist", path[i].c_str()));
      target = sub;
    }
    TReader reader(this, root_, property.value, path.back());
    if (const TPropInfo* info = target->ClassInfo().FindProperty(path.back())) {
      info->Read(*target, reader);
    } else {
      target->DefineProperties(reader);
      if (!reader.Handled())
        throw Exception(Format("Property %s does not exist", path.back().c_str()));
    }
  } catch (const EAbort&) {
    throw;
  } catch (const EParserError&) {
    throw;
  } catch (const Exception& e) {
    FailAt(line, Format("Error reading %s.%s: %s", DisplayName(instance).c_str(),
                        property.name.c_str(), e.Message().c_str()));
  }
}

void TFormLoader::AddFixup(const std::string& name, int line,
                           std::function<void(TComponent*)> assign) {
  fixups_.push_back(Fixup{name, line, std::move(assign)});
}

void TFormLoader::ResolveFixups() {
  std::vector<Fixup> fixups = std::move(fixups_);
  fixups_.clear();
  for (Fixup& fixup : fixups) {
    std::string name = fixup.name;
    // A reference qualified by the root's own name stays inside this form.
    if (root_ != nullptr && !root_->Name().empty()) {
      const std::string prefix = root_->Name() + ".";
      if (name.size() > prefix.size() && SameTextAscii(name.substr(0, prefix.size()), prefix))
        name = name.substr(prefix.size());
    }
    TComponent* target = nullptr;
    if (root_ != nullptr)
      target = SameTextAscii(name, root_->Name()) ? root_ : root_->FindComponent(name);
    if (target == nullptr) FailAt(fixup.line, Format("Component %s not found", fixup.name.c_str()));
    try {
      fixup.assign(target);
    } catch (const EAbort&) {
      throw;
    } catch (const Exception& e) {
      FailAt(fixup.line, Format("Error setting the reference to %s: %s", fixup.name.c_str(),
                                e.Message().c_str()));
    }
  }
}

namespace FormReader {
void ReadRoot(TComponent& root, std::string_view text) {
  const TFormObject tree = FormData::Parse(text);
  TFormLoader(&root).LoadRoot(tree);
}
}  // namespace FormReader

namespace FormWriter {

static void AppendObject(std::string& out, const TFormObject& object, int indent) {
  const std::string pad(static_cast<size_t>(indent), ' ');
  out += pad + (object.inherited ? "inherited " : "object ");
  out += object.name.empty() ? object.className : object.name + ": " + object.className;
  out += '\n';
  for (const TFormProperty& property : object.properties)
    out += pad + "  " + property.name + " = " + FormData::FormatValue(property.value, indent + 2) +
           "\n";
  for (const TFormObject& child : object.children)
    AppendObject(out, child, indent + 2);
  out += pad + "end\n";
}

std::string FormatObject(const TFormObject& object) {
  std::string out;
  AppendObject(out, object, 0);
  return out;
}

std::string WriteRoot(TComponent& root) {
  TWriter writer(&root);
  return FormatObject(writer.WriteComponent(root));
}

}  // namespace FormWriter
