#include "profiles/XmlDocument.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using clavora::XmlDocument;
using clavora::test::ReadFileBytes;
using clavora::test::TempDir;

namespace {

using namespace std::string_literals;

// The attribute "a" of the root element, or "<not well formed>".
std::string RootAttribute(XmlDocument& doc)
{
    if (!doc.IsWellFormed() || !doc.FindElem())
        return "<not well formed>";
    return doc.GetAttrib("a");
}

struct EncodingCase {
    const char* label;
    std::string bytes;
    std::string expected; // the root's "a" attribute in UTF-8
    const char* resultElement; // an element the result record must hold
};

TEST(XmlDocumentLoad, DetectsAndConvertsEncodings)
{
    const std::vector<EncodingCase> cases = {
        { "plain UTF-8", "<r a=\"\xC3\xA9\xE2\x82\xAC\"/>", "é€", "utf8_detection" },
        { "UTF-8 with BOM", "\xEF\xBB\xBF<r a=\"\xC3\xA9\"/>", "é", "read" },
        { "UTF-16LE BOM", "\xFF\xFE<\0r\0 \0a\0=\0\"\0\xE9\0\xAC\x20\"\0/\0>\0"s, "é€", "read" },
        { "UTF-16BE BOM", "\xFE\xFF\0<\0r\0 \0a\0=\0\"\0\xE9\x20\xAC\0\"\0/\0>"s, "é€", "endian_swap" },
        { "UTF-16LE, no BOM", "<\0r\0 \0a\0=\0\"\0\x2D\x4E\"\0/\0>\0"s, "中", "read" },
        { "UTF-16 surrogate pair", "\xFF\xFE<\0r\0 \0a\0=\0\"\0\x3D\xD8\x00\xDE\"\0/\0>\0"s, "😀", "read" },
        { "undeclared 8-bit is Windows-1252", "<r a=\"\x80\xE9\x9F\"/>", "€éŸ", "converted_from" },
        { "declared ISO-8859-1 reads as Windows-1252",
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r a=\"\xE9\x80\"/>", "é€", "converted_from" },
        { "declared GB2312", "<?xml version=\"1.0\" encoding=\"gb2312\"?>\n<r a=\"\xD6\xD0\xCE\xC4\"/>", "中文",
            "converted_from" },
        { "declared Shift_JIS", "<?xml version='1.0' encoding='Shift_JIS'?><r a=\"\x93\xfa\x96\x7b\"/>", "日本",
            "converted_from" },
        { "HTML meta charset",
            "<html a=\"\xD6\xD0\"><meta http-equiv=\"Content-Type\" content=\"text/html; charset=GB2312\"/></html>",
            "中", "converted_from" },
        { "unknown declared name falls back to detection",
            "<?xml version=\"1.0\" encoding=\"x-none\"?><r a=\"\xC3\xA9\"/>", "é", "utf8_detection" },
        { "declared UTF-8 with a bad byte", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r a=\"x\xFFy\"/>",
            "x\xEF\xBF\xBDy", "read" },
        { "NULs removed from 8-bit text", "<r a=\"x\0y\"/>\0"s, "xy", "nulls_removed" },
    };
    for (const EncodingCase& c : cases) {
        SCOPED_TRACE(c.label);
        XmlDocument doc;
        EXPECT_TRUE(doc.LoadFromBytes(c.bytes)) << doc.GetResult();
        EXPECT_EQ(RootAttribute(doc), c.expected);
        EXPECT_NE(doc.GetResult().find("<"s + c.resultElement), std::string::npos) << doc.GetResult();
    }
}

TEST(XmlDocumentLoad, OddUtf16LengthIsReportedAndTheRestKept)
{
    XmlDocument doc;
    EXPECT_TRUE(doc.LoadFromBytes("\xFF\xFE<\0r\0/\0>\0\n"s));
    EXPECT_NE(doc.GetResult().find("<truncation_error"), std::string::npos);
}

TEST(XmlDocumentLoad, MissingFileGivesFileErrorWithTheSystemMessage)
{
    TempDir dir;
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDoc("<old/>"));
    EXPECT_FALSE(doc.Load(dir.File("absent.xml")));
    EXPECT_NE(doc.GetResult().find("<file_error>No such file or directory</file_error>"), std::string::npos);
    // Nothing of the previous document survives a failed load.
    EXPECT_FALSE(doc.FindElem());
    EXPECT_EQ(doc.GetDoc(), "");
}

