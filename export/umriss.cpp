// What both export formats share.
#include "export/kontur.h"

#include "profile/text.h"

std::string NameAlsText(std::string_view name) {
    // AlsUtf8 has already replaced every control character.
    const std::string text = AlsUtf8(name);
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string::npos)
        return {};
    return text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}
