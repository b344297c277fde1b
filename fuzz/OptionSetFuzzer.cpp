// Fuzz target for the option set reader and store: any input gives 38 values or nothing without
// harm; storing them changes all 38 keys or none; and the values read, written as an option set,
// read back the same (quotes as apostrophes).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/ScratchFolder.h"
#include "platform/ListFile.h"
#include "shell/OptionSetFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    platform::ListReader reader(std::string(reinterpret_cast<const char*>(data), size));
    auto values = OptionSetFile::Read(reader);
    if (!values) {
        return 0;
    }
    fuzzsupport::ScratchFolder();
    const auto before = OptionSetFile::StoredValues();
    const bool stored = OptionSetFile::Store(*values);
    if (OptionSetFile::StoredValues() != (stored ? *values : before)) {
        std::abort();
    }
    platform::ListWriter writer;
    OptionSetFile::WriteValues(writer, *values);
    for (std::string& value : *values) {
        std::replace(value.begin(), value.end(), '"', '\'');
    }
    platform::ListReader again(writer.Contents());
    const auto reread = OptionSetFile::Read(again);
    if (!reread || *reread != *values || !again.Eof()) {
        std::abort();
    }
    return 0;
}
