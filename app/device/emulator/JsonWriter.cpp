#include "device/emulator/JsonWriter.h"

#include <cmath>
#include <cstdio>

namespace clavora {

void JsonWriter::BeforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_first.empty()) {
        if (!m_first.back())
            m_text += ',';
        m_first.back() = false;
    }
}

JsonWriter& JsonWriter::Open(char bracket)
{
    BeforeValue();
    m_text += bracket;
    m_first.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::Close(char bracket)
{
    m_text += bracket;
    m_first.pop_back();
    return *this;
}

JsonWriter& JsonWriter::Key(const std::string& key)
{
    Value(key);
    m_text += ':';
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::Value(const std::string& text)
{
    BeforeValue();
    m_text += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            m_text += "\\\"";
            break;
        case '\\':
            m_text += "\\\\";
            break;
        case '\n':
            m_text += "\\n";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                m_text += escaped;
            } else {
                m_text += c;
            }
        }
    }
    m_text += '"';
    return *this;
}

JsonWriter& JsonWriter::Value(int64_t number)
{
    BeforeValue();
    m_text += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::Value(double number)
{
    BeforeValue();
    if (!std::isfinite(number)) {
        m_text += '0';
        return *this;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%.3f", number);
    m_text += text;
    return *this;
}

JsonWriter& JsonWriter::Value(bool flag)
{
    BeforeValue();
    m_text += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Hex(std::span<const uint8_t> bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    BeforeValue();
    m_text += '"';
    for (const uint8_t b : bytes) {
        m_text += kDigits[b >> 4];
        m_text += kDigits[b & 0x0F];
    }
    m_text += '"';
    return *this;
}

} // namespace clavora
