// libFuzzer target for the settings reader: whatever the bytes, every value read is in range,
// the reader consumes a bounded prefix, and what it read survives a write and a second read.

#include "settings/settings_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace
{

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using settings::Settings;

    std::istringstream in(std::string(reinterpret_cast<const char *>(data), size));
    const Settings s = settings::parseSettings(in);

    for (const int component : { s.red, s.green, s.blue })
        check(component >= 0 && component <= 255);
    check(s.mode >= 0 && s.mode <= 3);

    in.clear();
    const auto consumed = static_cast<std::size_t>(in.tellg());
    check(consumed <= size && consumed <= settings::kLineCount * (settings::kMaxLineBytes + 1));

    std::ostringstream out;
    settings::formatSettings(out, s);
    std::istringstream again(out.str());
    check(settings::parseSettings(again) == s);
    return 0;
}
