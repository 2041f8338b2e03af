// The fake's standard dialogs: recorded, answered from queues the caller fills.
#include "platform/fake/fake_platform.h"
#include "platform/fake/text_format.h"

#include <fstream>
#include <system_error>

namespace orvela::platform::fake {

namespace fs = std::filesystem;

int FakePlatform::messageBox(WindowHandle, const std::string& text, unsigned style,
                             const std::string& title) {
    record("MsgBox " + quoteText(text) + " " + std::to_string(style) + " " + quoteText(title));
    if ((style & 0xF) != mbYesNo)
        return idOk;
    if (machine_.messageAnswers.empty())
        return idYes;
    const int answer = machine_.messageAnswers.front();
    machine_.messageAnswers.pop_front();
    return answer;
}

std::optional<std::string> FakePlatform::getOpenFileName(WindowHandle,
                                                         const OpenFileRequest& request) {
    record("GetOpenFileName " + quoteText(request.initialDir) + " " + quoteText(request.filter) +
           " " + std::to_string(request.filterIndex));
    if (machine_.fileAnswers.empty())
        return std::nullopt;
    std::optional<std::string> answer = machine_.fileAnswers.front();
    machine_.fileAnswers.pop_front();
    return answer;
}

PictureLoad FakePlatform::loadPicture(const std::string& path) {
    const fs::path p = real(path);
    std::error_code ec;
    if (p.empty() || !fs::is_regular_file(p, ec))
        return {53, "File not found"};
    std::ifstream in(p, std::ios::binary);
    char head[4] = {};
    in.read(head, sizeof head);
    const std::string start(head, static_cast<std::size_t>(in.gcount()));
    using namespace std::string_literals;
    for (const std::string& magic : {"BM"s, "GIF8"s, "\xFF\xD8"s, "\x89PNG"s, "\0\0\1\0"s})
        if (start.rfind(magic, 0) == 0)
            return {};
    return {481, "Invalid picture"};
}

} // namespace orvela::platform::fake
