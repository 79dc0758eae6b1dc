#include "win32/wic_pictures.h"

#include <objbase.h>
#include <wincodec.h>

#include "win32/com_apartment.h"
#include "win32/system_library.h"

namespace n5::win32 {
namespace {

// Releases a COM interface when it goes out of scope.
template <typename Interface>
class Owned {
 public:
  Owned() = default;
  ~Owned() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Interface** Out() { return &pointer_; }
  Interface* operator->() const { return pointer_; }
  Interface* get() const { return pointer_; }

 private:
  Interface* pointer_ = nullptr;
};

// The factory lives as long as the program: it is made once, at the first picture.
IWICImagingFactory* Factory() {
  static IWICImagingFactory* factory = nullptr;
  static bool tried = false;
  if (tried) return factory;
  tried = true;
  if (!EnsureComApartment()) return nullptr;
  auto* create = SystemFunction<decltype(CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
  if (create == nullptr) return nullptr;
  // The first version of the factory: the one every Windows since 7 (and Wine) has.
  if (FAILED(create(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                    reinterpret_cast<void**>(&factory)))) {
    factory = nullptr;
  }
  return factory;
}

}  // namespace

DecodedPicture DecodePicture(const void* bytes, DWORD size) {
  IWICImagingFactory* factory = Factory();
  if (factory == nullptr || bytes == nullptr || size == 0) return {};
  Owned<IWICStream> stream;
  Owned<IWICBitmapDecoder> decoder;
  Owned<IWICBitmapFrameDecode> frame;
  Owned<IWICFormatConverter> converter;
  // The stream only reads the bytes.
  auto* data = static_cast<BYTE*>(const_cast<void*>(bytes));
  if (FAILED(factory->CreateStream(stream.Out())) ||
      FAILED(stream->InitializeFromMemory(data, size)) ||
      FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.Out())) ||
      FAILED(decoder->GetFrame(0, frame.Out())) ||
      FAILED(factory->CreateFormatConverter(converter.Out())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR,
                                   WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return {};
  }
  UINT width = 0;
  UINT height = 0;
  if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 || width > 0x4000 ||
      height > 0x4000) {
    return {};
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down, as the decoder writes rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (bitmap == nullptr) return {};
  const UINT stride = width * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(pixels)))) {
    DeleteObject(bitmap);
    return {};
  }
  return {bitmap, static_cast<int>(width), static_cast<int>(height)};
}

DecodedPicture DecodePictureResource(HINSTANCE instance, int id) {
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(instance, found);
  if (loaded == nullptr) return {};
  return DecodePicture(LockResource(loaded), SizeofResource(instance, found));
}

}  // namespace n5::win32
