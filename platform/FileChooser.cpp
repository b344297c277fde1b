// The file chooser: a modal window listing a folder's sub-folders and the files that match the
// filter, with a name box and the OK and Cancel buttons; keyboard and mouse both work everywhere.
#include "platform/FileChooser.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "platform/Ascii.h"
#include "platform/CommandButton.h"
#include "platform/ControlPaint.h"
#include "platform/Form.h"
#include "platform/Input.h"
#include "platform/Label.h"
#include "platform/ListBox.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/TextBox.h"

namespace platform::detail {
namespace {

namespace fs = std::filesystem;

constexpr Color WindowColor = Rgb(245, 245, 245);
constexpr std::int32_t LabelHeight = 24;
constexpr std::int32_t NameTop = ChooserListTop + ChooserListHeight + 12;
constexpr std::int32_t NameHeight = 34;
constexpr std::int32_t NameLabelWidth = 96;
constexpr std::int32_t TypeTop = NameTop + NameHeight + 10;
constexpr std::int32_t ButtonTop = ChooserHeight - ChooserMargin - ChooserButtonHeight;

std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return AsciiLower(x) < AsciiLower(y);
    });
}

// The text cut at its start, behind "...", to fit the width.
std::string FitFromLeft(const FontSpec& font, const std::string& text, std::int32_t width)
{
    if (MeasureText(font, text).cx <= width) {
        return text;
    }
    for (std::size_t cut = 1; cut < text.size(); ++cut) {
        std::string shorter = "..." + text.substr(cut);
        if (MeasureText(font, shorter).cx <= width) {
            return shorter;
        }
    }
    return "...";
}

class ChooserForm final : public Form {
public:
    ChooserForm(const OpenFileName& request, bool save)
        : request_(request), save_(save), filter_(FirstFilter(request.lpstrFilter))
    {
    }

    const std::optional<fs::path>& Chosen() const { return chosen_; }

protected:
    void Form_Load() override
    {
        SetCaption(!request_.lpstrTitle.empty() ? request_.lpstrTitle
                                                : (save_ ? "Save As" : "Open"));
        SetClientSize(ChooserWidth, ChooserHeight);
        SetBackColor(WindowColor);
        SetKeyPreview(true);
        const FontSpec font{"DejaVu Sans", 12.0, false};
        const std::int32_t inner = ChooserWidth - 2 * ChooserMargin;

        for (Label* label : {&folderLabel_, &nameLabel_, &typeLabel_}) {
            label->SetFont(font);
            label->SetBackStyle(BackStyle::Transparent);
        }
        folderLabel_.Move(ChooserMargin, ChooserMargin, inner, LabelHeight);
        list_.SetFont(font);
        list_.Move(ChooserMargin, ChooserListTop, inner, ChooserListHeight);
        nameLabel_.SetCaption("File name:");
        nameLabel_.Move(ChooserMargin, NameTop + (NameHeight - LabelHeight) / 2, NameLabelWidth,
                        LabelHeight);
        nameBox_.SetFont(font);
        nameBox_.Move(ChooserMargin + NameLabelWidth, NameTop, inner - NameLabelWidth, NameHeight);
        const std::int32_t okLeft = ChooserWidth - ChooserMargin - 2 * ChooserButtonWidth - 10;
        typeLabel_.SetCaption("Files of type: " + filter_.description);
        typeLabel_.Move(ChooserMargin, TypeTop, okLeft - ChooserMargin - 10, 2 * LabelHeight);
        okButton_.SetFont(font);
        okButton_.SetCaption(save_ ? "Save" : "Open");
        okButton_.Move(okLeft, ButtonTop, ChooserButtonWidth, ChooserButtonHeight);
        cancelButton_.SetFont(font);
        cancelButton_.SetCaption("Cancel");
        cancelButton_.Move(ChooserWidth - ChooserMargin - ChooserButtonWidth, ButtonTop,
                           ChooserButtonWidth, ChooserButtonHeight);

        list_.Click = [this](std::int16_t) { ListClicked(); };
        list_.DblClick = [this](std::int16_t) { Activate(list_.ListIndex()); };
        list_.KeyDown = [this](std::int16_t, std::int16_t& keyCode, std::int16_t) {
            if (keyCode == vbKeyReturn) {
                keyCode = 0;
                if (list_.ListIndex() >= 0) {
                    Activate(list_.ListIndex());
                } else {
                    Accept(nameBox_.Text());
                }
            } else if (keyCode == vbKeyBack) {
                keyCode = 0;
                ShowFolder(folder_.parent_path());
            }
        };
        nameBox_.KeyDown = [this](std::int16_t, std::int16_t& keyCode, std::int16_t) {
            if (keyCode == vbKeyReturn) {
                keyCode = 0;
                OkPressed();
            }
        };
        okButton_.Click = [this](std::int16_t) { OkPressed(); };
        cancelButton_.Click = [this](std::int16_t) { Unload(); };

        const std::string& proposed = request_.lpstrFile;
        nameBox_.SetText(Trim(std::string_view(proposed).substr(0, proposed.find('\0'))));
        ShowFolder(StartFolder(request_));
        // A name typed at once goes to the name box; the list is one Tab away.
        nameBox_.SetTabIndex(0);
        nameBox_.SetFocus();
    }

