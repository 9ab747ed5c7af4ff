// The journal: damaged bytes are refused, decoded entries encode back to the same.
#include "database/journal.h"
#include "tests/fuzz/fuzz_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrune;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (const auto entries = DecodeJournal(bytes)) {
    fuzz::Require(DecodeJournal(EncodeJournal(*entries)) == entries, "a journal re-encodes");
    for (const JournalEntry& entry : *entries) {
      const std::string path = "/" + entry.path + "/";
      fuzz::Require(!entry.path.starts_with("/") && path.find("/../") == std::string::npos,
                    "journal paths stay inside the database folder");
    }
  }
  return 0;
}
