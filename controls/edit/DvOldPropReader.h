// Reads values of obsolete property names in old form data.
#pragma once

#include "controls/common/DvCommonTypes.h"

class TFiler;
class TReader;

class TDvOldPropReader {
 public:
  // Both fail as the form reader does when the value is not of that kind.
  static void ReadAndDiscardBoolean(TReader& reader);
  static void ReadAndDiscardIdent(TReader& reader);
  // An identifier naming a frame style (fsNone..fsFlatBold): true and style set; another
  // identifier leaves style alone and answers false.
  static bool ReadFrameStyle(TReader& reader, TFrameStyle& style);
  // The frame's obsolete names, read (never written) into the given fields: "FrameFlat" (hot
  // tracking, which also picks the status look), "FrameFocusStyle", "FrameFlatStyle" (dropped).
  static void DefineFrameProperties(TFiler& filer, bool& hotTrack, TFrameStyle& style,
                                    TFrameStyle& hotStyle);
};
