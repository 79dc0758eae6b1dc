#include "win32/resource_texts.h"

#include <cstdint>
#include <span>

#include "win32/language.h"
#include "win32/string_block.h"
#include "win32/wide.h"

namespace n5::win32 {

TextVariant UserTextVariant() {
  return ChooseTextVariant(LanguageTagOf(GetUserDefaultUILanguage()));
}

std::optional<std::string> ResourceTexts::Find(int id) const {
  if (id < 0 || id > 0xFFFF) return std::nullopt;
  const WORD language = static_cast<WORD>(LanguageId(variant_));
  HRSRC found = FindResourceExW(module_, RT_STRING, MAKEINTRESOURCEW(StringBlockOf(id)), language);
  if (found == nullptr) return std::nullopt;
  HGLOBAL loaded = LoadResource(module_, found);
  DWORD size = SizeofResource(module_, found);
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return std::nullopt;
  std::span<const std::uint8_t> block(static_cast<const std::uint8_t*>(bytes), size);
  std::optional<std::u16string> text = StringInBlock(block, StringPositionOf(id));
  if (!text) return std::nullopt;
  return Utf16ToUtf8(*text);
}

}  // namespace n5::win32
