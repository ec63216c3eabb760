#include "controls/edit/DvOldPropReader.h"

#include "framework/core/Filer.h"
#include "framework/core/SysUtils.h"

void TDvOldPropReader::ReadAndDiscardBoolean(TReader& reader) {
  reader.ReadBoolean();
}

void TDvOldPropReader::ReadAndDiscardIdent(TReader& reader) {
  reader.ReadIdent();
}

bool TDvOldPropReader::ReadFrameStyle(TReader& reader, TFrameStyle& style) {
  const std::string name = reader.ReadIdent();
  const auto& names = FrameStyleNames();
  for (size_t i = 0; i < names.size(); ++i) {
    if (SameTextAscii(names[i], name)) {
      style = static_cast<TFrameStyle>(i);
      return true;
    }
  }
  return false;
}

void TDvOldPropReader::DefineFrameProperties(TFiler& filer, bool& hotTrack, TFrameStyle& style,
                                             TFrameStyle& hotStyle) {
  filer.DefineProperty(
      "FrameFlat",
      [&hotTrack, &style, &hotStyle](TReader& reader) {
        hotTrack = reader.ReadBoolean();
        if (hotTrack) {
          style = fsStatus;
          hotStyle = fsLowered;
        }
      },
      nullptr, false);
  filer.DefineProperty(
      "FrameFocusStyle", [&hotStyle](TReader& reader) { ReadFrameStyle(reader, hotStyle); },
      nullptr, false);
  filer.DefineProperty("FrameFlatStyle", &ReadAndDiscardIdent, nullptr, false);
}
