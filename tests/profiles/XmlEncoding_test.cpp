#include "profiles/XmlEncoding.h"

#include "platform/TextCodec.h"

#include <gtest/gtest.h>

using namespace clavora;

TEST(XmlEncoding, EveryTableEntryIsUsable)
{
    for (const XmlCharsetName& entry : XmlCharsetTable()) {
        SCOPED_TRACE(std::string(entry.name));
        EXPECT_EQ(FindXmlCharset(entry.name), &entry);
        if (entry.charset != XmlCharset::Iconv)
            continue;
        CharsetConversion out;
        ASSERT_TRUE(ConvertCharset("<r a=\"1\"/>", entry.iconvName, "UTF-8", out));
        EXPECT_EQ(out.text, "<r a=\"1\"/>");
    }
    EXPECT_NE(FindXmlCharset("GB2312"), nullptr);
    EXPECT_EQ(FindXmlCharset("UTF-7"), nullptr);
}

TEST(XmlEncoding, FindsDeclaredAndMetaNames)
{
    EXPECT_EQ(DeclaredEncoding("<?xml version=\"1.0\" encoding=\"GBK\"?><r/>"), "GBK");
    EXPECT_EQ(DeclaredEncoding("  <?xml version='1.0' encoding = 'utf-8' ?>"), "utf-8");
    EXPECT_EQ(DeclaredEncoding("<?xml version=\"1.0\"?><r encoding=\"GBK\"/>"), "");
    EXPECT_EQ(DeclaredEncoding("<?xml-stylesheet encoding=\"GBK\"?>"), "");
    EXPECT_EQ(DeclaredEncoding("<r/>"), "");
    EXPECT_EQ(MetaCharset("<html><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=Big5\">"), "Big5");
    EXPECT_EQ(MetaCharset("<html><meta charset=\"utf-8\"/>"), "utf-8");
    EXPECT_EQ(MetaCharset("<html><meta name=\"x\"><body charset=\"gbk\">"), "");
}
