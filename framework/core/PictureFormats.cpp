#include "framework/core/PictureFormats.h"

#include <algorithm>

#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"

namespace {
template <class Entry>
void RemoveClass(std::vector<Entry>& entries, const TClassInfo& graphicClass) {
  std::erase_if(entries,
                [&](const Entry& entry) { return entry.graphicClass->InheritsFrom(graphicClass); });
}

template <class Entry, class Match>
const Entry* FindNewest(const std::vector<Entry>& entries, Match match) {
  const auto found = std::find_if(entries.rbegin(), entries.rend(), match);
  return found == entries.rend() ? nullptr : &*found;
}

std::string BareExtension(const std::string& extension) {
  std::string bare = LowerCaseAscii(extension);
  if (!bare.empty() && bare.front() == '.') bare.erase(0, 1);
  return bare;
}
}  // namespace

void TFileFormatsList::Add(const std::string& extension, const std::string& description,
                           int descriptionResId, const TClassInfo& graphicClass,
                           TGraphicFactory factory) {
  entries_.push_back(TFileFormat{BareExtension(extension), description, descriptionResId,
                                 &graphicClass, std::move(factory)});
}

void TFileFormatsList::Remove(const TClassInfo& graphicClass) {
  RemoveClass(entries_, graphicClass);
}

const TFileFormat* TFileFormatsList::FindExt(const std::string& extension) const {
  const std::string bare = BareExtension(extension);
  return FindNewest(entries_, [&](const TFileFormat& entry) { return entry.extension == bare; });
}

const TFileFormat* TFileFormatsList::FindClassName(const std::string& className) const {
  return FindNewest(
      entries_, [&](const TFileFormat& entry) { return entry.graphicClass->Name() == className; });
}

const TFileFormat* TFileFormatsList::FindClass(const TClassInfo& graphicClass) const {
  return FindNewest(entries_,
                    [&](const TFileFormat& entry) { return entry.graphicClass == &graphicClass; });
}

void TClipboardFormats::Add(TClipboardFormat format, const TClassInfo& graphicClass,
                            TGraphicFactory factory) {
  entries_.push_back(TClipboardFormatEntry{format, &graphicClass, std::move(factory)});
}

void TClipboardFormats::Remove(const TClassInfo& graphicClass) {
  RemoveClass(entries_, graphicClass);
}

const TClipboardFormatEntry* TClipboardFormats::FindFormat(TClipboardFormat format) const {
  return FindNewest(entries_,
                    [&](const TClipboardFormatEntry& entry) { return entry.format == format; });
}

TFileFormatsList& FileFormats() {
  static TFileFormatsList list;
  return list;
}

TClipboardFormats& ClipboardFormats() {
  static TClipboardFormats formats;
  return formats;
}