    void Form_KeyDown(std::int16_t& keyCode, std::int16_t) override
    {
        if (keyCode == vbKeyEscape) {
            keyCode = 0;
            Unload();
        }
    }

private:
    struct Entry {
        std::string name;
        bool folder = false;
    };

    void ShowFolder(const fs::path& folder)
    {
        folder_ = folder.lexically_normal();
        if (folder_.has_relative_path() && !folder_.has_filename()) {
            folder_ = folder_.parent_path(); // no trailing separator
        }
        entries_.clear();
        std::error_code error;
        for (fs::directory_iterator it(folder_, error), end; !error && it != end;
             it.increment(error)) {
            std::string name = it->path().filename().string();
            if (name.empty() || name.front() == '.') {
                continue;
            }
            std::error_code kindError;
            const bool isFolder = it->is_directory(kindError);
            if (isFolder || MatchesFilter(name, filter_)) {
                entries_.push_back({std::move(name), isFolder});
            }
        }
        std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
            if (a.folder != b.folder) {
                return a.folder;
            }
            return LessIgnoringCase(a.name, b.name);
        });
        if (folder_.has_relative_path()) {
            entries_.insert(entries_.begin(), Entry{"..", true});
        }
        list_.Clear();
        for (const Entry& entry : entries_) {
            list_.AddItem(entry.folder ? "[" + entry.name + "]" : entry.name);
        }
        const std::string where = (save_ ? "Save in: " : "Look in: ") + folder_.string();
        folderLabel_.SetCaption(FitFromLeft(folderLabel_.Font(), where, folderLabel_.Width()));
    }

    // A file picked in the list goes into the name box; a folder leaves it as it is.
    void ListClicked()
    {
        const std::int32_t index = list_.ListIndex();
        if (index >= 0 && !entries_[static_cast<std::size_t>(index)].folder) {
            nameBox_.SetText(entries_[static_cast<std::size_t>(index)].name);
        }
    }

    // Opens a folder of the list, or accepts a file of it.
    void Activate(std::int32_t index)
    {
        if (index < 0 || index >= static_cast<std::int32_t>(entries_.size())) {
            return;
        }
        const Entry& entry = entries_[static_cast<std::size_t>(index)];
        if (entry.folder) {
            ShowFolder(folder_ / entry.name);
        } else {
            Accept(entry.name);
        }
    }

    void OkPressed()
    {
        if (!Trim(nameBox_.Text()).empty()) {
            Accept(nameBox_.Text());
        } else {
            Activate(list_.ListIndex());
        }
    }

    // A typed name: a folder opens; a file is checked as the dialog's kind asks, then chosen.
    void Accept(std::string_view typed)
    {
        const std::string_view name = Trim(typed);
        if (name.empty()) {
            return;
        }
        std::error_code error;
        const fs::path asTyped = ResolveIn(folder_, name);
        if (fs::is_directory(asTyped, error)) {
            nameBox_.SetText("");
            ShowFolder(asTyped);
            return;
        }
        const fs::path target =
            ResolveIn(folder_, WithDefaultExtension(name, request_.lpstrDefExt));
        const std::string shown = target.filename().string();
        if (!save_) {
            if (!fs::is_regular_file(target, error)) {
                MsgBox(shown + "\nFile not found.\nCheck the file name and try again.",
                       vbOKOnly | vbExclamation, Caption());
                return;
            }
        } else {
            if (!fs::is_directory(target.parent_path(), error)) {
                MsgBox(shown + "\nThe folder does not exist.\nCheck the name and try again.",
                       vbOKOnly | vbExclamation, Caption());
                return;
            }
            if (fs::is_directory(target, error)) {
                return;
            }
            if ((request_.Flags & OFN_OVERWRITEPROMPT) != 0 && fs::exists(target, error) &&
                MsgBox(shown + " already exists.\nDo you want to replace it?",
                       vbYesNo | vbExclamation, Caption()) != vbYes) {
                return;
            }
        }
        chosen_ = target;
        Unload();
    }

    const OpenFileName& request_;
    bool save_;
    FileFilter filter_;
    fs::path folder_;
    std::vector<Entry> entries_;
    std::optional<fs::path> chosen_;

    Label folderLabel_{*this};
    ListBox list_{*this};
    Label nameLabel_{*this};
    TextBox nameBox_{*this};
    Label typeLabel_{*this};
    CommandButton okButton_{*this};
    CommandButton cancelButton_{*this};
};

} // namespace

