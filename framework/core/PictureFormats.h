// The process-wide registries through which a picture finds graphic classes: file formats (by
// extension and by class name) and clipboard formats. Both are searched from the most recent
// registration backwards. Portable: never includes windows.h.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/core/Graphic.h"

template <class G>
TGraphicFactory GraphicFactory() {
  return [] { return std::unique_ptr<TGraphic>(std::make_unique<G>()); };
}

struct TFileFormat {
  std::string extension;  // lower case, without the dot
  std::string description;
  int descriptionResId = 0;  // 0 when the description is given as text
  const TClassInfo* graphicClass = nullptr;
  TGraphicFactory factory;
};

class TFileFormatsList {
 public:
  TFileFormatsList() = default;
  TFileFormatsList(const TFileFormatsList&) = delete;
  TFileFormatsList& operator=(const TFileFormatsList&) = delete;

  void Add(const std::string& extension, const std::string& description, int descriptionResId,
           const TClassInfo& graphicClass, TGraphicFactory factory);
  // Removes every entry whose class is graphicClass or derives from it.
  void Remove(const TClassInfo& graphicClass);
  // The newest entry for the extension (compared in lower case, without the dot); nullptr.
  const TFileFormat* FindExt(const std::string& extension) const;
  // The newest entry whose class has exactly that name; nullptr.
  const TFileFormat* FindClassName(const std::string& className) const;
  // The newest entry of that class; nullptr.
  const TFileFormat* FindClass(const TClassInfo& graphicClass) const;
  // In registration order.
  const std::vector<TFileFormat>& Entries() const { return entries_; }

 private:
  std::vector<TFileFormat> entries_;
};

struct TClipboardFormatEntry {
  TClipboardFormat format = 0;
  const TClassInfo* graphicClass = nullptr;
  TGraphicFactory factory;
};

class TClipboardFormats {
 public:
  TClipboardFormats() = default;
  TClipboardFormats(const TClipboardFormats&) = delete;
  TClipboardFormats& operator=(const TClipboardFormats&) = delete;

  void Add(TClipboardFormat format, const TClassInfo& graphicClass, TGraphicFactory factory);
  // Removes every entry whose class is graphicClass or derives from it.
  void Remove(const TClassInfo& graphicClass);
  // The newest entry for the format; nullptr.
  const TClipboardFormatEntry* FindFormat(TClipboardFormat format) const;
  const std::vector<TClipboardFormatEntry>& Entries() const { return entries_; }

 private:
  std::vector<TClipboardFormatEntry> entries_;
};

// The process's registries.
TFileFormatsList& FileFormats();
TClipboardFormats& ClipboardFormats();