struct ErrorCase {
    const char* text;
    const char* kind;
};

TEST(XmlDocumentParse, ReportsEveryErrorKindAndKeepsTheText)
{
    const std::vector<ErrorCase> cases = {
        { "<r><a></r>", "unended_start_tag" },
        { "<r><a>", "unended_start_tag" },
        { "<r></a></r>", "lone_end_tag" },
        { "<r/><s/>", "root_has_sibling" },
        { "", "no_root_element" },
        { "<?xml version=\"1.0\"?>\n<!-- only a comment -->", "no_root_element" },
        { "<r><a b='1'", "unterminated_tag_syntax" },
        { "<r a='x></r>", "unterminated_tag_syntax" },
        { "<r><a <b/></r>", "unterminated_tag_syntax" },
        { "<r></r", "unterminated_tag_syntax" },
        { "<?xml version=\"1.0\"", "unterminated_tag_syntax" },
        { "<r>< a/></r>", "first_tag_syntax" },
        { "<r></></r>", "first_tag_syntax" },
        { "<!DOCTYPE r [<!ENTITY x 'y'>\n<r/>", "doctype_tag_syntax" },
        { "<r><!-- never closed </r>", "comment_tag_syntax" },
        { "<r><!- x -></r>", "comment_tag_syntax" },
        { "<r><![CDATA[ never closed </r>", "cdata_section_syntax" },
        { "<r><![CDAT[x]]></r>", "cdata_section_syntax" },
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.text);
        XmlDocument doc;
        doc.SetDoc(c.text);
        EXPECT_FALSE(doc.IsWellFormed());
        EXPECT_NE(doc.GetResult().find("<"s + c.kind), std::string::npos) << doc.GetResult();
        EXPECT_EQ(doc.GetDoc(), c.text);
    }
}

TEST(XmlDocumentParse, WellFormedDocumentsRoundTripUnchanged)
{
    const char* const texts[] = {
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<config>\r\n\t<a x='1' y = \"2\"/>\r\n</config>\r\n",
        "<!DOCTYPE r [<!ELEMENT r ANY> <!-- it's ] > -->]>\n<r><![CDATA[<x>]]><?pi a?><!--c--></r>",
        "<device.info><Keyboard><KeyItems><key code=\"29\" rect=\"1#2#3#4\"/></KeyItems></Keyboard></device.info>",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        XmlDocument doc;
        EXPECT_TRUE(doc.SetDoc(text)) << doc.GetResult();
        EXPECT_TRUE(doc.IsWellFormed());
        EXPECT_EQ(doc.GetDoc(), text);
    }
}

TEST(XmlDocumentNavigate, FindSearchesForwardAmongSiblings)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDoc("<r><a n='1'/><b n='2'/><a n='3'><c/></a><b n='4'/>text</r>"));
    EXPECT_FALSE(doc.IntoElem()); // nothing current yet
    EXPECT_FALSE(doc.OutOfElem());
    ASSERT_TRUE(doc.FindElem("r"));
    EXPECT_FALSE(doc.FindElem("r"));
    ASSERT_TRUE(doc.IntoElem());

    EXPECT_TRUE(doc.FindElem("b"));
    EXPECT_EQ(doc.GetAttrib("n"), "2");
    // The search goes on from the current element, so the first "a" is behind us.
    EXPECT_TRUE(doc.FindElem("a"));
    EXPECT_EQ(doc.GetAttrib("n"), "3");
    EXPECT_TRUE(doc.FindElem());
    EXPECT_EQ(doc.GetTagName(), "b");
    EXPECT_EQ(doc.GetAttrib("n"), "4");
    EXPECT_FALSE(doc.FindElem("a"));
    EXPECT_EQ(doc.GetAttrib("n"), "4"); // a failed search keeps the position

    ASSERT_TRUE(doc.OutOfElem());
    EXPECT_EQ(doc.GetTagName(), "r");
    ASSERT_TRUE(doc.IntoElem());
    ASSERT_TRUE(doc.FindElem("a"));
    EXPECT_EQ(doc.GetAttrib("n"), "1"); // into starts again at the first child
    ASSERT_TRUE(doc.FindElem("a"));
    ASSERT_TRUE(doc.IntoElem());
    EXPECT_TRUE(doc.FindElem("c"));
    EXPECT_FALSE(doc.FindElem("c"));

    doc.ResetPos();
    EXPECT_EQ(doc.GetTagName(), "");
    EXPECT_TRUE(doc.FindElem("r"));
}

