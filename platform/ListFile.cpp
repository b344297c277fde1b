// List-format reading item by item, and writing collected in memory and saved atomically.
#include "platform/ListFile.h"

#include <cerrno>
#include <iostream>
#include <system_error>
#include <utility>

#include "platform/Ascii.h"
#include "platform/AtomicFile.h"
#include "platform/Convert.h"
#include "platform/Paths.h"

namespace platform {
namespace {

constexpr std::size_t MaxFileSize = 16 * 1024 * 1024;

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

bool CanStandBare(std::string_view text)
{
    return !text.empty() && !IsBlank(text.front()) && text.front() != '"' &&
           !IsBlank(text.back()) && text.find_first_of(",\r\n") == std::string_view::npos;
}

} // namespace

ListReader::ListReader(std::string text) : text_(std::move(text)), open_(true) {}

bool ListReader::Open(std::string_view path)
{
    Close();
    const std::filesystem::path file = ResolvePath(path);
    int error = 0;
    auto text = ReadWholeFile(file, MaxFileSize, &error);
    if (!text) {
        // A missing file is the caller's to report; one that is there and unreadable (a folder, a
        // link that loops) is said here too.
        if (error == EFBIG) {
            std::cerr << "vandrel: " << file.string() << " is too large to read as a list file\n";
        } else if (error != ENOENT && error != ENOTDIR) {
            std::cerr << "vandrel: cannot read " << file.string() << ": " << ReadFailureText(error)
                      << '\n';
        }
        return false;
    }
    text_ = std::move(*text);
    open_ = true;
    return true;
}

void ListReader::Close()
{
    text_.clear();
    position_ = 0;
    itemLine_ = 0;
    countedTo_ = 0;
    open_ = false;
}

bool ListReader::Eof() const
{
    if (!open_) {
        return true;
    }
    for (std::size_t i = position_; i < text_.size(); ++i) {
        if (!IsBlank(text_[i]) && !IsLineEnd(text_[i])) {
            return false;
        }
    }
    return true;
}

bool ListReader::NextItem(bool number, std::string& item)
{
    if (!open_) {
        return false;
    }
    const std::size_t size = text_.size();
    while (position_ < size && (IsBlank(text_[position_]) || IsLineEnd(text_[position_]))) {
        ++position_;
    }
    if (position_ == size) {
        return false;
    }
    CountLinesTo(position_);
    if (text_[position_] == '"') {
        const std::size_t close = text_.find('"', position_ + 1);
        if (close == std::string::npos) {
            position_ = size;
            return false;
        }
        item.assign(text_, position_ + 1, close - position_ - 1);
        position_ = close + 1;
    } else {
        const std::size_t start = position_;
        while (position_ < size && text_[position_] != ',' && !IsLineEnd(text_[position_]) &&
               !(number && IsBlank(text_[position_]))) {
            ++position_;
        }
        std::size_t end = position_;
        while (end > start && IsBlank(text_[end - 1])) {
            --end;
        }
        item.assign(text_, start, end - start);
    }
    while (position_ < size && IsBlank(text_[position_])) {
        ++position_;
    }
    if (position_ < size && text_[position_] == ',') {
        ++position_;
    }
    return true;
}

void ListReader::CountLinesTo(std::size_t position)
{
    if (itemLine_ == 0) {
        itemLine_ = 1;
    }
    // CR LF, LF and CR each end one line; an item never starts between the CR and LF of a pair.
    for (; countedTo_ < position; ++countedTo_) {
        const char c = text_[countedTo_];
        if (c == '\n' ||
            (c == '\r' && (countedTo_ + 1 == text_.size() || text_[countedTo_ + 1] != '\n'))) {
            ++itemLine_;
        }
    }
}

template <typename Number, typename Parse> bool ListReader::InputNumber(Number& value, Parse parse)
{
    std::string item;
    if (!NextItem(true, item)) {
        return false;
    }
    const auto number = parse(item);
    if (!number) {
        return false;
    }
    value = *number;
    return true;
}

bool ListReader::Input(std::string& value)
{
    std::string item;
    if (!NextItem(false, item)) {
        return false;
    }
    value = std::move(item);
    return true;
}

bool ListReader::Input(std::int16_t& value)
{
    return InputNumber(value, ParseInt16);
}
bool ListReader::Input(std::int32_t& value)
{
    return InputNumber(value, ParseInt32);
}
bool ListReader::Input(float& value)
{
    return InputNumber(value, ParseSingle);
}
bool ListReader::Input(double& value)
{
    return InputNumber(value, ParseDouble);
}

bool ListWriter::Create(std::string_view path)
{
    target_ = ResolvePath(path);
    contents_.clear();
    lineStarted_ = false;
    failed_ = false;
    const std::filesystem::path folder =
        target_.has_parent_path() ? target_.parent_path() : std::filesystem::path(".");
    std::error_code error;
    const char* problem = nullptr;
    if (target_.empty()) {
        problem = "no file name";
    } else if (std::filesystem::is_directory(target_, error)) {
        problem = "it is a folder";
    } else if (!std::filesystem::is_directory(folder, error)) {
        problem = "its folder does not exist";
    }
    created_ = problem == nullptr;
    if (!created_) {
        NoteWriteFailure(target_, problem);
    }
    return created_;
}

void ListWriter::Separate()
{
    if (lineStarted_) {
        contents_ += ',';
    }
    lineStarted_ = true;
}

bool ListWriter::WriteText(std::string_view text)
{
    const bool quoted = text.find('"') == std::string_view::npos;
    if (!quoted && !CanStandBare(text)) {
        failed_ = true;
        return false;
    }
    Separate();
    if (quoted) {
        contents_ += '"';
        contents_ += text;
        contents_ += '"';
    } else {
        contents_ += text;
    }
    return true;
}

void ListWriter::WriteInteger(std::int32_t value)
{
    Separate();
    contents_ += std::to_string(value);
}

bool ListWriter::WriteDouble(double value)
{
    return WriteNumber(NumberText(value));
}

bool ListWriter::WriteSingle(float value)
{
    return WriteNumber(NumberText(value));
}

bool ListWriter::WriteNumber(const std::optional<std::string>& text)
{
    if (!text) {
        failed_ = true;
        return false;
    }
    Separate();
    contents_ += *text;
    return true;
}

void ListWriter::EndLine()
{
    contents_ += "\r\n";
    lineStarted_ = false;
}

bool ListWriter::WriteQuoted(std::string_view text)
{
    const bool written = WriteText(text);
    EndLine();
    return written;
}

bool ListWriter::Close()
{
    const bool wasCreated = std::exchange(created_, false);
    if (!wasCreated) {
        return false;
    }
    if (failed_) {
        NoteWriteFailure(target_, "a value cannot be written so that it reads back");
        return false;
    }
    return WriteFileAtomically(target_, contents_);
}

} // namespace platform
