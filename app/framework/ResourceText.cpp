// String-table access.
#include "ResourceText.h"

namespace quiltmark {

std::string LoadResourceString(HINSTANCE instance, UINT id) {
    // The longest string of the table is a few hundred bytes.
    char buffer[2048];
    const int length = LoadStringA(instance, id, buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, length) : std::string();
}

std::string CommandPrompt(HINSTANCE instance, UINT commandId) {
    const std::string text = LoadResourceString(instance, commandId);
    return text.substr(0, text.find('\n'));
}

std::string CommandTooltip(HINSTANCE instance, UINT commandId) {
    const std::string text = LoadResourceString(instance, commandId);
    const auto newline = text.find('\n');
    return newline == std::string::npos ? std::string() : text.substr(newline + 1);
}

} // namespace quiltmark
