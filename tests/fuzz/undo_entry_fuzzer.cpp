// Undo entries: damaged bytes are refused, decoded entries encode back to the same, their
// paths name data files of the book, and applying one to any contents stays inside them.
#include "database/undo_entry.h"
#include "tests/fuzz/fuzz_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrune;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::optional<UndoEntry> entry = DecodeUndoEntry(bytes);
  if (!entry) return 0;
  const std::string encoded = EncodeUndoEntry(*entry);
  const std::optional<UndoEntry> again = DecodeUndoEntry(encoded);
  fuzz::Require(again && EncodeUndoEntry(*again) == encoded, "an entry re-encodes");
  for (const UndoFile& file : entry->files) {
    fuzz::Require(IsBookDataPath(file.path), "entry paths name data files of the book");
    std::optional<std::string> target;
    if (ApplyUndoFile(file, std::string(bytes), target) && target && file.contents) {
      fuzz::Require(target->size() == file.front + file.back + file.contents->size(),
                    "an applied entry keeps what it says");
    }
  }
  return 0;
}
