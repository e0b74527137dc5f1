// Reads any bytes as a language file and looks texts up in it.
#include "platform/TextCodec.h"
#include "startup/IniReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = clavora::DecodeTextFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!clavora::IsValidUtf8(text))
        __builtin_trap();
    for (const char* key : { "1", "5", "290", "" })
        clavora::FindIniValue(text, "KB.DIALOG", key);
    return 0;
}
