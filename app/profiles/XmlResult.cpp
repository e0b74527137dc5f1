#include "profiles/XmlResult.h"

#include "profiles/XmlDocument.h"

namespace clavora {

bool XmlResult::Has(std::string_view element) const
{
    const std::string open = "<" + std::string(element);
    for (size_t pos = m_text.find(open); pos != std::string::npos; pos = m_text.find(open, pos + 1)) {
        const size_t after = pos + open.size();
        if (after < m_text.size() && (m_text[after] == ' ' || m_text[after] == '/' || m_text[after] == '>'))
            return true;
    }
    return false;
}

void XmlResult::Add(std::string_view element, std::initializer_list<Attribute> attributes, std::string_view data)
{
    m_text.append("<").append(element);
    for (const auto& [name, value] : attributes)
        m_text.append(" ").append(name).append("=\"").append(XmlDocument::EscapeText(value)).append("\"");
    if (data.empty()) {
        m_text.append("/>");
        return;
    }
    m_text.append(">").append(XmlDocument::EscapeText(data)).append("</").append(element).append(">");
}

} // namespace clavora
