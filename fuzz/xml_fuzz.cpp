// Loads any bytes as an XML file, walks every element reading its attributes and data, then
// edits the document and checks that a well-formed document stays well formed and reads
// back what was written.
#include "profiles/XmlDocument.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using clavora::XmlDocument;

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// Visits every element depth first; returns how many there were.
size_t WalkAll(XmlDocument& doc)
{
    size_t count = 0;
    doc.ResetPos();
    int depth = 0;
    for (;;) {
        if (doc.FindElem()) {
            ++count;
            Check(!doc.GetTagName().empty());
            doc.GetAttrib("name");
            doc.GetAttrib(doc.GetTagName());
            doc.GetData();
            Check(doc.IntoElem());
            ++depth;
            continue;
        }
        if (depth == 0)
            break;
        Check(doc.OutOfElem());
        --depth;
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    XmlDocument doc;
    const bool wellFormed = doc.LoadFromBytes(bytes);
    Check(wellFormed == doc.IsWellFormed());
    const size_t elements = WalkAll(doc);
    Check(!wellFormed || elements >= 1);

    // The document text parses back to the same text and verdict.
    const std::string text = doc.GetDoc();
    XmlDocument again;
    again.SetDoc(text);
    Check(again.GetDoc() == text);
    Check(again.IsWellFormed() == wellFormed);
    Check(WalkAll(again) == elements);

    // Edits with the input itself as values.
    const std::string_view value = bytes.substr(0, 64);
    doc.ResetPos();
    if (doc.FindElem()) {
        doc.SetAttrib("v", value);
        doc.SetAttrib("w", 7);
        doc.SetAttrib("v", value);
        if (doc.IntoElem()) {
            doc.FindElem();
            doc.AddElem("added", value);
            doc.SetAttrib("v", value);
            doc.AddElem("cdata", value, XmlDocument::DataForm::CData);
        }
    }
    XmlDocument edited;
    edited.SetDoc(doc.GetDoc());
    if (wellFormed) {
        Check(edited.IsWellFormed());
        Check(edited.FindElem());
        Check(edited.GetAttrib("v") == value);
        Check(edited.GetAttrib("w") == "7");
        Check(edited.IntoElem());
        Check(edited.FindElem("added"));
        Check(edited.GetAttrib("v") == value);
        Check(edited.GetData() == value);
        Check(edited.FindElem("cdata"));
        Check(edited.GetData() == value);
    }
    WalkAll(edited);
    return 0;
}
