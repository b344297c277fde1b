// Sequential list-format files, as the desktop runtime's list input and output read and wrote
// them: items one by one, text bare or quoted, numbers in decimal. Every failure is a result.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Reading. Items are separated by commas or line ends (CR LF, LF or CR); blanks and line ends
// before an item are skipped, so a line end directly after a comma starts no empty item, but
// ",," holds one. A text item stands in double quotes (commas and line ends inside are kept; there
// is no escape for a quote) or is bare, running to the next comma or line end without its trailing
// blanks; after a closing quote the next item may follow after blanks. A number item is read as a
// bare item that also ends at a blank, and converted as ParseDouble and its kin do (Convert.h):
// "12", "-3", "2.5e3"; an empty or non-numeric item, or one out of the target's range, fails.
// A failed Input consumes the item and leaves the target unchanged.
class ListReader {
public:
    ListReader() = default;
    explicit ListReader(std::string text); // reads from memory, open at once

    // The path is resolved as by ResolvePath; the whole file (at most 16 MiB) is read at once.
    bool Open(std::string_view path);
    void Close();
    bool IsOpen() const { return open_; }

    // True when nothing but blanks and line ends remains (or nothing is open).
    bool Eof() const;

    bool Input(std::string& value);
    bool Input(std::int16_t& value);
    bool Input(std::int32_t& value);
    bool Input(float& value);
    bool Input(double& value);

    // The line (from 1) on which the item read last begins; 0 before the first.
    std::size_t ItemLine() const { return itemLine_; }

private:
    template <typename Number, typename Parse> bool InputNumber(Number& value, Parse parse);
    bool NextItem(bool number, std::string& item);
    void CountLinesTo(std::size_t position);

    std::string text_;
    std::size_t position_ = 0;
    std::size_t itemLine_ = 0;
    std::size_t countedTo_ = 0; // line ends before here are counted in itemLine_
    bool open_ = false;
};

// Writing. Items of one line are separated by commas and each line ends in CR LF. Text is written
// in double quotes; a text holding a quote is written bare when it reads back so, and otherwise
// cannot be written. Numbers are written in the shortest text that reads back to the same value.
// Everything is collected in memory and written at Close, whole or not at all, so a failed or
// abandoned write leaves the old file as it was.
class ListWriter {
public:
    // The path is resolved as by ResolvePath (a new file keeps its name as given); its folder must
    // exist. An existing file is replaced at Close.
    bool Create(std::string_view path);

    bool WriteText(std::string_view text);
    void WriteInteger(std::int32_t value);
    bool WriteDouble(double value); // false for infinities and NaN
    bool WriteSingle(float value);
    void EndLine();
    // One text on a line of its own: "value" CR LF.
    bool WriteQuoted(std::string_view text);

    const std::string& Contents() const { return contents_; }

    // Writes the file; false when it was not created, a value could not be written, or the disk
    // refused (LastWriteFailure in AtomicFile.h says why): the old file then stays intact. A file
    // that is a symbolic link stays one: the file it leads to is replaced.
    bool Close();

private:
    void Separate();
    bool WriteNumber(const std::optional<std::string>& text); // nothing: not writable

    std::filesystem::path target_;
    std::string contents_;
    bool created_ = false;
    bool lineStarted_ = false;
    bool failed_ = false;
};

} // namespace platform
