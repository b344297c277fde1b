// Fuzz target for the list-format reader: any input is read item by item without harm, and every
// value read, written again, reads back the same.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>
#include <vector>

#include "platform/ListFile.h"

namespace {

using Value = std::variant<std::string, std::int16_t, std::int32_t, float, double>;

// The first byte chooses the type of each item in turn (two bits per item, four items a round).
Value Pick(std::uint8_t pattern, std::size_t index)
{
    switch ((pattern >> (2 * (index % 4))) & 3) {
    case 0:
        return std::string();
    case 1:
        return std::int16_t{0};
    case 2:
        return index % 8 < 4 ? Value(std::int32_t{0}) : Value(0.0F);
    default:
        return 0.0;
    }
}

bool Same(const Value& a, const Value& b)
{
    if (a.index() != b.index()) {
        return false;
    }
    if (const auto* x = std::get_if<double>(&a)) {
        const double y = std::get<double>(b);
        return *x == y && std::signbit(*x) == std::signbit(y);
    }
    if (const auto* x = std::get_if<float>(&a)) {
        const float y = std::get<float>(b);
        return *x == y && std::signbit(*x) == std::signbit(y);
    }
    return a == b;
}

void Write(platform::ListWriter& writer, const Value& value)
{
    bool written = true;
    if (const auto* text = std::get_if<std::string>(&value)) {
        written = writer.WriteText(*text);
    } else if (const auto* small = std::get_if<std::int16_t>(&value)) {
        writer.WriteInteger(*small);
    } else if (const auto* wide = std::get_if<std::int32_t>(&value)) {
        writer.WriteInteger(*wide);
    } else if (const auto* single = std::get_if<float>(&value)) {
        written = writer.WriteSingle(*single);
    } else {
        written = writer.WriteDouble(std::get<double>(value));
    }
    if (!written) {
        std::abort(); // everything the reader returns must be writable
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::uint8_t pattern = data[0];
    platform::ListReader reader(std::string(reinterpret_cast<const char*>(data + 1), size - 1));

    std::vector<Value> values;
    platform::ListWriter writer;
    for (std::size_t i = 0; !reader.Eof() && i <= size; ++i) {
        Value value = Pick(pattern, i);
        const bool read =
            std::visit([&reader](auto& target) { return reader.Input(target); }, value);
        if (read) {
            Write(writer, value);
            if (values.size() % 3 == 2) {
                writer.EndLine();
            }
            values.push_back(std::move(value));
        }
    }
    if (!reader.Eof()) {
        std::abort(); // every Input consumes an item or reaches the end
    }

    platform::ListReader again(writer.Contents());
    for (const Value& expected : values) {
        Value actual = expected;
        std::visit([](auto& target) { target = {}; }, actual);
        if (!std::visit([&again](auto& target) { return again.Input(target); }, actual) ||
            !Same(actual, expected)) {
            std::abort();
        }
    }
    if (!again.Eof()) {
        std::abort();
    }
    return 0;
}