FileFilter FirstFilter(std::string_view filter)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start < filter.size() && parts.size() < 2) {
        std::size_t end = filter.find_first_of(std::string_view("|\0", 2), start);
        if (end == std::string_view::npos) {
            end = filter.size();
        }
        parts.push_back(filter.substr(start, end - start));
        start = end + 1;
    }
    FileFilter result;
    if (parts.size() == 2) {
        result.description = parts[0];
        std::size_t from = 0;
        const std::string_view patterns = parts[1];
        while (from <= patterns.size()) {
            std::size_t end = patterns.find(';', from);
            if (end == std::string_view::npos) {
                end = patterns.size();
            }
            const std::string_view pattern = Trim(patterns.substr(from, end - from));
            if (!pattern.empty()) {
                result.patterns.emplace_back(pattern);
            }
            from = end + 1;
        }
    }
    if (result.patterns.empty()) {
        result.patterns.emplace_back("*");
    }
    if (result.description.empty()) {
        result.description = "All files";
    }
    return result;
}

bool MatchesPattern(std::string_view name, std::string_view pattern)
{
    if (pattern == "*.*") {
        pattern = "*";
    }
    // Greedy matching with one point to return to after the last star.
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starAt = std::string_view::npos;
    std::size_t matchedAtStar = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '?' || AsciiLower(pattern[p]) == AsciiLower(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            matchedAtStar = n;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            n = ++matchedAtStar;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

bool MatchesFilter(std::string_view name, const FileFilter& filter)
{
    return std::any_of(
        filter.patterns.begin(), filter.patterns.end(),
        [name](const std::string& pattern) { return MatchesPattern(name, pattern); });
}

fs::path StartFolder(const OpenFileName& request)
{
    std::error_code error;
    const fs::path current = fs::current_path(error);
    if (!request.lpstrInitialDir.empty()) {
        const fs::path folder = fs::absolute(ResolvePath(request.lpstrInitialDir), error);
        if (!error && fs::is_directory(folder, error)) {
            return folder;
        }
    }
    return current;
}

fs::path ResolveIn(const fs::path& folder, std::string_view name)
{
    const bool absolute = !name.empty() && (name.front() == '/' || name.front() == '\\');
    const fs::path resolved =
        ResolvePath(absolute ? std::string(name) : folder.string() + "/" + std::string(name));
    return resolved.lexically_normal();
}

std::string WithDefaultExtension(std::string_view name, std::string_view defaultExtension)
{
    const std::size_t lastPart = name.find_last_of("/\\");
    const std::string_view fileName =
        lastPart == std::string_view::npos ? name : name.substr(lastPart + 1);
    if (defaultExtension.empty() || fileName.find('.') != std::string_view::npos) {
        return std::string(name);
    }
    return std::string(name) + "." + std::string(defaultExtension);
}

std::optional<fs::path> RunFileChooser(const OpenFileName& request, bool save)
{
    ChooserForm chooser(request, save);
    chooser.Show(ShowMode::Modal, request.hwndOwner);
    return chooser.Chosen();
}

} // namespace platform::detail