TEST(XmlDocumentAttributes, DecodesReferencesAndReadsEveryQuoting)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDoc("<r e=\"&lt;&amp;&gt;&apos;&quot;&#65;&#x42;&#x1F600;&bogus;&#0;&#xD800;&#;&\""
                           " s='single \"q\"' bare=42 flag ab=\"long\" a=\"short\" a=\"second\" sp = 'x' />"));
    ASSERT_TRUE(doc.FindElem());
    EXPECT_EQ(doc.GetAttrib("e"), "<&>'\"AB😀&bogus;&#0;&#xD800;&#;&");
    EXPECT_EQ(doc.GetAttrib("s"), "single \"q\"");
    EXPECT_EQ(doc.GetAttrib("bare"), "42");
    EXPECT_EQ(doc.GetAttrib("flag"), "");
    EXPECT_EQ(doc.GetAttrib("a"), "short");
    EXPECT_EQ(doc.GetAttrib("sp"), "x");
    EXPECT_EQ(doc.GetAttrib("missing"), "");
    EXPECT_EQ(doc.GetAttrib("r"), "");
}

TEST(XmlDocumentAttributes, EntitiesDeclaredInTheDocumentAreNeverExpanded)
{
    std::string laughs = "<!DOCTYPE r [\n<!ENTITY lol \"lol\">\n";
    for (int i = 1; i < 10; ++i)
        laughs += "<!ENTITY lol" + std::to_string(i) + " \"&lol" + std::to_string(i - 1) + ";&lol"
            + std::to_string(i - 1) + ";\">\n";
    laughs += "<!ENTITY ext SYSTEM \"file:///etc/passwd\">\n]>\n<r a=\"&lol9;&ext;\">&lol9;</r>";
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDoc(laughs)) << doc.GetResult();
    ASSERT_TRUE(doc.FindElem("r"));
    EXPECT_EQ(doc.GetAttrib("a"), "&lol9;&ext;");
    EXPECT_EQ(doc.GetData(), "&lol9;");
}

TEST(XmlDocumentData, UnwrapsCDataAndSkipsComments)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDoc("<r><a>x &amp; <![CDATA[<y>]]><!-- no -->z</a><b><c/></b></r>"));
    ASSERT_TRUE(doc.FindElem());
    EXPECT_EQ(doc.GetData(), ""); // an element with children has no data of its own
    ASSERT_TRUE(doc.IntoElem());
    ASSERT_TRUE(doc.FindElem("a"));
    EXPECT_EQ(doc.GetData(), "x & <y>z");
}

TEST(XmlDocumentWrite, BuildsADocumentInTheDocumentsLineBreaks)
{
    XmlDocument doc;
    EXPECT_TRUE(doc.SetDoc("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"));
    EXPECT_FALSE(doc.IsWellFormed());
    EXPECT_FALSE(doc.SetAttrib("a", "1")); // nothing current
    ASSERT_TRUE(doc.AddElem("profile"));
    EXPECT_FALSE(doc.AddElem("second_root"));
    ASSERT_TRUE(doc.IntoElem());
    ASSERT_TRUE(doc.AddElem("profileinfo"));
    ASSERT_TRUE(doc.SetAttrib("name", "A"));
    ASSERT_TRUE(doc.AddElem("keyitems"));
    ASSERT_TRUE(doc.IntoElem());
    ASSERT_TRUE(doc.AddElem("item"));
    ASSERT_TRUE(doc.SetAttrib("key_code", 4));
    ASSERT_TRUE(doc.SetAttrib("macro_type", -1));
    ASSERT_TRUE(doc.OutOfElem());
    ASSERT_TRUE(doc.AddElem("note", "a<b"));
    EXPECT_TRUE(doc.IsWellFormed());
    EXPECT_EQ(doc.GetDoc(),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "<profile>\r\n"
        "  <profileinfo name=\"A\"/>\r\n"
        "  <keyitems>\r\n"
        "    <item key_code=\"4\" macro_type=\"-1\"/>\r\n"
        "  </keyitems>\r\n"
        "  <note>a&lt;b</note>\r\n"
        "</profile>\r\n");
}

