#pragma once

// A small writer of compact, one-line JSON. Commas and nesting are tracked; keys and strings are
// escaped.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace clavora {

class JsonWriter {
public:
    JsonWriter& BeginObject() { return Open('{'); }
    JsonWriter& EndObject() { return Close('}'); }
    JsonWriter& BeginArray() { return Open('['); }
    JsonWriter& EndArray() { return Close(']'); }
    // The next value belongs to this member of the open object.
    JsonWriter& Key(const std::string& key);

    JsonWriter& Value(const std::string& text);
    JsonWriter& Value(const char* text) { return Value(std::string(text)); }
    JsonWriter& Value(int64_t number);
    JsonWriter& Value(int number) { return Value(static_cast<int64_t>(number)); }
    JsonWriter& Value(uint32_t number) { return Value(static_cast<int64_t>(number)); }
    JsonWriter& Value(uint64_t number) { return Value(static_cast<int64_t>(number)); }
    JsonWriter& Value(double number); // up to three decimals
    JsonWriter& Value(bool flag);
    // Bytes as a lower-case hex string.
    JsonWriter& Hex(std::span<const uint8_t> bytes);

    const std::string& Text() const { return m_text; }

private:
    void BeforeValue();
    JsonWriter& Open(char bracket);
    JsonWriter& Close(char bracket);

    std::string m_text;
    std::vector<bool> m_first; // per open container: no element written yet
    bool m_afterKey = false;
};

} // namespace clavora
