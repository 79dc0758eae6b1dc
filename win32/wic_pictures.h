// The pictures the program carries as PNG resources, decoded by the Windows Imaging Component
// (loaded from the system folder on first use, through COM) into bitmaps ready to copy.
#pragma once

#include <windows.h>

namespace n5::win32 {

struct DecodedPicture {
  HBITMAP bitmap = nullptr;  // a top-down 32-bit DIB section; the caller deletes it
  int width = 0;
  int height = 0;
};

// The picture in the RCDATA resource `id`; no bitmap when the resource is missing or its
// bytes are not a picture the imaging component can decode (damaged, cut short).
DecodedPicture DecodePictureResource(HINSTANCE instance, int id);

// The same for bytes in memory (what the resource holds).
DecodedPicture DecodePicture(const void* bytes, DWORD size);

}  // namespace n5::win32