TEST(XmlDocumentWrite, AddsAfterTheCurrentElementAndIntoEmptyElements)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDoc("<r><a/><c/><e x='1' /></r>"));
    ASSERT_TRUE(doc.FindElem());
    ASSERT_TRUE(doc.IntoElem());
    ASSERT_TRUE(doc.FindElem("a"));
    ASSERT_TRUE(doc.AddElem("b"));
    ASSERT_TRUE(doc.FindElem("e"));
    ASSERT_TRUE(doc.IntoElem());
    ASSERT_TRUE(doc.AddElem("f"));
    ASSERT_TRUE(doc.OutOfElem());
    ASSERT_TRUE(doc.SetAttrib("x", "2"));
    ASSERT_TRUE(doc.SetAttrib("y", "3"));

    XmlDocument again;
    ASSERT_TRUE(again.SetDoc(doc.GetDoc())) << doc.GetDoc();
    ASSERT_TRUE(again.FindElem());
    ASSERT_TRUE(again.IntoElem());
    std::string order;
    while (again.FindElem())
        order += again.GetTagName();
    EXPECT_EQ(order, "abce");
    EXPECT_EQ(again.GetAttrib("x"), "2");
    EXPECT_EQ(again.GetAttrib("y"), "3");
    ASSERT_TRUE(again.IntoElem());
    EXPECT_TRUE(again.FindElem("f"));
}

TEST(XmlDocumentWrite, RefusesNamesThatCannotBeRead)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDoc(""));
    for (const char* bad : { "", "a b", "a>", "a/b", "x=y", "q\"", "&a" }) {
        EXPECT_FALSE(doc.AddElem(bad)) << bad;
        EXPECT_FALSE(doc.SetAttrib(bad, "v")) << bad;
    }
    ASSERT_TRUE(doc.AddElem("ok"));
    EXPECT_FALSE(doc.SetAttrib("a b", "v"));
}

TEST(XmlDocumentWrite, EscapedValuesRoundTrip)
{
    const std::string values[] = { "", "<&>'\"", "&amp; stays literal", "中文 😀", "tab\there", "]]>" };
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDoc(""));
    ASSERT_TRUE(doc.AddElem("r"));
    ASSERT_TRUE(doc.IntoElem());
    for (const std::string& v : values) {
        ASSERT_TRUE(doc.AddElem("v", v));
        ASSERT_TRUE(doc.SetAttrib("a", v));
        ASSERT_TRUE(doc.AddElem("c", v, XmlDocument::DataForm::CData));
    }
    XmlDocument again;
    ASSERT_TRUE(again.SetDoc(doc.GetDoc())) << doc.GetDoc();
    ASSERT_TRUE(again.FindElem());
    ASSERT_TRUE(again.IntoElem());
    for (const std::string& v : values) {
        ASSERT_TRUE(again.FindElem("v"));
        EXPECT_EQ(again.GetAttrib("a"), v);
        EXPECT_EQ(again.GetData(), v);
        ASSERT_TRUE(again.FindElem("c"));
        EXPECT_EQ(again.GetData(), v);
    }
    EXPECT_NE(doc.GetDoc().find("<![CDATA[]]]]><![CDATA[>]]>"), std::string::npos);
}

TEST(XmlDocumentWrite, EscapeHelpersAreInverse)
{
    EXPECT_EQ(XmlDocument::EscapeText("<a href=\"x\">&'"), "&lt;a href=&quot;x&quot;&gt;&amp;&apos;");
    EXPECT_EQ(XmlDocument::UnescapeText(XmlDocument::EscapeText("<a href=\"x\">&'")), "<a href=\"x\">&'");
    EXPECT_EQ(XmlDocument::MakeCData("a]]>b]]>"), "<![CDATA[a]]]]><![CDATA[>b]]]]><![CDATA[>]]>");
}

struct SaveCase {
    const char* declared;
    std::string expectedBytes; // the saved file's bytes
    const char* lossCount;     // the conversion_loss count, or null when none
};

