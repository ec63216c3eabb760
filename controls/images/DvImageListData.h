// The stored image data of an image list ("Bitmap" in form data) through the platform's own
// reader and writer: ImageList_Read, and ImageList_WriteEx / ImageList_Write.
#pragma once

// The platform's stream functions are declared only when IStream is known.
#include <windows.h>
#include <objidl.h>
#include <commctrl.h>

#include <functional>

#include "framework/win/imagelists/ImageListHandle.h"

class TStream;

// The platform reader, replaceable for tests.
using TImageListReadCall = std::function<HIMAGELIST(IStream*)>;
HIMAGELIST PlatformImageListRead(IStream* stream);

// Reads the stored data from the stream's position to its end into a new platform list and
// leaves the stream after the bytes the list took. "IL" data is checked by the portable reader
// first, then read by the platform; data whose flags byte is 1 (masks without a colour depth) is
// read once more with the depth of its images bitmap merged into that byte. Data of the older
// layout (cells of cellWidth x cellHeight) is converted to the "IL" layout first. Every failure
// raises EReadError "Failed to read ImageList data from stream"; the stream position is then
// unspecified.
ImageListHandle ReadImageListData(TStream& stream, int cellWidth, int cellHeight,
                                  const TImageListReadCall& read = PlatformImageListRead);

enum class TImageListWriter { iwWrite, iwWriteExDownlevel };
// ImageList_WriteEx with ILP_DOWNLEVEL when comctl32 is version 6 or later and exports it.
TImageListWriter ChooseImageListWriter(int commonControlsMajorVersion, bool exportsWriteEx);

// The platform writers and the comctl32 version they come with, replaceable for tests.
struct TImageListWriteCalls {
  int commonControlsMajorVersion = 0;
  // ImageList_WriteEx(list, flags, stream); empty when comctl32 does not export it.
  std::function<HRESULT(HIMAGELIST, DWORD, IStream*)> writeEx;
  // ImageList_Write(list, stream).
  std::function<BOOL(HIMAGELIST, IStream*)> write;
};
// This process's comctl32: its version, ImageList_WriteEx looked up by name, ImageList_Write.
TImageListWriteCalls PlatformImageListWriteCalls();

// Writes the list at the stream's position with the writer ChooseImageListWriter picks. Fails
// with EWriteError "Failed to write ImageList data to stream".
void WriteImageListData(HIMAGELIST list, TStream& stream,
                        const TImageListWriteCalls& calls = PlatformImageListWriteCalls());
