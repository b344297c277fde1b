// Fuzz target for the option set reader and store: any input gives 38 values or nothing without
// harm; storing them changes all 38 keys or none; and the values in effect, written as an option
// set, read back the same and are stored again.
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
    const auto values = OptionSetFile::Read(reader);
    if (!values) {
        return 0;
    }
    fuzzsupport::ScratchFolder();
    const auto before = OptionSetFile::StoredValues();
    const bool stored = OptionSetFile::Store(*values);
    const auto inEffect = OptionSetFile::StoredValues();
    if (inEffect != (stored ? *values : before)) {
        std::abort();
    }
    platform::ListWriter writer;
    OptionSetFile::WriteValues(writer, inEffect);
    platform::ListReader again(writer.Contents());
    const auto reread = OptionSetFile::Read(again);
    if (!reread || *reread != inEffect || !again.Eof() || !OptionSetFile::Store(*reread)) {
        std::abort();
    }
    return 0;
}