TEST(XmlDocumentSave, WritesTheDeclaredEncodingAndReportsLoss)
{
    const std::string body = "<r a=\"é€中\"/>";
    const std::vector<SaveCase> cases = {
        { nullptr, body, nullptr },
        { "UTF-8", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + body, nullptr },
        { "UTF-16", "\xFF\xFE<\0?\0x\0m\0l\0 \0v\0e\0r\0s\0i\0o\0n\0=\0\"\0001\0.\0000\0\"\0 \0"
                    "e\0n\0c\0o\0d\0i\0n\0g\0=\0\"\0U\0T\0F\0-\0001\0006\0\"\0?\0>\0"
                    "<\0r\0 \0a\0=\0\"\0\xE9\0\xAC\x20\x2D\x4E\"\0/\0>\0"s,
            nullptr },
        { "windows-1252", "<?xml version=\"1.0\" encoding=\"windows-1252\"?><r a=\"\xE9\x80?\"/>", "1" },
        { "GB2312", "<?xml version=\"1.0\" encoding=\"GB2312\"?><r a=\"\xA8\xA6\x80\xD6\xD0\"/>", nullptr },
        { "ISO-8859-7", "<?xml version=\"1.0\" encoding=\"ISO-8859-7\"?><r a=\"?\xA4?\"/>", "2" },
    };
    TempDir dir;
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.declared ? c.declared : "no declaration");
        const std::string text = c.declared
            ? "<?xml version=\"1.0\" encoding=\"" + std::string(c.declared) + "\"?>" + body
            : body;
        XmlDocument doc;
        ASSERT_TRUE(doc.SetDoc(text));
        const std::string path = dir.File("out.xml");
        ASSERT_TRUE(doc.Save(path)) << doc.GetResult();
        EXPECT_EQ(ReadFileBytes(path), c.expectedBytes);
        const std::string loss = c.lossCount ? "<conversion_loss count=\""s + c.lossCount + "\"/>" : "";
        if (c.lossCount)
            EXPECT_NE(doc.GetResult().find(loss), std::string::npos) << doc.GetResult();
        else
            EXPECT_EQ(doc.GetResult().find("conversion_loss"), std::string::npos) << doc.GetResult();

        // What was saved loads back to the same text, less what the encoding could not hold.
        XmlDocument loaded;
        ASSERT_TRUE(loaded.Load(path)) << loaded.GetResult();
        if (!c.lossCount) {
            EXPECT_EQ(loaded.GetDoc(), text);
        }
    }
}

TEST(XmlDocumentSave, UnwritablePathFailsAndLeavesNothingBehind)
{
    TempDir dir;
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDoc("<r/>"));
    EXPECT_FALSE(doc.Save(dir.File("no/such/folder/out.xml")));
    EXPECT_NE(doc.GetResult().find("<file_error>"), std::string::npos);

    // A folder where the file should go cannot be replaced, not even by root.
    std::filesystem::create_directories(dir.File("taken.xml/inner"));
    EXPECT_FALSE(doc.Save(dir.File("taken.xml")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("taken.xml/inner")));
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 1u); // no temporary file left behind
}

TEST(XmlDocumentHostile, DeepNestingIsBoundedAndHarmless)
{
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<a>";
    XmlDocument doc;
    EXPECT_FALSE(doc.SetDoc(deep));
    EXPECT_NE(doc.GetResult().find("<nesting_too_deep"), std::string::npos);
    EXPECT_EQ(doc.GetDoc(), deep);
    // Walking down as far as the index goes ends.
    int depth = 0;
    while (doc.FindElem() && doc.IntoElem())
        ++depth;
    EXPECT_EQ(depth, 256);
}

TEST(XmlDocumentHostile, ManyErrorsKeepTheResultSmall)
{
    std::string text = "<r>";
    for (int i = 0; i < 50000; ++i)
        text += "</x>";
    text += "</r>";
    XmlDocument doc;
    EXPECT_FALSE(doc.SetDoc(text));
    EXPECT_LT(doc.GetResult().size(), 10000u);
    EXPECT_NE(doc.GetResult().find("<more_errors count=\"49900\"/>"), std::string::npos);
}

TEST(XmlDocumentWrite, RepeatedEditsKeepEveryElementIntact)
{
    // Enough rewrites of a large attribute to make the document drop its replaced text.
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDoc("<r><a k='1'/>\n<b>data</b></r>"));
    ASSERT_TRUE(doc.FindElem());
    ASSERT_TRUE(doc.IntoElem());
    ASSERT_TRUE(doc.FindElem("a"));
    const std::string big(1000, 'x');
    for (int i = 0; i < 300; ++i) {
        if (i % 50 == 0) {
            ASSERT_TRUE(doc.AddElem("n" + std::to_string(i)));
        }
        ASSERT_TRUE(doc.SetAttrib("v", big + std::to_string(i)));
    }
    std::string expected = "<r><a k='1'/>";
    for (int i = 0; i < 300; i += 50)
        expected += "\n  <n" + std::to_string(i) + " v=\"" + big + std::to_string(i + 49) + "\"/>";
    expected += "\n<b>data</b></r>";
    EXPECT_EQ(doc.GetDoc(), expected);
}

} // namespace
