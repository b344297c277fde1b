// MMedia: the media command strings for opening, playing, stopping, seeking and asking a device.
#include "toolkit/MMedia.h"

#include <cctype>
#include <cstdlib>

#include "platform/MessageBox.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

namespace {

// The device type for a file name's last three letters, empty when the type is not supported.
std::string_view DeviceType(std::string_view path)
{
    if (path.size() < 3) {
        return {};
    }
    std::string ending(path.substr(path.size() - 3));
    for (char& c : ending) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (ending == "WAV") {
        return "Waveaudio";
    }
    if (ending == "AVI") {
        return "AviVideo";
    }
    if (ending == "MID") {
        return "Sequencer";
    }
    return {};
}

// The leading number of a reply ("1234" or "12.5 ms"), 0 when it has none.
double LeadingNumber(const std::string& text)
{
    return std::strtod(text.c_str(), nullptr);
}

// A Single as text, without the blank that printing puts before a number that is not negative.
std::string DecimalText(float value)
{
    std::string text = platform::PrintNumber(value, true);
    if (!text.empty() && text.front() == ' ') {
        text.erase(0, 1);
    }
    return text;
}

} // namespace

MMedia::MMedia() = default;
MMedia::~MMedia() = default;

void MMedia::OpenMedia(std::string_view sTheFile)
{
    if (!mciAlias.empty()) {
        CloseMedia();
    }
    const std::string_view type = DeviceType(sTheFile);
    if (type.empty()) {
        if (useErrorMessages) {
            platform::MsgBox("OpenMedia: Media type not supported.", platform::vbCritical);
        }
        return;
    }
    std::string alias(sTheFile);
    if (alias.find(' ') != std::string::npos) {
        alias = '"' + alias + '"';
    }
    mciAlias = alias;
    mediaFile = sTheFile;
    Send("Open " + alias + " ALIAS " + alias + " TYPE " + std::string(type) + " wait");
}

void MMedia::CloseMedia()
{
    if (!mciAlias.empty()) {
        Send("Close " + mciAlias);
    }
    mciAlias.clear();
    mediaFile.clear();
}

void MMedia::PauseMedia()
{
    if (!mciAlias.empty()) {
        CheckMciError(Send("Pause " + mciAlias));
    }
}

void MMedia::PlayMedia()
{
    if (mciAlias.empty()) {
        return;
    }
    SeekMedia(0);
    CheckMciError(Send("Play " + mciAlias + (wait ? " wait" : "")));
}

void MMedia::StopMedia()
{
    if (!mciAlias.empty()) {
        CheckMciError(Send("Stop " + mciAlias));
    }
}

void MMedia::SeekMedia(float nPosition)
{
    // Sent also when nothing is open: it then fails, and says so only with error messages on.
    CheckMciError(Send("Seek " + mciAlias + " to " + DecimalText(nPosition)));
}

std::int32_t MMedia::Length()
{
    if (mciAlias.empty()) {
        return 0;
    }
    std::uint32_t code = Send("Set " + mciAlias + " time format milliseconds");
    CheckMciError(code);
    if (code != 0) {
        return 0;
    }
    std::string reply;
    code = Send("Status " + mciAlias + " length", &reply);
    CheckMciError(code);
    if (code != 0) {
        return 0;
    }
    return platform::CLng(LeadingNumber(reply));
}

float MMedia::Position()
{
    if (mciAlias.empty()) {
        return 0;
    }
    std::string reply;
    CheckMciError(Send("Status " + mciAlias + " position", &reply));
    return static_cast<float>(LeadingNumber(reply));
}

std::string MMedia::Status()
{
    if (mciAlias.empty()) {
        return "0";
    }
    std::string reply;
    CheckMciError(Send("Status " + mciAlias + " mode", &reply));
    return reply;
}

std::uint32_t MMedia::Send(const std::string& command, std::string* reply)
{
    return platform::mciSendStringA(context, command, reply);
}

void MMedia::CheckMciError(std::uint32_t code)
{
    if (!useErrorMessages || code == 0) {
        return;
    }
    std::string text;
    platform::mciGetErrorStringA(code, &text);
    platform::MsgBox(text, 80, "MciSendStringError: " + std::to_string(code));
}
