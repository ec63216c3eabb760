// Builds components from form data: creates each object's component from the class registry,
// applies its properties, resolves references by name once everything exists, then ends loading.
// Portable: never includes windows.h.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/Classes.h"
#include "framework/core/FormData.h"

class TFormLoader {
 public:
  explicit TFormLoader(TComponent* root) : root_(root) {}

  // Reads the whole tree into the root, whose class must be the one the tree names.
  // Failures raise EParserError whose message begins with "Line N:".
  void LoadRoot(const TFormObject& tree);
  // One property (a path such as Font.Style) of an object.
  void ApplyProperty(TPersistent& instance, const TFormProperty& property);
  void ApplyProperties(TPersistent& instance, const std::vector<TFormProperty>& properties);
  void AddFixup(const std::string& name, int line, std::function<void(TComponent*)> assign);
  void ResolveFixups();

 private:
  void LoadChild(const TFormObject& node, TComponent* parent);
  std::string PathOf(const TPersistent& instance, const std::string& property) const;

  struct Fixup {
    std::string name;
    int line;
    std::function<void(TComponent*)> assign;
  };
  TComponent* root_;
  std::vector<Fixup> fixups_;
  std::vector<TComponent*> loaded_;
};

namespace FormReader {
// Parses text and loads it into root (see TFormLoader::LoadRoot).
void ReadRoot(TComponent& root, std::string_view text);
}  // namespace FormReader

namespace FormWriter {
// The form data of root and everything it streams, in text form.
std::string WriteRoot(TComponent& root);
// Lays out a parsed or written tree as text.
std::string FormatObject(const TFormObject& object);
}  // namespace FormWriter
